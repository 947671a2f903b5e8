// Decoding the module's Shift-JIS text, to compare it with its UTF-8 form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zef::test {

// `text` read as Windows code page 932 (0x5C a backslash) and written as
// UTF-8, through the C library's iconv; nothing when the system has no such
// table or the text is no valid Shift-JIS.
std::optional<std::string> shiftJisAsUtf8(std::string_view text);

}  // namespace zef::test
