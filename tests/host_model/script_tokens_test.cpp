// The model host's reading of SakuraScript: tags, brackets, escapes and
// Shift-JIS characters whose second byte looks like a backslash or bracket.
#include "script_tokens.h"

#include <gtest/gtest.h>

namespace zef::host_model {
namespace {

TEST(ScriptTokens, CutsTagsAndTextTheWayTheModuleWritesThem) {
  auto tokens = tokenize("\\p[12]\\b[0]Hi.\\n[200]\\_q\\*\\s5\\![raise,settingZEF]x\\n");
  ASSERT_EQ(tokens.size(), 10u);
  EXPECT_EQ(tokens[0].name, "p");
  EXPECT_EQ(tokens[0].bracket, "12");
  EXPECT_EQ(tokens[2].kind, Token::Kind::Text);
  EXPECT_EQ(tokens[2].text, "Hi.");
  EXPECT_EQ(tokens[3].name, "n");
  EXPECT_EQ(tokens[3].bracket, "200");
  EXPECT_EQ(tokens[4].name, "_q");
  EXPECT_EQ(tokens[5].name, "*");
  EXPECT_EQ(tokens[6].name, "s");
  EXPECT_EQ(tokens[6].shortArgument, "5");
  EXPECT_EQ(tokens[7].name, "!");
  EXPECT_EQ(tokens[7].text, "\\![raise,settingZEF]");
  EXPECT_EQ(tokens[9].name, "n");
  EXPECT_FALSE(tokens[9].hasBracket);
}

TEST(ScriptTokens, TextAfterABracketedTagStaysText) {
  auto tokens = tokenize("\\p[0][0] ZEF");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[1].text, "[0] ZEF");
}

TEST(ScriptTokens, EscapedBracketsStayInsideTheTag) {
  auto tokens = tokenize("\\q[30,script:\\p[10\\]\\![raise,settingZEF\\]]/");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].bracket, "30,script:\\p[10\\]\\![raise,settingZEF\\]");
  EXPECT_EQ(unescapeBracket(tokens[0].bracket), "30,script:\\p[10]\\![raise,settingZEF]");
  EXPECT_EQ(tokens[1].text, "/");
}

TEST(ScriptTokens, DoubleByteCharactersHideTheirTrailBytes) {
  // 0x95 0x5C is one kanji whose second byte is 0x5C; 0x83 0x5D ends in 0x5D.
  auto tokens = tokenize("\x95\x5Cs[5]\\![raise,a\x83\x5D]");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].text, "\x95\x5Cs[5]");
  EXPECT_EQ(tokens[1].bracket, "raise,a\x83\x5D");
}

TEST(ScriptTokens, DoubledBackslashIsText) {
  auto tokens = tokenize("a\\\\b");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].text, "a\\b");
}

TEST(ScriptTokens, UnclosedBracketLeavesTheTagBare) {
  auto tokens = tokenize("\\p[12");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_FALSE(tokens[0].hasBracket);
  EXPECT_EQ(tokens[1].text, "[12");
}

TEST(ScriptTokens, ArgumentsSplitAtCommasOutsideEscapes) {
  auto parts = splitArguments("move,--X=fix,--base=me");
  EXPECT_EQ(parts, (std::vector<std::string>{"move", "--X=fix", "--base=me"}));
  EXPECT_EQ(splitArguments(""), std::vector<std::string>{""});
}

}  // namespace
}  // namespace zef::host_model
