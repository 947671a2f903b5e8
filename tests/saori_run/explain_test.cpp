// --explain: scripts one tag per line, choices with what they run.
#include <gtest/gtest.h>

#include <sstream>

#include "explain.h"

namespace saori_run {
namespace {

TEST(Explain, ScopesChoicesAndEvents) {
  std::ostringstream out;
  explainScript("\\_q\\p[0]Hi\\![*]\\q[30,script:\\p[10\\]\\![raise,settingZEF\\]]\\q[End,OnSettingZEF]",
                zef::host_model::Charset::shiftJis, out);
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
