// The surface and balloon number shifts: one loop over the tags of a text.
#include "convert/remap_numbers.h"

#include <charconv>

#include "module/decimal.h"
#include "module/int32_math.h"

namespace zef {

namespace {

std::string remapNumbers(std::string_view text, const NumberShift& shift) {
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t copied = 0;
  while (const auto found = findNumberTag(text, shift.letter, copied)) {
    out.append(text, copied, found->tag.begin - copied);
    appendShiftedTag(out, text, *found, shift);
    copied = found->tag.end;
  }
  out.append(text, copied);
  return out;
}

}  // namespace

namespace {

// Tag numbers are short; up to nine digits cannot leave the 32-bit range, and
// only longer runs need the saturating reading of argument values.
std::int32_t tagNumber(std::string_view digits) {
  if (digits.size() > 9) return readDecimal(digits);
  std::int32_t number = 0;
  for (const char digit : digits) number = number * 10 + (digit - '0');
  return number;
}

}  // namespace

char* writeShiftedTag(char* to, std::string_view text, const NumberTag& tag, const NumberShift& shift) {
  const std::int32_t number = tagNumber(text.substr(tag.digits.begin, tag.digits.end - tag.digits.begin));
  const std::int32_t sum = wrapAdd(number, shift.offset);
  to[0] = '\\';
  to[1] = shift.letter;
  to[2] = '[';
  char* const digitsEnd = shift.writtenUnsigned
                              ? std::to_chars(to + 3, to + longestShiftedTag - 1, static_cast<std::uint32_t>(sum)).ptr
                              : std::to_chars(to + 3, to + longestShiftedTag - 1, sum).ptr;
  *digitsEnd = ']';
  return digitsEnd + 1;
}

void appendShiftedTag(std::string& out, std::string_view text, const NumberTag& tag, const NumberShift& shift) {
  // Built whole and appended once: each append to the result costs a check
  // of its room.
  char rewritten[longestShiftedTag];
  out.append(rewritten, writeShiftedTag(rewritten, text, tag, shift));
}

std::string remapSurfaces(std::int32_t surfaceOffset, std::string_view text) {
  return remapNumbers(text, surfaceShift(surfaceOffset));
}

std::string remapBalloons(std::int32_t balloonOffset, std::string_view text) {
  return remapNumbers(text, balloonShift(balloonOffset));
}

}  // namespace zef
