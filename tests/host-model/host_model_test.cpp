// The model host's tags: scopes, surfaces, balloons and their text, choices,
// events and the log of tags it only records.
#include "host_model.h"

#include <gtest/gtest.h>

#include "host_notes.h"
#include "sample_scripts.h"

namespace zef::host_model {
namespace {

std::string firstLineText(const Balloon& balloon) {
  const BalloonLine& line = balloon.lines.front();
  return line.empty() ? "" : line.front().text;
}

TEST(HostModel, CharactersStandOnTheBottomEdgeFromTheRight) {
  HostModel model(3, Size{180, 320});
  EXPECT_EQ(model.state().windows.at(0).rect, (Rect{1670, 760, 180, 320}));
  EXPECT_EQ(model.state().windows.at(2).rect, (Rect{1170, 760, 180, 320}));
  EXPECT_TRUE(model.state().windows.at(1).isCharacter);
}

TEST(HostModel, ExtraScopesStartAsHiddenPointsAndDummiesArePoints) {
  HostModel model;
  model.runScript("\\p[30]\\p[31]\\s[__system_dummy__]\\p[32]\\s[7]");
  const auto& windows = model.state().windows;
  EXPECT_FALSE(windows.at(30).visible);
  EXPECT_EQ(windows.at(30).rect, Rect{});
  EXPECT_TRUE(windows.at(31).visible);
  EXPECT_TRUE(windows.at(31).isDummy());
  EXPECT_EQ(windows.at(31).rect, Rect{});
  EXPECT_EQ(windows.at(32).rect, (Rect{0, 0, 200, 300}));
}

TEST(HostModel, TextGoesToTheCurrentScopesBalloonAndShowsIt) {
  HostModel model;
  model.runScript("zero\\p[12]twelve\\n more\\1one");
  const auto& balloons = model.state().balloons;
  EXPECT_EQ(firstLineText(balloons.at(0)), "zero");
  EXPECT_EQ(firstLineText(balloons.at(1)), "one");
  const Balloon& twelve = balloons.at(12);
  EXPECT_TRUE(twelve.shown);
  ASSERT_EQ(twelve.lineCount(), 2);
  EXPECT_EQ(twelve.lines[1].front().text, " more");
}

TEST(HostModel, ALineBreakWithAHeightIsThatPercentOfALine) {
  HostModel model;
  model.runScript("\\p[12]a\\n[200]b\\n[50]c\\n[half]d\\n[-5]e\\nf");
  const Balloon& balloon = model.state().balloons.at(12);
  EXPECT_EQ(balloon.lineTops, (std::vector<int>{0, 200, 250, 300, 300, 400}));
  EXPECT_EQ(model.state().balloonArea(12), (Rect{-260, 0, 260, 24 * 5}));
}

TEST(HostModel, BalloonsStandLeftOfEvenScopesAndRightOfOddOnes) {
  HostModel model;
  model.runScript("\\p[0]a\\p[1]b");
  EXPECT_EQ(model.state().balloonArea(0), (Rect{1410, 780, 260, 60}));
  EXPECT_EQ(model.state().balloonArea(1), (Rect{1620, 780, 260, 60}));
}

TEST(HostModel, ClearEmptiesAndMinusOneHides) {
  HostModel model;
  model.runScript("\\p[12]old\\c\\b[3]new\\p[13]gone\\c\\b[-1]");
  const Balloon& twelve = model.state().balloons.at(12);
  EXPECT_TRUE(twelve.shown);
  EXPECT_EQ(twelve.number, 3);
  EXPECT_EQ(firstLineText(twelve), "new");
  const Balloon& thirteen = model.state().balloons.at(13);
  EXPECT_FALSE(thirteen.shown);
  EXPECT_FALSE(thirteen.hasText());
}

TEST(HostModel, EachScriptIsANewTalkWithTheBalloonsOwnNumbersButWindowsStay) {
  HostModel model;
  model.runScript("\\p[12]\\s[__system_dummy__]\\b[2]\\![move,--X=5,--Y=6]text\\![raise,A]\\e");
  EXPECT_EQ(model.state().balloons.at(12).number, 2);
  model.runScript("\\p[13]other");
  const HostState& state = model.state();
  EXPECT_FALSE(state.balloons.at(12).shown);
  EXPECT_EQ(state.balloons.at(12).number, 0);
  EXPECT_EQ(state.windows.at(12).rect, (Rect{5, 6, 0, 0}));
  EXPECT_TRUE(state.events.empty());
  EXPECT_TRUE(state.moves.empty());
}

TEST(HostModel, ChoicesKeepTitleAndTargetWithBracketsReadBack) {
  HostModel model;
  model.runScript(std::string(samples::kShiftChoice) + "/\\q[End,OnSettingZEF]");
  const BalloonLine& line = model.state().balloons.at(0).lines.front();
  ASSERT_EQ(line.size(), 4u);
  EXPECT_EQ(line[0].kind, Segment::Kind::Marker);
  EXPECT_EQ(line[1].kind, Segment::Kind::Choice);
  EXPECT_EQ(line[1].text, "30");
  EXPECT_TRUE(line[1].runsScript);
  EXPECT_EQ(line[1].target,
            "\\p[10]\\![moveasync,--X=30,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]"
            "\\![raise,settingZEF]");
  EXPECT_EQ(line[2].text, "/");
  EXPECT_FALSE(line[3].runsScript);
  EXPECT_EQ(line[3].target, "OnSettingZEF");
}

// Written unquoted, a choice script is cut at its first comma: the model runs
// what the host keeps of it, and says why.
TEST(HostModel, AChoiceScriptCutAtACommaIsNoted) {
  HostModel model;
  model.runScript("\\p[10]\\q[30,script:\\p[10\\]\\![moveasync,--X=30\\]\\![raise,settingZEF\\]]"
                  "\\q[5,script:\\p[10\\]\\![moveasync,--X=5\\]]");
  const HostNote& note = model.state().notes.front();
  EXPECT_EQ(note.kind, HostNote::Kind::CutChoice);
  EXPECT_EQ(note.more, 1);
  const Segment cut = model.state().choices.front().choice;
  EXPECT_EQ(cut.target, "\\p[10]\\![moveasync");
  const Rect before = model.state().windows.at(10).rect;
  model.choose(cut);
  EXPECT_EQ(model.state().windows.at(10).rect, before);
  EXPECT_TRUE(model.state().events.empty());
}

TEST(HostModel, RaisedEventsAndOtherTagsAreRecorded) {
  HostModel model;
  model.runScript("\\_q\\![set,trayballoon,--icon=error,--title=T,--text=\x95\x5C\\n]"
                  "\\p[12]\\f[height,12]\\![set,alignmenttodesktop,free]\\![raise,OnChangeZEF]\\p[zef]"
                  "\\*\\![set,balloontimeout,0]\\e\\![raise,late]");
  const HostState& state = model.state();
  EXPECT_EQ(state.events, std::vector<std::string>{"OnChangeZEF"});
  EXPECT_EQ(state.logs.at(0), (std::vector<std::string>{
                                 "\\_q", "\\![set,trayballoon,--icon=error,--title=T,--text=\x95\x5C\\n]"}));
  EXPECT_EQ(state.logs.at(12), (std::vector<std::string>{"\\f[height,12]", "\\![set,alignmenttodesktop,free]",
                                                          "\\p[zef]", "\\*", "\\![set,balloontimeout,0]"}));
}

TEST(HostModel, DefaultLayoutAndTalkPutEveryBalloonWhereItBelongs) {
  HostModel model;
  model.runScript(samples::firstZef());
  const HostState& placed = model.state();
  for (int scope = 10; scope <= 23; scope += 2) EXPECT_EQ(placed.windows.at(scope).rect, (Rect{1670, 780, 0, 0}));
  for (int scope = 11; scope <= 23; scope += 2) EXPECT_EQ(placed.windows.at(scope).rect, (Rect{1620, 780, 0, 0}));

  model.runScript(samples::threeUtterances());
  const HostState& state = model.state();
  EXPECT_EQ(state.windows.at(0).surface, "5");
  EXPECT_EQ(state.windows.at(1).surface, "10");
  EXPECT_EQ(state.balloonArea(14), (Rect{1410, 780, 260, 60}));
  EXPECT_EQ(state.balloonArea(13), (Rect{1620, 680, 260, 60}));
  EXPECT_EQ(state.balloonArea(12), (Rect{1410, 580, 260, 60}));
  EXPECT_EQ(firstLineText(state.balloons.at(12)), "Hello.");
  EXPECT_EQ(state.balloons.count(0), 0u);
  EXPECT_EQ(state.moves.size(), 6u);
}

// The ghost's words around a talk: before it in scope 0, after it in the
// balloon of the talk's last utterance, where the talk leaves the scope.
TEST(HostModel, TheGhostsWordsLandWhereTheHostPutsThem) {
  HostModel model;
  model.runScript(samples::firstZef());
  model.runScript(samples::threeUtterances(), Charset::shiftJis, {"Well,", " see you."});
  const HostState& state = model.state();
  EXPECT_EQ(state.currentScope, 14);
  const BalloonLine& last = state.balloons.at(14).lines.front();
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[0].text, "Bye.");
  EXPECT_FALSE(last[0].ghostsOwn);
  EXPECT_EQ(last[1].text, " see you.");
  EXPECT_TRUE(last[1].ghostsOwn);
  EXPECT_EQ(firstLineText(state.balloons.at(0)), "Well,");

