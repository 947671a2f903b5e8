// Recognition of a numbered surface or balloon tag.
#include "convert/number_tag_scanner.h"

#include "convert/script_bytes.h"

namespace zef {

std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at) {
  if (byteAt(text, at) != '\\' || byteAt(text, at + 1) != letter || byteAt(text, at + 2) != '[') return std::nullopt;
  NumberTag found;
  found.tag.begin = at;
  found.digits.begin = skipBlanks(text, at + 3);
  found.digits.end = found.digits.begin;
  while (found.digits.end < text.size() && isAsciiDigit(text[found.digits.end])) ++found.digits.end;
  if (found.digits.end == found.digits.begin) return std::nullopt;
  const std::size_t close = skipBlanks(text, found.digits.end);
  if (byteAt(text, close) != ']') return std::nullopt;
  found.tag.end = close + 1;
  return found;
}

std::optional<NumberTag> findNumberTag(std::string_view text, char letter, std::size_t from) {
  for (std::size_t at = text.find('\\', from); at != std::string_view::npos; at = text.find('\\', at + 1)) {
    if (auto found = numberTagAt(text, letter, at)) return found;
  }
  return std::nullopt;
}

}  // namespace zef
