// The host commands \![move,...] and \![moveasync,...] on the model desktop.
#include "move_command.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "script_number.h"

namespace zef::host_model {
namespace {

constexpr std::string_view kKeep = "fix";

struct MoveOptions {
  std::string x{kKeep}, y{kKeep}, time, base;
  Anchor baseOffset, moveOffset;
  bool hasMoveOffset = false;
  bool alone = false;
};

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

MoveOptions readOptions(const std::vector<std::string>& arguments) {
  MoveOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    std::string_view option = arguments[i];
    std::size_t equals = option.find('=');
    std::string key = lowerCase(option.substr(0, equals));
    std::string value(equals == std::string_view::npos ? "" : option.substr(equals + 1));
    if (key == "--x") options.x = value;
    if (key == "--y") options.y = value;
    if (key == "--time") options.time = value;
    if (key == "--base") options.base = value;
    if (key == "--base-offset") options.baseOffset = parseAnchor(value);
    if (key == "--move-offset") {
      options.moveOffset = parseAnchor(value);
      options.hasMoveOffset = true;
    }
    if (key == "--option" && value == "ignore-sticky-window") options.alone = true;
  }
  return options;
}

// Positions far outside any desktop are clamped, so that sums never overflow.
int clampPosition(std::int64_t value) {
  constexpr std::int64_t kLimit = 1'000'000'000;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

// How far one axis moves: to `target` + shift, or nowhere when "fix".
int axisShift(const std::string& shift, int target, int current) {
  if (shift == kKeep) return 0;
  int amount = 0;
  parseInteger(shift, amount);
  return clampPosition(std::int64_t{target} + amount - current);
}

Rect baseRect(HostState& state, int scope, const std::string& base) {
  int baseScope = 0;
  if (base == "me") return state.window(scope).rect;
  if (parseInteger(base, baseScope) && baseScope >= 0) return state.window(baseScope).rect;
  return {0, 0, kDesktopWidth, kDesktopHeight};
}

void shiftWindow(Window& window, Point by) {
  window.rect.x = clampPosition(std::int64_t{window.rect.x} + by.x);
  window.rect.y = clampPosition(std::int64_t{window.rect.y} + by.y);
}

}  // namespace

void runMove(HostState& state, int scope, std::string_view command, const std::vector<std::string>& arguments) {
  MoveOptions options = readOptions(arguments);
  if (!options.hasMoveOffset) {
    state.addNote({HostNote::Kind::MoveWithoutMoveOffset, std::string(command), scope, 0, 0});
  }
  Point target = anchorPoint(baseRect(state, scope, options.base), options.baseOffset);
  Point moving = anchorPoint(state.window(scope).rect, options.moveOffset);
  Point by{axisShift(options.x, target.x, moving.x), axisShift(options.y, target.y, moving.y)};

  shiftWindow(state.window(scope), by);
  const std::set<int>* group = options.alone ? nullptr : state.groupOf(scope);
  if (group != nullptr) {
    for (int member : *group) {
      if (member != scope) shiftWindow(state.window(member), by);
    }
  }
  state.moves.push_back({scope, arguments.front() == "moveasync", options.time, by, options.alone});
}

}  // namespace zef::host_model
