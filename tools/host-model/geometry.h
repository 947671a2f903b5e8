// The model desktop's geometry: a deliberately simple picture of a host.
//
// The desktop is 1920 x 1080 with Y growing downwards. Real character c is a
// window standing on the bottom edge, character 0 at the right and each next
// one further left: each stands at the left of a slot 250 px wide (or its
// width and 50 px, when wider), the slots side by side from the right edge.
// A scope that shows `__system_dummy__` is a 0 x 0 window, a point. Each
// scope's balloon is as large as the author's balloon, or else as wide as its
// widest line (at least 260 px; a character of one byte counts 9 px, a wider
// one 16 px) and as high as its text, at 24 px a line (at least 60 px); it
// stands left of its window for even scopes and right of it for odd ones,
// top edges aligned.
#pragma once

#include <string_view>

namespace zef::host_model {

inline constexpr int kDesktopWidth = 1920;
inline constexpr int kDesktopHeight = 1080;
inline constexpr int kCharacterSpacing = 250;
inline constexpr int kCharacterGap = 50;
inline constexpr int kBalloonWidth = 260;
inline constexpr int kBalloonLineHeight = 24;
inline constexpr int kBalloonMinHeight = 60;
inline constexpr int kBalloonPadding = 8;  // on each side of the text
inline constexpr int kNarrowCharacterWidth = 9;
inline constexpr int kWideCharacterWidth = 16;

struct Size {
  int width = 200;
  int height = 300;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A point of a rectangle named the way move commands name it: fractions of
// the width and height in halves (0 left/top, 1 center, 2 right/bottom).
struct Anchor {
  int horizontal = 0;
  int vertical = 0;
};

// Reads "horizontal.vertical" ("left.top", "right.bottom", "center.top");
// a lone "center" is the middle of both axes. Unknown words mean left/top.
Anchor parseAnchor(std::string_view text);

Point anchorPoint(const Rect& rect, Anchor anchor);

// How wide the slot of a character of `size` is.
int characterSlot(Size size);

// Where a character of `size` stands in the slot whose right edge is at `slotRight`.
Rect characterRect(int slotRight, Size size);

// The balloon rectangle of a scope whose window is `window`, for text of
// `textSize` pixels: `given` (the author's balloon) when it has a width,
// else as large as the text.
Rect balloonRect(int scope, const Rect& window, Size textSize, Size given = {0, 0});

}  // namespace zef::host_model
