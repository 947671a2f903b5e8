// The model's state as plain text.
#include "state_dump.h"

#include "host_notes.h"
#include "sjis_text.h"

namespace zef::host_model {
namespace {

// Appends every part in turn (one append each, no temporary strings).
template <typename... Parts>
void add(std::string& out, const Parts&... parts) {
  (out.append(parts), ...);
}

std::string number(int value) { return std::to_string(value); }

void addPlace(std::string& out, const Rect& rect) { add(out, " at ", number(rect.x), ",", number(rect.y)); }

void addSize(std::string& out, const Rect& rect) { add(out, " size ", number(rect.width), "x", number(rect.height)); }

std::string windowKind(const Window& window) {
  if (window.isCharacter) return "character";
  if (!window.visible) return "hidden";
  return window.rect.width == 0 && window.rect.height == 0 ? "point" : "window";
}

void dumpWindow(std::string& out, int scope, const Window& window, Charset charset) {
  std::string kind = windowKind(window);
  add(out, "window ", number(scope), " ", kind);
  addPlace(out, window.rect);
  if (kind != "point" && kind != "hidden") addSize(out, window.rect);
  if (!window.surface.empty()) add(out, " surface ", textAsUtf8(window.surface, charset));
  out += "\n";
}

void dumpBalloon(std::string& out, const HostState& state, int scope, const Balloon& balloon) {
  Rect rect = state.balloonArea(scope);
  add(out, "balloon ", number(scope), " number ", number(balloon.number));
  addPlace(out, rect);
  addSize(out, rect);
  out += "\n";
  for (const BalloonLine& line : balloon.lines) add(out, "  | ", lineText(line, state.charset), "\n");
}

void dumpMove(std::string& out, const MoveRecord& move) {
  add(out, "move ", number(move.scope), " by ", number(move.by.x), ",", number(move.by.y), " time ", move.time);
  if (move.async) out += " async";
  if (move.alone) out += " alone";
  out += "\n";
}

}  // namespace

std::string lineText(const BalloonLine& line, Charset charset) {
  std::string out;
  for (const Segment& segment : line) {
    const bool text = segment.kind == Segment::Kind::Text;
    if (text && segment.ghostsOwn) add(out, "\xC2\xAB", textAsUtf8(segment.text, charset), "\xC2\xBB");  // «»
    if (text && !segment.ghostsOwn) add(out, textAsUtf8(segment.text, charset));
    if (segment.kind == Segment::Kind::Choice) add(out, "[", textAsUtf8(segment.text, charset), "]");
    if (segment.kind == Segment::Kind::Marker) out += "\xE2\x97\x87";  // "◇"
  }
  return out;
}

std::string choiceAction(const Segment& choice, Charset charset) {
  std::string out;
  add(out, "\"", textAsUtf8(choice.text, charset), "\"", choice.runsScript ? " runs " : " raises ",
      textAsUtf8(choice.target, charset));
  return out;
}

std::string dumpState(const HostState& state) {
  std::string out;
  for (const auto& [scope, window] : state.windows) dumpWindow(out, scope, window, state.charset);
  for (const auto& [scope, balloon] : state.balloons) {
    if (balloon.shown) dumpBalloon(out, state, scope, balloon);
  }
  for (std::size_t i = 0; i < state.choices.size(); ++i) {
    const OfferedChoice& offered = state.choices[i];
    add(out, "choice ", number(static_cast<int>(i + 1)), " scope ", number(offered.scope), " ",
        choiceAction(offered.choice, state.charset), "\n");
  }
  for (const auto& group : state.groups) {
    out += "group";
    for (int scope : group) add(out, " ", number(scope));
    out += "\n";
  }
  for (const MoveRecord& move : state.moves) dumpMove(out, move);
  for (std::size_t i = 0; i < state.events.size(); ++i) {
    add(out, "event ", textAsUtf8(state.events[i], state.charset));
    for (const std::string& reference : state.eventReferences[i]) add(out, ",", textAsUtf8(reference, state.charset));
    add(out, "\n");
  }
  add(out, "current scope ", number(state.currentScope), "\n");
  for (const HostNote& note : state.notes) add(out, "note ", noteText(note, state.charset), "\n");
  for (const auto& [scope, tags] : state.logs) {
    for (const std::string& tag : tags) add(out, "log ", number(scope), " ", textAsUtf8(tag, state.charset), "\n");
  }
  return out;
}

}  // namespace zef::host_model
