#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <variant>

#include "core/comfort/adaptive_chart.h"
#include "core/comfort/comfort_classes.h"
#include "core/comfort/comfort_share_chart.h"
#include "core/comfort/pmv.h"
#include "core/comfort/pmv_outline.h"
#include "core/comfort/state_comfort.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

Psychrometrics standardPressure() {
  Psychrometrics p;
  p.SetPatm_Alt(0);
  return p;
}

double voteAt(ChartPoint p, const ComfortSettings& s, const Psychrometrics& psychro) {
  return ComputePmv({p.dbt, p.dbt, s.airSpeed, psychro.GetVP_AH(p.ah), s.met, s.clo}).pmv;
}

// Even-odd rule against the closed outline.
bool insidePolygon(const std::vector<ChartPoint>& poly, ChartPoint p) {
  bool in = false;
  for (std::size_t i = 1; i < poly.size(); ++i) {
    const ChartPoint a = poly[i - 1], b = poly[i];
    if ((a.ah > p.ah) != (b.ah > p.ah) &&
        p.dbt < a.dbt + (p.ah - a.ah) / (b.ah - a.ah) * (b.dbt - a.dbt))
      in = !in;
  }
  return in;
}

// The outline's warm side votes +0.5, its cool side −0.5 or lies on
// saturation, and the states it encloses are the states the hour test finds
// inside: a wrong edge, a missed saturation cut or an open outline shows here.
TEST(PmvOutline, EnclosesExactlyTheStatesVotingWithinHalf) {
  const Psychrometrics psychro = standardPressure();
  const PsychroChart chart;
  const ComfortSettings cases[] = {
      {ComfortModel::Pmv, 1.1, 0.5, 0.1},
      {ComfortModel::Pmv, 1.2, 1.0, 0.1},
      {ComfortModel::Pmv, 2.0, 0.5, 0.8},
      {ComfortModel::Pmv, 0.8, 0.3, 0.1},  // seated, lightly clothed: a warm band
  };
  for (const ComfortSettings& s : cases) {
    SCOPED_TRACE(s.met);
    const std::vector<ChartPoint> outline = PmvComfortOutline(s, psychro, chart);
    ASSERT_GT(outline.size(), 4u);
    EXPECT_EQ(outline.front().dbt, outline.back().dbt);
    EXPECT_EQ(outline.front().ah, outline.back().ah);
    const std::size_t half = (outline.size() - 1) / 2;
    for (std::size_t i = 0; i < outline.size() - 1; ++i) {
      const ChartPoint p = outline[i];
      const double vote = voteAt(p, s, psychro);
      const bool atRangeEdge = p.dbt <= 10.0f || p.dbt >= 30.0f;
      if (i >= half && !atRangeEdge) {
        EXPECT_NEAR(vote, 0.5, 0.01) << p.dbt << " " << p.ah;
      }
      const bool saturated = psychro.GetRH_DBTAH(p.dbt, p.ah) > 99.5f;
      if (i < half && !atRangeEdge && !saturated) {
        EXPECT_NEAR(vote, -0.5, 0.01) << p.dbt;
      }
    }
    int inside = 0;
    for (float t = 8.0f; t <= 32.0f; t += 0.37f) {
      for (float w = 0.0005f; w <= 0.03f; w += 0.00043f) {
        const ChartPoint p{t, w};
        const bool polygon = insidePolygon(outline, p);
        // States within a hair of the edge may fall either way.
        if (std::abs(std::abs(voteAt(p, s, psychro)) - 0.5) < 0.01) continue;
        if (psychro.GetRH_DBTAH(t, w) > 100.0f) {
          EXPECT_FALSE(polygon) << t << " " << w;
          continue;
        }
        inside += polygon ? 1 : 0;
        EXPECT_EQ(polygon, InsidePmvComfort(p, s, psychro)) << t << " " << w;
      }
    }
    EXPECT_GT(inside, 20);
  }
}

