// The choice scripts of the settings menu, built directly from a state, in
// the cases that the default menu does not show.
#include <gtest/gtest.h>

#include <string>

#include "base/host_script.h"
#include "settings/menu_scripts.h"
#include "support/script_of.h"

namespace zef {
namespace {

using test::scriptOf;

constexpr std::string_view raiseOnly = R"(\![raise,settingZEF])";

TEST(MenuScripts, ShiftsMoveTheirAnchorsAgainstThemselves) {
  const ModuleState state;
  // Character plays no part in a downward shift: it moves every anchor.
  EXPECT_EQ(scriptOf(appendShiftScript, state, Shift::down, 1, 5), scriptOf(appendShiftScript, state, Shift::down, 0, 5));
  std::string expected = scopeSwitch(11);
  appendMove(expected, Move{.async = true, .x = 7, .ignoreSticky = true});
  EXPECT_EQ(scriptOf(appendShiftScript, state, Shift::right, 1, 7), expected + std::string(raiseOnly));
}

TEST(MenuScripts, SidesAlternateWithTheCharacterNumber) {
  ModuleState state;
  state.characterCount = 3;
  std::string expected;
  for (std::int32_t character = 0; character < 3; ++character) {
    appendScopeSwitch(expected, 10 + character);
    appendMove(expected, Move{.x = fix, .base = character, .corners = character % 2 == 0 ? Corners::leftOfBase
                                                                                           : Corners::rightOfBase,
                              .ignoreSticky = true});
  }
  EXPECT_EQ(scriptOf(appendResetScript, state, Reset::vertical, 0), expected + std::string(raiseOnly));
  expected = scopeSwitch(12);
  appendMove(expected, Move{.y = fix, .base = 2, .corners = Corners::leftOfBase, .ignoreSticky = true});
  EXPECT_EQ(scriptOf(appendResetScript, state, Reset::horizontal, 2), expected + std::string(raiseOnly));
}

TEST(MenuScripts, NoCharactersMovesNothingButTheNamedScope) {
  ModuleState state;
  state.characterCount = 0;  // no layout start leaves it so, but nothing must break
  EXPECT_EQ(scriptOf(appendShiftScript, state, Shift::down, 0, 5), raiseOnly);
  EXPECT_EQ(scriptOf(appendResetScript, state, Reset::vertical, 0), raiseOnly);
  EXPECT_EQ(scriptOf(appendResetScript, state, Reset::both, 0), raiseOnly);
  std::string expected = scopeSwitch(13);
  appendMove(expected, Move{.async = true, .x = 5, .ignoreSticky = true});
  EXPECT_EQ(scriptOf(appendShiftScript, state, Shift::right, 3, 5), expected + std::string(raiseOnly));
}

TEST(MenuScripts, SizeBoundHoldsForTheWidestNumbers) {
  ModuleState state;
  state.characterCount = 3;
  state.dummyScopeBase = 2147483647;
  EXPECT_LE(scriptOf(appendShiftScript, state, Shift::down, 0, -2147483647 - 1).size(), menuScriptBytes(3));
  EXPECT_LE(scriptOf(appendResetScript, state, Reset::both, 0).size(), menuScriptBytes(3));
}

}  // namespace
}  // namespace zef
