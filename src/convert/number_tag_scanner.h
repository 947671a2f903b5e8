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
#include "module/decimal.h"

namespace zef {

struct NumberTag {
  TextSpan tag;  // the whole tag
  // Its number; one too large for 32 bits counts as 2147483647.
  std::int32_t number = 0;
};

// The number written with `digits`. Up to nine digits cannot leave the 32-bit
// range; only longer runs need the saturating reading of argument values.
inline std::int32_t tagNumber(std::string_view digits) {
  if (digits.size() > 9) return readDecimal(digits);
  std::int32_t number = 0;
  for (const char digit : digits) number = number * 10 + (digit - '0');
  return number;
}

// The tag `\<letter>[ N ]` that begins at `at`, if one does.
inline std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at) {
  if (byteAt(text, at) != '\\' || byteAt(text, at + 1) != letter || byteAt(text, at + 2) != '[') return std::nullopt;
  const std::size_t open = at + 3;
  const std::size_t digitsBegin = skipBlanks(text, open);
  std::size_t digitsEnd = digitsBegin;
  while (digitsEnd < text.size() && isAsciiDigit(text[digitsEnd])) ++digitsEnd;
  if (digitsEnd == digitsBegin) return std::nullopt;
  const std::size_t close = skipBlanks(text, digitsEnd);
  if (byteAt(text, close) != ']') return std::nullopt;
  return NumberTag{{at, close + 1}, tagNumber(text.substr(digitsBegin, digitsEnd - digitsBegin))};
}

// The leftmost tag `\<letter>[ N ]` that begins at or after `from`. Each
// candidate is checked in the bytes it spans, and candidates never share
// bytes that have to be examined twice, so a whole scan is linear.
std::optional<NumberTag> findNumberTag(std::string_view text, char letter, std::size_t from);

}  // namespace zef
