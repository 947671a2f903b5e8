// The changeZEF command: one setting changed while the ghost runs. A larger
// balloon count also sets up the scopes of the new levels; every change ends
// by raising OnChangeZEF, which tells the ghost the change has been taken.
#include "settings/setting_change.h"

#include <cstdint>

#include "base/host_script.h"
#include "placement/fragments.h"

namespace zef {

void runSettingChange(const Setting* setting, std::string_view value, ModuleState& state, std::string& script) {
  const std::int32_t oldCount = state.balloonCount;
  if (setting != nullptr) storeSetting(*setting, value, SettingSource::settingChange, state);
  // A smaller count leaves the scopes above it as the host has them.
  for (std::int32_t level = oldCount + 1; level <= state.balloonCount; ++level) {
    for (std::int32_t c = 0; c < state.characterCount; ++c) appendNewLevelFragment(script, state, level, c);
  }
  appendRaise(script, event::settingChanged);
  // Placing the new scopes left the last of them current; the ghost's own
  // words after this answer belong to its main character.
  if (state.balloonCount > oldCount) appendScopeSwitch(script, 0);
}

}  // namespace zef
