// Building the dummy scope fragments from the shared pieces.
#include "placement/fragments.h"

#include "base/host_script.h"
#include "placement/dummy_scope.h"

namespace zef {

void appendDummyFragment(std::string& out, std::int32_t scope) {
  appendScopeSwitch(out, scope);
  out += spelling::dummySurface;
  out += spelling::freeAlignment;
}

void appendPlacementFragment(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character) {
  appendDummyFragment(out, dummyScope(state, level, character));
  const std::int32_t base = level == 0 ? character : anchorScope(state, character);
  appendMove(out, Move{.base = base, .corners = placementCorners(character)});
}

void appendPlacementScript(std::string& out, const ModuleState& state) {
  for (std::int32_t level = 0; level <= state.balloonCount; ++level) {
    for (std::int32_t character = 0; character < state.characterCount; ++character) {
      appendPlacementFragment(out, state, level, character);
    }
  }
}

void appendHoldFragment(std::string& out, std::int32_t scope) {
  appendScopeSwitch(out, scope);
  out += spelling::dummySurface;
  appendMove(out, Move{.async = true, .base = me, .ignoreSticky = true});
}

void appendNewLevelFragment(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character) {
  const std::int32_t scope = dummyScope(state, level, character);
  appendDummyFragment(out, scope);
  appendMove(out, Move{.base = anchorScope(state, character), .ignoreSticky = true});
  appendStickyWindow(out, 2, [&](std::int32_t i) { return i == 0 ? character : scope; });
}

void appendStickyGroup(std::string& out, const ModuleState& state, std::int32_t character) {
  // The character, then its dummy scopes from level 0 up.
  appendStickyWindow(out, state.balloonCount + 2,
                    [&](std::int32_t i) { return i == 0 ? character : dummyScope(state, i - 1, character); });
}

}  // namespace zef
