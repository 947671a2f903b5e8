// Choosing the command for a request.
#pragma once

#include <optional>
#include <string>

#include "base/argument_list.h"
#include "base/charset.h"
#include "base/module_state.h"

namespace zef {

// What one request produced: its result script and, for a command that
// changes settings, the state that is to replace the module's state. The
// replacement is left to the caller, which makes it only once the answer has
// reached the host, so a request that fails half-way (out of memory) changes
// nothing.
struct CommandOutcome {
  std::string resultScript;
  std::optional<ModuleState> newState;
};

// Picks at most one command by Argument0 and the argument count and runs it;
// the module's own non-ASCII text goes out in `charset`, the request's.
CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset);

}  // namespace zef
