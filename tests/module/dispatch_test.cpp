// Choosing the command: command words, argument counts, and the argument
// error notice of the layout start commands.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "module/dispatch.h"
#include "module/base/host_script.h"
#include "module/module_instance.h"
#include "support/saori_client.h"

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

TEST(ArgumentErrorNotice, IsTheJapaneseNoticeInShiftJis) {
  ASSERT_EQ(argumentErrorNotice.size(), 118u);
#ifdef ZEF_ICONV
  const std::string path = ::testing::TempDir() + "zef_notice.txt";
  std::ofstream(path, std::ios::binary) << argumentErrorNotice;
  const std::string command = std::string(ZEF_ICONV) + " -f CP932 -t UTF-8 " + path;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string utf8;
  for (int byte; (byte = std::fgetc(pipe)) != EOF;) utf8 += static_cast<char>(byte);
  ASSERT_EQ(pclose(pipe), 0);
  EXPECT_EQ(utf8,
            "\\![set,trayballoon,--icon=error,--title=ZEF Argument Error,--text="
            "ZEFの起動に失敗しました。\\n引数を確認してください。]");
#else
  GTEST_SKIP() << "iconv not found";
#endif
}

TEST(Dispatch, LayoutStartNeedsOneOffsetPerCharacterItNames) {
  test::FreshModule module;
  ModuleState& state = *currentModuleState();

  EXPECT_EQ(resultOf(layoutStart("2", 11)), argumentErrorNotice);
  EXPECT_FALSE(state.layoutStarted);
  EXPECT_NE(resultOf(layoutStart("2", 12)), argumentErrorNotice);
  EXPECT_TRUE(state.layoutStarted);

  // The stored count plays no part: 1 character needs 11 arguments, 3 need 13.
  EXPECT_NE(resultOf(layoutStart("1", 11)), argumentErrorNotice);
  EXPECT_EQ(state.characterCount, 1);
  EXPECT_NE(resultOf(layoutStart("3", 13)), argumentErrorNotice);
  EXPECT_EQ(resultOf(layoutStart("3", 12)), argumentErrorNotice);
  EXPECT_EQ(state.characterCount, 3);
}

TEST(Dispatch, CharacterCountsBelowOneCountAsOne) {
  test::FreshModule module;
  for (const char* characters : {"0", "-3", "abc"}) {
    EXPECT_EQ(resultOf(layoutStart(characters, 10)), argumentErrorNotice) << characters;
    EXPECT_NE(resultOf(layoutStart(characters, 11)), argumentErrorNotice) << characters;
    EXPECT_EQ(currentModuleState()->characterCount, 1);
  }
}

TEST(Dispatch, ShortOrHugeLayoutStartsGetTheNoticeAndChangeNothing) {
  test::FreshModule module;
  const ModuleState before = *currentModuleState();
  for (std::size_t count = 1; count < 10; ++count) {
    EXPECT_EQ(resultOf(layoutStart("1", count)), argumentErrorNotice) << count;
  }
  // An Argument2 at the 32-bit limit must not overflow the count test.
  EXPECT_EQ(resultOf(layoutStart("2147483647", 12)), argumentErrorNotice);
  EXPECT_EQ(resultOf(layoutStart("99999999999", 12)), argumentErrorNotice);
  EXPECT_EQ(resultOf(layoutStart("2147483647", 12)).size(), argumentErrorNotice.size());
  const ModuleState& after = *currentModuleState();
  EXPECT_FALSE(after.layoutStarted);
  EXPECT_EQ(after.characterCount, before.characterCount);
  EXPECT_TRUE(after.surfaceOffsets.empty());
}

TEST(Dispatch, RefusedLayoutStartKeepsAnEarlierLayout) {
  test::FreshModule module;
  resultOf(defaultLayoutStart());
  ModuleState& state = *currentModuleState();
  ASSERT_TRUE(state.layoutStarted);
  const std::vector<std::int32_t> offsets = state.surfaceOffsets;
  EXPECT_EQ(resultOf(layoutStart("5", 12)), argumentErrorNotice);
  EXPECT_TRUE(state.layoutStarted);
  EXPECT_EQ(state.surfaceOffsets, offsets);
}

TEST(Dispatch, UnknownWordsAndWrongCountsGetAnEmptyResult) {
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
           {"SETTINGZEF"},
       }) {
    EXPECT_EQ(resultOf(arguments), "") << ::testing::PrintToString(arguments);
  }
  EXPECT_EQ(currentModuleState()->moveStep, 100);
}

TEST(Dispatch, EveryLayoutStartSurfaceOffsetsMatchTheCharacterCount) {
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
