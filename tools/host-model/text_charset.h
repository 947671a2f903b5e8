// The charset of a script's text, as its response names it.
#pragma once

namespace zef::host_model {

// Shift-JIS is the host's code page 932. In UTF-8 no byte of a character
// beyond ASCII is ever a backslash or a bracket, so the script is read byte
// by byte.
enum class Charset { shiftJis, utf8 };

}  // namespace zef::host_model
