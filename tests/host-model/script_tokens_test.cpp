// The model host's reading of SakuraScript: tags, brackets, escapes and
// Shift-JIS characters whose second byte looks like a backslash or bracket;
// quoted arguments, and choices read as the host reads them.
#include "script_tokens.h"

#include <gtest/gtest.h>

#include "choice_tag.h"

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
  auto tokens = tokenize("\\q[30,script:\\p[10\\]\\![raise\\]]/");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].bracket, "30,script:\\p[10\\]\\![raise\\]");
  EXPECT_EQ(splitArguments(tokens[0].bracket), (std::vector<std::string>{"30", "script:\\p[10]\\![raise]"}));
  // The tokenizer keeps what it read, for the tags that take arguments.
  EXPECT_EQ(argumentTexts(tokens[0].arguments), splitArguments(tokens[0].bracket));
  EXPECT_EQ(tokens[1].text, "/");
}

// From the second argument on, a quoted argument keeps its commas and "]";
// "" is a quote in it. The first argument is never quoted.
TEST(ScriptTokens, QuotedArgumentsHoldCommasBracketsAndDoubledQuotes) {
  auto tokens = tokenize(R"(\![raise,OnTest,"100,2"]\![call,ghost,"the ""M"""]\q[one,"script:\q[two,script:three]"]x)");
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(splitArguments(tokens[0].bracket), (std::vector<std::string>{"raise", "OnTest", "100,2"}));
  EXPECT_EQ(splitArguments(tokens[1].bracket), (std::vector<std::string>{"call", "ghost", R"(the "M")"}));
  const std::vector<Argument> nested = readArguments(tokens[2].bracket);
  ASSERT_EQ(nested.size(), 2u);
  EXPECT_EQ(nested[1].text, R"(script:\q[two,script:three])");
  EXPECT_TRUE(nested[1].quoted);
  EXPECT_EQ(tokens[3].text, "x");
  // Quotes only count wrapped round a whole argument after a comma.
  EXPECT_EQ(splitArguments(R"("a,b",c"d,e")"), (std::vector<std::string>{R"("a)", R"(b")", R"(c"d)", R"(e")"}));
  // Inside quotes the bytes stand as written, "\]" too.
  EXPECT_EQ(splitArguments(R"(a,"\],\\")"), (std::vector<std::string>{"a", R"(\],\\)"}));
}

TEST(ScriptTokens, AnUnclosedQuoteLeavesTheTagBare) {
  auto tokens = tokenize(R"(\![raise,"a]b)");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_FALSE(tokens[0].hasBracket);
  EXPECT_EQ(tokens[1].text, R"([raise,"a]b)");
}

// The host cuts an unquoted script at its first comma: the choice runs what
// stands before it, and the rest becomes arguments of its own.
TEST(ChoiceTag, AnUnquotedScriptIsCutAtItsFirstComma) {
  const ChoiceTag cut = readChoiceTag(readArguments(R"(30,script:\p[10\]\![move,--X=3\]\![raise,settingZEF\])"));
  EXPECT_EQ(cut.title, "30");
  EXPECT_TRUE(cut.runsScript);
  EXPECT_TRUE(cut.cutAtComma);
  EXPECT_EQ(cut.target, R"(\p[10]\![move)");

  const ChoiceTag whole = readChoiceTag(readArguments(R"(30,"script:\p[10]\![move,--X=3]\![raise,settingZEF]")"));
  EXPECT_FALSE(whole.cutAtComma);
  EXPECT_EQ(whole.target, R"(\p[10]\![move,--X=3]\![raise,settingZEF])");

  const ChoiceTag oneTag = readChoiceTag(readArguments(R"(5,script:\p[10\])"));
  EXPECT_FALSE(oneTag.cutAtComma);
  EXPECT_EQ(oneTag.target, R"(\p[10])");

  const ChoiceTag event = readChoiceTag(readArguments("End,OnSettingZEF"));
  EXPECT_FALSE(event.runsScript);
  EXPECT_EQ(event.target, "OnSettingZEF");
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
