// The session that saori-run sends when it is given none.
#pragma once

#include "session.h"

namespace saori_run {

// A layout start refused for too few arguments, one with the default
// settings, a three-utterance talk, the settings menu, a setting change and
// the layout start that keeps the scopes where they stand.
Session demoSession();

}  // namespace saori_run
