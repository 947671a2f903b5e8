// --explain: a result script one tag per line, under the scope it runs in.
#pragma once

#include <ostream>
#include <string_view>

#include "text_charset.h"

namespace zef::host_model {

// Writes `script` so that a person can read it: each \p[N] opens a "scope N"
// heading, every tag and text stands on its own line below it, and each choice
// shows its title with the script it runs (escaped brackets read back) or the
// event it raises. The script's text, in `charset`, is shown as UTF-8.
void explainScript(std::string_view script, Charset charset, std::ostream& out, int indent = 2);

}  // namespace zef::host_model
