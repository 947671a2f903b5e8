// Looking up balloons and sticky groups, breaking balloon lines, keeping notes.
#include "host_state.h"

#include <algorithm>

namespace zef::host_model {

namespace {

// Far below any balloon that fits a desktop, and far from overflowing.
constexpr int kLowestLineTop = 10'000'000;

}  // namespace

void Balloon::startLine(int percent) {
  lines.emplace_back();
  lineTops.push_back(std::min(lineTops.back() + std::clamp(percent, 0, kLowestLineTop), kLowestLineTop));
}

void Balloon::clear() {
  lines = {BalloonLine{}};
  lineTops = {0};
}

const std::set<int>* HostState::groupOf(int scope) const {
  for (const auto& group : groups) {
    if (group.count(scope) != 0) return &group;
  }
  return nullptr;
}

Rect HostState::balloonArea(int scope) const {
  auto window = windows.find(scope);
  auto balloon = balloons.find(scope);
  int textHeight = balloon == balloons.end() ? kBalloonLineHeight : balloon->second.textHeight();
  return balloonRect(scope, window == windows.end() ? Rect{} : window->second.rect, textHeight, sizes.balloon);
}

void HostState::addNote(HostNote note) {
  for (HostNote& kept : notes) {
    if (kept.kind != note.kind) continue;
    ++kept.more;
    return;
  }
  notes.push_back(std::move(note));
}

}  // namespace zef::host_model
