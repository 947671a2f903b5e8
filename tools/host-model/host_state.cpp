// Looking up balloons and sticky groups, and joining groups.
#include "host_state.h"

namespace zef::host_model {

const std::set<int>* HostState::groupOf(int scope) const {
  for (const auto& group : groups) {
    if (group.count(scope) != 0) return &group;
  }
  return nullptr;
}

Rect HostState::balloonArea(int scope) const {
  auto window = windows.find(scope);
  auto balloon = balloons.find(scope);
  int lineCount = balloon == balloons.end() ? 1 : balloon->second.lineCount();
  return balloonRect(scope, window == windows.end() ? Rect{} : window->second.rect, lineCount);
}

void joinStickyGroup(HostState& state, const std::set<int>& members) {
  std::set<int> joined = members;
  std::vector<std::set<int>> kept;
  for (auto& group : state.groups) {
    bool overlaps = false;
    for (int scope : group) overlaps = overlaps || members.count(scope) != 0;
    if (overlaps) {
      joined.insert(group.begin(), group.end());
    } else {
      kept.push_back(std::move(group));
    }
  }
  kept.push_back(std::move(joined));
  state.groups = std::move(kept);
}

}  // namespace zef::host_model
