// Reading the sizes of the author's ghost.
#include "ghost_sizes.h"

#include <charconv>

namespace zef::host_model {

Size GhostSizes::character(int index) const {
  if (characters.empty()) return {};
  const auto last = static_cast<int>(characters.size()) - 1;
  return characters[static_cast<std::size_t>(index < last ? index : last)];
}

bool readSize(std::string_view text, Size& size) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return false;
  auto readSide = [](std::string_view side, int& value) {
    auto [end, error] = std::from_chars(side.data(), side.data() + side.size(), value);
    return error == std::errc{} && end == side.data() + side.size() && value >= 1 && value <= kLargestSide;
  };
  Size read;
  if (!readSide(text.substr(0, x), read.width) || !readSide(text.substr(x + 1), read.height)) return false;
  size = read;
  return true;
}

bool readSizes(std::string_view text, std::vector<Size>& sizes) {
  std::vector<Size> read;
  for (;;) {
    const std::size_t comma = text.find(',');
    Size size;
    if (!readSize(text.substr(0, comma), size)) return false;
    read.push_back(size);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  sizes = std::move(read);
  return true;
}

}  // namespace zef::host_model
