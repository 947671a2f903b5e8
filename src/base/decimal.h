// Decimal numbers in argument and script text.
//
// Ghosts pass every number as text; the module reads it leniently and writes
// numbers back into script text without leading zeros.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zef {

// Only the ASCII digits are digits, in argument and script text alike.
constexpr bool isAsciiDigit(char byte) { return byte >= '0' && byte <= '9'; }

// Reads a decimal integer from the start of `text`: blanks, tabs and the bytes
// 0x0A to 0x0D are skipped, one '+' or '-' is taken, then digits up to the
// first other byte. No digits reads as 0; a value beyond the signed 32-bit
// range reads as the nearest limit.
std::int32_t readDecimal(std::string_view text);

// Appends `value` in decimal, with a '-' only when it is negative.
void appendDecimal(std::string& out, std::int32_t value);

}  // namespace zef
