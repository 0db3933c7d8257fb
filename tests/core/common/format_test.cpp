#include "core/common/format.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(StrTest, LeadingSpaceForNonNegativeAndNoZeroBeforePoint) {
  EXPECT_EQ(Str(55.0f), " 55");
  EXPECT_EQ(Str(-20.0f), "-20");
  EXPECT_EQ(Str(0.0f), " 0");
  EXPECT_EQ(Str(0.03f), " .03");
  EXPECT_EQ(Str(-0.25f), "-.25");
  EXPECT_EQ(Str(50.1f), " 50.1");
  EXPECT_EQ(Str(1), " 1");
  EXPECT_EQ(Str(-3), "-3");
}

TEST(StrTest, FloatUsesSevenSignificantDigitsAndExponentForExtremes) {
  EXPECT_EQ(Str(1.0000001f), " 1");
  EXPECT_EQ(Str(0.00001f), " 1E-05");
  EXPECT_EQ(Str(12345678.0f), " 1.234568E+07");
  EXPECT_EQ(Str(0.1), " .1");
}

struct FormatCase {
  double value;
  const char* pattern;
  const char* expected;
};

class FormatPatternTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatPatternTest, RoundsHalfAwayFromZero) {
  const auto& c = GetParam();
  EXPECT_EQ(Format(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatPatternTest,
    ::testing::Values(FormatCase{52.3, "#0.0", "52.3"}, FormatCase{0.25, "0.0", "0.3"},
                      FormatCase{2.5, "0", "3"}, FormatCase{-2.5, "#0", "-3"},
                      FormatCase{0.0100213, "0.0000", "0.0100"}, FormatCase{9.999, "#0.00", "10.00"},
                      FormatCase{100.0, "#0.00", "100.00"}, FormatCase{0.0, "0.000000", "0.000000"},
                      FormatCase{-0.04, "0.0", "-0.0"}, FormatCase{999.0, "#0.0", "999.0"},
                      FormatCase{0.5, "#0", "1"}, FormatCase{1234.5678, "0.000", "1234.568"}));

TEST(FormatTest, FloatRoundsItsShortestDecimalText) {
  EXPECT_EQ(Format(52.3f, "#0.0"), "52.3");
  EXPECT_EQ(Format(2.675f, "#0.00"), "2.68");
  EXPECT_EQ(Format(0.15f, "0.0"), "0.2");
  EXPECT_EQ(Format(-17.25f, "#0.0"), "-17.3");
}

TEST(FormatTest, ShortestTextReadsBackAsTheSameFloat) {
  EXPECT_EQ(ShortestText(8760.0f), "8760");
  EXPECT_EQ(ShortestText(0.1f), "0.1");
  EXPECT_EQ(ShortestText(-1.5f), "-1.5");
}

}  // namespace
}  // namespace vlm
