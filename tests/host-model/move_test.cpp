// Move arithmetic of the model host: every offset pair, "fix" and omitted
// coordinates, --base=me, the defaults, and sticky groups with and without
// ignore-sticky-window.
#include <gtest/gtest.h>

#include "host_model.h"

namespace zef::host_model {
namespace {

// Scope 30 is a 200 x 300 window at (0, 0) and scope 31 a point at (0, 0);
// character 0 stands at (1670, 780), 200 x 300.
HostModel modelWithWindows() {
  HostModel model;
  model.runScript("\\p[30]\\s[7]\\p[31]\\s[__system_dummy__]");
  return model;
}

Rect rectOf(const HostModel& model, int scope) { return model.state().windows.at(scope).rect; }

struct NamedAnchor {
  const char* name;
  int halfX;  // in halves of the width: 0 left, 1 center, 2 right
  int halfY;
};

constexpr NamedAnchor kAnchors[] = {
    {"left.top", 0, 0},    {"center.top", 1, 0},    {"right.top", 2, 0},
    {"left.center", 0, 1}, {"center", 1, 1},        {"right.center", 2, 1},
    {"left.bottom", 0, 2}, {"center.bottom", 1, 2}, {"right.bottom", 2, 2},
};

Point pointOf(const Rect& rect, const NamedAnchor& anchor) {
  return {rect.x + rect.width * anchor.halfX / 2, rect.y + rect.height * anchor.halfY / 2};
}

TEST(Move, EveryOffsetPairPutsTheMovedPointOntoTheBasePointPlusTheShift) {
  for (const NamedAnchor& baseOffset : kAnchors) {
    for (const NamedAnchor& moveOffset : kAnchors) {
      // The window moves against a character; the character against the point.
      for (auto [moved, base] : {std::pair{30, 0}, std::pair{0, 31}}) {
        HostModel model = modelWithWindows();
        model.runScript("\\p[" + std::to_string(moved) + "]\\![move,--X=-7,--Y=11,--time=0,--base=" +
                        std::to_string(base) + ",--base-offset=" + baseOffset.name +
                        ",--move-offset=" + moveOffset.name + "]");
        Point target = pointOf(rectOf(model, base), baseOffset);
        Point reached = pointOf(rectOf(model, moved), moveOffset);
        EXPECT_EQ(reached, (Point{target.x - 7, target.y + 11}))
            << moved << " onto " << base << ": " << baseOffset.name << " / " << moveOffset.name;
      }
    }
  }
}

TEST(Move, TheModulesCornerPairsPlaceWindowsBesideTheirBase) {
  HostModel model = modelWithWindows();
  model.runScript("\\p[30]\\![move,--X=0,--Y=0,--base=0,--base-offset=left.top,--move-offset=right.bottom]");
  EXPECT_EQ(rectOf(model, 30), (Rect{1470, 480, 200, 300}));
  model.runScript("\\p[30]\\![move,--X=0,--Y=0,--base=1,--base-offset=right.top,--move-offset=left.bottom]");
  EXPECT_EQ(rectOf(model, 30), (Rect{1620, 480, 200, 300}));
}

TEST(Move, FixOrAnOmittedCoordinateKeepsItAndOptionNamesTakeAnyCase) {
  HostModel model = modelWithWindows();
  model.runScript("\\p[31]\\![move,--X=5,--Y=6,--base=me]");
  model.runScript("\\p[31]\\![moveasync,--X=fix,--Y=-100,--time=100,--base=0]");
  EXPECT_EQ(rectOf(model, 31), (Rect{5, 680, 0, 0}));
  model.runScript("\\p[31]\\![move,--x=0,--BASE=1,--Base-Offset=right.top]");
  EXPECT_EQ(rectOf(model, 31), (Rect{1620, 680, 0, 0}));
  model.runScript("\\p[31]\\![move,--X=fix,--Y=fix,--base=0]\\![move,--base=0]");
  EXPECT_EQ(rectOf(model, 31), (Rect{1620, 680, 0, 0}));
}

TEST(Move, BaseMeMovesAgainstTheWindowItself) {
  HostModel model = modelWithWindows();
  model.runScript("\\p[0]\\![moveasync,--X=30,--Y=-5,--time=0,--base=me,--option=ignore-sticky-window]");
  EXPECT_EQ(rectOf(model, 0), (Rect{1700, 775, 200, 300}));
  model.runScript("\\p[0]\\![move,--X=0,--Y=0,--base=me,--base-offset=right.top]");
  EXPECT_EQ(rectOf(model, 0), (Rect{1900, 775, 200, 300}));
}

TEST(Move, WithoutABaseTheDesktopIsTheBase) {
  HostModel model = modelWithWindows();
  model.runScript("\\p[30]\\![move,--X=0,--Y=0,--base-offset=right.bottom,--move-offset=right.bottom]");
  EXPECT_EQ(rectOf(model, 30), (Rect{1720, 780, 200, 300}));
}

TEST(Move, TimeAndKindAreRecorded) {
  HostModel model = modelWithWindows();
  model.runScript("\\p[31]\\![moveasync,--X=3,--Y=4,--time=250,--base=me,--option=ignore-sticky-window]"
                  "\\![move,--X=1,--Y=1,--time=0,--base=me]");
  const auto& moves = model.state().moves;
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].time, "250");
  EXPECT_TRUE(moves[0].async);
  EXPECT_TRUE(moves[0].alone);
  EXPECT_EQ(moves[0].by, (Point{3, 4}));
  EXPECT_FALSE(moves[1].async);
}

