// The layout start commands firstZEF and startZEF.
#pragma once

#include <string>

#include "base/module_state.h"

namespace zef {

// firstZEF places every dummy scope afresh; startZEF leaves them where the
// host already has them.
enum class Layout { fresh, kept };

// Appends the layout script for the settings that a layout start has just
// stored into `state` (module/command_table.cpp).
void runLayoutStart(Layout layout, const ModuleState& state, std::string& script);

}  // namespace zef
