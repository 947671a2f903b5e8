// saori-run's command line.
#pragma once

#include <string>
#include <vector>

#include "preview_options.h"

namespace saori_run {

struct Options {
  std::string modulePath;                // --module PATH; empty: the zef module beside saori-run
  std::string sessionFile;               // SESSION_FILE; empty: the demo session (or oneRequest)
  std::vector<std::string> oneRequest;   // -- ARG0 ARG1 ...
  bool raw = false;                      // --raw: exact bytes
  bool explain = false;                  // --explain: one tag per line
  bool help = false;                     // --help
  PreviewOptions preview;                // --preview FILE, --state, --char-size WxH
};

// Parses argv; on a usage error returns false and sets `error`.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

extern const char* const usageText;

}  // namespace saori_run
