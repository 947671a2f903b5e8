// Notes on where the picture puts the balloons.
#include "balloon_notes.h"

namespace zef::host_model {
namespace {

bool overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool onScreen(const Rect& rect) {
  return rect.x >= 0 && rect.y >= 0 && rect.x + rect.width <= kDesktopWidth && rect.y + rect.height <= kDesktopHeight;
}

}  // namespace

void noteBalloonPlaces(HostState& state) {
  std::vector<std::pair<int, Rect>> shown;
  for (const auto& [scope, balloon] : state.balloons) {
    if (balloon.shown) shown.emplace_back(scope, state.balloonArea(scope));
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const auto& [scope, area] = shown[i];
    if (!onScreen(area)) state.addNote({HostNote::Kind::BalloonOffScreen, "", scope, 0, 0, 0});
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (!overlap(area, shown[j].second)) continue;
      // One character's balloons of a talk stand in one column, a step apart.
      const int columnHeight = shown[j].second.x == area.x ? area.height : 0;
      state.addNote({HostNote::Kind::BalloonsOverlap, "", scope, shown[j].first, 0, columnHeight});
    }
    for (int c = 0; c < state.characterCount; ++c) {
      if (!overlap(area, state.windows.at(c).rect)) continue;
      state.addNote({HostNote::Kind::BalloonOverCharacter, "", scope, c, 0, 0});
    }
  }
}

}  // namespace zef::host_model
