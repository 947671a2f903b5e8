// The command table: command words, argument counts, the argument error
// notice of the layout start commands, and what a refusal leaves alone.
#include <gtest/gtest.h>

#include "module/command_table.h"
#include "module/entries.h"
#include "support/saori_client.h"
#include "support/shift_jis_text.h"

namespace zef {
namespace {

using test::defaultLayoutStart;
using test::resultOf;

// A layout start naming `characters` in Argument2, with `count` arguments.
ArgumentList layoutStart(std::string characters, std::size_t count) {
  ArgumentList arguments = defaultLayoutStart();
  arguments[2] = std::move(characters);
  arguments.resize(count, "0");
  return arguments;
}

TEST(ArgumentErrorNotice, IsTheSameJapaneseNoticeInShiftJisAndUtf8) {
  const std::string_view notice =
      "\\![set,trayballoon,--icon=error,--title=ZEF Argument Error,--text="
      "ZEFの起動に失敗しました。\\n引数を確認してください。]";
  ASSERT_EQ(argumentErrorNotice(Charset::shiftJis).size(), 118u);
  EXPECT_EQ(test::shiftJisAsUtf8(argumentErrorNotice(Charset::shiftJis)), notice);
  EXPECT_EQ(argumentErrorNotice(Charset::utf8), notice);

  // The request's charset picks the form.
  test::FreshModule module;
  EXPECT_EQ(resultOf({"firstZEF"}, Charset::utf8), notice);
  EXPECT_EQ(resultOf({"firstZEF"}), argumentErrorNotice(Charset::shiftJis));
}

TEST(CommandTable, LayoutStartNeedsOneOffsetPerCharacterItNames) {
  test::FreshModule module;
  ModuleState& state = *currentModuleState();

  EXPECT_EQ(resultOf(layoutStart("2", 11)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_FALSE(state.layoutStarted);
  EXPECT_NE(resultOf(layoutStart("2", 12)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_TRUE(state.layoutStarted);

  // The stored count plays no part: 1 character needs 11 arguments, 3 need 13.
  EXPECT_NE(resultOf(layoutStart("1", 11)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_EQ(state.characterCount, 1);
  EXPECT_NE(resultOf(layoutStart("3", 13)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_EQ(resultOf(layoutStart("3", 12)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_EQ(state.characterCount, 3);
}

TEST(CommandTable, CharacterCountsBelowOneCountAsOne) {
  test::FreshModule module;
  for (const char* characters : {"0", "-3", "abc"}) {
    EXPECT_EQ(resultOf(layoutStart(characters, 10)), argumentErrorNotice(Charset::shiftJis)) << characters;
    EXPECT_NE(resultOf(layoutStart(characters, 11)), argumentErrorNotice(Charset::shiftJis)) << characters;
    EXPECT_EQ(currentModuleState()->characterCount, 1);
  }
}

TEST(CommandTable, ShortOrHugeLayoutStartsGetTheNoticeAndChangeNothing) {
  test::FreshModule module;
  const ModuleState before = *currentModuleState();
  for (std::size_t count = 1; count < 10; ++count) {
    EXPECT_EQ(resultOf(layoutStart("1", count)), argumentErrorNotice(Charset::shiftJis)) << count;
  }
  // An Argument2 at the 32-bit limit must not overflow the count test.
  EXPECT_EQ(resultOf(layoutStart("2147483647", 12)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_EQ(resultOf(layoutStart("99999999999", 12)), argumentErrorNotice(Charset::shiftJis));
  EXPECT_EQ(resultOf(layoutStart("2147483647", 12)).size(), argumentErrorNotice(Charset::shiftJis).size());
  const ModuleState& after = *currentModuleState();
  EXPECT_FALSE(after.layoutStarted);
  EXPECT_EQ(after.characterCount, before.characterCount);
  EXPECT_TRUE(after.surfaceOffsets.empty());
}

TEST(CommandTable, RefusedLayoutStartKeepsTheEarlierLayout) {
  test::FreshModule module;
  ArgumentList first = defaultLayoutStart("firstZEF");
  first[4] = "40";
  first[10] = "7";
  resultOf(first);

  ArgumentList refused = defaultLayoutStart("startZEF");
  refused[2] = "3";
  refused[4] = "55";
  EXPECT_EQ(resultOf(refused), argumentErrorNotice(Charset::shiftJis));

  const ModuleState& state = *currentModuleState();
  EXPECT_TRUE(state.layoutStarted);
  EXPECT_EQ(state.characterCount, 2);
  EXPECT_EQ(state.moveStep, 40);
  EXPECT_EQ(state.surfaceOffsets, (std::vector<std::int32_t>{7, 0}));
}

TEST(CommandTable, UnknownWordsAndWrongCountsGetAnEmptyResult) {
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  for (const ArgumentList& arguments : std::vector<ArgumentList>{
           {},
           {""},
           {"zef", "x"},
           {"ZEF "},
           {"ZEF"},
           {"FirstZEF"},
           {"changeZEF"},
           {"changeZEF", "Bl_Move"},
           {"changeZEF", "Bl_Move", "5", "x"},
           {"changeZEF", "Bl_Num", "8", ""},
           {"SETTINGZEF"},
       }) {
    EXPECT_EQ(resultOf(arguments), "") << ::testing::PrintToString(arguments);
  }
  EXPECT_EQ(currentModuleState()->moveStep, 100);
  EXPECT_EQ(currentModuleState()->balloonCount, 6);
}

TEST(CommandTable, EveryLayoutStartSurfaceOffsetsMatchTheCharacterCount) {
  test::FreshModule module;
  for (const char* characters : {"1", "4", "2"}) {
    const std::size_t count = 10 + static_cast<std::size_t>(std::stoi(characters));
    resultOf(layoutStart(characters, count));
    const ModuleState& state = *currentModuleState();
    EXPECT_EQ(state.surfaceOffsets.size(), static_cast<std::size_t>(state.characterCount));
  }
}

}  // namespace
}  // namespace zef
