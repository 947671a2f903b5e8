// The module state: its defaults and the value rule of every field.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "base/module_state.h"

namespace zef {
namespace {

TEST(ModuleState, StartsWithTheDefaults) {
  const ModuleState state;
  EXPECT_TRUE(state.enabled);
  EXPECT_EQ(state.characterCount, 2);
  EXPECT_EQ(state.balloonCount, 6);
  EXPECT_EQ(state.moveStep, 100);
  EXPECT_EQ(state.moveTime, 100);
  EXPECT_EQ(state.dummyScopeBase, 10);
  EXPECT_EQ(state.balloonOffset, 0);
  EXPECT_EQ(state.fontName, "default");
  EXPECT_EQ(state.fontHeight, 12);
  EXPECT_FALSE(state.layoutStarted);
  EXPECT_TRUE(state.surfaceOffsets.empty());
}

TEST(ModuleState, SettersApplyTheValueRules) {
  ModuleState state;
  const std::pair<std::int32_t, std::int32_t> balloonCounts[] = {{0, 1}, {1, 1}, {2, 2}, {99, 99}, {100, 99}, {-5, 1}};
  for (const auto& [given, stored] : balloonCounts) {
    state.setBalloonCount(given);
    EXPECT_EQ(state.balloonCount, stored) << given;
  }
  state.setMoveTime(-1);
  EXPECT_EQ(state.moveTime, 0);
  state.setCharacterCount(-3);
  EXPECT_EQ(state.characterCount, 1);
  state.setDummyScopeBase(-1);
  state.setBalloonOffset(-1);
  state.setFontHeight(-1);
  EXPECT_EQ(state.dummyScopeBase, 0);
  EXPECT_EQ(state.balloonOffset, 0);
  EXPECT_EQ(state.fontHeight, 0);
  state.setFontName("");
  EXPECT_EQ(state.fontName, "default");
  state.setFontName(" ");
  EXPECT_EQ(state.fontName, " ");
}

}  // namespace
}  // namespace zef
