// saori-run's preview options: --preview FILE, --state, --char-size WxH[,WxH...]
// (each character's window) and --balloon-size WxH (every balloon).
#pragma once

#include <string>
#include <string_view>

#include "ghost_sizes.h"

namespace saori_run {

struct PreviewOptions {
  std::string reportFile;                 // --preview FILE: the HTML page to write
  bool state = false;                     // --state: print the model's state after each request
  zef::host_model::GhostSizes sizes;      // --char-size WxH[,WxH...], --balloon-size WxH
  bool sizeGiven = false;

  bool wanted() const { return !reportFile.empty() || state; }
};

// Takes argv[i] (and its value) when it is a preview option. Returns false
// when it is not one; sets `error` when it is one but malformed.
bool takePreviewOption(int argc, char** argv, int& i, PreviewOptions& options, std::string& error);

}  // namespace saori_run
