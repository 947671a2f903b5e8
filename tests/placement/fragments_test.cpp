// The dummy scope fragments: which scope each places where, the side chosen
// by parity, and numbers that wrap at the 32-bit limits.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "base/module_state.h"
#include "placement/dummy_scope.h"
#include "placement/fragments.h"
#include "support/script_of.h"
#include "support/script_pieces.h"
#include "support/text_helpers.h"

namespace zef {
namespace {

using test::countOf;
using test::placed;
using test::scriptOf;

ModuleState stateWith(std::int32_t characters, std::int32_t balloons, std::int32_t base) {
  ModuleState state;
  state.characterCount = characters;
  state.balloonCount = balloons;
  state.dummyScopeBase = base;
  return state;
}

constexpr Corners even = Corners::leftOfBase;
constexpr Corners odd = Corners::rightOfBase;

TEST(Fragments, DefaultExamples) {
  const ModuleState state;  // two characters, six levels, base 10
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 0, 0), placed(10, 0, even));
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 0, 1), placed(11, 1, odd));
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 3, 1), placed(17, 11, odd));
  EXPECT_EQ(scriptOf(appendDummyFragment, 12), "\\p[12]" + std::string(test::dummyHead));
  EXPECT_EQ(scriptOf(appendHoldFragment, 10),
            "\\p[10]\\s[__system_dummy__]" +
                scriptOf(appendMove, Move{.async = true, .base = me, .ignoreSticky = true}));
  EXPECT_EQ(scriptOf(appendStickyGroup, state, 0), "\\![set,sticky-window,0,10,12,14,16,18,20,22]");
  EXPECT_EQ(scriptOf(appendStickyGroup, state, 1), "\\![set,sticky-window,1,11,13,15,17,19,21,23]");
}

TEST(Fragments, OneCharacterOneLevel) {
  const ModuleState state = stateWith(1, 1, 10);
  EXPECT_EQ(scriptOf(appendPlacementScript, state), placed(10, 0, even) + placed(11, 10, even));
  EXPECT_EQ(scriptOf(appendStickyGroup, state, 0), "\\![set,sticky-window,0,10,11]");
}

TEST(Fragments, SideFollowsCharacterParityWithThreeCharacters) {
  const ModuleState state = stateWith(3, 2, 10);
  const std::string script = scriptOf(appendPlacementScript, state);
  EXPECT_EQ(script, placed(10, 0, even) + placed(11, 1, odd) + placed(12, 2, even) +
                        placed(13, 10, even) + placed(14, 11, odd) + placed(15, 12, even) +
                        placed(16, 10, even) + placed(17, 11, odd) + placed(18, 12, even));
  EXPECT_EQ(scriptOf(appendStickyGroup, state, 2), "\\![set,sticky-window,2,12,15,18]");
}

TEST(Fragments, LargestBalloonCount) {
  const ModuleState state = stateWith(2, 99, 10);
  const std::string script = scriptOf(appendPlacementScript, state);
  EXPECT_EQ(countOf(script, "\\p["), 200u);
  EXPECT_TRUE(script.ends_with(placed(209, 11, odd)));
  EXPECT_EQ(dummyScope(state, 99, 1), 209);
}

TEST(Fragments, BaseZeroPlacesAnchorsOnThemselves) {
  const ModuleState state = stateWith(2, 1, 0);
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 0, 1), placed(1, 1, odd));
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 1, 1), placed(3, 1, odd));
}

TEST(Fragments, NumbersWrapAtTheLimits) {
  constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const ModuleState state = stateWith(2, 1, max);
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 0, 0), placed(max, 0, even));
  EXPECT_EQ(scriptOf(appendPlacementFragment, state, 1, 1), placed(-2147483646, -2147483647 - 1, odd));
  EXPECT_EQ(scriptOf(appendStickyGroup, state, 1), "\\![set,sticky-window,1,-2147483648,-2147483646]");
}

// The size bounds must hold for the widest numbers, or a layout start would
// outgrow the room it reserved.
TEST(Fragments, SizeBoundsHoldForTheWidestNumbers) {
  constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
  ModuleState state = stateWith(2, 99, 0);
  state.dummyScopeBase = min;  // only reachable by wrapping, but the widest text
  EXPECT_LE(scriptOf(appendPlacementFragment, state, 0, 1).size(), placementFragmentBytes);
  EXPECT_LE(scriptOf(appendPlacementFragment, state, 1, 1).size(), placementFragmentBytes);
  EXPECT_LE(scriptOf(appendDummyFragment, min).size(), dummyFragmentBytes);
  EXPECT_LE(scriptOf(appendHoldFragment, min).size(), holdFragmentBytes);
  EXPECT_LE(scriptOf(appendStickyGroup, state, std::numeric_limits<std::int32_t>::max()).size(), stickyGroupBytes(state));
}

}  // namespace
}  // namespace zef
