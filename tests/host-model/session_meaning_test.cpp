// What the module's scripts mean, checked on the model host over whole
// sessions: where the balloons stand after a layout start, a talk, the
// settings menu, a menu choice and a growing balloon count.
#include <algorithm>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

#include "host_model.h"
#include "support/saori_client.h"
#include "support/script_pieces.h"

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

// A layout start with the defaults but `characters` characters.
std::vector<std::string> layoutStartFor(int characters) {
  std::vector<std::string> arguments = test::defaultLayoutStart();
  arguments[2] = std::to_string(characters);
  arguments.resize(10 + static_cast<std::size_t>(characters), "0");
  return arguments;
}

// A menu choice, the character whose balloon shows it and the text that
// heads its line ("･Pos-H [px] →+  ", "･Position Reset  ", ...).
struct MenuChoice {
  int character;
  std::string line;
  Segment choice;
};

std::vector<MenuChoice> menuChoices(const HostState& state, int characters) {
  std::vector<MenuChoice> found;
  for (int character = 0; character < characters; ++character) {
    for (const BalloonLine& line : state.balloons.at(character).lines) {
      for (const Segment& segment : line) {
        if (segment.kind == Segment::Kind::Choice) found.push_back({character, line.front().text, segment});
      }
    }
  }
  return found;
}

// Where picking `picked` must leave the anchor scopes that it moves, and
// only those: its line names the move, its title the amount, its balloon the
// character; `now` and `home` are where the anchors stand and where the
// layout start put them.
std::map<int, Point> expectedAnchors(const MenuChoice& picked, int characters, const std::map<int, Point>& now,
                                     const std::map<int, Point>& home) {
  std::map<int, Point> expected;
  const std::string& title = picked.choice.text;
  const int own = kAnchorBase + picked.character;
  if (picked.line.find("Pos-H") != std::string::npos) {
    expected[own] = {now.at(own).x + std::stoi(title), now.at(own).y};
  } else if (picked.line.find("Pos-V") != std::string::npos) {
    for (int c = 0; c < characters; ++c) {
      const Point at = now.at(kAnchorBase + c);
      expected[kAnchorBase + c] = {at.x, at.y - std::stoi(title)};
    }
  } else if (title == "H") {
    expected[own] = {home.at(own).x, now.at(own).y};
  } else {
    for (int c = 0; c < characters; ++c) {
      const int anchor = kAnchorBase + c;
      expected[anchor] = title == "V" ? Point{now.at(anchor).x, home.at(anchor).y} : home.at(anchor);
    }
  }
  return expected;
}

