// Choosing the command for a request.
#pragma once

#include <string>

#include "module/argument_list.h"
#include "module/module_state.h"

namespace zef {

// Picks at most one command by Argument0 and the argument count, and lets it
// append its script to `resultScript`. A command that changes the state works
// on a copy that replaces `state` only once the whole script is built, so a
// failure half-way (out of memory) leaves the earlier state in force.
void dispatchCommand(const ArgumentList& arguments, ModuleState& state, std::string& resultScript);

}  // namespace zef
