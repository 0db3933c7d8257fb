// The wind of chosen hours: each direction's shares recounted from Seoul's
// hourly records for several filters, the rose of all hours against the
// loader's wind-direction table, the refusal of class edges with its exact
// text, and the readable steps of the rose's scale.
#include "core/seasonal/wind_count.h"

#include <gtest/gtest.h>

#include "core/analysis/zone.h"
#include "core/climate/climate_stats.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/wind_classes.h"
#include "tests/core/seasonal/region_years.h"

namespace vlm {
namespace {

constexpr std::array<int, 12> kMonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

struct Recount {
  int hours = 0, calm = 0;
  std::array<std::vector<int>, 16> classes;
};

// The filter's definition applied hour by hour, independently of CountWind.
Recount recount(const ClimateData& c, const WindFilter& f, const std::vector<float>& edges) {
  Recount r;
  for (auto& d : r.classes) d.assign(edges.size(), 0);
  int h = 1;
  for (int m = 0; m < 12; ++m) {
    for (int hour = 0; hour < kMonthDays[static_cast<std::size_t>(m)] * 24; ++hour, ++h) {
      const HourRecord& x = c.year[static_cast<std::size_t>(h)];
      const int ofDay = hour % 24;
      const bool inDay = f.fromHour <= f.toHour ? ofDay >= f.fromHour && ofDay <= f.toHour
                                                : ofDay >= f.fromHour || ofDay <= f.toHour;
      if (!f.months[static_cast<std::size_t>(m)] || !inDay) continue;
      if (f.dryBulb && !(x.DBT >= f.dryBulb->first && x.DBT <= f.dryBulb->second)) continue;
      const int16_t zone = GetZone(x.DBT, x.WBT, x.AH, x.RH, x.SpecV, PsychroChart{});
      if (f.zone.kind == WindZone::Kind::Guide && !GuideZoneCounts(f.zone.index, zone)) continue;
      if (x.WindDir == 0 || (x.WindDir != 999 && x.WindSpeed < edges[0])) {
        ++r.hours;
        ++r.calm;
        continue;
      }
      const auto* code = std::find(kWindDirCodes.begin(), kWindDirCodes.end(), x.WindDir);
      if (code == kWindDirCodes.end() || x.WindSpeed == 999.0f) continue;
      std::size_t cls = 0;
      while (cls + 1 < edges.size() && x.WindSpeed >= edges[cls + 1]) ++cls;
      ++r.hours;
      ++r.classes[static_cast<std::size_t>(code - kWindDirCodes.begin())][cls];
    }
  }
  return r;
}

TEST(WindCount, EachDirectionsSharesAreThoseOfTheFilteredHours) {
  const auto seoul = test::LoadRegion("seoul");
  WindFilter summerAfternoons;  // ventilation by default
  summerAfternoons.months = *ParseWindMonths("6-8");
  summerAfternoons.fromHour = 13;
  summerAfternoons.toHour = 17;
  WindFilter nights;
  nights.zone = {WindZone::Kind::All, 0};
  nights.fromHour = 22;
  nights.toHour = 5;
  WindFilter warm = nights;
  warm.fromHour = 0;
  warm.toHour = 23;
  warm.dryBulb = std::pair{20.0f, 26.5f};
  const std::vector<float> fine{1.0f, 3.0f, 5.5f};
  for (const auto& [filter, edges] :
       {std::pair{summerAfternoons, kDefaultWindClassEdges}, std::pair{nights, fine},
        std::pair{warm, kDefaultWindClassEdges}}) {
    const WindCounts counts = CountWind(*seoul, filter, edges, PsychroChart{});
    const Recount want = recount(*seoul, filter, edges);
    ASSERT_GT(want.hours, 100);
    EXPECT_EQ(counts.hours, want.hours);
    EXPECT_EQ(counts.calm, want.calm);
    float total = counts.calmShare();
    for (std::size_t d = 0; d < 16; ++d) {
      EXPECT_EQ(counts.directions[d].classHours, want.classes[d]) << d;
      for (std::size_t c = 0; c < edges.size(); ++c) {
        EXPECT_FLOAT_EQ(counts.classShare(d, c), 100.0f * want.classes[d][c] / want.hours);
        total += counts.classShare(d, c);
      }
    }
    EXPECT_NEAR(total, 100.0f, 1e-3f);
  }
}

TEST(WindCount, TheRoseOfAllHoursHasTheLoadersDirectionCounts) {
  const auto seoul = test::LoadRegion("seoul");
  WindFilter all;
  all.zone = {WindZone::Kind::All, 0};
  // With calm only where the record says so, every compass hour keeps its direction.
  const WindCounts counts = CountWind(*seoul, all, {0.0f, 2.0f}, PsychroChart{});
  const auto& year = seoul->WindDirCount[kYearRow];
  EXPECT_EQ(counts.calm, year[kCalmClass]);
  for (std::size_t d = 0; d < 16; ++d) EXPECT_EQ(counts.directions[d].hours, year[d + 1]) << d;
  // The usual calm limit moves the slow compass hours to calm, and only those.
  const WindCounts usual = CountWind(*seoul, all, kDefaultWindClassEdges, PsychroChart{});
  EXPECT_EQ(usual.hours, counts.hours);
  EXPECT_GT(usual.calm, counts.calm);
}

TEST(WindCount, ClassEdgesMustBeNumbersRisingFromZero) {
  const std::string refusal =
      "풍속 등급의 경계값 입력이 유효하지 않습니다.\r\n\r\n"
      "[0 m/s 이상의 경계값 1~8개를 작은 것부터 쉼표로 구분하여 입력하세요.]";
  const std::vector<std::pair<std::string, std::vector<float>>> cases{
      {"0.5, 2, 4, 6", {0.5f, 2, 4, 6}},
      {"0,1.5", {0, 1.5f}},
      {" 3 ", {3}},
      {"0.5, 2, 2, 6", {}},
      {"2, 0.5", {}},
      {"-1, 2", {}},
      {"0.5, 2x", {}},
      {"", {}},
      {"0.5,,2", {}},
      {"1,2,3,4,5,6,7,8,9", {}},
  };
  for (const auto& [text, edges] : cases) {
    RecordingSink sink;
    const auto read = ReadWindClassEdges(text, sink);
    if (edges.empty()) {
      EXPECT_FALSE(read) << text;
      ASSERT_EQ(sink.size(), 1u) << text;
      EXPECT_EQ(sink.last().title, "에러");
      EXPECT_EQ(sink.last().text(), refusal);
    } else {
      EXPECT_EQ(read, edges) << text;
      EXPECT_TRUE(sink.empty()) << text;
    }
  }
}

TEST(WindCount, TheScaleIsTheSmallestReadableStepThatReachesTheLargestShare) {
  const std::vector<std::pair<float, WindRoseScale>> cases{
      {0.0f, {1, 1}},     {0.8f, {1, 1}},  {5.0f, {1, 5}},   {5.2f, {2, 3}},
      {12.4f, {2.5f, 5}}, {18.0f, {5, 4}}, {49.0f, {10, 5}}, {100.0f, {20, 5}},
  };
  for (const auto& [largest, scale] : cases) {
    EXPECT_EQ(ScaleForShare(largest), scale) << largest;
  }
}

}  // namespace
}  // namespace vlm
