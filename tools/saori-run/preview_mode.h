// saori-run's preview: each result script runs on a model desktop, whose
// state is printed (--state) or drawn into an HTML page (--preview FILE).
#pragma once

#include <ostream>

#include "module_host.h"
#include "preview_options.h"
#include "session.h"
#include "session_checks.h"

namespace saori_run {

// Runs `session`, whose requests are in `charset`, against `module` and then
// its results on the model host; `watch` sees every answer. Returns the exit
// status.
int runPreview(ModuleHost& module, const Session& session, const PreviewOptions& options, Charset charset,
               AnswerWatch& watch,
               std::ostream& out, std::ostream& errors);

}  // namespace saori_run
