// What the module's scripts mean, checked on the model host over whole
// sessions: where the balloons stand after a layout start, a talk, the
// settings menu, a menu choice and a growing balloon count.
#include <gtest/gtest.h>

#include "host_model.h"
#include "support/saori_client.h"

namespace zef::host_model {
namespace {

constexpr int kAnchorBase = 10;  // the default layout's first dummy scope
constexpr int kStep = 100;

// A freshly loaded module and a model host that runs everything it answers.
struct Session {
  test::FreshModule module;
  HostModel model;

  void send(const std::vector<std::string>& arguments) { model.runScript(test::resultOf(arguments)); }
  const HostState& state() const { return model.state(); }
  Point at(int scope) const { return {state().windows.at(scope).rect.x, state().windows.at(scope).rect.y}; }
  Point anchorOf(int character) const { return at(kAnchorBase + character); }
};

int balloonScope(int level, int character) { return kAnchorBase + level * 2 + character; }

std::string textOf(const Balloon& balloon) {
  std::string text;
  for (const BalloonLine& line : balloon.lines) {
    for (const Segment& segment : line) text += segment.text;
  }
  return text;
}

// The scope whose shown balloon holds exactly `text`, or -1.
int scopeShowing(const HostState& state, const std::string& text) {
  for (const auto& [scope, balloon] : state.balloons) {
    if (balloon.shown && textOf(balloon) == text) return scope;
  }
  return -1;
}

int shownWithText(const HostState& state) {
  int count = 0;
  for (const auto& [scope, balloon] : state.balloons) count += balloon.shown && balloon.hasText() ? 1 : 0;
  return count;
}

std::vector<std::string> talk(int utterances, int first = 0) {
  std::vector<std::string> arguments{"ZEF"};
  for (int i = first; i < first + utterances; ++i) arguments.push_back("u" + std::to_string(i));
  return arguments;
}

TEST(SessionMeaning, AfterTheDefaultLayoutStartEveryBalloonScopeStandsOnItsAnchor) {
  Session session;
  session.send(test::defaultLayoutStart());
  const Rect zero = session.state().windows.at(0).rect;
  const Rect one = session.state().windows.at(1).rect;
  EXPECT_EQ(session.anchorOf(0), (Point{zero.x, zero.y}));               // left top of character 0
  EXPECT_EQ(session.anchorOf(1), (Point{one.x + one.width, one.y}));     // right top of character 1
  for (int level = 1; level <= 6; ++level) {
    for (int character = 0; character < 2; ++character) {
      int scope = balloonScope(level, character);
      EXPECT_TRUE(session.state().windows.at(scope).isDummy()) << scope;
      EXPECT_EQ(session.at(scope), session.anchorOf(character)) << scope;
      EXPECT_EQ(session.state().groupOf(scope), session.state().groupOf(character)) << scope;
    }
  }
}

TEST(SessionMeaning, ATalkOfSevenShowsSixBalloonsStackedFromTheNewest) {
  Session session;
  session.send(test::defaultLayoutStart());
  session.send(talk(7));
  const HostState& state = session.state();
  EXPECT_EQ(shownWithText(state), 6);
  EXPECT_EQ(scopeShowing(state, "u0"), -1);
  for (int i = 1; i <= 6; ++i) {
    int character = i % 2;
    int scope = scopeShowing(state, "u" + std::to_string(i));
    ASSERT_NE(scope, -1) << i;
    EXPECT_EQ((scope - kAnchorBase) % 2, character) << i;
    Point anchor = session.anchorOf(character);
    EXPECT_EQ(session.at(scope), (Point{anchor.x, anchor.y - kStep * (6 - i)})) << i;
  }
}

TEST(SessionMeaning, TheSettingsMenuLabelsEveryBalloonScopeAtItsStackedPlace) {
  Session session;
  session.send(test::defaultLayoutStart());
  session.send({"settingZEF"});
  for (int level = 1; level <= 6; ++level) {
    for (int character = 0; character < 2; ++character) {
      int scope = balloonScope(level, character);
      std::string label = std::to_string(character) + " - " + std::to_string(level - 1);
      EXPECT_EQ(scopeShowing(session.state(), label), scope) << label;
      Point anchor = session.anchorOf(character);
      EXPECT_EQ(session.at(scope), (Point{anchor.x, anchor.y - kStep * (level - 1)})) << label;
    }
  }
}

// The choices on the "Pos-H" line of a character's menu section.
std::vector<Segment> positionChoices(const HostState& state, int character) {
  for (const BalloonLine& line : state.balloons.at(character).lines) {
    if (line.empty() || !line.front().text.starts_with("\xA5Pos-H")) continue;
    std::vector<Segment> choices;
    for (const Segment& segment : line) {
      if (segment.kind == Segment::Kind::Choice) choices.push_back(segment);
    }
    return choices;
  }
  return {};
}

TEST(SessionMeaning, APositionChoiceMovesOnlyItsCharactersAnchorByItsTitle) {
  Session session;
  session.send(test::defaultLayoutStart());
  session.send({"settingZEF"});
  for (int character = 0; character < 2; ++character) {
    std::vector<Segment> choices = positionChoices(session.state(), character);
    ASSERT_EQ(choices.size(), 6u) << character;
    for (const Segment& choice : choices) {
      ASSERT_TRUE(choice.runsScript);
      HostModel picked = session.model;
      picked.runScript(choice.target);
      int anchor = kAnchorBase + character;
      for (const auto& [scope, window] : picked.state().windows) {
        Rect before = session.state().windows.at(scope).rect;
        Rect expected = scope == anchor ? Rect{before.x + std::stoi(choice.text), before.y, 0, 0} : before;
        EXPECT_EQ(window.rect, expected) << "choice " << choice.text << ", scope " << scope;
      }
      EXPECT_EQ(picked.state().events, std::vector<std::string>{"settingZEF"});
    }
  }
}

// The host refuses to regroup a character that is already grouped, so the
// added scopes stay out of its group; the talk moves each balloon alone and
// does not need them in it.
TEST(SessionMeaning, MoreBalloonLevelsAddScopesThatJoinTheTalk) {
  Session session;
  session.send(test::defaultLayoutStart());
  session.send({"changeZEF", "Bl_Num", "8"});
  EXPECT_EQ(session.state().events, std::vector<std::string>{"OnChangeZEF"});
  for (int scope = 24; scope <= 27; ++scope) {
    EXPECT_EQ(session.at(scope), session.anchorOf(scope % 2)) << scope;
    EXPECT_EQ(session.state().groupOf(scope), nullptr) << scope;
  }
  session.send(talk(16));
  EXPECT_EQ(shownWithText(session.state()), 8);
  for (int i = 8; i < 16; ++i) {
    int scope = scopeShowing(session.state(), "u" + std::to_string(i));
    Point anchor = session.anchorOf(i % 2);
    EXPECT_EQ(session.at(scope), (Point{anchor.x, anchor.y - kStep * (15 - i)})) << i;
  }
  EXPECT_EQ(scopeShowing(session.state(), "u15"), 27);
  EXPECT_EQ(scopeShowing(session.state(), "u12"), 24);
}

}  // namespace
}  // namespace zef::host_model
