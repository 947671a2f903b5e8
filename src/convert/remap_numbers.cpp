// The surface and balloon number shifts: one loop over the tags of a text.
#include "convert/remap_numbers.h"

namespace zef {

namespace {

std::string remapNumbers(std::string_view text, const NumberShift& shift) {
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t copied = 0;
  while (const auto found = findNumberTag(text, shift.letter, copied)) {
    out.append(text, copied, found->tag.begin - copied);
    appendShiftedTag(out, *found, shift);
    copied = found->tag.end;
  }
  out.append(text, copied);
  return out;
}

}  // namespace

void appendShiftedTag(std::string& out, const NumberTag& tag, const NumberShift& shift) {
  // Built whole and appended once: each append to the result costs a check
  // of its room.
  char rewritten[longestShiftedTag];
  out.append(rewritten, writeShiftedTag(rewritten, tag, shift));
}

std::string remapSurfaces(std::int32_t surfaceOffset, std::string_view text) {
  return remapNumbers(text, surfaceShift(surfaceOffset));
}

std::string remapBalloons(std::int32_t balloonOffset, std::string_view text) {
  return remapNumbers(text, balloonShift(balloonOffset));
}

}  // namespace zef
