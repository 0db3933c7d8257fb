// A shade's performance over a small synthetic year, recounted hour by hour
// from each hour's sun and split; the suggested overhang; the climate's dots
// on the sun path.
#include "core/solar/shade_performance.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/climate/date_time.h"
#include "core/solar/climate_overlay.h"
#include "tests/core/solar/drawing_probe.h"

namespace vlm {
namespace {

constexpr double kDeg = 3.14159265358979 / 180;
constexpr double kJoulesPerKWh = 3.6e6;
const SolarSite kSite{37.57, 126.97, 9, 0};

// Every hour wants, refuses or does not mind the sun in turn; daytime
// radiation varies from hour to hour and every 41st hour's is missing.
struct SyntheticYear {
  ClimateData climate;
  std::vector<SunWish> wishes = std::vector<SunWish>(kHoursPerYear + 1, SunWish::Neither);

  SyntheticYear() {
    for (int h = 1; h <= kHoursPerYear; ++h) {
      const int hourOfDay = (h - 1) % 24;
      const bool day = hourOfDay >= 6 && hourOfDay <= 18;
      climate.year[static_cast<std::size_t>(h)].Radiation =
          h % 41 == 0 ? 9999.0f : (day ? static_cast<float>(5 + h % 60) : 0.0f);
      wishes[static_cast<std::size_t>(h)] =
          h % 3 == 0 ? SunWish::Wanted : (h % 3 == 1 ? SunWish::Unwanted : SunWish::Neither);
    }
  }
};

struct Recount {
  // [0] unwanted, [1] wanted; kept: shaded unwanted, sunlit wanted.
  int hours[2] = {}, kept[2] = {};
  double beam[2] = {}, beamKept[2] = {};
  int missing = 0;
};

// The plain loop: each hour's sun where its beam comes from, its profile angle
// and azimuth against the shade's angles, its beam on the facade.
Recount recount(const SyntheticYear& y, int16_t type, ShadeAngles a) {
  Recount r;
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const SunWish wish = y.wishes[static_cast<std::size_t>(h)];
    if (wish == SunWish::Neither) continue;
    const HourSun sun = SunOfHour(static_cast<int16_t>(h), kSite.latitude, kSite.longitude, 9);
    if (!sun.sunUp()) continue;
    const double gamma = std::fmod(sun.upAzimuth - a.s + 540.0, 360.0) - 180.0;
    if (std::abs(gamma) >= 90) continue;
    const double alpha = sun.upAltitude * kDeg;
    const bool overhang = std::tan(alpha) / std::cos(gamma * kDeg) >= std::tan(a.v * kDeg);
    const bool fins = gamma > a.hw || gamma < a.he;
    const bool shaded = type == 1 ? overhang : (type == 2 ? fins : overhang || fins);
    const float radiation = y.climate.year[static_cast<std::size_t>(h)].Radiation;
    const double beam = radiation == 9999.0f ? 0.0
                                             : SplitHour(radiation, sun).beamNormal *
                                                   std::cos(alpha) * std::cos(gamma * kDeg);
    if (radiation == 9999.0f) ++r.missing;
    const int k = wish == SunWish::Wanted ? 1 : 0;
    const bool kept = k == 0 ? shaded : !shaded;
    ++r.hours[k];
    r.beam[k] += beam;
    if (kept) {
      ++r.kept[k];
      r.beamKept[k] += beam;
    }
  }
  return r;
}

TEST(ShadePerformance, RecountsTheYearHourByHour) {
  const SyntheticYear y;
  const std::vector<WishedHour> hours = WishedHours(y.climate, y.wishes, kSite);
  for (const auto& [type, a] :
       {std::pair<int16_t, ShadeAngles>{1, {45, 0, 0, 0}}, {1, {30, 0, 0, -60}},
        {2, {0, 30, -45, 20}}, {3, {40, 30, -30, 45}}, {3, {70, 15, -15, 180}}}) {
    const ShadeTally t = PerformanceOf(FacadeHours(hours, a.s), Shade::Of(type, a)).year;
    const Recount r = recount(y, type, a);
    const auto kwh = [](double j) { return j / kJoulesPerKWh; };
    EXPECT_EQ(t.unwantedHours, r.hours[0]) << type << " s " << a.s;
    EXPECT_EQ(t.unwantedShadedHours, r.kept[0]) << type << " s " << a.s;
    EXPECT_EQ(t.wantedHours, r.hours[1]) << type << " s " << a.s;
    EXPECT_EQ(t.wantedSunlitHours, r.kept[1]) << type << " s " << a.s;
    EXPECT_EQ(t.missingRadiation, r.missing) << type << " s " << a.s;
    EXPECT_NEAR(t.unwantedBeam, kwh(r.beam[0]), 1e-4 * kwh(r.beam[0]));
    EXPECT_NEAR(t.unwantedBeamBlocked, kwh(r.beamKept[0]), 1e-4 * kwh(r.beam[0]));
    EXPECT_NEAR(t.wantedBeam, kwh(r.beam[1]), 1e-4 * kwh(r.beam[1]));
    EXPECT_NEAR(t.wantedBeamAdmitted, kwh(r.beamKept[1]), 1e-4 * kwh(r.beam[1]));
    EXPECT_GT(r.kept[0], 0);
    EXPECT_GT(r.missing, 0);
  }
}

TEST(ShadePerformance, OverhangOfZeroBlocksAllInFrontAndOfNinetyNothing) {
  const SyntheticYear y;
  const std::vector<FacadeHour> hours = FacadeHours(WishedHours(y.climate, y.wishes, kSite), 10);
  ShadeTally months;
  const ShadePerformance closed = PerformanceOf(hours, Shade::Of(1, {0, 0, 0, 10}));
  const ShadePerformance open = PerformanceOf(hours, Shade::Of(1, {90, 0, 0, 10}));
  for (const ShadeTally& t : closed.months) months.unwantedHours += t.unwantedHours;
  EXPECT_EQ(months.unwantedHours, closed.year.unwantedHours);  // the months add up to the year
  EXPECT_GT(closed.year.unwantedHours, 0);
  EXPECT_EQ(closed.year.unwantedShadedHours, closed.year.unwantedHours);
  EXPECT_FLOAT_EQ(closed.year.unwantedBeamBlocked, closed.year.unwantedBeam);
  EXPECT_EQ(closed.year.wantedSunlitHours, 0);
  EXPECT_EQ(closed.year.wantedBeamAdmitted, 0.0f);
  EXPECT_EQ(open.year.unwantedShadedHours, 0);
  EXPECT_EQ(open.year.unwantedBeamBlocked, 0.0f);
  EXPECT_EQ(open.year.wantedSunlitHours, open.year.wantedHours);
  EXPECT_FLOAT_EQ(open.year.wantedBeamAdmitted, open.year.wantedBeam);
}

// The suggestion scores best among all whole angles, the shallowest of equals.
TEST(ShadePerformance, SuggestionIsTheBestWholeAngle) {
  SyntheticYear y;
  SilentSink silent;
  // Summer hours refuse the sun and winter hours want it, as a real year's do.
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const int16_t month = GetMonth(static_cast<int16_t>(h), silent);
    y.wishes[static_cast<std::size_t>(h)] =
        month >= 5 && month <= 9 ? SunWish::Unwanted
                                 : (month <= 3 || month >= 11 ? SunWish::Wanted : SunWish::Neither);
  }
  const std::vector<FacadeHour> hours = FacadeHours(WishedHours(y.climate, y.wishes, kSite), 0);
  const OverhangSuggestion best = SuggestOverhang(hours);
  const auto score = [&hours](int v) {
    const ShadeTally t = PerformanceOf(hours, Shade::Of(1, {static_cast<float>(v), 0, 0, 0})).year;
    return t.unwantedBeamBlocked - (t.wantedBeam - t.wantedBeamAdmitted);
  };
  const float top = score(best.v);
  for (int v = 0; v <= 90; ++v) {
    EXPECT_LE(score(v), top + 1e-4f) << v;
    if (v > best.v) {
      EXPECT_LT(score(v), top - 1e-6f) << v;
    }
  }
  EXPECT_GT(best.v, 0);
  EXPECT_LT(best.v, 90);
  const ShadeTally t = PerformanceOf(hours, Shade::Of(1, {static_cast<float>(best.v), 0, 0, 0})).year;
  EXPECT_NEAR(*best.unwantedBeamBlocked, 100.0 * t.unwantedBeamBlocked / t.unwantedBeam, 1e-3);
  EXPECT_NEAR(*best.wantedBeamAdmitted, 100.0 * t.wantedBeamAdmitted / t.wantedBeam, 1e-3);
  EXPECT_FALSE(ShareOf(0, 0).has_value());
}

