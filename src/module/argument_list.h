// The values of a request's Argument0, Argument1, ... lines, in order.
#pragma once

#include <string>
#include <vector>

namespace zef {

// Element N is the value of ArgumentN; Argument0 is the command word and the
// list's size is the argument count.
using ArgumentList = std::vector<std::string>;

}  // namespace zef
