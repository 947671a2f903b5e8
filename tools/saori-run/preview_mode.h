// saori-run's preview: each result script runs on a model desktop, whose
// state is printed (--state) or drawn into an HTML page (--preview FILE).
#pragma once

#include <ostream>

#include "module_host.h"
#include "preview_options.h"
#include "session.h"

namespace saori_run {

// Runs `session` against `module` and the model host; returns the exit status.
int runPreview(ModuleHost& module, const Session& session, const PreviewOptions& options, std::ostream& out,
               std::ostream& errors);

}  // namespace saori_run
