#include "core/common/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vlm {
namespace {

TEST(LeadingNumberTest, TakesTheLongestLeadingNumber) {
  EXPECT_DOUBLE_EQ(LeadingNumber("37.5abc"), 37.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("  25"), 25.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("-2.5e1x"), -25.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("12."), 12.0);
  EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("3e"), 3.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("55.01"), 55.01);
}

TEST(LeadingNumberTest, TextWithoutLeadingNumberReadsAsZero) {
  EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("   "), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("."), 0.0);
  EXPECT_DOUBLE_EQ(LeadingNumber("위도"), 0.0);
}

// Beyond double range a number overflows to an infinity that callers refuse;
// below it, it is zero. Neither silently reads as an ordinary 0.
TEST(LeadingNumberTest, NumbersBeyondDoubleRangeOverflow) {
  EXPECT_EQ(LeadingNumber("1e400"), HUGE_VAL);
  EXPECT_EQ(LeadingNumber("-1e400abc"), -HUGE_VAL);
  EXPECT_EQ(LeadingNumber("1e99999"), HUGE_VAL);
  EXPECT_EQ(LeadingNumber("1e-400"), 0.0);
  EXPECT_TRUE(OutOfRangeIsOverflow("1" + std::string(400, '0') + "e-10"));
  EXPECT_FALSE(OutOfRangeIsOverflow("1e-99999"));
}

}  // namespace
}  // namespace vlm
