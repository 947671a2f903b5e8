// Balloon positions kept by the ghost: the opt-in Pos_Keep, what the menu's
// choices tell the ghost with it, and restoreZEF, through the request entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/command_table.h"
#include "support/text_helpers.h"
#include "support/saori_client.h"

namespace zef {
namespace {

using test::currentState;
using test::defaultLayoutStart;
using test::resultOf;

const std::string notice = argumentErrorNotice(Charset::shiftJis);

std::string keep(std::string value) { return resultOf({"changeZEF", "Pos_Keep", std::move(value)}); }

// restoreZEF's one golden answer, byte for byte: every dummy scope of each
// character that the sums move is moved against itself at once, alone; then
// back to scope 0.
TEST(KeptPositions, RestoreMovesEachCharactersDummyScopesByTheSums) {
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  resultOf({"changeZEF", "Bl_Num", "1"});
  EXPECT_EQ(resultOf({"restoreZEF", "-10", "30", "0"}),
            R"(\p[10]\![move,--X=30,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window])"
            R"(\p[12]\![move,--X=30,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window])"
            R"(\p[11]\![move,--X=0,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window])"
            R"(\p[13]\![move,--X=0,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window]\p[0])");
  // A character whose sums are both zero is not moved; none moved, nothing said.
  const std::string restored = resultOf({"restoreZEF", "", "0", "-5", "extra"});
  EXPECT_EQ(restored.find("\\p[10]"), std::string::npos);
  EXPECT_EQ(test::countOf(restored, "--X=-5,--Y=0,"), 2u);
  EXPECT_EQ(resultOf({"restoreZEF", "0", "0", ""}), "");
}

TEST(KeptPositions, RestoreWaitsForALayoutAndRefusesMissingOrFarSums) {
  test::FreshModule module;
  EXPECT_EQ(resultOf({"restoreZEF", "0", "30", "0"}), "");
  EXPECT_EQ(resultOf({"restoreZEF"}), "");
  resultOf(defaultLayoutStart());
  EXPECT_EQ(resultOf({"restoreZEF"}), notice);
  EXPECT_EQ(resultOf({"restoreZEF", "0", "30"}), notice);  // two characters: two horizontal sums
  EXPECT_EQ(resultOf({"restoreZEF", "32768", "0", "0"}), notice);
  EXPECT_EQ(resultOf({"restoreZEF", "0", "0", "-32768"}), notice);
  EXPECT_EQ(resultOf({"restoreZEF", "0", "99999999999", "0"}), notice);
  EXPECT_NE(resultOf({"restoreZEF", "-32767", "32767", "0"}).find("--X=32767,--Y=-32767"), std::string::npos);
  EXPECT_EQ(resultOf({"restoreZEF", "0", "1"}, Charset::utf8), argumentErrorNotice(Charset::utf8));
}

// Off after every load; only exactly "On" and "Off" change it; a layout start
// leaves it (it is not one of a layout start's arguments).
TEST(KeptPositions, TheOptInIsOffUntilTheGhostSaysOn) {
  test::FreshModule module;
  EXPECT_FALSE(currentState().keepPositions);
  EXPECT_EQ(keep("on"), R"(\![raise,OnChangeZEF])");
  EXPECT_FALSE(currentState().keepPositions);
  keep("On");
  EXPECT_TRUE(currentState().keepPositions);
  resultOf(defaultLayoutStart());
  EXPECT_TRUE(currentState().keepPositions);
  keep("ON");
  EXPECT_TRUE(currentState().keepPositions);
  keep("Off");
  EXPECT_FALSE(currentState().keepPositions);
  test::FreshModule reloaded;
  EXPECT_FALSE(currentState().keepPositions);
}

// With the opt-in, every choice's event says what the choice did (which
// title says what is the host model's test); without it the menu is the one
// it always was.
TEST(KeptPositions, EachChoiceTellsTheGhostWhatItDid) {
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  const std::string plain = resultOf({"settingZEF"});
  keep("On");
  const std::string told = resultOf({"settingZEF"});
  for (const char* raise : {R"(\![raise,settingZEF,Pos-H,0,30])", R"(\![raise,settingZEF,Pos-H,1,-5])",
                            R"(\![raise,settingZEF,Pos-V,-10])", R"(\![raise,settingZEF,Pos-V,30])",
                            R"(\![raise,settingZEF,Reset-H,1])", R"(\![raise,settingZEF,Reset-V])",
                            R"(\![raise,settingZEF,Reset-HV])"}) {
    EXPECT_NE(told.find(raise), std::string::npos) << raise;
  }
  EXPECT_EQ(test::countOf(told, "\\![raise,settingZEF,"), test::countOf(plain, "\\![raise,settingZEF]"));
  keep("Off");
  EXPECT_EQ(resultOf({"settingZEF"}), plain);
}

}  // namespace
}  // namespace zef
