// Reading a numbered tag and writing it shifted.
#include "convert/number_tag.h"

#include <charconv>
#include <iterator>

#include "convert/script_bytes.h"
#include "base/decimal.h"
#include "base/int32_math.h"

namespace zef {

std::optional<NumberTag> numberTagAt(std::string_view text, char letter, std::size_t at) {
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

void appendShiftedTag(std::string& out, const NumberTag& tag, const NumberShift& shift) {
  const std::int32_t sum = wrapAdd(tag.number, shift.offset);
  out += '\\';
  out += shift.letter;
  out += '[';
  // Surface numbers are written unsigned: 2^32 plus a negative sum.
  const std::int64_t written = shift.writtenUnsigned ? std::int64_t{static_cast<std::uint32_t>(sum)} : sum;
  char digits[16];
  out.append(digits, std::to_chars(digits, std::end(digits), written).ptr);
  out += ']';
}

}  // namespace zef