  model.runScript("\\p[12]Hi.\\e", Charset::shiftJis, {"", "\\p[13]never"});
  EXPECT_FALSE(model.state().balloons.at(13).shown);
  EXPECT_EQ(model.state().currentScope, 12);
}

// Balloons one above the other closer than their height, and a balloon off
// the screen: each noted, in both languages, with what the author changes.
TEST(HostModel, BalloonsOverOneAnotherOrOffTheScreenAreNotedWithWhatToChange) {
  HostModel model(1);
  const std::string at = "\\s[__system_dummy__]\\![move,--X=400,--move-offset=left.top,--Y=";
  model.runScript("\\p[12]" + at + "100]a\\p[14]" + at + "140]b\\p[16]" + at + "1050]c");
  const std::vector<HostNote>& notes = model.state().notes;
  ASSERT_EQ(notes.size(), 3u);  // the dummy surface, the overlap, the screen
  EXPECT_EQ(noteText(notes[1], Charset::shiftJis),
            "the balloon of scope 12 overlaps that of scope 14, one above the other: make the step (Argument4, "
            "changeZEF Bl_Move) larger than the balloon's height, 60 px");
  EXPECT_NE(noteText(notes[1], Charset::shiftJis, Language::japanese).find("バルーンの高さ 60 px より大きく"),
            std::string::npos);
  EXPECT_EQ(notes[2].kind, HostNote::Kind::BalloonOffScreen);
  EXPECT_EQ(notes[2].scope, 16);
}

}  // namespace
}  // namespace zef::host_model
