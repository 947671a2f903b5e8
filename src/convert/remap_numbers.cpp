// The surface and balloon number shifts: one loop over the tags of a text.
#include "convert/remap_numbers.h"

#include "convert/number_tag_scanner.h"
#include "module/decimal.h"
#include "module/int32_math.h"

namespace zef {

namespace {

enum class Notation { signedDecimal, unsignedDecimal };

std::string remapNumbers(std::string_view text, char letter, std::int32_t offset, Notation notation) {
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t copied = 0;
  while (const auto found = findNumberTag(text, letter, copied)) {
    out.append(text, copied, found->tag.begin - copied);
    const std::int32_t number = readDecimal(
        text.substr(found->digits.begin, found->digits.end - found->digits.begin));
    const std::int32_t sum = wrapAdd(number, offset);
    out += '\\';
    out += letter;
    out += '[';
    if (notation == Notation::unsignedDecimal) {
      appendUnsignedDecimal(out, static_cast<std::uint32_t>(sum));
    } else {
      appendDecimal(out, sum);
    }
    out += ']';
    copied = found->tag.end;
  }
  out.append(text, copied);
  return out;
}

}  // namespace

std::string remapSurfaces(std::int32_t surfaceOffset, std::string_view text) {
  return remapNumbers(text, 's', surfaceOffset, Notation::unsignedDecimal);
}

std::string remapBalloons(std::int32_t balloonOffset, std::string_view text) {
  return remapNumbers(text, 'b', balloonOffset, Notation::signedDecimal);
}

}  // namespace zef
