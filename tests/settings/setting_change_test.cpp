// The changeZEF command through the real request entry: the four keys, the
// bounds of their values, and the scopes set up for new balloon levels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/text_helpers.h"
#include "support/saori_client.h"
#include "support/script_pieces.h"

namespace zef {
namespace {

using test::currentState;
using test::defaultLayoutStart;
using test::resultOf;

constexpr std::string_view changeTaken = R"(\![raise,OnChangeZEF])";

std::string change(std::string key, std::string value) { return resultOf({"changeZEF", std::move(key), std::move(value)}); }

// The setting change's one golden answer, byte for byte.
TEST(SettingChange, MoreLevelsSetUpTheirScopesEvenBeforeALayoutStart) {
  test::FreshModule module;
  ASSERT_FALSE(currentState().layoutStarted);
  EXPECT_EQ(change("Bl_Num", "8"),
            R"(\p[24]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--option=ignore-sticky-window]\![set,sticky-window,0,24]\p[25]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--option=ignore-sticky-window]\![set,sticky-window,1,25]\p[26]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--option=ignore-sticky-window]\![set,sticky-window,0,26]\p[27]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--option=ignore-sticky-window]\![set,sticky-window,1,27]\![raise,OnChangeZEF]\p[0])");
  EXPECT_EQ(currentState().balloonCount, 8);
  EXPECT_FALSE(currentState().layoutStarted);
}

TEST(SettingChange, ANewLevelOfThreeCharacters) {
  test::FreshModule module;
  std::vector<std::string> start = defaultLayoutStart();
  start[2] = "3";
  start[3] = "1";
  start.push_back("0");
  resultOf(start);
  // Each new balloon scope becomes a dummy scope on its anchor and joins its character.
  std::string expected;
  for (std::int32_t character = 0; character < 3; ++character) {
    expected += test::newLevelScope(16 + character, 10 + character, character);
  }
  EXPECT_EQ(change("Bl_Num", "2"), expected + std::string(changeTaken) + test::backToMainCharacter());
}

TEST(SettingChange, BalloonCountIsBoundedAndOnlyGrowthEmits) {
  test::FreshModule module;
  EXPECT_EQ(change("Bl_Num", "6"), changeTaken);  // unchanged
  EXPECT_EQ(change("Bl_Num", "3"), changeTaken);  // shrinking leaves the host's scopes alone
  EXPECT_EQ(currentState().balloonCount, 3);
  for (const char* low : {"0", "-4", "abc", ""}) {
    change("Bl_Num", "5");
    EXPECT_EQ(change("Bl_Num", low), changeTaken) << low;
    EXPECT_EQ(currentState().balloonCount, 1) << low;
  }
  change("Bl_Num", " 12px");
  EXPECT_EQ(currentState().balloonCount, 12);

  change("Bl_Num", "98");
  const std::string script = change("Bl_Num", "500");
  EXPECT_EQ(currentState().balloonCount, 99);
  EXPECT_EQ(test::countOf(script, R"(\p[)"), 3u);  // scopes 208 and 209, then back to scope 0
  EXPECT_EQ(script.rfind(R"(\p[208]\s[__system_dummy__])", 0), 0u);
  EXPECT_TRUE(script.ends_with(R"(\![set,sticky-window,1,209])" + std::string(changeTaken) +
                               test::backToMainCharacter()));
  EXPECT_EQ(change("Bl_Num", "99999999999"), changeTaken);
  EXPECT_EQ(currentState().balloonCount, 99);
}

TEST(SettingChange, StepTimeAndSwitch) {
  test::FreshModule module;
  EXPECT_EQ(change("Bl_Move", "-20"), changeTaken);
  EXPECT_EQ(currentState().moveStep, -20);
  EXPECT_EQ(change("Bl_Move", "0"), changeTaken);
  EXPECT_EQ(currentState().moveStep, 0);
  EXPECT_EQ(change("Bl_Move", "abc"), changeTaken);
  EXPECT_EQ(currentState().moveStep, 0);
  change("Bl_Move", "-99999999999");
  EXPECT_EQ(currentState().moveStep, -2147483647 - 1);

  EXPECT_EQ(change("Bl_Time", "250"), changeTaken);
  EXPECT_EQ(currentState().moveTime, 250);
  EXPECT_EQ(change("Bl_Time", "-5"), changeTaken);
  EXPECT_EQ(currentState().moveTime, 0);

  EXPECT_EQ(change("ZEF_Switch", "Off"), changeTaken);
  EXPECT_FALSE(currentState().enabled);
  for (const char* ignored : {"on", "ON", " On", "On ", "1", ""}) {
    EXPECT_EQ(change("ZEF_Switch", ignored), changeTaken) << ignored;
    EXPECT_FALSE(currentState().enabled) << ignored;
  }
  EXPECT_EQ(change("ZEF_Switch", "On"), changeTaken);
  EXPECT_TRUE(currentState().enabled);
  for (const char* ignored : {"off", "OFF"}) {
    EXPECT_EQ(change("ZEF_Switch", ignored), changeTaken) << ignored;
    EXPECT_TRUE(currentState().enabled) << ignored;
  }
}

TEST(SettingChange, UnknownKeysRaiseTheEventAndChangeNothing) {
  test::FreshModule module;
  const ModuleState before = currentState();
  for (const char* key : {"Bl_num", "bl_num", "Bl_Num ", "BL_MOVE", "zef_switch", "", "Bl_Numbers"}) {
    EXPECT_EQ(change(key, "8"), changeTaken) << key;
  }
  const ModuleState& after = currentState();
  EXPECT_EQ(after.balloonCount, before.balloonCount);
  EXPECT_EQ(after.moveStep, before.moveStep);
  EXPECT_EQ(after.moveTime, before.moveTime);
  EXPECT_EQ(after.enabled, before.enabled);
}

}  // namespace
}  // namespace zef
