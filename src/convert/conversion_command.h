// The ZEF command: a talk, one utterance per argument, as multi-balloon script.
#pragma once

#include <string>

#include "base/argument_list.h"
#include "base/module_state.h"

namespace zef {

// Appends the script for the utterances in Argument1 onward.
void runConversion(const ArgumentList& arguments, const ModuleState& state, std::string& script);

}  // namespace zef
