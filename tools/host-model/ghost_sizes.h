// The sizes of the author's own ghost that the model desktop draws: each
// character's window (its surface image) and the balloon (its image), so
// that the step between balloons can be judged against the real ones. The
// page and saori-run read them from the same text:
//
//   readSizes("180x320,120x200", sizes.characters)  // character 0, then 1 and on
//   readSize("250x120", sizes.balloon)              // every balloon
#pragma once

#include <string_view>
#include <vector>

#include "geometry.h"

namespace zef::host_model {

inline constexpr int kLargestSide = 2000;

struct GhostSizes {
  // Character c's window; the last one given stands for the characters
  // after it; none given: 200 x 300.
  std::vector<Size> characters;
  // Every balloon's size; none given (0 x 0): 260 wide and as high as its text.
  Size balloon{0, 0};

  Size character(int index) const;
  bool balloonGiven() const { return balloon.width > 0; }
};

// Reads "WxH", each side a decimal from 1 to kLargestSide.
bool readSize(std::string_view text, Size& size);

// Reads "WxH,WxH,...", one or more sizes.
bool readSizes(std::string_view text, std::vector<Size>& sizes);

}  // namespace zef::host_model
