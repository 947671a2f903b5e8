// SAORI/1.0 request parsing and response framing.
//
// A request is CR LF separated text; the module reads only its ArgumentN
// lines and answers every request with "200 OK" and a Result line that holds
// the script the command produced (possibly nothing).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "module/base/argument_list.h"

namespace zef {

// Cuts `text` at every `delimiter` and drops the empty pieces.
std::vector<std::string_view> splitLines(std::string_view text, std::string_view delimiter);

// Collects the values of the lines "Argument0: ", "Argument1: ", ... in
// ascending order without gaps; every other line is ignored.
ArgumentList collectArguments(const std::vector<std::string_view>& lines);

// The whole response text around a result script.
std::string frameResponse(std::string_view resultScript);

// The response to a request whose result script is empty. Needs no
// allocation, so it can be sent when building any other answer failed.
inline constexpr std::string_view emptyResponse = "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n";

}  // namespace zef
