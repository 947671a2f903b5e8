// SAORI/1.0 request parsing and response framing.
//
// A request is CR LF separated text; the module reads its ArgumentN lines and
// its Charset line, and answers every request with "200 OK", a Charset line
// naming the charset it answers in, and a Result line that holds the script
// the command produced (possibly nothing).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/charset.h"

namespace zef {

// The values of a request's Argument0, Argument1, ... lines, in order:
// element N is the value of ArgumentN; Argument0 is the command word and the
// list's size is the argument count.
using ArgumentList = std::vector<std::string>;

// Cuts `text` at every `delimiter` and drops the empty pieces.
std::vector<std::string_view> splitLines(std::string_view text, std::string_view delimiter);

// Collects the values of the lines "Argument0: ", "Argument1: ", ... by their
// number, in whatever order they come: the list runs from Argument0 to the
// highest index given, an index that no line gives is an empty value, and the
// first line for an index counts. An index not below `indexLimit` (the request
// text's length, so that the list is never longer than the request) is
// ignored, and so is every other line.
ArgumentList collectArguments(const std::vector<std::string_view>& lines, std::size_t indexLimit);

// The arguments of a whole request text.
ArgumentList requestArguments(std::string_view requestText);

// The charset that the request names in its first line beginning with
// "Charset:": UTF-8 for a name that namesUtf8 takes, Shift_JIS for any other
// and when there is no such line. Reads the text in place and needs no memory.
Charset requestCharset(std::string_view requestText) noexcept;

// The whole response text around a result script, in `charset`.
std::string frameResponse(std::string_view resultScript, Charset charset);

// The response to a request whose result script is empty: 50 bytes in
// Shift_JIS, 46 in UTF-8. Needs no allocation, so it can be sent when building
// any other answer failed.
inline constexpr CharsetText emptyResponse = {
    "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n",
    "SAORI/1.0 200 OK\r\nCharset: UTF-8\r\nResult: \r\n\r\n",
};

}  // namespace zef