TEST(ClimateOverlay, OneDotPerHourInItsColourAndTheCountsInTheLegend) {
  const SyntheticYear y;
  const std::vector<WishedHour> hours = WishedHours(y.climate, y.wishes, kSite);
  const SunPathGeometry g;
  Drawing d(g.scale());
  const OverlayCounts counts = DrawClimateOverlay(d, g, hours);
  int wanted = 0, unwanted = 0;
  for (const DotItem& dot : testing_probe::itemsOf<DotItem>(d)) {
    wanted += dot.pen.color == kWantedSunColor;
    unwanted += dot.pen.color == kUnwantedSunColor;
  }
  EXPECT_EQ(wanted, counts.wanted + 1);  // and the legend's swatch
  EXPECT_EQ(unwanted, counts.unwanted + 1);
  EXPECT_EQ(counts.wanted + counts.unwanted, static_cast<int>(hours.size()));
  const auto texts = testing_probe::itemsOf<TextItem>(d);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "태양열획득 시간: " + std::to_string(counts.wanted) + "시간");
  EXPECT_EQ(texts[1].text, "태양열차단 시간: " + std::to_string(counts.unwanted) + "시간");
  EXPECT_EQ(d.penWidth(), 1.0f);
}

}  // namespace
}  // namespace vlm
