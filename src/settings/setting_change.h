// The changeZEF command: one setting changed while the ghost runs.
#pragma once

#include <string>
#include <string_view>

#include "base/module_state.h"

namespace zef {

// Stores `value`, as the ghost wrote it, into `setting` (null for a key the
// module does not know, which changes nothing) and appends the script for it,
// ending with the OnChangeZEF event.
void runSettingChange(const Setting* setting, std::string_view value, ModuleState& state, std::string& script);

}  // namespace zef
