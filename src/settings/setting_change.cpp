// The changeZEF command: one setting changed while the ghost runs. A larger
// balloon count also sets up the scopes of the new levels; every change ends
// by raising OnChangeZEF, which tells the ghost the change has been taken.
#include "settings/setting_change.h"

#include <cstdint>

#include "base/host_script.h"
#include "placement/fragments.h"

namespace zef {

namespace {

void changeBalloonCount(std::int32_t count, ModuleState& state, std::string& script) {
  const std::int32_t oldCount = state.balloonCount;
  state.setBalloonCount(count);
  // A smaller count leaves the scopes above it as the host has them.
  for (std::int32_t level = oldCount + 1; level <= state.balloonCount; ++level) {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendNewLevelFragment(script, state, level, c);
  }
}

}  // namespace

void runSettingChange(const SettingChange& change, ModuleState& state, std::string& script) {
  using Setting = SettingChange::Setting;
  switch (change.setting) {
    case Setting::balloonCount:
      changeBalloonCount(change.number, state, script);
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
}

}  // namespace zef
