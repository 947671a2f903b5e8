// A whole session as a ghost drives it: layout start, a talk, a change of
// every setting, then a talk and the menu again, each using the new values.
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
using test::joined;
using test::menuLabel;
using test::newLevelScope;
using test::talkMove;
using test::resultOf;

constexpr std::string_view changeTaken = R"(\![raise,OnChangeZEF])";
const std::vector<std::string> talk = {"ZEF", "A.", "B.", "C."};
const std::vector<std::string> settingZEF = {"settingZEF"};

std::string change(std::string key, std::string value) { return resultOf({"changeZEF", std::move(key), std::move(value)}); }

// The menu without its labels: the sections of the characters and the close.
std::string_view sectionsOf(std::string_view menu) { return menu.substr(menu.find(R"(\p[0][0])")); }

TEST(SettingsSession, LaterCommandsUseTheChangedValues) {
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  const std::string firstMenu = resultOf(settingZEF);
  const std::string firstTalk = resultOf(talk);
  EXPECT_NE(firstTalk.find(talkMove(12, -200, 10)), std::string::npos);
  EXPECT_NE(firstTalk.find(R"(\p[14]\b[0]\f[name,default]\f[height,12]C.)"), std::string::npos);

  EXPECT_EQ(change("Bl_Move", "-30"), changeTaken);
  EXPECT_EQ(change("Bl_Time", "7"), changeTaken);
  EXPECT_EQ(change("Bl_Num", "2"), changeTaken);

  // Two levels: the third utterance hides the first balloon; the second one
  // stands one step of -30 away, that is 30 pixels down.
  EXPECT_EQ(resultOf(talk),
            joined({
                talkMove(12, 0, 10, 7),
                R"(\p[12]\b[0]\f[name,default]\f[height,12]A.)",
                talkMove(13, 0, 11, 7),
                talkMove(12, 30, 10, 7),
                R"(\p[13]\b[0]\f[name,default]\f[height,12]B.)",
                talkMove(14, 0, 10, 7),
                talkMove(13, 30, 11, 7),
                R"(\p[12]\c\b[-1])",
                R"(\p[14]\b[0]\f[name,default]\f[height,12]C.)",
            }));

  EXPECT_EQ(change("ZEF_Switch", "Off"), changeTaken);
  EXPECT_EQ(resultOf(talk), R"(\p[0]A.\n[200]\p[1]B.\n[200]\p[0]C.\n[200])");
  EXPECT_EQ(change("ZEF_Switch", "On"), changeTaken);

  // Growing again sets up only the level that is new since the last change.
  EXPECT_EQ(change("Bl_Num", "3"),
            joined({
                newLevelScope(16, 10, 0),
                newLevelScope(17, 11, 1),
                R"(\![raise,OnChangeZEF])",
                test::backToMainCharacter(),
            }));

  // The labels stack three levels downwards; the choices are as before.
  const std::string menu = resultOf(settingZEF);
  EXPECT_EQ(menu.substr(0, menu.find(R"(\p[0][0])")),
            joined({
                R"(\_q)",
                menuLabel(12, 0, 10) + "0 - 0",
                menuLabel(13, 0, 11) + "1 - 0",
                menuLabel(14, 30, 10) + "0 - 1",
                menuLabel(15, 30, 11) + "1 - 1",
                menuLabel(16, 60, 10) + "0 - 2",
                menuLabel(17, 60, 11) + "1 - 2",
            }));
  EXPECT_EQ(sectionsOf(menu), sectionsOf(firstMenu));

  // A new layout start replaces every changed value.
  resultOf(defaultLayoutStart("startZEF"));
  EXPECT_EQ(resultOf(settingZEF), firstMenu);
  EXPECT_EQ(resultOf(talk), firstTalk);
  EXPECT_EQ(currentState().moveTime, 100);
}

}  // namespace
}  // namespace zef
