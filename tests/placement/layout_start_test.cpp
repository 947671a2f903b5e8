// The layout start commands through the real request entry: firstZEF's
// golden answer, what each places where, and the settings they store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hardening/state_invariants.h"
#include "module/entries.h"
#include "support/saori_client.h"
#include "support/script_of.h"
#include "support/script_pieces.h"
#include "support/text_helpers.h"

namespace zef {
namespace {

using test::defaultLayoutStart;
using test::resultOf;
using test::countOf;
using test::currentState;
using test::joined;
using test::scriptOf;

// The layout start's one golden answer, byte for byte.
TEST(LayoutStart, FirstZefWithTheDefaults) {
  test::FreshModule module;
  const std::string expected = joined({
      R"(\p[10]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=0,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[11]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\p[12]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[13]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\p[14]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[15]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\p[16]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[17]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\p[18]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[19]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\p[20]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[21]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\p[22]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=10,--base-offset=left.top,--move-offset=right.bottom])",
      R"(\p[23]\s[__system_dummy__]\![set,alignmenttodesktop,free]\![move,--X=0,--Y=0,--time=0,--base=11,--base-offset=right.top,--move-offset=left.bottom])",
      R"(\![set,sticky-window,0,10,12,14,16,18,20,22])",
      R"(\![set,sticky-window,1,11,13,15,17,19,21,23])",
      R"(\p[0])",
  });
  ASSERT_EQ(expected.size(), 2135u);
  EXPECT_EQ(resultOf(defaultLayoutStart("firstZEF")), expected);

  // The default arguments store the default settings (tests/base/module_state_test.cpp).
  ModuleState stored;
  stored.layoutStarted = true;
  stored.surfaceOffsets = {0, 0};
  EXPECT_TRUE(hardening::sameState(currentState(), stored));
}

// startZEF's golden answer: the balloon scopes become dummy scopes where they
// stand, then the anchors are moved by nothing against themselves, alone.
TEST(LayoutStart, StartZefWithTheDefaults) {
  test::FreshModule module;
  const std::string expected = joined({
      R"(\p[12]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[13]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[14]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[15]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[16]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[17]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[18]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[19]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[20]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[21]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[22]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[23]\s[__system_dummy__]\![set,alignmenttodesktop,free])",
      R"(\p[10]\s[__system_dummy__]\![moveasync,--X=0,--Y=0,--time=0,--base=me,--option=ignore-sticky-window])",
      R"(\p[11]\s[__system_dummy__]\![moveasync,--X=0,--Y=0,--time=0,--base=me,--option=ignore-sticky-window])",
      R"(\![set,sticky-window,0,10,12,14,16,18,20,22])",
      R"(\![set,sticky-window,1,11,13,15,17,19,21,23])",
      R"(\p[0])",
  });
  ASSERT_EQ(expected.size(), 977u);
  EXPECT_EQ(resultOf(defaultLayoutStart("startZEF")), expected);
  EXPECT_TRUE(currentState().layoutStarted);
}

TEST(LayoutStart, OneCharacterNeedsOnlyOneOffset) {
  test::FreshModule module;
  std::vector<std::string> arguments = defaultLayoutStart();
  arguments[2] = "1";
  arguments.resize(11);
  std::string expected = test::placed(10, 0, Corners::leftOfBase);
  for (std::int32_t scope = 11; scope <= 16; ++scope) expected += test::placed(scope, 10, Corners::leftOfBase);
  EXPECT_EQ(resultOf(arguments),
            expected + R"(\![set,sticky-window,0,10,11,12,13,14,15,16])" + test::backToMainCharacter());
}

TEST(LayoutStart, ValueRulesOfTheSettings) {
  test::FreshModule module;
  std::vector<std::string> arguments = {"firstZEF", "off", "3", "150", "-7", "-1", "-4", "-2", "", "-9", "-5", " 4x", "+2"};
  const std::string script = resultOf(arguments);
  const ModuleState& state = currentState();
  EXPECT_FALSE(state.enabled);
  EXPECT_EQ(state.characterCount, 3);
  EXPECT_EQ(state.balloonCount, 99);
  EXPECT_EQ(state.moveStep, -7);
  EXPECT_EQ(state.moveTime, 0);
  EXPECT_EQ(state.dummyScopeBase, 0);
  EXPECT_EQ(state.balloonOffset, 0);
  EXPECT_EQ(state.fontName, "default");
  EXPECT_EQ(state.fontHeight, 0);
  EXPECT_EQ(state.surfaceOffsets, (std::vector<std::int32_t>{-5, 4, 2}));
  EXPECT_EQ(countOf(script, spelling::move), 300u);  // 100 levels of 3 characters

  arguments = defaultLayoutStart();
  arguments[3] = "0";
  arguments[8] = " ";
  EXPECT_EQ(countOf(resultOf(arguments), spelling::move), 4u);
  EXPECT_EQ(currentState().balloonCount, 1);
  EXPECT_EQ(currentState().fontName, " ");
}

TEST(LayoutStart, SwitchDoesNotChangeTheScript) {
  test::FreshModule module;
  for (const char* command : {"firstZEF", "startZEF"}) {
    std::vector<std::string> arguments = defaultLayoutStart(command);
    const std::string on = resultOf(arguments);
    for (const char* off : {"off", "oN", "", "On "}) {
      arguments[1] = off;
      EXPECT_EQ(resultOf(arguments), on) << off;
      EXPECT_FALSE(currentState().enabled) << off;
    }
    for (const char* on_word : {"ON", "on"}) {
      arguments[1] = on_word;
      resultOf(arguments);
      EXPECT_TRUE(currentState().enabled) << on_word;
    }
  }
}

TEST(LayoutStart, StartZefMovesOnlyAnchorsInPlace) {
  test::FreshModule module;
  std::vector<std::string> arguments = defaultLayoutStart("startZEF");
  arguments[2] = "3";
  arguments[3] = "4";
  arguments.push_back("0");
  const std::string script = resultOf(arguments);
  const std::string held = scriptOf(appendMove, Move{.async = true, .base = me, .ignoreSticky = true});
  EXPECT_EQ(countOf(script, spelling::move), 0u);
  EXPECT_EQ(countOf(script, spelling::moveAsync), 3u);
  for (std::int32_t anchor : {10, 11, 12}) {
    EXPECT_EQ(countOf(script, scopeSwitch(anchor) + "\\s[__system_dummy__]" + held), 1u) << anchor;
  }
  EXPECT_EQ(countOf(script, "alignmenttodesktop"), 12u);
  EXPECT_TRUE(script.ends_with("\\![set,sticky-window,2,12,15,18,21,24]" + test::backToMainCharacter()));
}

TEST(LayoutStart, LaterLayoutStartReplacesEveryOffset) {
  test::FreshModule module;
  std::vector<std::string> arguments = defaultLayoutStart();
  arguments[2] = "4";
  arguments.insert(arguments.end(), {"3", "4"});
  resultOf(arguments);
  EXPECT_EQ(currentState().surfaceOffsets, (std::vector<std::int32_t>{0, 0, 3, 4}));

  arguments = defaultLayoutStart("startZEF");
  arguments[2] = "1";
  arguments[10] = "-5";
  arguments.resize(11);
  resultOf(arguments);
  EXPECT_EQ(currentState().surfaceOffsets, (std::vector<std::int32_t>{-5}));
}

TEST(LayoutStart, ScopeNumbersAtTheLimitWrap) {
  test::FreshModule module;
  std::vector<std::string> arguments = defaultLayoutStart();
  arguments[3] = "1";
  arguments[6] = "2147483647";
  const std::string script = resultOf(arguments);
  EXPECT_TRUE(script.starts_with("\\p[2147483647]"));
  EXPECT_TRUE(script.ends_with("\\![set,sticky-window,0,2147483647,-2147483647]"
                               "\\![set,sticky-window,1,-2147483648,-2147483646]" +
                               test::backToMainCharacter()));
}

}  // namespace
}  // namespace zef
