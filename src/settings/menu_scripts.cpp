// Choice scripts that move anchor scopes, written through the host script writer.
#include "settings/menu_scripts.h"

#include "base/host_script.h"
#include "placement/dummy_scope.h"
#include "settings/kept_positions.h"

namespace zef {

namespace {

// Runs `appendOne` for `character` alone, or for every character.
template <typename AppendOne>
void forCharacters(const ModuleState& state, bool alone, std::int32_t character, AppendOne appendOne) {
  if (alone) return appendOne(character);
  for (std::int32_t c = 0; c < state.characterCount; ++c) appendOne(c);
}

}  // namespace

void appendShiftScript(std::string& out, const ModuleState& state, Shift shift, std::int32_t character,
                       std::int32_t pixels) {
  const bool right = shift == Shift::right;
  forCharacters(state, right, character, [&](std::int32_t c) {
    appendScopeSwitch(out, anchorScope(state, c));
    appendMove(out, Move{.async = true, .x = right ? pixels : 0, .y = right ? 0 : pixels, .ignoreSticky = true});
  });
  if (!state.keepPositions) return appendRaise(out, event::settingMenu);
  // The ghost adds what the shift applied to its kept sums.
  if (right) return appendRaise(out, event::settingMenu, {keptMove::horizontal, character, pixels});
  appendRaise(out, event::settingMenu, {keptMove::vertical, pixels});
}

void appendResetScript(std::string& out, const ModuleState& state, Reset reset, std::int32_t character) {
  // Each anchor scope moves against its real character, keeping the
  // coordinate that the reset leaves alone.
  forCharacters(state, reset == Reset::horizontal, character, [&](std::int32_t c) {
    appendScopeSwitch(out, anchorScope(state, c));
    appendMove(out, Move{.x = reset == Reset::vertical ? fix : 0,
                         .y = reset == Reset::horizontal ? fix : 0,
                         .base = c,
                         .corners = placementCorners(c),
                         .ignoreSticky = true});
  });
  if (!state.keepPositions) return appendRaise(out, event::settingMenu);
  // The ghost zeroes the sums that the reset put back.
  if (reset == Reset::horizontal) return appendRaise(out, event::settingMenu, {keptMove::horizontalReset, character});
  appendRaise(out, event::settingMenu, {reset == Reset::vertical ? keptMove::verticalReset : keptMove::bothReset});
}

std::uint64_t menuScriptBytes(std::uint64_t scopes) {
  return scopes * (maxScopeSwitchBytes + maxMoveBytes) + raiseBytes(event::settingMenu) + keptMoveReferenceBytes;
}

}  // namespace zef
