// Reading session files.
#include <gtest/gtest.h>

#include "session.h"

namespace saori_run {
namespace {

using Kind = Step::Kind;

TEST(SessionFile, RequestsDirectivesCommentsAndBlankLines) {
  Session session;
  std::string error;
  ASSERT_TRUE(parseSession("# comment\n\nZEF\ta b\t\t\\s[5]x\r\n@load\n@unload\n@raw A\\r\\n\\x41\\\\\\0z\nlast",
                           "s.txt", session, error))
      << error;
  ASSERT_EQ(session.size(), 5u);
  EXPECT_EQ(session[0].kind, Kind::request);
  EXPECT_EQ(session[0].arguments, (std::vector<std::string>{"ZEF", "a b", "", "\\s[5]x"}));
  EXPECT_EQ(session[0].line, 3u);
  EXPECT_EQ(session[1].kind, Kind::load);
  EXPECT_EQ(session[2].kind, Kind::unload);
  EXPECT_EQ(session[3].kind, Kind::rawRequest);
  EXPECT_EQ(session[3].text, std::string("A\r\nA\\\0z", 7));
  EXPECT_EQ(session[4].arguments, std::vector<std::string>{"last"});
  EXPECT_EQ(session[4].line, 7u);
}

TEST(SessionFile, MalformedLinesAreNamedWithTheirNumberAndText) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"ok\n@bogus\n", "s.txt:2: unknown directive \"@bogus\" (expected @load, @unload, @restart, @raw TEXT, @choose N, "
                        "@before TEXT or @after TEXT)"},
      {"ok\n@raw \\q\n", "s.txt:2: malformed escape in \"@raw \\q\" (@raw knows \\r \\n \\t \\0 \\\\ \\xHH)"},
      {"ok\n@raw \\x4\n", "s.txt:2: malformed escape in \"@raw \\x4\" (@raw knows \\r \\n \\t \\0 \\\\ \\xHH)"},
      {"ok\n@raw x\\\n", "s.txt:2: malformed escape in \"@raw x\\\" (@raw knows \\r \\n \\t \\0 \\\\ \\xHH)"},
  };
  for (const auto& [text, message] : cases) {
    Session session;
    std::string error;
    EXPECT_FALSE(parseSession(text, "s.txt", session, error)) << text;
    EXPECT_EQ(error, message);
  }
}

TEST(SessionFile, ChooseNamesAChoiceByItsNumber) {
  Session session;
  std::string error;
  ASSERT_TRUE(parseSession("settingZEF\n@choose 16\n", "s.txt", session, error)) << error;
  ASSERT_EQ(session.size(), 2u);
  EXPECT_EQ(session[1].kind, Kind::choose);
  EXPECT_EQ(session[1].choice, 16u);
  EXPECT_EQ(session[1].line, 2u);
  for (std::string_view line : {"@choose", "@choose 0", "@choose x", "@choose 3 4", "@choose -1"}) {
    session.clear();
    EXPECT_FALSE(parseSession(line, "s.txt", session, error)) << line;
    EXPECT_EQ(error, "s.txt:1: no choice number in \"" + std::string(line) +
                         "\" (@choose N picks choice N, counted from 1)");
  }
}

TEST(SessionFile, ControlBytesMarkAFileThatIsNotText) {
  const std::string textEnd = ": this is not a text file; a session file holds one request per line "
                              "(@raw TEXT can send other bytes as \\xHH)";
  const std::pair<std::string, std::string> cases[] = {
      {std::string("ZEF\ta\0b\n", 8), "m.so:1: byte 0x00 at column 6" + textEnd},
      {"\x7F" "ELF\x02\x01", "m.so:1: byte 0x7F at column 1" + textEnd},
      {"ok\nZEF\ta\rb\r\n", "m.so:2: byte 0x0D at column 6" + textEnd},  // CR only ends a line
      {"ok\n# \x1B[0m\n", "m.so:2: byte 0x1B at column 3" + textEnd},     // comments too
  };
  for (const auto& [text, message] : cases) {
    Session session;
    std::string error;
    EXPECT_FALSE(parseSession(text, "m.so", session, error)) << text;
    EXPECT_EQ(error, message);
  }
}

TEST(SessionFile, RequestTextCarriesTheArgumentsInOrder) {
  EXPECT_EQ(buildRequest({"ZEF", "Hi."}),
            "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nSender: saori-run\r\nArgument0: ZEF\r\nArgument1: Hi.\r\n\r\n");
  EXPECT_EQ(buildRequest({"ZEF"}, Charset::utf8),
            "EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\nSender: saori-run\r\nArgument0: ZEF\r\n\r\n");
}

TEST(Response, ItsCharsetLineNamesHowItsResultIsShown) {
  EXPECT_EQ(responseCharset("SAORI/1.0 200 OK\r\nCharset: UTF-8\r\nResult: x\r\n\r\n"), Charset::utf8);
  EXPECT_EQ(responseCharset("SAORI/1.0 200 OK\r\nCharset:\tutf8 \r\n\r\n"), Charset::utf8);
  EXPECT_EQ(responseCharset("SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: x\r\n\r\n"), Charset::shiftJis);
  EXPECT_EQ(responseCharset("SAORI/1.0 200 OK\r\nResult: Charset: UTF-8\r\n\r\n"), Charset::shiftJis);
}

}  // namespace
}  // namespace saori_run
