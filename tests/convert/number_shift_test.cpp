// Surface and balloon number shifts, as the rewriting of an utterance's head
// applies them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "convert/utterance.h"

namespace zef {
namespace {

// `text` rewritten for character 0 into scope 0, with these offsets.
std::string shifted(std::string_view text, std::int32_t surfaceOffset, std::int32_t balloonOffset = 0) {
  ModuleState state;
  state.enabled = true;
  state.balloonOffset = balloonOffset;
  state.surfaceOffsets = {surfaceOffset};
  return convertUtterance(state, 0, 0, text);
}

// A surface tag is a character tag too, so it comes back between two switches.
std::string wrapped(std::string_view tag) { return "\\p[0]" + std::string(tag) + "\\p[0]"; }

TEST(NumberShift, WorkedExamples) {
  EXPECT_EQ(shifted(R"(\s[007]x\s[-1]y\s5)", 100), wrapped(R"(\s[107])") + "x" + wrapped(R"(\s[-1])") + "y" +
                                                        wrapped(R"(\s5)"));
  EXPECT_EQ(shifted(R"(\s[3])", -5), wrapped(R"(\s[4294967294])"));
  EXPECT_EQ(shifted(R"(\s[5])", -5), wrapped(R"(\s[0])"));
  EXPECT_EQ(shifted(R"(\b[0]a\b[ 3 ]b\b[-1])", 0, 2), R"(\b[2]a\b[5]b\b[-1])");
}

TEST(NumberShift, TagsThatAreNotPlainNumbersStay) {
  for (const std::string_view tag : {R"(\s[-1])", R"(\s[abc])", R"(\s[1a])", R"(\s[])", R"(\s[ ])", R"(\s[+1])",
                                     R"(\s[1 2])"}) {
    EXPECT_EQ(shifted(tag, 7), wrapped(tag));
  }
  EXPECT_EQ(shifted(R"(\S[5]\s[3)", 7), R"(\S[5]\s[3)");
  const std::string_view balloons = R"(\b[-1]\b[abc]\b[1a]\b[]\b5\B[5]\b[2)";
  EXPECT_EQ(shifted(balloons, 0, 7), balloons);
  // Each offset shifts only its own tags.
  EXPECT_EQ(shifted(R"(\b[1])", 7), R"(\b[1])");
  EXPECT_EQ(shifted(R"(\s[1])", 0, 7), wrapped(R"(\s[1])"));
}

TEST(NumberShift, ZeroOffsetStillNormalisesTheTag) {
  EXPECT_EQ(shifted(R"(\s[ 05 ])", 0), wrapped(R"(\s[5])"));
  EXPECT_EQ(shifted(R"(\b[  0010])", 0), R"(\b[10])");
}

TEST(NumberShift, SumsWrapInThirtyTwoBits) {
  // Beyond 32 bits a number counts as 2147483647.
  EXPECT_EQ(shifted(R"(\s[99999999999])", 1), wrapped(R"(\s[2147483648])"));
  EXPECT_EQ(shifted(R"(\b[99999999999])", 0, 1), R"(\b[-2147483648])");
  EXPECT_EQ(shifted(R"(\b[2147483647])", 0, 2147483647), R"(\b[-2])");
  EXPECT_EQ(shifted(R"(\s[0])", -2147483647 - 1), wrapped(R"(\s[2147483648])"));
  EXPECT_EQ(shifted(R"(\s[0])", -1), wrapped(R"(\s[4294967295])"));
}

TEST(NumberShift, ShortAndLongDigitRunsReadAlike) {
  // Up to nine digits always fit in 32 bits; longer runs, leading zeros
  // included, saturate as argument values do.
  EXPECT_EQ(shifted(R"(\s[999999999])", 1), wrapped(R"(\s[1000000000])"));
  EXPECT_EQ(shifted(R"(\s[0000000005])", 1), wrapped(R"(\s[6])"));
  EXPECT_EQ(shifted(R"(\b[2147483648])", 0, 0), R"(\b[2147483647])");
  EXPECT_EQ(shifted(R"(\b[2147483647])", 0, 0), R"(\b[2147483647])");
}

TEST(NumberShift, EveryLengthOfSumIsWritten) {
  for (std::int32_t sum = -1100; sum <= 1100; ++sum) {
    ASSERT_EQ(shifted(R"(\b[0])", 0, sum), "\\b[" + std::to_string(sum) + "]");
  }
  for (const std::int32_t sum : {9999, 10000, 99999999, 2147483647}) {
    EXPECT_EQ(shifted(R"(\s[0])", sum), wrapped("\\s[" + std::to_string(sum) + "]"));
  }
}

TEST(NumberShift, WrittenNumbersAreNotShiftedAgain) {
  EXPECT_EQ(shifted(R"(\s[1]\s[2]\\s[3])", 1),
            wrapped(R"(\s[2])") + wrapped(R"(\s[3])") + "\\" + wrapped(R"(\s[4])"));
  EXPECT_EQ(shifted(R"(\b[1]\b[2])", 0, 1), R"(\b[2]\b[3])");
}

}  // namespace
}  // namespace zef
