#include "core/common/number_parse.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vlm
