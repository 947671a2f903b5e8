// The surface tags `\s[N]` and balloon tags `\b[N]` whose numbers the
// rewriting shifts: a backslash, the letter, `[`, blanks, one or more ASCII
// digits, blanks, `]`, and nothing else inside the brackets.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <iterator>
#include <string>
#include <string_view>

#include "base/decimal.h"
#include "base/int32_math.h"
#include "convert/script_bytes.h"

namespace zef {

struct NumberTag {
  std::size_t end = 0;  // one past its `]`
  // Its number; one too large for 32 bits counts as 2147483647.
  std::int32_t number = 0;
};

// One of the two shifts. `\s[N]` becomes `\s[M]` with M = N + the character's
// surface offset in wrapping 32-bit arithmetic, written unsigned: the host
// reads surface numbers as unsigned, so a negative sum is written as 2^32 plus
// the sum. `\b[N]` becomes `\b[M]` with M = N + the balloon offset, written
// signed.
struct NumberShift {
  char letter;  // 's' or 'b'
  std::int32_t offset;
  bool writtenUnsigned;
};

// The tag `\<letter>[ N ]` that begins at `at`, if one does.
inline std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at) {
  if (byteAt(text, at) != '\\' || byteAt(text, at + 1) != letter || byteAt(text, at + 2) != '[') return std::nullopt;
  const std::size_t digitsBegin = skipBlanks(text, at + 3);
  std::size_t digitsEnd = digitsBegin;
  while (digitsEnd < text.size() && isAsciiDigit(text[digitsEnd])) ++digitsEnd;
  if (digitsEnd == digitsBegin) return std::nullopt;
  const std::size_t close = skipBlanks(text, digitsEnd);
  if (byteAt(text, close) != ']') return std::nullopt;
  // Read as argument values are, so a run beyond 32 bits saturates.
  return NumberTag{close + 1, readDecimal(text.substr(digitsBegin, digitsEnd - digitsBegin))};
}

// Appends `tag` with its number shifted, without its blanks.
inline void appendShiftedTag(std::string& out, const NumberTag& tag, const NumberShift& shift) {
  const std::int32_t sum = wrapAdd(tag.number, shift.offset);
  out += '\\';
  out += shift.letter;
  out += '[';
  const std::int64_t written = shift.writtenUnsigned ? std::int64_t{static_cast<std::uint32_t>(sum)} : sum;
  char digits[16];
  out.append(digits, std::to_chars(digits, std::end(digits), written).ptr);
  out += ']';
}

}  // namespace zef
