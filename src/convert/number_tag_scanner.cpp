// The search for the next numbered surface or balloon tag.
#include "convert/number_tag_scanner.h"

namespace zef {

std::optional<NumberTag> findNumberTag(std::string_view text, char letter, std::size_t from) {
  for (std::size_t at = text.find('\\', from); at != std::string_view::npos; at = text.find('\\', at + 1)) {
    if (auto found = numberTagAt(text, letter, at)) return found;
  }
  return std::nullopt;
}

}  // namespace zef
