// The settingZEF command through the real request entry: the menu's golden
// answer, its Shift-JIS marks, and the cases where its shape changes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_menu.h"
#include "support/text_helpers.h"
#include "support/saori_client.h"
#include "support/script_pieces.h"
#include "support/shift_jis_text.h"

namespace zef {
namespace {

using test::between;
using test::countOf;
using test::defaultLayoutStart;
using test::joined;
using test::menuLabel;
using test::resultOf;

const std::vector<std::string> settingZEF = {"settingZEF"};

// A layout start with the defaults but `characters` characters and the
// setting at `index` (1 to 9) replaced.
std::vector<std::string> layoutStartWith(std::size_t index, std::string value, int characters = 2) {
  std::vector<std::string> arguments = defaultLayoutStart();
  arguments[2] = std::to_string(characters);
  arguments.resize(10 + static_cast<std::size_t>(characters), "0");
  arguments[index] = std::move(value);
  return arguments;
}

// The menu's one golden answer, byte for byte.
const std::string defaultMenu = joined({
      R"(\_q)",
      R"(\p[12]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--option=ignore-sticky-window]0 - 0)",
      R"(\p[13]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--option=ignore-sticky-window]1 - 0)",
      R"(\p[14]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-100,--time=0,--base=10,--option=ignore-sticky-window]0 - 1)",
      R"(\p[15]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-100,--time=0,--base=11,--option=ignore-sticky-window]1 - 1)",
      R"(\p[16]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-200,--time=0,--base=10,--option=ignore-sticky-window]0 - 2)",
      R"(\p[17]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-200,--time=0,--base=11,--option=ignore-sticky-window]1 - 2)",
      R"(\p[18]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-300,--time=0,--base=10,--option=ignore-sticky-window]0 - 3)",
      R"(\p[19]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-300,--time=0,--base=11,--option=ignore-sticky-window]1 - 3)",
      R"(\p[20]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-400,--time=0,--base=10,--option=ignore-sticky-window]0 - 4)",
      R"(\p[21]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-400,--time=0,--base=11,--option=ignore-sticky-window]1 - 4)",
      R"(\p[22]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-500,--time=0,--base=10,--option=ignore-sticky-window]0 - 5)",
      R"(\p[23]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=-500,--time=0,--base=11,--option=ignore-sticky-window]1 - 5)",
      R"(\p[0][0] ZEF Balloon Settings ----------------\n)" "\xA5" R"(Pos-H [px] )" "\x81\xA8" R"(+  \![*])",
      R"(\q[30,"script:\p[10]\![moveasync,--X=30,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[10,"script:\p[10]\![moveasync,--X=10,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[5,"script:\p[10]\![moveasync,--X=5,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[-5,"script:\p[10]\![moveasync,--X=-5,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[-10,"script:\p[10]\![moveasync,--X=-10,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[-30,"script:\p[10]\![moveasync,--X=-30,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]\n)",
      "\xA5" R"(Pos-V [px] )" "\x81\xAA" R"(+  \![*]\q[30,"script:\p[10]\![moveasync,--X=0,--Y=-30,--time=0,--base=me,--option=ignore-sticky-window]\p[11]\![moveasync,--X=0,--Y=-30,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[10,"script:\p[10]\![moveasync,--X=0,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window]\p[11]\![moveasync,--X=0,--Y=-10,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[5,"script:\p[10]\![moveasync,--X=0,--Y=-5,--time=0,--base=me,--option=ignore-sticky-window]\p[11]\![moveasync,--X=0,--Y=-5,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[-5,"script:\p[10]\![moveasync,--X=0,--Y=5,--time=0,--base=me,--option=ignore-sticky-window]\p[11]\![moveasync,--X=0,--Y=5,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[-10,"script:\p[10]\![moveasync,--X=0,--Y=10,--time=0,--base=me,--option=ignore-sticky-window]\p[11]\![moveasync,--X=0,--Y=10,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[-30,"script:\p[10]\![moveasync,--X=0,--Y=30,--time=0,--base=me,--option=ignore-sticky-window]\p[11]\![moveasync,--X=0,--Y=30,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]\n)",
      R"(\n)" "\xA5" R"(Position Reset  \![*]\q[H,"script:\p[10]\![move,--X=0,--Y=fix,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[V,"script:\p[10]\![move,--X=fix,--Y=0,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\p[11]\![move,--X=fix,--Y=0,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[H&V,"script:\p[10]\![move,--X=0,--Y=0,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\p[11]\![move,--X=0,--Y=0,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window]\![raise,settingZEF]"]               \![*]\q[End,OnSettingZEF])",
      R"(\n\n*MouseOffset Reset  Ctrl + Shift + F10)",
      R"(\p[1][1] ZEF Balloon Settings ----------------\n)" "\xA5" R"(Pos-H [px] )" "\x81\xA8" R"(+  \![*]\q[30,"script:\p[11]\![moveasync,--X=30,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[10,"script:\p[11]\![moveasync,--X=10,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[5,"script:\p[11]\![moveasync,--X=5,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[-5,"script:\p[11]\![moveasync,--X=-5,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[-10,"script:\p[11]\![moveasync,--X=-10,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[-30,"script:\p[11]\![moveasync,--X=-30,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF]"]\n)",
      R"(\n)" "\xA5" R"(Position Reset  \![*]\q[H,"script:\p[11]\![move,--X=0,--Y=fix,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window]\![raise,settingZEF]"])",
      R"(/\q[V,"script:\p[10]\![move,--X=fix,--Y=0,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\p[11]\![move,--X=fix,--Y=0,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window]\![raise,settingZEF]"]/\q[H&V,"script:\p[10]\![move,--X=0,--Y=0,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\p[11]\![move,--X=0,--Y=0,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window]\![raise,settingZEF]"]               \![*]\q[End,OnSettingZEF])",
      R"(\*\![set,balloontimeout,0])",
});

TEST(SettingsMenu, IsEmptyBeforeALayoutStart) {
  test::FreshModule module;
  EXPECT_EQ(resultOf(settingZEF), "");
  EXPECT_EQ(resultOf({"settingZEF", "x", "y"}), "");
  resultOf({"changeZEF", "Bl_Num", "8"});  // works, but opens no menu
  EXPECT_EQ(resultOf(settingZEF), "");
}

TEST(SettingsMenu, WithTheDefaults) {
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  EXPECT_EQ(resultOf(settingZEF), defaultMenu);
  EXPECT_EQ(resultOf({"settingZEF", "x", "y"}), defaultMenu);
  // Every request builds the menu anew; nothing of the last one is kept.
  EXPECT_EQ(resultOf(settingZEF), defaultMenu);
  resultOf(defaultLayoutStart("startZEF"));
  EXPECT_EQ(resultOf(settingZEF), defaultMenu);
}

TEST(SettingsMenu, MarksAreTheDotAndArrowsInTheRequestsCharset) {
  const std::optional<std::string> utf8 = test::shiftJisAsUtf8(defaultMenu);
  ASSERT_TRUE(utf8.has_value()) << "no CP932 table in iconv";
  EXPECT_EQ(countOf(*utf8, "\\n･Pos-H [px] →+  \\![*]\\q[30,\"script:"), 2u);
  EXPECT_EQ(countOf(*utf8, "]\\n･Pos-V [px] ↑+  \\![*]\\q[30,\"script:"), 1u);
  EXPECT_EQ(countOf(*utf8, "]\\n\\n･Position Reset  \\![*]\\q[H,\"script:"), 2u);
  // Each dot grows from one byte to three, each arrow from two to three: no
  // other byte of the menu changed.
  EXPECT_EQ(utf8->size(), defaultMenu.size() + 2 * 5 + 1 * 3);

  // A UTF-8 request gets the same menu in UTF-8.
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  EXPECT_EQ(resultOf(settingZEF, Charset::utf8), *utf8);
}

TEST(SettingsMenu, OneCharacterMovesOnlyItsOwnAnchor) {
  test::FreshModule module;
  std::vector<std::string> start = layoutStartWith(3, "1", 1);
  resultOf(start);
  const std::string menu = resultOf(settingZEF);
  EXPECT_EQ(menu.substr(0, menu.find(R"(\p[0][0])")), R"(\_q)" + menuLabel(11, 0, 10) + "0 - 0");
  const std::string_view vertical = between(menu, "Pos-V", R"(\n)");
  EXPECT_EQ(countOf(vertical, R"(\p[)"), 6u);
  EXPECT_EQ(countOf(vertical, R"(\p[10])"), 6u);
  // What each choice moves is checked on the model host (host-model/session_meaning_test.cpp).
  EXPECT_NE(menu.find(R"(\n\n*MouseOffset Reset  Ctrl + Shift + F10\*\![set,balloontimeout,0])"), std::string::npos);
  EXPECT_EQ(countOf(menu, "ZEF Balloon Settings"), 1u);
}

TEST(SettingsMenu, OnlyCharacterZeroOffersTheVerticalLineAndHint) {
  test::FreshModule module;
  resultOf(layoutStartWith(3, "1", 3));
  const std::string menu = resultOf(settingZEF);
  EXPECT_EQ(countOf(menu, "ZEF Balloon Settings"), 3u);
  EXPECT_EQ(countOf(menu, "Pos-V"), 1u);
  EXPECT_EQ(countOf(menu, "MouseOffset"), 1u);
  for (std::string_view section : {between(menu, R"(\p[1][1])", R"(\p[2][2])"), between(menu, R"(\p[2][2])", R"(\*)")}) {
    ASSERT_FALSE(section.empty());
    EXPECT_NE(section.find("Pos-H"), std::string::npos) << section;
    EXPECT_NE(section.find("Position Reset"), std::string::npos) << section;
    EXPECT_EQ(section.find("Pos-V"), std::string::npos) << section;
    EXPECT_EQ(section.find("MouseOffset"), std::string::npos) << section;
  }
  // What each choice moves, for one to three characters, is checked on the
  // model host (host-model/session_meaning_test.cpp).
}

TEST(SettingsMenu, LabelsFollowTheSignOfTheStep) {
  test::FreshModule module;
  resultOf(layoutStartWith(4, "-20"));
  std::string menu = resultOf(settingZEF);
  EXPECT_NE(menu.find(menuLabel(15, 20, 11)), std::string::npos);
  EXPECT_NE(menu.find(menuLabel(16, 40, 10)), std::string::npos);

  resultOf(layoutStartWith(4, "0"));
  menu = resultOf(settingZEF);
  for (std::int32_t scope = 12; scope <= 23; ++scope) {
    EXPECT_NE(menu.find(menuLabel(scope, 0, 10 + scope % 2)), std::string::npos) << scope;
  }

  // Steps at the ends of the 32-bit range wrap instead of overflowing.
  resultOf(layoutStartWith(4, "2147483647"));
  menu = resultOf(settingZEF);
  EXPECT_NE(menu.find(menuLabel(14, -2147483647, 10)), std::string::npos);
  EXPECT_NE(menu.find(menuLabel(16, 2, 10)), std::string::npos);
  resultOf(layoutStartWith(4, "-2147483648"));
  menu = resultOf(settingZEF);
  EXPECT_NE(menu.find(menuLabel(14, -2147483647 - 1, 10)), std::string::npos);
  EXPECT_NE(menu.find(menuLabel(16, 0, 10)), std::string::npos);
}

TEST(SettingsMenu, NinetyNineLevels) {
  test::FreshModule module;
  resultOf(layoutStartWith(3, "99"));
  const std::string menu = resultOf(settingZEF);
  EXPECT_EQ(countOf(menu, "]\\![set,alignmenttodesktop,free]"), 198u);
  EXPECT_NE(menu.find(menuLabel(209, -9800, 11) + R"(1 - 98\p[0][0])"), std::string::npos);
}

TEST(SettingsMenu, WithoutCharactersOnlyOpensAndCloses) {
  // No layout start leaves the state so, but the menu must still be sound.
  for (std::int32_t characters : {0, -1, -2147483647 - 1}) {
    ModuleState state;
    state.characterCount = characters;
    std::string script;
    runSettingsMenu(state, Charset::shiftJis, script);
    EXPECT_EQ(script, R"(\_q\*\![set,balloontimeout,0])") << characters;
  }
}

}  // namespace
}  // namespace zef
