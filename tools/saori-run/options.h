// saori-run's command line.
#pragma once

#include <string>
#include <vector>

#include "module_file.h"
#include "preview_options.h"
#include "text_charset.h"

namespace saori_run {

struct Options {
  std::string modulePath;                // --module PATH; empty: the zef module beside saori-run
  std::string sessionFile;               // SESSION_FILE; empty: the demo session (or oneRequest)
  std::vector<std::string> oneRequest;   // -- ARG0 ARG1 ...
  bool raw = false;                      // --raw: exact bytes
  bool explain = false;                  // --explain: one tag per line
  bool help = false;                     // --help
  bool version = false;                  // --version
  Entries entries = Entries::asHostFinds;  // --plain-entries: plainOnly
  zef::host_model::Charset charset = zef::host_model::Charset::shiftJis;  // --charset NAME
  PreviewOptions preview;                // --preview FILE, --state, --char-size, --balloon-size
};

// Parses argv; on a usage error (an unknown option, a missing value, options
// that mean nothing together) returns false and sets `error`.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

// The usage lines, shown with every usage error, and the rest of --help.
extern const char* const usageSynopsis;
extern const char* const usageDetails;

}  // namespace saori_run
