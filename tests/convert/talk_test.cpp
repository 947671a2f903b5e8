// The ZEF command through the real request entry: the talk scripts byte for
// byte, the balloon stack's moves and hides, and the gating by layout start.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/host_script.h"
#include "module/entries.h"
#include "support/saori_client.h"
#include "support/script_pieces.h"

namespace zef {
namespace {

using test::defaultLayoutStart;
using test::resultOf;

// The talk's moves, written by the host script writer (its own test spells
// the move; the golden answer below pins the whole talk).
std::string moved(std::int32_t scope, std::int32_t y, std::int32_t base, std::int32_t time = 100) {
  return test::talkMove(scope, y, base, time);
}

std::string hidden(std::int32_t scope) { return scopeSwitch(scope) + "\\c\\b[-1]"; }

std::string balloon(std::int32_t scope, const std::string& text) {
  return scopeSwitch(scope) + "\\b[0]\\f[name,default]\\f[height,12]" + text;
}

// Starts a layout with the defaults, some of them replaced.
void startLayout(const std::map<std::size_t, std::string>& changes = {}) {
  std::vector<std::string> arguments = defaultLayoutStart();
  for (const auto& [index, value] : changes) arguments[index] = value;
  if (arguments[2] == "1") arguments.resize(11);
  resultOf(arguments);
}

std::vector<std::string> talk(std::initializer_list<std::string> utterances) {
  std::vector<std::string> arguments{"ZEF"};
  arguments.insert(arguments.end(), utterances);
  return arguments;
}

const std::vector<std::string> threeUtterances = talk({"\\s[5]Hello.", "\\s[10]Hi.", "Bye."});

// The talk's one golden answer, byte for byte.
TEST(Talk, ThreeUtterancesWithTheDefaults) {
  test::FreshModule module;
  startLayout();
  const std::string expected =
      R"(\p[12]\![moveasync,--X=fix,--Y=0,--time=100,--base=10,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window])"
      R"(\p[12]\b[0]\f[name,default]\f[height,12]\p[0]\s[5]\p[12]Hello.)"
      R"(\p[13]\![moveasync,--X=fix,--Y=0,--time=100,--base=11,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window])"
      R"(\p[12]\![moveasync,--X=fix,--Y=-100,--time=100,--base=10,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window])"
      R"(\p[13]\b[0]\f[name,default]\f[height,12]\p[1]\s[10]\p[13]Hi.)"
      R"(\p[14]\![moveasync,--X=fix,--Y=0,--time=100,--base=10,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window])"
      R"(\p[13]\![moveasync,--X=fix,--Y=-100,--time=100,--base=11,--base-offset=right.top,--move-offset=left.bottom,--option=ignore-sticky-window])"
      R"(\p[12]\![moveasync,--X=fix,--Y=-200,--time=100,--base=10,--base-offset=left.top,--move-offset=right.bottom,--option=ignore-sticky-window])"
      R"(\p[14]\b[0]\f[name,default]\f[height,12]Bye.)";
  EXPECT_EQ(resultOf(threeUtterances), expected);
  // Nothing of the stack survives the request.
  EXPECT_EQ(resultOf(threeUtterances), expected);
}

TEST(Talk, SwitchedOffStaysInTheCharacters) {
  test::FreshModule module;
  startLayout({{1, "Off"}});
  EXPECT_EQ(resultOf(threeUtterances),
            "\\p[0]\\p[0]\\s[5]\\p[0]Hello.\\n[200]\\p[1]\\p[1]\\s[10]\\p[1]Hi.\\n[200]\\p[0]Bye.\\n[200]");
  // No balloon or font of the module's own, and the ghost's balloon number kept.
  EXPECT_EQ(resultOf(talk({"", "\\b[3]x"})), "\\p[1]\\b[3]x\\n[200]");
}

TEST(Talk, OneBalloonLevel) {
  test::FreshModule module;
  startLayout({{3, "1"}});
  EXPECT_EQ(resultOf(threeUtterances),
            moved(12, 0, 10) + balloon(12, "\\p[0]\\s[5]\\p[12]Hello.") +
            moved(13, 0, 11) + hidden(12) + balloon(13, "\\p[1]\\s[10]\\p[13]Hi.") +
            moved(12, 0, 10) + hidden(13) + balloon(12, "Bye."));
}

TEST(Talk, NeedsAStartedLayoutAndAnUtterance) {
  test::FreshModule module;
  EXPECT_EQ(resultOf(talk({"Hi."})), "");
  startLayout();
  EXPECT_EQ(resultOf(talk({"Hi."})), moved(12, 0, 10) + balloon(12, "Hi."));
  EXPECT_EQ(resultOf(talk({""})), "");
  EXPECT_EQ(resultOf(talk({"", "", ""})), "");
  EXPECT_EQ(resultOf({"ZEF"}), "");
}

TEST(Talk, EmptyUtterancesUseUpTheirPosition) {
  test::FreshModule module;
  startLayout();
  EXPECT_EQ(resultOf(talk({"", "Hi."})), moved(13, 0, 11) + balloon(13, "Hi."));
  EXPECT_EQ(resultOf(talk({"a", "", "b"})),
            moved(12, 0, 10) + balloon(12, "a") + moved(14, 0, 10) + moved(12, -100, 10) + balloon(14, "b"));
}

TEST(Talk, LongerThanEveryBalloonScope) {
  test::FreshModule module;
  startLayout();
  std::vector<std::string> arguments{"ZEF"};
  for (int i = 0; i < 13; ++i) arguments.push_back("u" + std::to_string(i));
  const std::string script = resultOf(arguments);

  // The seventh utterance hides the first balloon; the thirteenth returns to
  // scope 12 and hides the seventh's balloon.
  const std::size_t seventh = script.find(balloon(18, "u6"));
  const std::size_t thirteenth = script.find(balloon(12, "u12"));
  ASSERT_NE(seventh, std::string::npos);
  ASSERT_NE(thirteenth, std::string::npos);
  EXPECT_EQ(script.find("\\c\\b[-1]"), seventh - std::string("\\c\\b[-1]").size());
  EXPECT_TRUE(script.substr(0, seventh).ends_with(hidden(12)));
  EXPECT_TRUE(script.substr(0, thirteenth).ends_with(moved(12, 0, 10) + moved(23, -100, 11) + moved(22, -200, 10) +
                                                      moved(21, -300, 11) + moved(20, -400, 10) +
                                                      moved(19, -500, 11) + hidden(18)));
}

TEST(Talk, OneCharacterReusesTheScopeThatLeaves) {
  test::FreshModule module;
  startLayout({{2, "1"}, {3, "2"}});
  EXPECT_EQ(resultOf(talk({"a", "b", "c"})),
            moved(11, 0, 10) + balloon(11, "a") + moved(12, 0, 10) + moved(11, -100, 10) + balloon(12, "b") +
            // Scope 11 is moved onto the anchor, then cleared, then written.
            moved(11, 0, 10) + moved(12, -100, 10) + hidden(11) + balloon(11, "c"));
}

TEST(Talk, MoveStepZeroAndNegative) {
  test::FreshModule module;
  startLayout({{4, "0"}});
  EXPECT_EQ(resultOf(talk({"a", "b"})), moved(12, 0, 10) + balloon(12, "a") + moved(13, 0, 11) +
                                            moved(12, 0, 10) + balloon(13, "b"));
  startLayout({{4, "-30"}});
  EXPECT_EQ(resultOf(talk({"a", "b", "c"})), moved(12, 0, 10) + balloon(12, "a") + moved(13, 0, 11) +
                                                 moved(12, 30, 10) + balloon(13, "b") + moved(14, 0, 10) +
                                                 moved(13, 30, 11) + moved(12, 60, 10) + balloon(14, "c"));
}

TEST(Talk, BaseNotAMultipleOfTheCharacterCount) {
  test::FreshModule module;
  startLayout({{6, "11"}});
  EXPECT_EQ(resultOf(talk({"a", "b"})),
            moved(13, 0, 12) + balloon(13, "a") + moved(14, 0, 11) + moved(13, -100, 12) + balloon(14, "b"));
}

// A scope that comes round again while its earlier balloon is still visible
// is one balloon: it takes the new text on the anchor and is neither moved
// away again nor hidden later.
TEST(Talk, ScopeComingRoundWhileVisibleIsOneBalloon) {
  test::FreshModule module;
  startLayout({{3, "2"}});
  EXPECT_EQ(resultOf(talk({"a", "", "", "", "b", "c", "d"})),
            moved(12, 0, 10) + balloon(12, "a") +
            moved(12, 0, 10) + balloon(12, "b") +
            moved(13, 0, 11) + moved(12, -100, 10) + balloon(13, "c") +
            moved(14, 0, 10) + moved(13, -100, 11) + hidden(12) + balloon(14, "d"));
}

TEST(Talk, LargestBalloonCount) {
  test::FreshModule module;
  startLayout({{3, "99"}});
  std::vector<std::string> arguments{"ZEF"};
  for (int i = 0; i < 200; ++i) arguments.push_back("u" + std::to_string(i));
  const std::string script = resultOf(arguments);
  // Utterance 99 (position 99) is the hundredth and hides the first balloon.
  const std::size_t firstHide = script.find("\\c\\b[-1]");
  ASSERT_NE(firstHide, std::string::npos);
  EXPECT_EQ(script.rfind("\\p[", firstHide), script.find(hidden(12)));
  EXPECT_LT(firstHide, script.find(balloon(12 + 99, "u99")));
  EXPECT_GT(firstHide, script.find(balloon(12 + 98, "u98")));
  EXPECT_NE(script.find(moved(12 + 100, -9800, 10)), std::string::npos);
  // Position 198 wraps round to scope 12.
  EXPECT_NE(script.find(balloon(12, "u198")), std::string::npos);
}

TEST(Talk, NumbersAtTheLimitsWrap) {
  test::FreshModule module;
  startLayout({{3, "3"}, {4, "2147483647"}, {5, "2147483647"}, {6, "2147483647"}});
  const std::string script = resultOf(talk({"a", "b", "c"}));
  // Scope max + 2 wraps to -2147483647; its signed remainder -1 names base
  // max - 1. -(max * 2) wraps to 2.
  constexpr std::int32_t max = 2147483647;
  EXPECT_TRUE(script.starts_with(moved(-2147483647, 0, max - 1, max)));
  EXPECT_NE(script.find(moved(-2147483646, 0, max, max)), std::string::npos);
  EXPECT_NE(script.find(moved(-2147483647, -2147483647, max - 1, max)), std::string::npos);
  EXPECT_NE(script.find(moved(-2147483647, 2, max - 1, max)), std::string::npos);

  startLayout({{4, "-2147483648"}});
  EXPECT_NE(resultOf(talk({"a", "b"})).find(moved(12, -2147483647 - 1, 10)), std::string::npos);
}

}  // namespace
}  // namespace zef
