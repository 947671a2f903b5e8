// Parsing saori-run's preview options.
#include "preview_options.h"

namespace saori_run {

bool takePreviewOption(int argc, char** argv, int& i, PreviewOptions& options, std::string& error) {
  const std::string_view word = argv[i];
  if (word == "--state") {
    options.state = true;
    return true;
  }
  if (word != "--preview" && word != "--char-size" && word != "--balloon-size") return false;
  if (i + 1 == argc) {
    error = std::string(word) + " needs a value";
    return true;
  }
  const std::string_view value = argv[++i];
  if (word == "--preview") {
    options.reportFile = value;
    return true;
  }
  options.sizeGiven = true;
  const std::string sides =
      "each 1 to " + std::to_string(zef::host_model::kLargestSide) + ", not " + std::string(value);
  if (word == "--balloon-size") {
    if (!zef::host_model::readSize(value, options.sizes.balloon)) error = "--balloon-size needs WIDTHxHEIGHT, " + sides;
    return true;
  }
  if (!zef::host_model::readSizes(value, options.sizes.characters)) {
    error = "--char-size needs WIDTHxHEIGHT, or one for each character separated by commas, " + sides;
  }
  return true;
}

}  // namespace saori_run