TEST(PmvOutline, IsEmptyWhenNoStateOfTheRangeVotesWithinHalf) {
  const Psychrometrics psychro = standardPressure();
  // Hard work in heavy clothing is too warm even at 10 °C.
  EXPECT_TRUE(PmvComfortOutline({ComfortModel::Pmv, 4.0, 2.0, 0.0}, psychro, PsychroChart{}).empty());
}

TEST(PmvOutline, CountsThePlottedPointsInsideAndSaysSoInItsLegend) {
  const Psychrometrics psychro = standardPressure();
  const ComfortSettings s{ComfortModel::Pmv, 1.1, 0.5, 0.1};
  PlottedPoints plotted;
  // 25 °C at 50 % votes about 0; 20 °C is cool; 35 °C lies beyond the air range.
  for (float t : {25.0f, 25.5f, 20.0f, 35.0f, 26.0f})
    plotted.points.push_back({{t, psychro.GetAH_DBTRH(t, 50.0f)}, 1});
  const int inside = CountInsidePmvComfort(plotted, s, psychro);
  EXPECT_EQ(inside, 3);
  struct Case {
    ComfortSettings settings;
    std::optional<int> count;
    PeriodMode mode;
    const char* text;
  };
  const Case cases[] = {
      {s, inside, PeriodMode::Hourly, "PMV 쾌적범위 (1.1met, 0.5clo, 0.1m/s): 3시간"},
      {{ComfortModel::Pmv, 2, 0.75, 0}, 12, PeriodMode::Daily,
       "PMV 쾌적범위 (2met, 0.75clo, 0m/s): 12개"},
      {s, std::nullopt, PeriodMode::Hourly, "PMV 쾌적범위 (1.1met, 0.5clo, 0.1m/s)"},
  };
  for (const Case& c : cases) EXPECT_EQ(PmvOutlineLegend(c.settings, c.count, c.mode), c.text);
}

TEST(ComfortClasses, NestedBandCountsBecomeEachBandsOwnHours) {
  struct Case {
    ComfortModel model;
    ComfortTally tally;
    std::vector<std::pair<std::string, int>> classes;
  };
  const Case cases[] = {
      {ComfortModel::EnAdaptive,
       {5, {2, 7, 9}, 3, 4, 1},
       {{"기준 미만", 5}, {"I 등급", 2}, {"II 등급", 5}, {"III 등급", 2}, {"기준 초과", 3},
        {"적용범위 밖", 4}}},
      {ComfortModel::AshraeAdaptive,
       {1, {6, 10, 0}, 2, 0, 0},
       {{"기준 미만", 1}, {"90% 만족", 6}, {"80% 만족", 4}, {"기준 초과", 2}, {"적용범위 밖", 0}}},
      {ComfortModel::Pmv,
       {7, {8, 0, 0}, 9, 1, 0},
       {{"PMV < -0.5", 7}, {"|PMV| <= 0.5", 8}, {"PMV > +0.5", 9}, {"적용범위 밖", 1}}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::string, int>> got;
    for (const ComfortClass& k : ComfortClasses(c.model, c.tally)) got.emplace_back(k.name, k.hours);
    EXPECT_EQ(got, c.classes);
  }
}

std::vector<RectItem> rects(const Drawing& d) {
  std::vector<RectItem> out;
  for (const DrawItem& item : d.items())
    if (const auto* r = std::get_if<RectItem>(&item)) out.push_back(*r);
  return out;
}

// Segments stack in class order to exactly 100 % of the classified hours;
// a column without one has no bar.
TEST(ComfortShareChart, StacksEachColumnsClassesToAHundred) {
  ComfortYear year;
  year.model = ComfortModel::AshraeAdaptive;
  year.bands = 2;
  year.months[0] = {100, {300, 400, 0}, 200, 44, 0};  // 744 hours: 100 + 300 + 100 + 200 + 44
  year.months[1] = {0, {}, 0, 0, 672};                // all missing: no bar
  year.year = year.months[0];
  const std::vector<RectItem> bars = rects(BuildComfortShareChart(year, "서울"));
  const std::vector<RectItem> january(bars.begin(), bars.begin() + 5);
  const float tops[] = {100.0f / 744 * 100, 400.0f / 744 * 100, 500.0f / 744 * 100,
                        700.0f / 744 * 100, 100.0f};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(january[i].y2, tops[i]) << i;
    EXPECT_FLOAT_EQ(january[i].x1, 0.2f);
    if (i > 0) {
      EXPECT_EQ(january[i].y1, january[i - 1].y2);
    }
  }
  for (const RectItem& r : bars) EXPECT_FALSE(r.x1 > 1.0f && r.x1 < 2.0f) << "February drawn";
}

