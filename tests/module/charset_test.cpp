// Answers in the request's charset: which requests are UTF-8, and a whole
// UTF-8 session, whose scripts are the Shift_JIS ones byte for byte but for
// the module's own non-ASCII text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/request.h"
#include "support/saori_client.h"

namespace zef {
namespace {

using test::defaultLayoutStart;
using test::resultOf;

TEST(RequestCharset, IsUtf8OnlyWhenTheFirstCharsetLineNamesIt) {
  const std::pair<const char*, Charset> cases[] = {
      {"EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\n\r\n", Charset::utf8},
      {"EXECUTE SAORI/1.0\r\nArgument0: x\r\nCharset:\t utf8 \r\n", Charset::utf8},
      {"Charset:Utf-8", Charset::utf8},
      {"EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\n\r\n", Charset::shiftJis},
      {"EXECUTE SAORI/1.0\r\n\r\n", Charset::shiftJis},
      {"Charset: UTF-8x\r\n", Charset::shiftJis},
      {"charset: UTF-8\r\n", Charset::shiftJis},
      {"Argument0: Charset: UTF-8\r\n", Charset::shiftJis},
      {"Charset: Shift_JIS\r\nCharset: UTF-8\r\n", Charset::shiftJis},
  };
  for (const auto& [text, charset] : cases) EXPECT_EQ(requestCharset(text), charset) << text;
}

TEST(Utf8Session, ScriptsKeepEveryByteOfTheTalk) {
  test::FreshModule module;
  EXPECT_EQ(test::rawResponse(test::requestText({"zef"}, "UTF-8")), emptyResponse.utf8);

  const std::string layout = resultOf(defaultLayoutStart(), Charset::utf8);
  EXPECT_EQ(layout, resultOf(defaultLayoutStart()));

  // Emoji, Japanese and characters that Shift-JIS lacks ("①" aside, "髙");
  // "表" and "ソ" end in 0x5C in Shift-JIS, never in UTF-8.
  const std::vector<std::string> talk = {"ZEF", "\\s[5]こんにちは😀", "表示\\n髙①ソ\\s[10]", "\\![raise,イベント]"};
  const std::string script = resultOf(talk, Charset::utf8);
  EXPECT_EQ(script, resultOf(talk));  // the rewriting is byte-wise in either charset
  for (const char* piece : {"]こんにちは😀", "]表示\\n髙①ソ", "\\![raise,イベント]", "\\s[5]"}) {
    EXPECT_NE(script.find(piece), std::string::npos) << piece;
  }
}

}  // namespace
}  // namespace zef
