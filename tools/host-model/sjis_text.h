// Showing the script's text as UTF-8.
//
// The host's Shift-JIS is Windows code page 932, where 0x5C is a backslash
// (plain SHIFT_JIS tables map it to a yen sign). Bytes that are no valid
// character show as U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "text_charset.h"

namespace zef::host_model {

std::string shiftJisToUtf8(std::string_view text);

// `text` in `charset` as UTF-8: UTF-8 text is shown as it is.
std::string textAsUtf8(std::string_view text, Charset charset);

}  // namespace zef::host_model
