// Sending a session to a loaded module and printing what comes back.
#pragma once

#include <ostream>

#include "module_host.h"
#include "options.h"
#include "session.h"

namespace saori_run {

// Runs every step of `session` in order and prints each, in the form the
// options ask for (readable, --raw or --explain).
void runSession(ModuleHost& module, const Session& session, const Options& options, std::ostream& out);

}  // namespace saori_run
