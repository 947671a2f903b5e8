// Building the dummy scope fragments from the shared pieces.
#include "placement/fragments.h"

#include "base/decimal.h"
#include "base/host_script.h"
#include "base/script_size.h"
#include "placement/dummy_scope.h"

namespace zef {

namespace {

// The scope a level is placed against: the real character for the anchor
// scope, the anchor scope for every balloon scope.
std::int32_t placementBase(const ModuleState& state, std::int32_t level, std::int32_t character) {
  return level == 0 ? character : anchorScope(state, character);
}

void appendScopeHead(std::string& out, std::int32_t scope, std::string_view head) {
  out += scopeSwitchOpen;
  appendDecimal(out, scope);
  out += head;
}

}  // namespace

void appendPlacementFragment(std::string& out, const ModuleState& state, std::int32_t level, std::int32_t character) {
  appendScopeHead(out, dummyScope(state, level, character), dummyScopeHead);
  out += placeOnBase;
  appendDecimal(out, placementBase(state, level, character));
  out += sideCorners(character);
  out += ']';
}

void appendPlacementScript(std::string& out, const ModuleState& state) {
  const std::uint64_t levels = static_cast<std::uint64_t>(state.balloonCount) + 1;
  reserveMore(out, levels * static_cast<std::uint64_t>(state.characterCount) * placementFragmentBytes());
  for (std::int32_t level = 0; level <= state.balloonCount; ++level) {
    for (std::int32_t character = 0; character < state.characterCount; ++character) {
      appendPlacementFragment(out, state, level, character);
    }
  }
}

void appendDummyFragment(std::string& out, std::int32_t scope) { appendScopeHead(out, scope, dummyScopeHead); }

void appendHoldFragment(std::string& out, std::int32_t scope) {
  appendScopeHead(out, scope, dummyScopeSurface);
  out += holdInPlace;
  out += ignoreStickyWindow;
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

static_assert(evenSideCorners.size() == oddSideCorners.size());

std::uint64_t placementFragmentBytes() {
  return scopeSwitchOpen.size() + maxDecimalBytes + dummyScopeHead.size() + placeOnBase.size() + maxDecimalBytes +
         evenSideCorners.size() + 1;
}

std::uint64_t dummyFragmentBytes() { return scopeSwitchOpen.size() + maxDecimalBytes + dummyScopeHead.size(); }

std::uint64_t holdFragmentBytes() {
  return scopeSwitchOpen.size() + maxDecimalBytes + dummyScopeSurface.size() + holdInPlace.size() +
         ignoreStickyWindow.size() + 1;
}

std::uint64_t stickyGroupBytes(const ModuleState& state) {
  const std::uint64_t scopes = static_cast<std::uint64_t>(state.balloonCount) + 1;
  return stickyGroupOpen.size() + maxDecimalBytes + scopes * (1 + maxDecimalBytes) + 1;
}

}  // namespace zef
