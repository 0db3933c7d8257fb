#include <gtest/gtest.h>

#include <cmath>

#include "core/solar/hour_sun.h"
#include "core/solar/plane_irradiation.h"
#include "core/solar/radiation_split.h"
#include "core/solar/radiation_year.h"
#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

constexpr int16_t hourOfYear(int day, int hourOfDay) {
  return static_cast<int16_t>((day - 1) * 24 + hourOfDay + 1);
}

// The longitude at UTC+9 where standard time and apparent solar time differ by
// `shift` hours on day n.
double longitudeFor(int16_t n, double shift) { return 135.0 - GetEoT_DOY(n) / 4.0 + 15.0 * shift; }

// 15 April, 10 … 11 h solar time at 43° N: 3.79 MJ/m² (the textbook's worked value
// for a solar constant of 1367 W/m²).
TEST(HourSun, ExtraterrestrialOfAWorkedHour) {
  const HourSun sun = SunOfHour(hourOfYear(105, 10), 43.0, longitudeFor(105, 0), 9.0);
  EXPECT_NEAR(sun.solarTime, 10.5, 1e-4);
  EXPECT_DOUBLE_EQ(sun.upHours, 1.0);
  EXPECT_NEAR(sun.extraterrestrial / 1e6, 3.79, 0.005);
}

// At the equator the sun rises at 6 and sets at 18 solar time on every day.
struct UpCase {
  double solarStart;  // the stored hour's start in solar time
  double lag;         // of the radiation's interval after that start
  double upHours;
  double upMiddle;
};

TEST(HourSun, SunriseAndSunsetHoursUseTheirSunUpPart) {
  for (const UpCase c :
       {UpCase{5.5, 0, 0.5, 6.25}, UpCase{6.0, 0, 1.0, 6.5}, UpCase{17.5, 0, 0.5, 17.75},
        UpCase{4.0, 0, 0.0, 0.0}, UpCase{18.25, 0, 0.0, 0.0}, UpCase{5.0, 0.5, 0.5, 6.25},
        UpCase{17.0, 0.5, 0.5, 17.75}}) {
    const int hour = static_cast<int>(std::floor(c.solarStart));
    const HourSun sun =
        SunOfHour(hourOfYear(200, hour), 0.0, longitudeFor(200, c.solarStart - hour), 9.0, c.lag);
    EXPECT_NEAR(sun.upHours, c.upHours, 1e-5) << c.solarStart;
    if (c.upHours > 0) {
      EXPECT_NEAR(sun.upSolarTime, c.upMiddle, 1e-4) << c.solarStart;
      EXPECT_GT(sun.extraterrestrial, 0) << c.solarStart;
    } else {
      EXPECT_EQ(sun.extraterrestrial, 0) << c.solarStart;
    }
  }
}

TEST(Erbs, DiffuseFractionAtWorkedClearness) {
  for (const auto& [kt, fd] : {std::pair{0.1, 0.991}, std::pair{0.5, 0.65915},
                               std::pair{0.85, 0.165}, std::pair{0.22, 0.9802}}) {
    EXPECT_NEAR(ErbsDiffuseFraction(kt), fd, 2e-4) << kt;
  }
}

TEST(Erbs, HoursThatCannotBeSplitAreCountedAndTakenAsDiffuse) {
  const HourSun noon = SunOfHour(hourOfYear(172, 12), 37.5, 127.0, 9.0);
  const HourSun night = SunOfHour(hourOfYear(172, 1), 37.5, 127.0, 9.0);
  const double limit = noon.extraterrestrial / kJoulesPerRadiationUnit;
  struct Case {
    float radiation;
    const HourSun* sun;
    HourSplitKind kind;
  };
  for (const Case c :
       {Case{kRadiationMissing, &noon, HourSplitKind::Missing},
        Case{-5, &noon, HourSplitKind::Missing}, Case{0, &night, HourSplitKind::Night},
        Case{12, &night, HourSplitKind::SunDownWithRadiation},
        Case{static_cast<float>(limit * 1.01), &noon, HourSplitKind::BeyondPhysical},
        Case{static_cast<float>(limit * 0.5), &noon, HourSplitKind::Split}}) {
    const HourSplit s = SplitHour(c.radiation, *c.sun);
    EXPECT_EQ(s.kind, c.kind) << c.radiation;
    const auto means = HourMeans(s);
    EXPECT_EQ(means.has_value(),
              c.kind != HourSplitKind::Missing && c.kind != HourSplitKind::Night);
    if (means) {
      EXPECT_FLOAT_EQ(means->ghi, static_cast<float>(c.radiation * 4184.0 / 3600.0));
      EXPECT_FLOAT_EQ(means->dni, static_cast<float>(s.beamNormal / 3600.0));
    }
    if (c.kind == HourSplitKind::Missing) continue;
    EXPECT_DOUBLE_EQ(s.global, c.radiation * 4184.0);
    EXPECT_NEAR(s.beam + s.diffuse, s.global, 1e-6 * s.global);
    if (c.kind != HourSplitKind::Split) {
      EXPECT_EQ(s.beam, 0);
    }
  }
}

