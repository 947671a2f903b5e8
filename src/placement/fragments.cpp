// Building the dummy scope fragments from the shared pieces.
#include "placement/fragments.h"

#include "base/decimal.h"
#include "base/host_script.h"
#include "placement/dummy_scope.h"

namespace zef {

void appendDummyFragment(std::string& out, std::int32_t scope) {
  appendScopeSwitch(out, scope);
  out += dummySurface;
  out += freeAlignment;
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
  out += dummySurface;
  appendMove(out, Move{.async = true, .base = me, .ignoreSticky = true});
}

void appendNewLevelFragment(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character) {
  const std::int32_t scope = dummyScope(state, level, character);
  appendDummyFragment(out, scope);
  appendMove(out, Move{.base = anchorScope(state, character), .ignoreSticky = true});
  out += stickyGroupOpen;
  appendDecimal(out, character);
  out += ',';
  appendDecimal(out, scope);
  out += ']';
}

void appendStickyGroup(std::string& out, const ModuleState& state, std::int32_t character) {
  out += stickyGroupOpen;
  appendDecimal(out, character);
  for (std::int32_t level = 0; level <= state.balloonCount; ++level) {
    out += ',';
    appendDecimal(out, dummyScope(state, level, character));
  }
  out += ']';
}

std::uint64_t dummyFragmentBytes() { return maxScopeSwitchBytes + dummySurface.size() + freeAlignment.size(); }

std::uint64_t placementFragmentBytes() { return dummyFragmentBytes() + maxMoveBytes; }

std::uint64_t holdFragmentBytes() { return maxScopeSwitchBytes + dummySurface.size() + maxMoveBytes; }

std::uint64_t stickyGroupBytes(const ModuleState& state) {
  const std::uint64_t scopes = static_cast<std::uint64_t>(state.balloonCount) + 1;
  return stickyGroupOpen.size() + maxDecimalBytes + scopes * (1 + maxDecimalBytes) + 1;
}

}  // namespace zef
