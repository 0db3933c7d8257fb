#include "core/solar/solar_pos.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/common/compute_error.h"

namespace vlm {
namespace {

struct InverseCase {
  float x;
  float degrees;
  bool exact;  // the result must be exactly this, not merely close
};

class ArcCosDegTest : public ::testing::TestWithParam<InverseCase> {};

TEST_P(ArcCosDegTest, GivesDegreesWithToleranceNearZeroAndOne) {
  const InverseCase& c = GetParam();
  if (c.exact) {
    EXPECT_EQ(ArcCosDeg(c.x), c.degrees) << c.x;
  } else {
    EXPECT_NEAR(ArcCosDeg(c.x), c.degrees, 1e-4) << c.x;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ArcCosDegTest,
    ::testing::Values(InverseCase{0.00005f, 90, true}, InverseCase{-0.00005f, 90, true},
                      InverseCase{0.0f, 90, true}, InverseCase{0.99995f, 0, true},
                      InverseCase{-0.99995f, 180, true}, InverseCase{1.0f, 0, true},
                      InverseCase{-1.0f, 180, true},
                      // Just above 1 (a cosine rounded up) still counts as 1.
                      InverseCase{1.00005f, 0, true}, InverseCase{-1.00005f, 180, true},
                      InverseCase{-0.5f, 120, false}, InverseCase{0.5f, 60, false},
                      InverseCase{0.8660254f, 30, false},
                      // 0.0001 itself lies outside the tolerance (a strict 32-bit test).
                      InverseCase{0.0001f, 89.99427f, false}));

class ArcSinDegTest : public ::testing::TestWithParam<InverseCase> {};

TEST_P(ArcSinDegTest, GivesDegreesComparingExactly) {
  const InverseCase& c = GetParam();
  if (c.exact) {
    EXPECT_EQ(ArcSinDeg(c.x), c.degrees) << c.x;
  } else {
    EXPECT_NEAR(ArcSinDeg(c.x), c.degrees, 1e-4) << c.x;
  }
}

INSTANTIATE_TEST_SUITE_P(Values, ArcSinDegTest,
                         ::testing::Values(InverseCase{-1.0f, -90, true},
                                           InverseCase{1.0f, 90, true}, InverseCase{0.0f, 0, true},
                                           InverseCase{-0.0f, 0, true},
                                           InverseCase{0.5f, 30, false},
                                           InverseCase{-0.5f, -30, false},
                                           // No tolerance: close to 1 is not 1.
                                           InverseCase{0.99995f, 89.42703f, false},
                                           InverseCase{0.00005f, 0.0028648f, false}));

TEST(InverseFunctionTest, ArgumentsBeyondOneAreAnInvalidArgumentFault) {
  EXPECT_THROW((void)ArcCosDeg(1.0002f), ComputeError);
  EXPECT_THROW((void)ArcCosDeg(-1.5f), ComputeError);
  EXPECT_THROW((void)ArcSinDeg(1.00001f), ComputeError);
  EXPECT_THROW((void)ArcSinDeg(-2.0f), ComputeError);
}

TEST(DayOfYearTest, CountsDaysOfANonLeapYear) {
  RecordingSink sink;
  struct Case {
    int16_t month, day, n;
  };
  for (const Case c : {Case{1, 1, 1}, Case{2, 1, 32}, Case{3, 1, 60}, Case{6, 21, 172},
                       Case{7, 23, 204}, Case{12, 22, 356}, Case{12, 31, 365},
                       // The day is not checked against the month: 29 February is 1 March.
                       Case{2, 29, 60}, Case{4, 31, 121}}) {
    EXPECT_EQ(GetDOY_MD(c.month, c.day, sink), c.n) << c.month << "/" << c.day;
  }
  EXPECT_TRUE(sink.empty());
}

TEST(DayOfYearTest, MonthOutsideOneToTwelveBeepsReportsAndGivesZero) {
  for (const int16_t month : {int16_t{0}, int16_t{13}, int16_t{-1}}) {
    RecordingSink sink;
    EXPECT_EQ(GetDOY_MD(month, 1, sink), 0) << month;
    ASSERT_EQ(sink.size(), 1u);
    const Message& m = sink.last();
    EXPECT_EQ(m.title, "에러");
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(m.text(), "1 <= 월 <= 12 !");
    EXPECT_TRUE(m.beep);
  }
}

TEST(DeclinationTest, FollowsCoopersEquation) {
  EXPECT_NEAR(GetDecl_DOY(172), 23.45f, 0.001f);    // June solstice
  EXPECT_NEAR(GetDecl_DOY(356), -23.445f, 0.001f);  // 22 December
  EXPECT_NEAR(GetDecl_DOY(80), -0.4037f, 0.001f);   // 21 March is not this formula's equinox
  EXPECT_NEAR(GetDecl_DOY(81), 0.0f, 1e-5f);
  EXPECT_NEAR(GetDecl_DOY(1), -23.0116f, 0.001f);
}

// Degrees become radians with π = 3.1415926. On day 81 the angle is a whole
// turn: with the true π the declination would be 0, with 3.1415926 it is
// 23.45 · sin(2 × 3.1415926) = −2.51e-6 degrees.
TEST(DeclinationTest, TakesPiAs3_1415926) {
  const auto pinned = static_cast<float>(23.45 * std::sin(2.0 * 3.1415926));
  EXPECT_LT(pinned, -2.5e-6f);
  EXPECT_NEAR(GetDecl_DOY(81), pinned, 1e-8f);
  EXPECT_GT(std::fabs(GetDecl_DOY(81) - 0.0f), 1e-6f) << "true π gives 0";
}

TEST(EquationOfTimeTest, UsesAYearOf364DaysFromDay81) {
  EXPECT_NEAR(GetEoT_DOY(81), -7.53f, 1e-5f);     // B = 0
  EXPECT_NEAR(GetEoT_DOY(172), -1.5f, 1e-4f);     // B = 90
  EXPECT_NEAR(GetEoT_DOY(263), 7.53f, 1e-4f);     // B = 180
  EXPECT_NEAR(GetEoT_DOY(308), 16.290f, 0.001f);  // early November, near the largest
}

TEST(SolarPositionTest, EquinoxSunAtSeoulLatitude) {
  const float lat = 37.34f;
  EXPECT_NEAR(GetAlt_TDL(12, 0, lat), 90 - lat, 1e-4);
  EXPECT_EQ(GetAzi_TDL(12, 0, lat), 0.0f);
  EXPECT_NEAR(GetAlt_TDL(6, 0, lat), 0, 1e-4);
  EXPECT_NEAR(GetAzi_TDL(6, 0, lat), -90, 1e-3);  // east
  EXPECT_NEAR(GetAlt_TDL(18, 0, lat), 0, 1e-4);
  EXPECT_NEAR(GetAzi_TDL(18, 0, lat), 90, 1e-3);          // west
  EXPECT_NEAR(GetAlt_TDL(0, 0, lat), -(90 - lat), 1e-4);  // below the horizon at midnight
}

TEST(SolarPositionTest, MorningAndAfternoonMirrorAboutNoon) {
  const float lat = 35.08f;
  for (const float decl : {-23.45f, -10.0f, 5.0f, 23.45f}) {
    for (const float dt : {0.5f, 2.25f, 4.0f, 6.5f}) {
      EXPECT_FLOAT_EQ(GetAlt_TDL(12 - dt, decl, lat), GetAlt_TDL(12 + dt, decl, lat));
      const float morning = GetAzi_TDL(12 - dt, decl, lat);
      EXPECT_LT(morning, 0.0f);
      EXPECT_FLOAT_EQ(morning, -GetAzi_TDL(12 + dt, decl, lat));
    }
  }
}

TEST(SolarPositionTest, SummerSunRisesNorthOfEast) {
  // Seoul, 21 June, 4:42.7 solar time.
  EXPECT_NEAR(GetAzi_TDL(4.0f + 42.7f / 60, 23.45f, 37.34f), -120.0f, 0.1f);
  EXPECT_NEAR(GetAlt_TDL(12, 23.45f, 37.34f), 76.11f, 0.01f);
}

TEST(DayLengthTest, TwelveHoursAtEquinoxDeclinationForEveryLatitude) {
  for (const float lat : {0.0f, 25.0f, 37.34f, 55.0f, 66.0f}) {
    EXPECT_EQ(GetDayLen_LD(lat, 0), 12.0f) << lat;
  }
  EXPECT_NEAR(GetDayLen_LD(37.34f, 23.45f), 14.577f, 0.001f);
  EXPECT_NEAR(GetDayLen_LD(37.34f, -23.45f), 24 - 14.577f, 0.001f);
}

// Beyond the polar circles at the solstices the sun stays up (24 h) or down
// (0 h) all day; its position is found as anywhere else, the noon altitude
// being 90° − |φ − δ| and the noon sun standing on the equator's side.
TEST(DayLengthTest, BeyondThePolarCirclesTheDayIsWholeOrNoneAndThePositionStands) {
  struct Case {
    float lat;
    int16_t month, day;
    float dayLength;
    float noonAzimuth;
  };
  for (const Case c : {Case{70, 6, 21, 24, 0}, Case{71.3f, 6, 21, 24, 0}, Case{80, 6, 21, 24, 0},
                       Case{-70, 12, 21, 24, 180}, Case{70, 12, 21, 0, 0},
                       Case{-70, 6, 21, 0, 180}}) {
    RecordingSink sink;
    const float decl = GetDecl_DOY(GetDOY_MD(c.month, c.day, sink));
    EXPECT_EQ(GetDayLen_LD(c.lat, decl), c.dayLength) << c.lat << " " << c.month;
    EXPECT_NEAR(GetAlt_TDL(12, decl, c.lat), 90 - std::fabs(c.lat - decl), 1e-3) << c.lat;
    EXPECT_NEAR(std::fabs(GetAzi_TDL(12, decl, c.lat)), c.noonAzimuth, 1e-3) << c.lat;
    for (float t = 0; t <= 24; t += 0.25f) {
      EXPECT_NO_THROW((void)GetAzi_TDL(t, decl, c.lat)) << c.lat << " at " << t;
    }
  }
  EXPECT_NEAR(GetAlt_TDL(12, GetDecl_DOY(172), 71.3f), 42.15f, 0.01f);
}

}  // namespace
}  // namespace vlm
