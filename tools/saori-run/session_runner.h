// Sending a session to a loaded module and printing what comes back.
#pragma once

#include <ostream>

#include "module_host.h"
#include "options.h"
#include "session.h"
#include "session_checks.h"

namespace saori_run {

// Runs every step of `session` in order and prints each, in the form the
// options ask for (readable, --raw or --explain); `watch` sees every answer.
void runSession(ModuleHost& module, const Session& session, const Options& options, AnswerWatch& watch,
                std::ostream& out);

}  // namespace saori_run
