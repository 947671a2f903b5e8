// Showing the module's Shift-JIS bytes on a UTF-8 terminal.
#pragma once

#include <string>
#include <string_view>

namespace saori_run {

// `bytes` read as Shift-JIS (the Windows code page 932, in which 0x5C is a
// backslash) and written as UTF-8. Bytes that do not decode are shown as \xHH.
std::string shiftJisToUtf8(std::string_view bytes);

}  // namespace saori_run
