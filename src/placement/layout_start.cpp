// The layout start commands: the dummy scopes laid out for the ghost's settings.
#include "placement/layout_start.h"

#include <cstdint>

#include "base/host_script.h"
#include "placement/dummy_scope.h"
#include "placement/fragments.h"

namespace zef {

namespace {

std::uint64_t characters(const ModuleState& state) { return static_cast<std::uint64_t>(state.characterCount); }
std::uint64_t balloonLevels(const ModuleState& state) { return static_cast<std::uint64_t>(state.balloonCount); }

// firstZEF: every dummy scope placed afresh.
void appendFreshLayout(std::string& script, const ModuleState& state) {
  reserveMore(script, (balloonLevels(state) + 1) * characters(state) * placementFragmentBytes +
                          characters(state) * stickyGroupBytes(state) + maxScopeSwitchBytes);
  appendPlacementScript(script, state);
}

// startZEF: the dummy scopes are set up where the host already has them.
void appendKeptLayout(std::string& script, const ModuleState& state) {
  reserveMore(script, balloonLevels(state) * characters(state) * dummyFragmentBytes +
                          characters(state) * (holdFragmentBytes + stickyGroupBytes(state)) + maxScopeSwitchBytes);
  for (std::int32_t level = 1; level <= state.balloonCount; ++level) {
    for (std::int32_t character = 0; character < state.characterCount; ++character) {
      appendDummyFragment(script, dummyScope(state, level, character));
    }
  }
  for (std::int32_t character = 0; character < state.characterCount; ++character) {
    appendHoldFragment(script, anchorScope(state, character));
  }
}

}  // namespace

void runLayoutStart(Layout layout, const ModuleState& state, std::string& script) {
  if (layout == Layout::fresh) {
    appendFreshLayout(script, state);
  } else {
    appendKeptLayout(script, state);
  }
  for (std::int32_t character = 0; character < state.characterCount; ++character) {
    appendStickyGroup(script, state, character);
  }
  // The ghost's own words often follow in the same answer without a scope
  // tag of their own: they belong to its main character, not the last
  // dummy scope that the layout touched.
  appendScopeSwitch(script, 0);
}

}  // namespace zef
