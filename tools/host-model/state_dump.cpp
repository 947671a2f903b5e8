// The model's state as plain text.
#include "state_dump.h"

#include "sjis_text.h"

namespace zef::host_model {
namespace {

std::string at(const Rect& rect) { return "at " + std::to_string(rect.x) + "," + std::to_string(rect.y); }

std::string size(const Rect& rect) { return "size " + std::to_string(rect.width) + "x" + std::to_string(rect.height); }

std::string windowKind(const Window& window) {
  if (window.isCharacter) return "character";
  if (!window.visible) return "hidden";
  return window.rect.width == 0 && window.rect.height == 0 ? "point" : "window";
}

void dumpWindow(std::string& out, int scope, const Window& window) {
  std::string kind = windowKind(window);
  out += "window " + std::to_string(scope) + " " + kind + " " + at(window.rect);
  if (kind != "point" && kind != "hidden") out += " " + size(window.rect);
  if (!window.surface.empty()) out += " surface " + shiftJisToUtf8(window.surface);
  out += "\n";
}

void dumpBalloon(std::string& out, const HostState& state, int scope, const Balloon& balloon) {
  Rect rect = state.balloonArea(scope);
  out += "balloon " + std::to_string(scope) + " number " + std::to_string(balloon.number) + " " + at(rect) + " " +
         size(rect) + "\n";
  for (const BalloonLine& line : balloon.lines) out += "  | " + lineText(line) + "\n";
}

}  // namespace

std::string lineText(const BalloonLine& line) {
  std::string out;
  for (const Segment& segment : line) {
    if (segment.kind == Segment::Kind::Text) out += shiftJisToUtf8(segment.text);
    if (segment.kind == Segment::Kind::Choice) out += "[" + shiftJisToUtf8(segment.text) + "]";
    if (segment.kind == Segment::Kind::Marker) out += "\xE2\x97\x87";  // "◇"
  }
  return out;
}

std::string dumpState(const HostState& state) {
  std::string out;
  for (const auto& [scope, window] : state.windows) dumpWindow(out, scope, window);
  for (const auto& [scope, balloon] : state.balloons) {
    if (balloon.shown) dumpBalloon(out, state, scope, balloon);
  }
  for (const auto& group : state.groups) {
    out += "group";
    for (int scope : group) out += " " + std::to_string(scope);
    out += "\n";
  }
  for (const MoveRecord& move : state.moves) {
    out += "move " + std::to_string(move.scope) + " by " + std::to_string(move.by.x) + "," +
           std::to_string(move.by.y) + " time " + move.time + (move.async ? " async" : "") +
           (move.alone ? " alone" : "") + "\n";
  }
  for (const std::string& event : state.events) out += "event " + shiftJisToUtf8(event) + "\n";
  for (const auto& [scope, tags] : state.logs) {
    for (const std::string& tag : tags) out += "log " + std::to_string(scope) + " " + shiftJisToUtf8(tag) + "\n";
  }
  return out;
}

}  // namespace zef::host_model
