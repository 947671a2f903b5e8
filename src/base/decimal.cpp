// Reading and writing decimal numbers as bytes.
#include "base/decimal.h"

#include <charconv>
#include <iterator>
#include <limits>

namespace zef {

namespace {
bool isWhiteSpace(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }
}  // namespace

std::int32_t readDecimal(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && isWhiteSpace(text[at])) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }

  // One past the largest magnitude is enough to know the value saturates.
  constexpr std::int64_t saturated = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; at < text.size() && isAsciiDigit(text[at]); ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > saturated) magnitude = saturated;
  }

  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

void appendDecimal(std::string& out, std::int32_t value) {
  char digits[16];  // room for every 32-bit value
  out.append(digits, std::to_chars(digits, std::end(digits), value).ptr);
}

}  // namespace zef
