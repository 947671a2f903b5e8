// Cutting scripts into tags for --explain.
#include <gtest/gtest.h>

#include <sstream>

#include "explain.h"
#include "script_tokens.h"

namespace saori_run {
namespace {

std::vector<std::string> texts(std::string_view script) {
  std::vector<std::string> out;
  for (const ScriptToken& token : tokenizeScript(script)) out.emplace_back(token.text);
  return out;
}

TEST(ScriptTokens, TagsTextAndShortForms) {
  EXPECT_EQ(texts("\\_q\\p[12]\\s5Hi\\n[200]\\w9\\__w[animation,3]x\\*\\e"),
            (std::vector<std::string>{"\\_q", "\\p[12]", "\\s5", "Hi", "\\n[200]", "\\w9", "\\__w[animation,3]", "x",
                                      "\\*", "\\e"}));
  // An unclosed bracket is not an argument; a lone trailing backslash is a tag without a name.
  EXPECT_EQ(texts("\\p[1 x\\"), (std::vector<std::string>{"\\p", "[1 x", "\\"}));
}

TEST(ScriptTokens, ChoiceArgumentsSkipEscapedBrackets) {
  const auto tokens = tokenizeScript("\\q[30,script:\\p[10\\]\\![raise,settingZEF\\]]/");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].name, "q");
  EXPECT_EQ(tokens[0].argument, "30,script:\\p[10\\]\\![raise,settingZEF\\]");
  EXPECT_EQ(unescapeChoiceScript(tokens[0].argument), "30,script:\\p[10]\\![raise,settingZEF]");
}

std::string same(std::string_view bytes) { return std::string(bytes); }

TEST(Explain, ScopesChoicesAndEvents) {
  std::ostringstream out;
  explainScript("\\_q\\p[0]Hi\\![*]\\q[30,script:\\p[10\\]\\![raise,settingZEF\\]]\\q[End,OnSettingZEF]", out, same);
  EXPECT_EQ(out.str(),
            "    \\_q\n"
            "  scope 0\n"
            "    \"Hi\"\n"
            "    \\![*]\n"
            "    choice \"30\" runs:\n"
            "      scope 10\n"
            "        \\![raise,settingZEF]\n"
            "    choice \"End\" raises OnSettingZEF\n");
}

}  // namespace
}  // namespace saori_run
