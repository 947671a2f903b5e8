// --explain: scripts one tag per line, choices with what they run.
#include <gtest/gtest.h>

#include <sstream>

#include "explain.h"

namespace zef::host_model {
namespace {

// A quoted script choice runs its whole script; an unquoted one only what the
// host keeps of it, up to its first comma.
TEST(Explain, ScopesChoicesAndEvents) {
  std::ostringstream out;
  explainScript("\\_q\\p[0]Hi\\![*]\\q[30,\"script:\\p[10]\\![raise,settingZEF]\"]"
                "\\q[5,script:\\p[10\\]\\![raise,settingZEF\\]]\\q[End,OnSettingZEF]",
                Charset::shiftJis, out);
  EXPECT_EQ(out.str(),
            "    \\_q\n"
            "  scope 0\n"
            "    \"Hi\"\n"
            "    \\![*]\n"
            "    choice \"30\" runs:\n"
            "      scope 10\n"
            "        \\![raise,settingZEF]\n"
            "    choice \"5\" runs (cut at a comma: its script is not quoted):\n"
            "      scope 10\n"
            "        \\!\n"
            "        \"[raise\"\n"
            "    choice \"End\" raises OnSettingZEF\n");
}

}  // namespace
}  // namespace zef::host_model
