// The model desktop's geometry.
#include "geometry.h"

#include <algorithm>

namespace zef::host_model {

Anchor parseAnchor(std::string_view text) {
  std::size_t dot = text.find('.');
  std::string_view first = text.substr(0, dot);
  std::string_view second = dot == std::string_view::npos ? first : text.substr(dot + 1);
  Anchor anchor;
  anchor.horizontal = first == "right" ? 2 : first == "center" ? 1 : 0;
  anchor.vertical = second == "bottom" ? 2 : second == "center" ? 1 : 0;
  return anchor;
}

Point anchorPoint(const Rect& rect, Anchor anchor) {
  return {rect.x + rect.width * anchor.horizontal / 2, rect.y + rect.height * anchor.vertical / 2};
}

int characterSlot(Size size) { return std::max(kCharacterSpacing, size.width + kCharacterGap); }

Rect characterRect(int slotRight, Size size) {
  return {slotRight - characterSlot(size), kDesktopHeight - size.height, size.width, size.height};
}

Rect balloonRect(int scope, const Rect& window, Size textSize, Size given) {
  Size size = given.width > 0 ? given
                              : Size{std::max(kBalloonWidth, textSize.width + 2 * kBalloonPadding),
                                     std::max(kBalloonMinHeight, textSize.height)};
  int x = scope % 2 == 0 ? window.x - size.width : window.x + window.width;
  return {x, window.y, size.width, size.height};
}

}  // namespace zef::host_model
