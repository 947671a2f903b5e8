// The layout start commands firstZEF and startZEF.
#pragma once

#include <string>

#include "base/argument_list.h"
#include "base/module_state.h"

namespace zef {

// Stores the ghost's settings and surface offsets from `arguments` into
// `state` and appends the layout script. The caller has checked that every
// argument the command reads is present, and marks the layout started.
void runLayoutStart(const ArgumentList& arguments, ModuleState& state, std::string& script);

}  // namespace zef