// ε, Δ, F1 and F2 worked by hand from the paper's equations for a diffuse of 200 W/m²,
// a beam normal of 600 W/m², the sun 60° from the zenith due south and 1400 W/m²
// outside the atmosphere; then the south wall with an albedo of 0.2.
TEST(Perez, WorkedCaseOnASouthWall) {
  const PerezSky sky = PerezBrightening(200, 600, 60, 1400);
  EXPECT_EQ(sky.bin, 5);
  EXPECT_NEAR(sky.epsilon, 2.366454, 1e-5);
  EXPECT_NEAR(sky.delta, 0.284681, 1e-5);
  EXPECT_NEAR(sky.f1, 0.382319, 1e-5);
  EXPECT_NEAR(sky.f2, 0.095524, 1e-5);

  SkyHour h;
  h.sun = SunDirection(30, 0);
  h.beamNormal = 600;
  h.diffuse = 200;
  h.global = 500;
  h.f1 = sky.f1;
  h.f2 = sky.f2;
  h.invB = 2;
  const PlaneIrradiation p = Irradiate(h, MakePlane(0, 90), SkyModel::Perez, 0.2);
  EXPECT_NEAR(p.beam, 519.615, 1e-3);
  EXPECT_NEAR(p.sky, 213.312, 1e-3);
  EXPECT_NEAR(p.ground, 50.0, 1e-4);
  EXPECT_NEAR(Irradiate(h, MakePlane(0, 90), SkyModel::Isotropic, 0.2).sky, 100.0, 1e-4);
}

TEST(PlaneIrradiation, NorthWallAtSeoulGetsNoBeamInDecember) {
  double southBeam = 0;
  for (int day = 335; day <= 365; ++day) {
    for (int hour = 0; hour < 24; ++hour) {
      const HourSun sun = SunOfHour(hourOfYear(day, hour), 37.5714, 126.9658, 9.0);
      const auto radiation = static_cast<float>(0.6 * sun.extraterrestrial / 4184.0);
      const SkyHour h = PrepareSkyHour(SplitHour(radiation, sun), sun);
      EXPECT_EQ(Irradiate(h, MakePlane(180, 90), SkyModel::Perez, 0.2).beam, 0) << day << hour;
      southBeam += Irradiate(h, MakePlane(0, 90), SkyModel::Perez, 0.2).beam;
    }
  }
  EXPECT_GT(southBeam, 0);
}

TEST(RadiationMessages, OptionsAndCoverageRefuseWithTheirTexts) {
  struct Case {
    RadiationOptions options;
    const char* text;
  };
  for (const Case c : {Case{{SkyModel::Perez, 90, 1.01}, "0 <= 지면 반사율 <= 1 !"},
                       Case{{SkyModel::Perez, 90, -0.1}, "0 <= 지면 반사율 <= 1 !"},
                       Case{{SkyModel::Perez, 91, 0.2}, "0 <= 경사각 <= 90 !"},
                       Case{{SkyModel::Isotropic, 0, 1}, nullptr}}) {
    RecordingSink sink;
    EXPECT_EQ(CheckRadiationOptions(c.options, sink), c.text == nullptr);
    if (c.text) {
      ASSERT_EQ(sink.size(), 1u);
      EXPECT_EQ(sink.last().title, "에러");
      EXPECT_EQ(sink.last().lines, std::vector<std::string>{c.text});
    }
  }
  RecordingSink sink;
  EXPECT_TRUE(CheckRadiationCoverage({.daylight = 4400, .daylightMissing = 2200}, sink));
  EXPECT_FALSE(CheckRadiationCoverage({.daylight = 4400, .daylightMissing = 2201}, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines,
            (std::vector<std::string>{
                "일사량 자료가 빠진 시간이 낮 시간의 절반을 넘어 일사를 분석할 수 없습니다.",
                "(낮 시간 4400시간 중 2201시간)"}));
}

}  // namespace
}  // namespace vlm
