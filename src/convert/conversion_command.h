// The ZEF command: a talk, one utterance per argument, as multi-balloon script.
#pragma once

#include <span>
#include <string>

#include "base/module_state.h"

namespace zef {

// Appends the script for the utterances, in speaking order.
void runConversion(std::span<const std::string> utterances, const ModuleState& state, std::string& script);

}  // namespace zef
