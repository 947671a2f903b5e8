// Surface and balloon number shifts.
#include "convert/remap_numbers.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

TEST(RemapNumbers, WorkedExamples) {
  EXPECT_EQ(remapSurfaces(100, R"(\p[1]\s[5]\p[13]A\p[1]\s[ 12 ]\p[13])"),
            R"(\p[1]\s[105]\p[13]A\p[1]\s[112]\p[13])");
  EXPECT_EQ(remapSurfaces(100, R"(\s[007]x\s[-1]y\s5)"), R"(\s[107]x\s[-1]y\s5)");
  EXPECT_EQ(remapSurfaces(-5, R"(\s[3])"), R"(\s[4294967294])");
  EXPECT_EQ(remapSurfaces(-5, R"(\s[5])"), R"(\s[0])");
  EXPECT_EQ(remapBalloons(2, R"(\b[0]a\b[ 3 ]b\b[-1])"), R"(\b[2]a\b[5]b\b[-1])");
}

TEST(RemapNumbers, TagsThatAreNotPlainNumbersStay) {
  const std::string_view surfaces = R"(\s[-1]\s[abc]\s[1a]\s[]\s[ ]\s5\S[5]\s[+1]\s[1 2]\s[3)";
  EXPECT_EQ(remapSurfaces(7, surfaces), surfaces);
  const std::string_view balloons = R"(\b[-1]\b[abc]\b[1a]\b[]\b5\B[5]\b[2)";
  EXPECT_EQ(remapBalloons(7, balloons), balloons);
  EXPECT_EQ(remapSurfaces(7, ""), "");
  // Each letter shifts only its own tags.
  EXPECT_EQ(remapSurfaces(7, R"(\b[1])"), R"(\b[1])");
  EXPECT_EQ(remapBalloons(7, R"(\s[1])"), R"(\s[1])");
}

TEST(RemapNumbers, ZeroOffsetStillNormalisesTheTag) {
  EXPECT_EQ(remapSurfaces(0, R"(\s[ 05 ])"), R"(\s[5])");
  EXPECT_EQ(remapBalloons(0, R"(\b[  0010])"), R"(\b[10])");
}

TEST(RemapNumbers, SumsWrapInThirtyTwoBits) {
  // Beyond 32 bits a number counts as 2147483647.
  EXPECT_EQ(remapSurfaces(1, R"(\s[99999999999])"), R"(\s[2147483648])");
  EXPECT_EQ(remapBalloons(1, R"(\b[99999999999])"), R"(\b[-2147483648])");
  EXPECT_EQ(remapBalloons(2147483647, R"(\b[2147483647])"), R"(\b[-2])");
  EXPECT_EQ(remapSurfaces(-2147483647 - 1, R"(\s[0])"), R"(\s[2147483648])");
  EXPECT_EQ(remapSurfaces(-1, R"(\s[0])"), R"(\s[4294967295])");
}

TEST(RemapNumbers, ShortAndLongDigitRunsReadAlike) {
  // Nine digits are read inline; longer runs, leading zeros included, by the
  // saturating reading of argument values.
  EXPECT_EQ(remapSurfaces(1, R"(\s[999999999])"), R"(\s[1000000000])");
  EXPECT_EQ(remapSurfaces(1, R"(\s[0000000005])"), R"(\s[6])");
  EXPECT_EQ(remapBalloons(0, R"(\b[2147483648])"), R"(\b[2147483647])");
  EXPECT_EQ(remapBalloons(0, R"(\b[2147483647])"), R"(\b[2147483647])");
}

// Numbers up to three digits are written by hand, longer ones by the general
// conversion: every length, and each side of where one takes over.
TEST(RemapNumbers, EveryLengthOfSumIsWritten) {
  for (std::int32_t sum = -1100; sum <= 1100; ++sum) {
    const std::string expected = "\\b[" + std::to_string(sum) + "]";
    ASSERT_EQ(remapBalloons(sum, R"(\b[0])"), expected);
  }
  for (const std::int32_t sum : {9999, 10000, 99999999, 2147483647}) {
    EXPECT_EQ(remapSurfaces(sum, R"(\s[0])"), "\\s[" + std::to_string(sum) + "]");
  }
}

TEST(RemapNumbers, WrittenNumbersAreNotShiftedAgain) {
  EXPECT_EQ(remapSurfaces(1, R"(\s[1]\s[2]\\s[3])"), R"(\s[2]\s[3]\\s[4])");
  // A trail byte 0x5C of a double-byte character starts a tag too.
  EXPECT_EQ(remapSurfaces(1, "\x95\\s[1]"), "\x95\\s[2]");
}

}  // namespace
}  // namespace zef
