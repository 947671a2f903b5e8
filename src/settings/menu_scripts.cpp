// Choice scripts that move anchor scopes, written through the host script writer.
#include "settings/menu_scripts.h"

#include "base/host_script.h"
#include "placement/dummy_scope.h"
#include "settings/kept_positions.h"

namespace zef {

namespace {

void appendShift(std::string& out, const ModuleState& state, Shift shift, std::int32_t character,
                 std::int32_t pixels) {
  appendScopeSwitch(out, anchorScope(state, character));
  const bool right = shift == Shift::right;
  appendMove(out, Move{.async = true, .x = right ? pixels : 0, .y = right ? 0 : pixels, .ignoreSticky = true});
}

// Moves the anchor scope of `character` against the real character, on the
// character's side, keeping the coordinate that the reset leaves alone.
void appendReset(std::string& out, const ModuleState& state, Reset reset, std::int32_t character) {
  appendScopeSwitch(out, anchorScope(state, character));
  appendMove(out, Move{.x = reset == Reset::vertical ? fix : 0,
                       .y = reset == Reset::horizontal ? fix : 0,
                       .base = character,
                       .corners = placementCorners(character),
                       .ignoreSticky = true});
}

}  // namespace

void appendShiftScript(std::string& out, const ModuleState& state, Shift shift, std::int32_t character,
                       std::int32_t pixels) {
  if (shift == Shift::right) {
    appendShift(out, state, shift, character, pixels);
  } else {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendShift(out, state, shift, c, pixels);
  }
  if (!state.keepPositions) return appendRaise(out, event::settingMenu);
  // The ghost adds what the shift applied to its kept sums.
  if (shift == Shift::right) return appendRaise(out, event::settingMenu, {keptMove::horizontal, character, pixels});
  appendRaise(out, event::settingMenu, {keptMove::vertical, pixels});
}

void appendResetScript(std::string& out, const ModuleState& state, Reset reset, std::int32_t character) {
  if (reset == Reset::horizontal) {
    appendReset(out, state, reset, character);
  } else {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendReset(out, state, reset, c);
  }
  if (!state.keepPositions) return appendRaise(out, event::settingMenu);
  // The ghost zeroes the sums that the reset put back.
  if (reset == Reset::horizontal) return appendRaise(out, event::settingMenu, {keptMove::horizontalReset, character});
  appendRaise(out, event::settingMenu, {reset == Reset::vertical ? keptMove::verticalReset : keptMove::bothReset});
}

std::uint64_t menuScriptBytes(std::uint64_t scopes) {
  return scopes * (maxScopeSwitchBytes + maxMoveBytes) + raiseBytes(event::settingMenu) + keptMoveReferenceBytes;
}

}  // namespace zef