std::unique_ptr<ClimateData> stepYear(float cold, float warm, int warmFromDay) {
  auto climate = std::make_unique<ClimateData>();
  for (int h = 1; h <= kHoursPerYear; ++h)
    climate->year[static_cast<std::size_t>(h)].DBT = (h - 1) / 24 >= warmFromDay ? warm : cold;
  climate->year[5000].DBT = kMissing;
  return climate;
}

// One dot per hour with a dry bulb: in its month's colour where the running
// mean lies inside the model's limits, grey where it does not.
TEST(AdaptiveChart, DotsEveryHourGreyWhereTheModelDoesNotApply) {
  // 5 °C days (below both models' limits) until day 180, 25 °C days after.
  const auto climate = stepYear(5.0f, 25.0f, 180);
  for (ComfortModel model : {ComfortModel::AshraeAdaptive, ComfortModel::EnAdaptive}) {
    const Drawing d = BuildAdaptiveChart(*climate, model, "서울");
    const auto running = RunningMeanOutdoor(DailyMeanDryBulb(*climate));
    int dots = 0, grey = 0, expectedGrey = 0;
    for (const DrawItem& item : d.items()) {
      if (const auto* dot = std::get_if<DotItem>(&item)) {
        ++dots;
        grey += dot->pen.color == Color::palette(kOutsideHourColor) ? 1 : 0;
      }
    }
    for (int h = 1; h <= kHoursPerYear; ++h) {
      const double rm = running[static_cast<std::size_t>((h - 1) / 24)];
      const bool applies = model == ComfortModel::AshraeAdaptive ? AshraeAdaptiveBand(rm).has_value()
                                                                 : EnAdaptiveBand(rm).has_value();
      expectedGrey += !applies && h != 5000 ? 1 : 0;
    }
    EXPECT_EQ(dots, kHoursPerYear - 1);
    EXPECT_EQ(grey, expectedGrey);
    EXPECT_GT(grey, 170 * 24);
  }
  EXPECT_TRUE(BuildAdaptiveChart(*climate, ComfortModel::Pmv, "서울").empty());
}

}  // namespace
}  // namespace vlm

namespace vlm {
namespace {

// The calculator's state: a vote to two decimals and PPD to one inside the
// air range, the range instead of a vote outside it.
TEST(StateComfort, VotesInsideTheAirRangeAndNamesItOutside) {
  struct Case {
    float dbt;
    double rh;
    const char* pmv;
    const char* ppd;
    const char* note;
  };
  const Case cases[] = {
      {22.0f, 60, "-0.75", "16.9", ""},
      {30.0f, 50, "", "", ""},  // the range's edge still votes
      {30.5f, 50, "", "", "[10°C <= 기온 <= 30°C]"},
      {9.5f, 50, "", "", "[10°C <= 기온 <= 30°C]"},
  };
  const ComfortSettings s{ComfortModel::Pmv, 1.2, 0.5, 0.1};
  for (const Case& c : cases) {
    const auto vp = static_cast<float>(c.rh / 100 * Iso7730SaturationPressure(c.dbt));
    const StateComfort got = ComfortOfState(c.dbt, vp, s);
    EXPECT_EQ(got.note, c.note) << c.dbt;
    EXPECT_EQ(got.result.has_value(), std::string(c.note).empty()) << c.dbt;
    if (*c.pmv != '\0') {
      EXPECT_EQ(got.pmvText, c.pmv);
      EXPECT_EQ(got.ppdText, c.ppd);
    }
  }
}

}  // namespace
}  // namespace vlm
