// The settingZEF command: the menu with which the user shifts the balloons.
#pragma once

#include <string>

#include "base/charset.h"
#include "base/module_state.h"

namespace zef {

// Appends the whole settings menu, built from the state's current values, with
// its few non-ASCII characters in `charset`.
void runSettingsMenu(const ModuleState& state, Charset charset, std::string& script);

}  // namespace zef
