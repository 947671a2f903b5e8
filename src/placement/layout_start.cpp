// The layout start commands: take the ghost's settings, lay the dummy scopes out.
#include "placement/layout_start.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "base/decimal.h"
#include "base/script_size.h"
#include "placement/dummy_scope.h"
#include "placement/fragments.h"

namespace zef {

namespace {

constexpr std::size_t firstSurfaceOffsetArgument = 10;

bool isSwitchOn(std::string_view text) { return text == "On" || text == "ON" || text == "on"; }

// Reads Argument1 to Argument9 and the surface offsets into `state`. The new
// offsets are complete before the old ones are given up.
void storeSettings(const ArgumentList& arguments, ModuleState& state) {
  state.setEnabled(isSwitchOn(arguments[1]));
  state.setCharacterCount(readDecimal(arguments[2]));
  state.setBalloonCount(readDecimal(arguments[3]));
  state.setMoveStep(readDecimal(arguments[4]));
  state.setMoveTime(readDecimal(arguments[5]));
  state.setDummyScopeBase(readDecimal(arguments[6]));
  state.setBalloonOffset(readDecimal(arguments[7]));
  state.setFontName(arguments[8]);
  state.setFontHeight(readDecimal(arguments[9]));

  std::vector<std::int32_t> offsets(static_cast<std::size_t>(state.characterCount));
  for (std::size_t c = 0; c < offsets.size(); ++c) offsets[c] = readDecimal(arguments[firstSurfaceOffsetArgument + c]);
  state.surfaceOffsets = std::move(offsets);
}

std::uint64_t characters(const ModuleState& state) { return static_cast<std::uint64_t>(state.characterCount); }
std::uint64_t balloonLevels(const ModuleState& state) { return static_cast<std::uint64_t>(state.balloonCount); }

// firstZEF: every dummy scope placed afresh.
void appendFreshLayout(std::string& script, const ModuleState& state) {
  reserveMore(script, (balloonLevels(state) + 1) * characters(state) * placementFragmentBytes() +
                          characters(state) * stickyGroupBytes(state));
  appendPlacementScript(script, state);
}

// startZEF: the dummy scopes are set up where the host already has them.
void appendKeptLayout(std::string& script, const ModuleState& state) {
  reserveMore(script, balloonLevels(state) * characters(state) * dummyFragmentBytes() +
                          characters(state) * (holdFragmentBytes() + stickyGroupBytes(state)));
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

void runLayoutStart(const ArgumentList& arguments, ModuleState& state, std::string& script) {
  storeSettings(arguments, state);
  if (arguments[0] == "firstZEF") {
    appendFreshLayout(script, state);
  } else {
    appendKeptLayout(script, state);
  }
  for (std::int32_t character = 0; character < state.characterCount; ++character) {
    appendStickyGroup(script, state, character);
  }
}

}  // namespace zef
