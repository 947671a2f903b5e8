// The charset of a script's text, as its response names it: the module's own
// Charset. Shift-JIS is the host's code page 932; in UTF-8 no byte of a
// character beyond ASCII is ever a backslash or a bracket, so the script is
// read byte by byte.
#pragma once

#include "base/charset.h"

namespace zef::host_model {

using zef::Charset;

}  // namespace zef::host_model
