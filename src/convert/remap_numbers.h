// Shifting the numbers of surface and balloon tags.
//
// A ghost numbers the surfaces of each character from 0 and its balloons from
// 0; the layout gives each character a surface offset and the extra balloons
// a balloon offset, which the rewriting of an utterance adds to every `\s[N]`
// and `\b[N]` of its head (blanks inside the brackets allowed, nothing else).
// Tags are rewritten once each, left to right; numbers already written are
// never looked at again.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>

#include "convert/number_tag_scanner.h"
#include "module/base/int32_math.h"

namespace zef {

// One of the two shifts. `\s[N]` becomes `\s[M]` with M = N + the character's
// surface offset in wrapping 32-bit arithmetic, written unsigned: the host
// reads surface numbers as unsigned, so a negative sum is written as 2^32 plus
// the sum. `\b[N]` becomes `\b[M]` with M = N + the balloon offset, written
// signed. A number too large for 32 bits counts as 2147483647.
struct NumberShift {
  char letter;  // 's' or 'b'
  std::int32_t offset;
  bool writtenUnsigned;
};

constexpr NumberShift surfaceShift(std::int32_t offset) { return {'s', offset, true}; }
constexpr NumberShift balloonShift(std::int32_t offset) { return {'b', offset, false}; }

// The longest number that a shifted tag holds: "-2147483648", or 4294967295
// written unsigned.
inline constexpr std::size_t longestTagNumber = 11;

// The longest tag that writeShiftedTag writes: `\b[-2147483648]`.
inline constexpr std::size_t longestShiftedTag = 3 + longestTagNumber + 1;

// Writes `value` in decimal at `to`, where longestTagNumber bytes may be
// written, and returns the end. Most tag numbers have up to three digits;
// those are written without the general conversion.
inline char* writeTagDecimal(char* to, std::int64_t value) {
  if (value < 0 || value >= 1000) return std::to_chars(to, to + longestTagNumber, value).ptr;
  const auto digit = [](std::int64_t number) { return static_cast<char>('0' + number); };
  const std::size_t length = value < 10 ? 1 : value < 100 ? 2 : 3;
  for (std::size_t place = length; place-- > 0; value /= 10) to[place] = digit(value % 10);
  return to + length;
}

// Writes `tag` with its number shifted at `to`, which has room for
// longestShiftedTag bytes; returns its end. Inline: talk has one of these
// every few dozen bytes.
inline char* writeShiftedTag(char* to, const NumberTag& tag, const NumberShift& shift) {
  const std::int32_t sum = wrapAdd(tag.number, shift.offset);
  to[0] = '\\';
  to[1] = shift.letter;
  to[2] = '[';
  // Surface numbers are written unsigned: 2^32 plus a negative sum.
  const std::int64_t written = shift.writtenUnsigned ? std::int64_t{static_cast<std::uint32_t>(sum)} : sum;
  char* const digitsEnd = writeTagDecimal(to + 3, written);
  *digitsEnd = ']';
  return digitsEnd + 1;
}

}  // namespace zef
