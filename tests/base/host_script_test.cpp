// The host script writer: the one place that pins how the host spells a
// scope switch, a move, a raise and a choice, and the bounds that size scripts by them.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "base/host_script.h"

namespace zef {
namespace {

constexpr std::int32_t minInt = std::numeric_limits<std::int32_t>::min();

std::string written(const Move& move) {
  std::string out;
  appendMove(out, move);
  return out;
}

TEST(HostScript, SpellsEachPieceAsTheHostReadsIt) {
  EXPECT_EQ(scopeSwitch(12), "\\p[12]");
  EXPECT_EQ(scopeSwitch(-3), "\\p[-3]");
  EXPECT_EQ(written(Move{}), "\\![move,--X=0,--Y=0,--time=0,--base=me]");
  EXPECT_EQ(written(Move{.async = true, .x = fix, .y = -100, .time = 100, .base = 10,
                         .corners = Corners::leftOfBase, .ignoreSticky = true}),
            "\\![moveasync,--X=fix,--Y=-100,--time=100,--base=10,--base-offset=left.top,"
            "--move-offset=right.bottom,--option=ignore-sticky-window]");
  EXPECT_EQ(written(Move{.x = 30, .y = fix, .base = 1, .corners = Corners::rightOfBase}),
            "\\![move,--X=30,--Y=fix,--time=0,--base=1,--base-offset=right.top,--move-offset=left.bottom]");
  std::string raise;
  appendRaise(raise, "OnChangeZEF");
  EXPECT_EQ(raise, "\\![raise,OnChangeZEF]");
  raise.clear();
  appendRaise(raise, "settingZEF", {std::string_view("Pos-H"), 0, -30});
  EXPECT_EQ(raise, "\\![raise,settingZEF,Pos-H,0,-30]");
}

// A layout of millions of fragments is sized from these bounds once; a move
// that outgrew them would make the script grow again and again.
TEST(HostScript, BoundsHoldForTheWidestMoves) {
  EXPECT_EQ(scopeSwitch(minInt).size(), maxScopeSwitchBytes);
  const Move widest{.async = true, .x = minInt, .y = minInt, .time = minInt, .base = minInt,
                    .corners = Corners::rightOfBase, .ignoreSticky = true};
  EXPECT_EQ(written(widest).size(), maxMoveBytes);
  EXPECT_LE(written(Move{.x = fix, .y = fix, .base = me, .corners = Corners::leftOfBase, .ignoreSticky = true}).size(),
            maxMoveBytes);
  std::string raise;
  appendRaise(raise, "settingZEF");
  EXPECT_EQ(raise.size(), raiseBytes("settingZEF"));
}

// The tags with values beside the moves, and their bounds against the widest
// of each that the writer writes.
TEST(HostScript, SpellsTheOtherTagsAndBoundsThem) {
  std::string out;
  appendEventChoice(out, "End", event::menuClosed);
  EXPECT_EQ(out, "\\q[End,OnSettingZEF]");
  EXPECT_EQ(out.size(), eventChoiceBytes(3, event::menuClosed));

  out.clear();
  appendBalloonHeader(out, 0, "default", 12);
  EXPECT_EQ(out, "\\b[0]\\f[name,default]\\f[height,12]");
  out.clear();
  appendBalloonHeader(out, minInt, "MS Gothic", minInt);
  EXPECT_EQ(out.size(), balloonHeaderBytes(9));

  out.clear();
  appendStickyWindow(out, 3, [](std::int32_t i) { return i * 10; });
  EXPECT_EQ(out, "\\![set,sticky-window,0,10,20]");
  out.clear();
  appendStickyWindow(out, 4, [](std::int32_t) { return minInt; });
  EXPECT_LE(out.size(), stickyWindowBytes(4));
  EXPECT_GE(out.size() + spelling::separator.size(), stickyWindowBytes(4));

  out.clear();
  appendTrayNotice(out, "error", "T", {"a", "b"});
  EXPECT_EQ(out, "\\![set,trayballoon,--icon=error,--title=T,--text=a\\nb]");
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
