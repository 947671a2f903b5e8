// Parsing saori-run's preview options.
#include "preview_options.h"

#include <charconv>

namespace saori_run {

namespace {

// Reads "WxH" with both sides from 1 to 2000.
bool readSize(std::string_view text, zef::host_model::Size& size) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  auto readSide = [](std::string_view side, int& value) {
    auto [end, error] = std::from_chars(side.data(), side.data() + side.size(), value);
    return error == std::errc{} && end == side.data() + side.size() && value >= 1 && value <= 2000;
  };
  return readSide(text.substr(0, x), size.width) && readSide(text.substr(x + 1), size.height);
}

}  // namespace

bool takePreviewOption(int argc, char** argv, int& i, PreviewOptions& options, std::string& error) {
  const std::string_view word = argv[i];
  if (word == "--state") {
    options.state = true;
    return true;
  }
  if (word != "--preview" && word != "--char-size") return false;
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
  if (!readSize(value, options.characterSize)) {
    error = "--char-size needs WIDTHxHEIGHT, each 1 to 2000, not " + std::string(value);
  }
  return true;
}

}  // namespace saori_run
