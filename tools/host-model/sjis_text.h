// Showing the script's Shift-JIS text as UTF-8.
//
// The host's Shift-JIS is Windows code page 932, where 0x5C is a backslash
// (plain SHIFT_JIS tables map it to a yen sign). Bytes that are no valid
// character show as U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace zef::host_model {

std::string shiftJisToUtf8(std::string_view text);

}  // namespace zef::host_model
