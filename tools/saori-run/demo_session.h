// The session that saori-run sends when it is given none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "session.h"

namespace saori_run {

// A layout start refused for too few arguments, one with the default
// settings, a three-utterance talk, the settings menu, a choice picked in it
// (with the menu that the ghost asks for again), a setting change and
// the layout start that keeps the scopes where they stand. Its one Japanese
// word is written in `charset`.
Session demoSession(Charset charset);

// The arguments of a layout start with the module's default settings (two
// characters, six balloons each, scopes from 10), read from its settings
// table, by default a firstZEF.
std::vector<std::string> typicalLayoutStart(std::string_view word = "firstZEF");

}  // namespace saori_run
