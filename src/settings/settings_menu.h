// The settingZEF command: the menu with which the user shifts the balloons.
#pragma once

#include <string>

#include "module/base/module_state.h"

namespace zef {

// Appends the whole settings menu, built from the state's current values.
void runSettingsMenu(const ModuleState& state, std::string& script);

}  // namespace zef
