// Reading numbers from argument text, writing them into script, and the
// wrapping 32-bit arithmetic.
#include <gtest/gtest.h>

#include <limits>

#include "base/decimal.h"
#include "base/int32_math.h"

namespace zef {
namespace {

constexpr std::int32_t maxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minInt = std::numeric_limits<std::int32_t>::min();

TEST(ReadDecimal, ReadsLeadingNumberAndIgnoresTheRest) {
  EXPECT_EQ(readDecimal("42"), 42);
  EXPECT_EQ(readDecimal("3x"), 3);
  EXPECT_EQ(readDecimal(" 12px"), 12);
  EXPECT_EQ(readDecimal("007"), 7);
  EXPECT_EQ(readDecimal("-5"), -5);
  EXPECT_EQ(readDecimal("+7"), 7);
  EXPECT_EQ(readDecimal("\t\n\v\f\r 9"), 9);
}

TEST(ReadDecimal, TextWithoutDigitsReadsAsZero) {
  EXPECT_EQ(readDecimal(""), 0);
  EXPECT_EQ(readDecimal("abc"), 0);
  EXPECT_EQ(readDecimal("-"), 0);
  EXPECT_EQ(readDecimal("+-1"), 0);
  EXPECT_EQ(readDecimal("- 1"), 0);
  EXPECT_EQ(readDecimal("\x01" "5"), 0);  // only blank, tab and 0x0A-0x0D are white space
}

TEST(ReadDecimal, SaturatesAtThe32BitLimits) {
  EXPECT_EQ(readDecimal("2147483647"), maxInt);
  EXPECT_EQ(readDecimal("2147483648"), maxInt);
  EXPECT_EQ(readDecimal("-2147483648"), minInt);
  EXPECT_EQ(readDecimal("-2147483649"), minInt);
  EXPECT_EQ(readDecimal("99999999999999999999999999999"), maxInt);
  EXPECT_EQ(readDecimal("-99999999999999999999999999999"), minInt);
}

TEST(WriteDecimal, SignOnlyWhenNegative) {
  std::string out;
  appendDecimal(out, 0);
  appendDecimal(out, -17);
  appendDecimal(out, minInt);
  appendDecimal(out, maxInt);
  EXPECT_EQ(out, "0-17-21474836482147483647");
}

TEST(Int32Math, WrapsAsTwosComplement) {
  EXPECT_EQ(wrapAdd(maxInt, 1), minInt);
  EXPECT_EQ(wrapMul(65536, 65536), 0);
  EXPECT_EQ(wrapMul(maxInt, 2), -2);
  EXPECT_EQ(wrapNeg(minInt), minInt);
  EXPECT_EQ(wrapNeg(5), -5);
}

}  // namespace
}  // namespace zef
