// Finds the surface tags `\s[N]` and balloon tags `\b[N]` whose numbers the
// conversion shifts: a backslash, the letter, `[`, blanks, one or more ASCII
// digits, blanks, `]`, and nothing else inside the brackets.
//
// The rewriting of talk meets one of these every few dozen bytes, so the test
// is kept inline.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "convert/script_bytes.h"
#include "convert/text_span.h"

namespace zef {

struct NumberTag {
  TextSpan tag;     // the whole tag
  TextSpan digits;  // its number
};

// The tag `\<letter>[ N ]` that begins at `at`, if one does.
inline std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at) {
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

// The leftmost tag `\<letter>[ N ]` that begins at or after `from`. Each
// candidate is checked in the bytes it spans, and candidates never share
// bytes that have to be examined twice, so a whole scan is linear.
std::optional<NumberTag> findNumberTag(std::string_view text, char letter, std::size_t from);

}  // namespace zef
