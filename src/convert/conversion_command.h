// The ZEF command: a talk, one utterance per argument, as multi-balloon script.
#pragma once

#include <string>

#include "module/base/argument_list.h"
#include "module/base/module_state.h"

namespace zef {

// Appends the script for the utterances in Argument1 onward.
void runConversion(const ArgumentList& arguments, const ModuleState& state, std::string& script);

}  // namespace zef
