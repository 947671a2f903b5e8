// Choosing the command for a request.
#pragma once

#include "base/charset.h"
#include "base/module_state.h"
#include "module/argument_list.h"
#include "module/command_table.h"

namespace zef {

// Picks the command of Argument0 from the command table and runs it when its
// count fits and its layout is started; the module's own non-ASCII text goes
// out in `charset`, the request's.
CommandOutcome dispatchCommand(const ArgumentList& arguments, const ModuleState& state, Charset charset);

}  // namespace zef
