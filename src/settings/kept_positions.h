// Balloon positions that the ghost keeps over a restart.
//
// The module stores nothing, and the layout start of each run places every
// anchor scope afresh against its character. A ghost that opts in (changeZEF
// Pos_Keep On) learns from each menu choice what it moved, as the references
// of the event settingZEF that the choice raises:
//   \![raise,settingZEF,Pos-H,0,30]  character 0's balloons moved 30 px right
//   \![raise,settingZEF,Pos-V,-10]   every character's moved by Y -10 (10 px up)
//   \![raise,settingZEF,Reset-H,1]   character 1's put back horizontally
//   \![raise,settingZEF,Reset-V]     every character's put back vertically
//   \![raise,settingZEF,Reset-HV]    every character's put back
// It keeps the sums in its saved variables and hands them back after the
// layout start of its next run:
//   restoreZEF, -10, 30, 0  (the vertical sum, then each character's horizontal one)
// which moves each such character's dummy scopes (its anchor scope and, since
// a talk keeps its balloon scopes' X, its balloon scopes) against themselves:
//   \p[10]\![move,--X=30,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window]
//   \p[12]\![move,--X=30,--Y=-10,...] ... \p[11]\![move,--X=0,--Y=-10,...] ... \p[0]
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/host_script.h"
#include "base/module_state.h"

namespace zef {

// The first reference of settingZEF when the ghost keeps positions: what the
// choice did. A shift's references go on with its character (horizontal only)
// and the pixels it moved; a horizontal reset's with its character.
namespace keptMove {
inline constexpr std::string_view horizontal = "Pos-H";
inline constexpr std::string_view vertical = "Pos-V";
inline constexpr std::string_view horizontalReset = "Reset-H";
inline constexpr std::string_view verticalReset = "Reset-V";
inline constexpr std::string_view bothReset = "Reset-HV";
}  // namespace keptMove

// The most bytes that a choice's references add to its event: ",WORD,character,pixels".
inline constexpr std::uint64_t keptMoveReferenceBytes =
    std::max({keptMove::horizontal.size(), keptMove::vertical.size(), keptMove::horizontalReset.size(),
              keptMove::verticalReset.size(), keptMove::bothReset.size()}) +
    3 + 2 * maxDecimalBytes;

// The sums a ghost hands back: where the user moved each character's
// balloons, in pixels against their fresh places (the host's Y grows down).
struct KeptPositions {
  std::int32_t vertical = 0;
  std::vector<std::int32_t> horizontal;  // one per character
};

// No desktop is wider or taller than this: a sum beyond it is a corrupt saved
// value, which must not throw the balloons off the screen.
inline constexpr std::int32_t farthestKeptShift = 32767;

// Whether every sum lies within farthestKeptShift pixels.
bool onTheDesktop(const KeptPositions& kept);

// Moves every dummy scope of each character that the sums move, against where
// it stands, at once; then back to the main character. Nothing when no sum
// moves anything.
void runRestore(const KeptPositions& kept, const ModuleState& state, std::string& script);

}  // namespace zef