TEST(StickyGroup, MovingOneMemberMovesTheOthersBySameAmount) {
  HostModel model = modelWithWindows();
  model.runScript("\\![set,sticky-window,0,30,31]\\p[31]\\![move,--X=100,--Y=50,--base=me]");
  EXPECT_EQ(rectOf(model, 31), (Rect{100, 50, 0, 0}));
  EXPECT_EQ(rectOf(model, 30), (Rect{100, 50, 200, 300}));
  EXPECT_EQ(rectOf(model, 0), (Rect{1770, 830, 200, 300}));
  EXPECT_EQ(rectOf(model, 1), (Rect{1420, 780, 200, 300}));
}

TEST(StickyGroup, IgnoreStickyWindowMovesOnlyTheScope) {
  HostModel model = modelWithWindows();
  model.runScript("\\![set,sticky-window,0,30,31]\\p[31]"
                  "\\![move,--X=100,--Y=50,--base=me,--option=ignore-sticky-window]");
  EXPECT_EQ(rectOf(model, 31), (Rect{100, 50, 0, 0}));
  EXPECT_EQ(rectOf(model, 30), (Rect{0, 0, 200, 300}));
  EXPECT_EQ(rectOf(model, 0), (Rect{1670, 780, 200, 300}));
}

TEST(StickyGroup, AGroupNamingAGroupedScopeIsRefusedUntilTheGroupsAreReset) {
  HostModel model = modelWithWindows();
  model.runScript("\\![set,sticky-window,0,10,12]\\![set,sticky-window,1,11]");
  model.runScript("\\![set,sticky-window,24,12]\\![set,sticky-window,30,31]");
  const HostState& state = model.state();
  EXPECT_EQ(state.groups, (std::vector<std::set<int>>{{0, 10, 12}, {1, 11}, {30, 31}}));
  ASSERT_EQ(state.notes.size(), 1u);
  EXPECT_EQ(state.notes[0].kind, HostNote::Kind::RefusedGroup);
  EXPECT_EQ(state.notes[0].command, "\\![set,sticky-window,24,12]");
  EXPECT_EQ(state.notes[0].detail, 12);

  model.runScript("\\![reset,sticky-window]\\![set,sticky-window,0,24,12]");
  EXPECT_EQ(model.state().groups, (std::vector<std::set<int>>{{0, 12, 24}}));
  EXPECT_TRUE(model.state().notes.empty());
}

}  // namespace
}  // namespace zef::host_model
