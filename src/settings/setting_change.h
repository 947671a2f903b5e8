// The changeZEF command: one setting changed while the ghost runs.
#pragma once

#include <string>

#include "base/argument_list.h"
#include "base/module_state.h"

namespace zef {

// Applies Argument1 (the key) and Argument2 (the value) to `state` and appends
// the script for it, ending with the OnChangeZEF event.
void runSettingChange(const ArgumentList& arguments, ModuleState& state, std::string& script);

}  // namespace zef