// Every choice of the menu, for one to three characters, runs a script that
// the host reads whole: it moves exactly the anchor scopes that its line and
// title name, to where they say, and raises settingZEF; "End" raises
// OnSettingZEF. The anchors stand away from home first, so that every reset
// has something to undo.
TEST(SessionMeaning, EveryMenuChoiceMovesTheAnchorsItNamesAndAsksForTheMenuAgain) {
  for (int characters = 1; characters <= 3; ++characters) {
    SCOPED_TRACE("characters " + std::to_string(characters));
    Session session;
    session.model = HostModel(characters);
    session.send(layoutStartFor(characters));
    std::map<int, Point> home;
    std::string displace;
    for (int c = 0; c < characters; ++c) {
      home[kAnchorBase + c] = session.anchorOf(c);
      displace += "\\p[" + std::to_string(kAnchorBase + c) +
                  "]\\![move,--X=7,--Y=-9,--time=0,--base=me,--option=ignore-sticky-window]";
    }
    session.model.runScript(displace);
    std::map<int, Point> now;
    for (int c = 0; c < characters; ++c) now[kAnchorBase + c] = session.anchorOf(c);
    session.send({"settingZEF"});

    const std::vector<MenuChoice> choices = menuChoices(session.state(), characters);
    ASSERT_EQ(choices.size(), static_cast<std::size_t>(characters * 10 + 6));
    ASSERT_EQ(session.state().choices.size(), choices.size());
    EXPECT_TRUE(std::count_if(session.state().notes.begin(), session.state().notes.end(),
                              [](const HostNote& note) { return !note.isAboutBalloons(); }) <= 1)
        << "only the move without --move-offset is noted, beside the balloons' places";
    for (const MenuChoice& menuChoice : choices) {
      const Segment& choice = menuChoice.choice;
      SCOPED_TRACE("character " + std::to_string(menuChoice.character) + " choice " + choice.text);
      HostModel picked = session.model;
      picked.choose(choice);
      if (choice.text == "End") {
        EXPECT_FALSE(choice.runsScript);
        EXPECT_EQ(picked.state().events, std::vector<std::string>{"OnSettingZEF"});
        continue;
      }
      ASSERT_TRUE(choice.runsScript);
      EXPECT_EQ(choice.target.find('"'), std::string::npos);
      EXPECT_EQ(picked.state().events, std::vector<std::string>{"settingZEF"});
      const std::map<int, Point> expected = expectedAnchors(menuChoice, characters, now, home);
      std::set<int> moved;
      for (const MoveRecord& move : picked.state().moves) moved.insert(move.scope);
      EXPECT_EQ(moved.size(), expected.size());
      for (const auto& [scope, window] : picked.state().windows) {
        const Rect before = session.state().windows.at(scope).rect;
        const auto target = expected.find(scope);
        const Point at{window.rect.x, window.rect.y};
        const Point should = target == expected.end() ? Point{before.x, before.y} : target->second;
        EXPECT_EQ(at, should) << "scope " << scope;
        if (target != expected.end()) EXPECT_EQ(moved.count(scope), 1u) << "scope " << scope;
      }
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

// A ghost that boots again sends startZEF: the anchors stay where the user
// shifted them, and every balloon scope is a dummy scope again.
TEST(SessionMeaning, StartZefLeavesTheAnchorsWhereTheHostHasThem) {
  Session session;
  session.send(test::defaultLayoutStart("firstZEF"));
  session.model.runScript(test::movedScope(kAnchorBase, Move{.x = -40, .y = -70}) +
                          test::movedScope(kAnchorBase + 1, Move{.x = 25}));
  const Point zero = session.anchorOf(0);
  const Point one = session.anchorOf(1);

  test::FreshModule reloaded;
  session.send(test::defaultLayoutStart("startZEF"));
  EXPECT_EQ(session.anchorOf(0), zero);
  EXPECT_EQ(session.anchorOf(1), one);
  for (int scope = kAnchorBase; scope <= balloonScope(6, 1); ++scope) {
    EXPECT_TRUE(session.state().windows.at(scope).isDummy()) << scope;
  }
  // The talk then stacks its balloons on the anchors where they stand.
  session.send(talk(2));
  EXPECT_EQ(session.at(scopeShowing(session.state(), "u0")), (Point{zero.x, zero.y - kStep}));
  EXPECT_EQ(session.at(scopeShowing(session.state(), "u1")), one);
}

// The references of the settingZEF event that `script` raises.
std::vector<std::string> raisedReferences(std::string_view script) {
  constexpr std::string_view raise = "\\![raise,settingZEF,";
  const std::size_t at = script.rfind(raise);
  if (at == std::string_view::npos) return {};
  std::vector<std::string> references;
  std::string_view rest = script.substr(at + raise.size());
  rest = rest.substr(0, rest.find(']'));
  for (std::size_t comma = rest.find(','); ; comma = rest.find(',')) {
    references.emplace_back(rest.substr(0, comma));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return references;
}

// A ghost that keeps positions: the user shifts character 0's balloons right
// by 30 and everyone's up by 10; the ghost sums what the choices' events say.
// After a restart (a new module, the windows placed afresh), the layout start
// and restoreZEF with the sums put the anchors, and the balloons a talk
// stacks on them, where the user left them. After "H&V" nothing is moved.
TEST(SessionMeaning, KeptSumsPutTheBalloonsBackWhereTheUserLeftThemAfterARestart) {
  std::map<std::string, int> sums;  // "v", "h0", "h1"
  const auto pick = [&](Session& session, int character, std::string_view line, std::string_view title) {
    session.send({"settingZEF"});
    for (const MenuChoice& offered : menuChoices(session.state(), 2)) {
      if (offered.character != character || offered.line.find(line) == std::string::npos ||
          offered.choice.text != title) {
        continue;
      }
      session.model.choose(offered.choice);
      const std::vector<std::string> said = raisedReferences(offered.choice.target);
      ASSERT_FALSE(said.empty()) << title;
      if (said[0] == "Pos-H") sums["h" + said.at(1)] += std::stoi(said.at(2));
      if (said[0] == "Pos-V") sums["v"] += std::stoi(said.at(1));
      if (said[0] == "Reset-HV") sums.clear();
      return;
    }
    FAIL() << "no choice " << title << " on " << line;
  };
  // Where the anchors and a talk's first balloon stand in a session.
  const auto places = [](Session& session) {
    session.send(talk(2));
    return std::vector<Point>{session.anchorOf(0), session.anchorOf(1),
                              session.at(scopeShowing(session.state(), "u0")),
                              session.at(scopeShowing(session.state(), "u1"))};
  };
  // A new run of the ghost, which hands the sums back after its layout start.
  const auto restarted = [&] {
    Session next;
    next.send(test::defaultLayoutStart());
    next.send({"restoreZEF", std::to_string(sums["v"]), std::to_string(sums["h0"]), std::to_string(sums["h1"])});
    return places(next);
  };

  std::vector<Point> left;
  {
    Session session;
    session.send(test::defaultLayoutStart());
    session.send({"changeZEF", "Pos_Keep", "On"});
    pick(session, 0, "Pos-H", "30");
    pick(session, 0, "Pos-V", "10");
    session.send({"settingZEF"});
    session.model.choose(menuChoices(session.state(), 2).back().choice);  // "End"
    left = places(session);
  }
  EXPECT_EQ(sums, (std::map<std::string, int>{{"h0", 30}, {"v", -10}}));
  EXPECT_EQ(restarted(), left);

  std::vector<Point> home;
  {
    Session session;
    session.send(test::defaultLayoutStart());
    home = places(session);
    session.send({"changeZEF", "Pos_Keep", "On"});
    pick(session, 0, "Position Reset", "H&V");
  }
  EXPECT_TRUE(sums.empty());
  EXPECT_EQ(restarted(), home);
  EXPECT_NE(home, left);
}

}  // namespace
}  // namespace zef::host_model
