// The host notes in words: what the real host does with a noted command, and
// what the picture does instead.
#pragma once

#include <string>

#include "host_state.h"

namespace zef::host_model {

// What follows the command in a note: where it ran, how many more there
// were, and what the host does with it. ASCII.
std::string noteRemark(const HostNote& note);

// The whole note: the command as written, then its remark.
std::string noteText(const HostNote& note);

}  // namespace zef::host_model
