// The choice scripts of the settings menu, built directly from a state, in
// the cases that the default menu does not show.
#include <gtest/gtest.h>

#include <string>

#include "base/script_choice.h"
#include "settings/menu_scripts.h"
#include "support/script_of.h"

namespace zef {
namespace {

using test::scriptOf;

constexpr std::string_view raiseOnly = R"(\![raise,settingZEF])";

TEST(MenuScripts, ModesAreExactAndAmountsUnparsed) {
  const ModuleState state;
  EXPECT_EQ(scriptOf(appendShiftScript, state, 1, "BPv", "5"), scriptOf(appendShiftScript, state, 0, "BPv", "5"));
  EXPECT_EQ(scriptOf(appendShiftScript, state, 0, "bph", "5"), raiseOnly);
  EXPECT_EQ(scriptOf(appendShiftScript, state, 0, "BPh ", "5"), raiseOnly);
  EXPECT_EQ(scriptOf(appendShiftScript, state, 0, "", "5"), raiseOnly);
  EXPECT_EQ(scriptOf(appendShiftScript, state, 1, "BPh", "+7"),
            R"(\p[11]\![moveasync,--X=+7,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF])");
  EXPECT_EQ(scriptOf(appendShiftScript, state, 0, "BPh", "007"),
            R"(\p[10]\![moveasync,--X=007,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF])");
}

TEST(MenuScripts, SidesAlternateWithTheCharacterNumber) {
  ModuleState state;
  state.setCharacterCount(3);
  EXPECT_EQ(scriptOf(appendResetVScript, state),
            R"(\p[10]\![move,--X=fix,--Y=0,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window])"
            R"(\p[11]\![move,--X=fix,--Y=0,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window])"
            R"(\p[12]\![move,--X=fix,--Y=0,--time=0,--base=2,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\![raise,settingZEF])");
  EXPECT_EQ(scriptOf(appendResetHScript, state, 2),
            R"(\p[12]\![move,--X=0,--Y=fix,--time=0,--base=2,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window]\![raise,settingZEF])");
}

TEST(MenuScripts, NoCharactersMovesNothingButTheNamedScope) {
  ModuleState state;
  state.characterCount = 0;  // no layout start leaves it so, but nothing must break
  EXPECT_EQ(scriptOf(appendShiftScript, state, 0, "BPv", "5"), raiseOnly);
  EXPECT_EQ(scriptOf(appendResetVScript, state), raiseOnly);
  EXPECT_EQ(scriptOf(appendResetHVScript, state), raiseOnly);
  EXPECT_EQ(scriptOf(appendShiftScript, state, 3, "BPh", "5"),
            R"(\p[13]\![moveasync,--X=5,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]\![raise,settingZEF])");
}

// The host's quoting: the script wrapped whole in double quotes, each `"`
// inside it doubled; commas and "]" stay as they are.
TEST(ScriptChoice, QuotesTheScriptAndDoublesItsQuotes) {
  std::string out = "/";
  appendScriptChoice(out, "H&V", R"(\p[1]\![call,ghost,"the ""M"""]x")");
  EXPECT_EQ(out, R"(/\q[H&V,"script:\p[1]\![call,ghost,""the """"M""""""]x"""])");
  out.clear();
  appendScriptChoice(out, "5", "");
  EXPECT_EQ(out, R"(\q[5,"script:"])");
}

}  // namespace
}  // namespace zef
