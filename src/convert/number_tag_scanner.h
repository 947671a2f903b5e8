// Finds the surface tags `\s[N]` and balloon tags `\b[N]` whose numbers the
// conversion shifts: a backslash, the letter, `[`, blanks, one or more ASCII
// digits, blanks, `]`, and nothing else inside the brackets.
//
// The rewriting of talk meets one of these every few dozen bytes, so the test
// is kept inline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "convert/script_bytes.h"
#include "convert/text_span.h"
#include "module/base/decimal.h"

namespace zef {

struct NumberTag {
  TextSpan tag;  // the whole tag
  // Its number; one too large for 32 bits counts as 2147483647.
  std::int32_t number = 0;
};

// The tag `\<letter>[ N ]` that begins at `at`, if one does.
inline std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at) {
  if (byteAt(text, at) != '\\' || byteAt(text, at + 1) != letter || byteAt(text, at + 2) != '[') return std::nullopt;
  const std::size_t digitsBegin = skipBlanks(text, at + 3);
  std::size_t digitsEnd = digitsBegin;
  // Up to nine digits, which always fit in 32 bits, are read on the way;
  // a longer run is read again, saturating.
  std::int32_t number = 0;
  for (; digitsEnd < text.size() && isAsciiDigit(text[digitsEnd]); ++digitsEnd) {
    if (digitsEnd - digitsBegin < 9) number = number * 10 + (text[digitsEnd] - '0');
  }
  if (digitsEnd == digitsBegin) return std::nullopt;
  const std::size_t close = skipBlanks(text, digitsEnd);
  if (byteAt(text, close) != ']') return std::nullopt;
  if (digitsEnd - digitsBegin > 9) number = readDecimal(text.substr(digitsBegin, digitsEnd - digitsBegin));
  return NumberTag{{at, close + 1}, number};
}

}  // namespace zef
