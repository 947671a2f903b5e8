// The restoreZEF command (kept_positions.h).
#include "settings/kept_positions.h"

#include <algorithm>

#include "base/host_script.h"
#include "placement/dummy_scope.h"

namespace zef {

bool onTheDesktop(const KeptPositions& kept) {
  const auto near = [](std::int32_t pixels) { return pixels >= -farthestKeptShift && pixels <= farthestKeptShift; };
  return near(kept.vertical) && std::all_of(kept.horizontal.begin(), kept.horizontal.end(), near);
}

void runRestore(const KeptPositions& kept, const ModuleState& state, std::string& script) {
  bool moved = false;
  for (std::int32_t c = 0; c < state.characterCount && static_cast<std::size_t>(c) < kept.horizontal.size(); ++c) {
    const std::int32_t x = kept.horizontal[static_cast<std::size_t>(c)];
    if (x == 0 && kept.vertical == 0) continue;
    // A talk keeps its balloon scopes' X (it moves them only upwards from the
    // anchor), so they move with the anchor, as the menu's labels move them.
    for (std::int32_t level = 0; level <= state.balloonCount; ++level) {
      appendScopeSwitch(script, dummyScope(state, level, c));
      appendMove(script, Move{.x = x, .y = kept.vertical, .ignoreSticky = true});
    }
    moved = true;
  }
  // Like the layout start, leave the ghost's next words to its main character.
  if (moved) appendScopeSwitch(script, 0);
}

}  // namespace zef
