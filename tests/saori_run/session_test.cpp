// Reading session files.
#include <gtest/gtest.h>

#include "session.h"

namespace saori_run {
namespace {

using Kind = Step::Kind;

TEST(SessionFile, RequestsDirectivesCommentsAndBlankLines) {
  Session session;
  std::string error;
  ASSERT_TRUE(parseSession("# comment\n\nZEF\ta b\t\t\\s[5]x\r\n@load\n@unload\n@raw A\\r\\n\\x41\\\\\\0z\nlast", session,
                           error))
      << error;
  ASSERT_EQ(session.size(), 5u);
  EXPECT_EQ(session[0].kind, Kind::request);
  EXPECT_EQ(session[0].arguments, (std::vector<std::string>{"ZEF", "a b", "", "\\s[5]x"}));
  EXPECT_EQ(session[1].kind, Kind::load);
  EXPECT_EQ(session[2].kind, Kind::unload);
  EXPECT_EQ(session[3].kind, Kind::rawRequest);
  EXPECT_EQ(session[3].text, std::string("A\r\nA\\\0z", 7));
  EXPECT_EQ(session[4].arguments, std::vector<std::string>{"last"});
}

TEST(SessionFile, MalformedLinesAreNamed) {
  for (const char* text : {"ok\n@bogus\n", "ok\n@raw \\q\n", "ok\n@raw \\x4\n", "ok\n@raw x\\\n"}) {
    Session session;
    std::string error;
    EXPECT_FALSE(parseSession(text, session, error)) << text;
    EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
  }
}

TEST(SessionFile, RequestTextCarriesTheArgumentsInOrder) {
  EXPECT_EQ(buildRequest({"ZEF", "Hi."}),
            "EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nSender: saori-run\r\nArgument0: ZEF\r\nArgument1: Hi.\r\n\r\n");
}

}  // namespace
}  // namespace saori_run
