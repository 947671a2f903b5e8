// The surface and balloon number shifts: one loop over the tags of a text.
#include "convert/remap_numbers.h"

#include <charconv>
#include <iterator>

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

void appendShiftedTag(std::string& out, std::string_view text, const NumberTag& tag, const NumberShift& shift) {
  const std::int32_t number = readDecimal(text.substr(tag.digits.begin, tag.digits.end - tag.digits.begin));
  const std::int32_t sum = wrapAdd(number, shift.offset);
  // Built whole and appended once: talk has many of these tags, and each
  // append to the result costs a check of its room.
  constexpr std::size_t longestNumber = 11;  // "-2147483648"
  char rewritten[3 + longestNumber + 1] = {'\\', shift.letter, '['};
  char* const digitsEnd = shift.writtenUnsigned
                              ? std::to_chars(rewritten + 3, std::end(rewritten) - 1, static_cast<std::uint32_t>(sum)).ptr
                              : std::to_chars(rewritten + 3, std::end(rewritten) - 1, sum).ptr;
  *digitsEnd = ']';
  out.append(rewritten, digitsEnd + 1);
}

std::string remapSurfaces(std::int32_t surfaceOffset, std::string_view text) {
  return remapNumbers(text, surfaceShift(surfaceOffset));
}

std::string remapBalloons(std::int32_t balloonOffset, std::string_view text) {
  return remapNumbers(text, balloonShift(balloonOffset));
}

}  // namespace zef
