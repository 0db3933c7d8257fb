// The carpet: one cell per hour in its day column and hour row, coloured by
// the hour's need zone or by its dry-bulb, with ticks, labels and the legend.
#include "core/seasonal/carpet.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <variant>

#include "../analysis/synthetic_year.h"
#include "core/psychro/psychro_chart.h"
#include "region_years.h"

namespace vlm {
namespace {

const RectItem& cell(const Drawing& d, int hourOfYear) {
  return std::get<RectItem>(d.items()[static_cast<std::size_t>(hourOfYear - 1)]);
}

std::vector<std::string> texts(const Drawing& d) {
  std::vector<std::string> out;
  for (const DrawItem& item : d.items())
    if (const auto* t = std::get_if<TextItem>(&item)) out.push_back(t->text);
  return out;
}

bool has(const std::vector<std::string>& all, const std::string& text) {
  return std::find(all.begin(), all.end(), text) != all.end();
}

TEST(CarpetTest, SeoulHasEveryHourInItsOwnCell) {
  const auto seoul = test::LoadRegion("seoul");
  const Drawing d = BuildCarpet(*seoul, PsychroChart{}, CarpetColouring::Zone);
  std::set<std::pair<float, float>> corners;
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const RectItem& r = cell(d, h);
    EXPECT_EQ(r.x2 - r.x1, 1.0f);
    EXPECT_EQ(r.y2 - r.y1, 1.0f);
    EXPECT_TRUE(r.x1 >= 0 && r.x2 <= 365 && r.y1 >= 0 && r.y2 <= 24) << h;
    corners.insert({r.x1, r.y1});
  }
  EXPECT_EQ(corners.size(), 8760u);
  EXPECT_FALSE(std::holds_alternative<RectItem>(d.items()[8760]));
  struct Known {
    int hour;
    CarpetCell place;
  };
  for (const Known k : {Known{1, {0, 23, 1, 24}},             // 1 January 0 h: top left
                        Known{24, {0, 0, 1, 1}},              // 1 January 23 h
                        Known{4345 + 14, {181, 9, 182, 10}},  // 1 July 14 h
                        Known{8760, {364, 0, 365, 1}}}) {     // 31 December 23 h
    const RectItem& r = cell(d, k.hour);
    EXPECT_EQ((CarpetCell{r.x1, r.y1, r.x2, r.y2}), k.place) << k.hour;
  }
  const std::vector<std::string> all = texts(d);
  for (const char* label : {"1월", "12월", "0시", "21시", "난방 필요", "가습만 필요",
                            "결측, 도표 범위 밖", "서울 지역 시간별 생체기후적 요구 죤"}) {
    EXPECT_TRUE(has(all, label)) << label;
  }
}

TEST(CarpetTest, CellsTakeTheNeedZoneColourOrGrey) {
  auto year = test::SyntheticYear();
  test::SetHour(*year, 1, 0.0f, -1.0f);      // heating
  test::SetHour(*year, 2, 22.0f, 16.0f);     // comfortable
  test::SetHour(*year, 3, kMissing, 10.0f);  // missing: grey
  test::SetHour(*year, 4, 55.0f, 25.0f);     // beyond the chart: grey
  test::SetHour(*year, 5, 34.0f, 27.0f);     // cooling
  const Drawing d = BuildCarpet(*year, PsychroChart{}, CarpetColouring::Zone);
  EXPECT_EQ(cell(d, 1).pen.color, palette::kHeating);
  EXPECT_EQ(cell(d, 2).pen.color, palette::kComfort);
  EXPECT_EQ(cell(d, 3).pen.color, kCarpetNoZoneColor);
  EXPECT_EQ(cell(d, 4).pen.color, kCarpetNoZoneColor);
  EXPECT_EQ(cell(d, 5).pen.color, palette::kCooling);
}

TEST(CarpetTest, DryBulbScaleRunsFromBlueToRedWithGreyForMissing) {
  struct Case {
    float dbt;
    uint32_t rgb;
  };
  for (const Case c : {Case{-30.0f, 0x313695}, Case{-20.0f, 0x313695}, Case{10.0f, 0xE0F3F8},
                       Case{15.0f, 0xEFEAC4}, Case{40.0f, 0xA50026}, Case{45.0f, 0xA50026},
                       Case{kMissing, kCarpetNoZoneColor.rgbValue()}}) {
    EXPECT_EQ(CarpetDryBulbColor(c.dbt).rgbValue(), c.rgb) << c.dbt;
  }
  auto year = test::SyntheticYear();
  test::SetHour(*year, 100, -20.0f, -21.0f);
  test::SetHour(*year, 101, kMissing, kMissing);
  const Drawing d = BuildCarpet(*year, PsychroChart{}, CarpetColouring::DryBulb);
  EXPECT_EQ(cell(d, 100).pen.color.rgbValue(), 0x313695u);
  EXPECT_EQ(cell(d, 101).pen.color, kCarpetNoZoneColor);
  const std::vector<std::string> all = texts(d);
  for (const char* label : {"건구온도(°C)", "-20", "40", "결측", "서울 지역 시간별 건구온도"}) {
    EXPECT_TRUE(has(all, label)) << label;
  }
  EXPECT_FALSE(has(all, "난방 필요"));
}

}  // namespace
}  // namespace vlm
