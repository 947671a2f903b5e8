// The changeZEF command: one setting changed while the ghost runs. A larger
// balloon count also sets up the scopes of the new levels; every change ends
// by raising OnChangeZEF, which tells the ghost the change has been taken.
#include "settings/setting_change.h"

#include <cstdint>

#include "base/host_script.h"
#include "placement/fragments.h"

namespace zef {

namespace {

// Returns whether it placed the scopes of new levels.
bool changeBalloonCount(std::int32_t count, ModuleState& state, std::string& script) {
  const std::int32_t oldCount = state.balloonCount;
  state.setBalloonCount(count);
  // A smaller count leaves the scopes above it as the host has them.
  for (std::int32_t level = oldCount + 1; level <= state.balloonCount; ++level) {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendNewLevelFragment(script, state, level, c);
  }
  return state.balloonCount > oldCount;
}

}  // namespace

void runSettingChange(const SettingChange& change, ModuleState& state, std::string& script) {
  using Setting = SettingChange::Setting;
  bool placedScopes = false;
  switch (change.setting) {
    case Setting::balloonCount:
      placedScopes = changeBalloonCount(change.number, state, script);
      break;
    case Setting::moveStep:
      state.moveStep = change.number;
      break;
    case Setting::moveTime:
      state.setMoveTime(change.number);
      break;
    case Setting::enabled:
      if (change.enabled) state.enabled = *change.enabled;
      break;
    case Setting::none:
      break;
  }
  appendRaise(script, "OnChangeZEF");
  // Placing the new scopes left the last of them current; the ghost's own
  // words after this answer belong to its main character.
  if (placedScopes) appendScopeSwitch(script, 0);
}

}  // namespace zef
