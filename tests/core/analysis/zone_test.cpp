#include "core/analysis/zone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/psychro/psychro_chart.h"

namespace vlm {
namespace {

float up(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }

class ZoneTest : public ::testing::Test {
 protected:
  ZoneTest() { chart.SetChartScale(700.0f, 500.0f); }
  [[nodiscard]] int16_t zone(float dbt, float wbt, float ah, float rh, float sv) const {
    return GetZone(dbt, wbt, ah, rh, sv, chart);
  }
  PsychroChart chart;
};

TEST_F(ZoneTest, MissingBeforeDryBulbRangeBeforeHumidityRange) {
  EXPECT_EQ(zone(999.0f, 10.0f, 0.01f, 50.0f, 0.85f), kZoneMissing);  // also out of range
  EXPECT_EQ(zone(20.0f, 999.0f, 0.01f, 50.0f, 0.85f), kZoneMissing);
  EXPECT_EQ(zone(20.0f, 10.0f, 999.0f, 50.0f, 0.85f), kZoneMissing);
  EXPECT_EQ(zone(60.0f, 10.0f, 0.05f, 50.0f, 0.85f), kZoneDBTOutOfRange);
  EXPECT_EQ(zone(up(50.0f), 10.0f, 0.01f, 50.0f, 0.85f), kZoneDBTOutOfRange);
  EXPECT_EQ(zone(-20.5f, 10.0f, 0.01f, 50.0f, 0.85f), kZoneDBTOutOfRange);
  EXPECT_EQ(zone(20.0f, 10.0f, up(0.03f), 50.0f, 0.85f), kZoneAHOutOfRange);
  EXPECT_EQ(zone(20.0f, 10.0f, -0.0001f, 50.0f, 0.85f), kZoneAHOutOfRange);
  // Relative humidity and specific volume are not tested for the marker.
  EXPECT_GT(zone(25.0f, 18.0f, 0.01f, 999.0f, 999.0f), 0);
}

TEST_F(ZoneTest, RangesAreInclusiveAndReadFromTheChart) {
  EXPECT_GT(zone(50.0f, 30.0f, 0.03f, 40.0f, 0.95f), 0);
  EXPECT_EQ(zone(-20.0f, -20.0f, 0.0f, 50.0f, 0.7f), 1);
  PsychroChart narrow = chart;
  narrow.DBTmax = 40.0f;
  narrow.AHmax = 0.02f;
  EXPECT_EQ(GetZone(45.0f, 25.0f, 0.01f, 20.0f, 0.9f, narrow), kZoneDBTOutOfRange);
  EXPECT_EQ(GetZone(30.0f, 25.0f, 0.025f, 90.0f, 0.9f, narrow), kZoneAHOutOfRange);
}

TEST_F(ZoneTest, HeatingBandsAtTheirSinglePrecisionLimits) {
  const struct {
    float dbt;
    int16_t code;
  } cases[] = {
      {-20.0f, 1},           {6.944444f, 1},         {up(6.944444f), 2}, {9.722222f, 2},
      {up(9.722222f), 3},    {12.5f, 3},             {up(12.5f), 4},     {15.277778f, 4},
      {up(15.277778f), 5},   {19.722221f, 5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zone(c.dbt, c.dbt - 2.0f, 0.005f, 50.0f, 0.83f), c.code) << "DBT " << c.dbt;
  }
  // The first hotter float leaves heating.
  const int16_t warm = zone(up(19.722221f), 15.0f, 0.008f, 55.0f, 0.85f);
  EXPECT_EQ(warm, 7);
}

TEST_F(ZoneTest, WarmZonesOfTheChart) {
  const struct {
    float dbt, wbt, ah, rh, sv;
    int16_t code;
  } cases[] = {
      {22.0f, 9.0f, 0.003f, 30.0f, 0.845f, 61},
      {22.0f, 12.0f, 0.003f, 30.0f, 0.845f, 62},
      {22.0f, 15.0f, 0.008f, 50.0f, 0.85f, 7},
      {22.0f, 18.0f, 0.008f, 80.0f, 0.85f, 7},   // RH exactly 80 is still comfortable
      {22.0f, 20.0f, 0.015f, 90.0f, 0.86f, 8},
      {30.0f, 20.0f, 0.015f, 60.0f, 0.87f, 9},
      {30.0f, 23.0f, 0.014f, 55.0f, 0.88f, 10},
      {30.0f, 20.0f, 0.012f, 45.0f, 0.88f, 11},
      {35.0f, 23.0f, 0.013f, 36.0f, 0.88f, 12},
      {30.0f, 15.0f, 0.005f, 18.0f, 0.87f, 13},
      {35.0f, 20.0f, 0.008f, 22.0f, 0.88f, 13},
      {38.0f, 21.0f, 0.008f, 19.0f, 0.89f, 14},
      {27.0f, 12.0f, 0.003f, 13.0f, 0.86f, 14},  // right of the comfort line, very dry
      {28.0f, 26.0f, 0.021f, 85.0f, 0.88f, 15},
      {35.0f, 28.0f, 0.022f, 60.0f, 0.90f, 16},
      {31.0f, 27.0f, 0.022f, 75.0f, 0.89f, 16},
      {38.0f, 24.0f, 0.013f, 30.0f, 0.89f, 17},
      {45.0f, 21.0f, 0.004f, 7.0f, 0.91f, 17},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zone(c.dbt, c.wbt, c.ah, c.rh, c.sv), c.code)
        << c.dbt << " " << c.wbt << " " << c.ah << " " << c.rh << " " << c.sv;
  }
}

TEST_F(ZoneTest, ComfortRightLineIsRoundedToSinglePrecision) {
  EXPECT_NEAR(ComfortRightLine(26.321613f), 0.0f, 1e-8f);
  EXPECT_NEAR(ComfortRightLine(24.13404f), 0.0190f, 0.0001f);
  // An hour exactly on the rounded line is left of it; the next float is right.
  for (const float dbt : {23.0f, 24.0f, 25.0f, 26.0f, 26.3f}) {
    const float h = ComfortRightLine(dbt);
    const int16_t on = zone(dbt, 10.0f, h, 60.0f, 0.85f);
    const int16_t right = zone(dbt, 10.0f, up(h), 60.0f, 0.85f);
    EXPECT_TRUE(on == 61 || on == 62 || on == 7 || on == 8) << dbt << " → " << on;
    EXPECT_FALSE(right == 61 || right == 62 || right == 7 || right == 8) << dbt << " → " << right;
  }
  // Where the rounded line lies above its double value, an hour between the
  // two is still on the comfortable side: the comparison uses the float.
  bool found = false;
  for (float dbt = 24.2f; dbt < 26.0f && !found; dbt += 0.01f) {
    const double exact = static_cast<double>(dbt) * -0.008703 + 0.229077;
    const float rounded = ComfortRightLine(dbt);
    if (static_cast<double>(rounded) <= exact || rounded <= kZoneAHLow) continue;
    found = true;
    EXPECT_EQ(zone(dbt, 17.0f, rounded, 57.0f, 0.86f), 7) << dbt;
  }
  EXPECT_TRUE(found);
}

TEST_F(ZoneTest, OnlyNotANumberFallsThrough) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(zone(25.0f, nan, 0.003f, nan, nan), kZoneNoTest);
  EXPECT_EQ(zone(nan, 10.0f, 0.01f, 50.0f, 0.85f), kZoneDBTOutOfRange);
  EXPECT_EQ(zone(25.0f, 10.0f, nan, 50.0f, 0.85f), kZoneAHOutOfRange);
  // A NaN wet bulb does not pass as "not above" a wet-bulb limit.
  EXPECT_NE(zone(22.0f, nan, 0.003f, 30.0f, 0.845f), 61);
}

// Whatever the combination, also physically impossible ones, a finite hour
// inside the chart falls in a zone: every boundary is tried at, just below
// and just above its threshold.
TEST_F(ZoneTest, FiniteHoursInsideTheChartAlwaysFindAZone) {
  const auto around = [](std::initializer_list<float> limits, std::vector<float> extra) {
    for (const float v : limits) {
      extra.push_back(std::nextafter(v, -1e9f));
      extra.push_back(v);
      extra.push_back(up(v));
    }
    return extra;
  };
  const std::vector<float> dbts =
      around({kZoneDBT67_5F, kZoneDBT89_5F, kZoneDBT104_5F, 24.13404f, 26.321613f},
             {-20.0f, 0.0f, 10.0f, 22.0f, 28.0f, 35.0f, 45.0f, 50.0f});
  const std::vector<float> wbts = around({kZoneWBT51_5F, kZoneWBT71_5F}, {-25.0f, 15.0f, 55.0f});
  const std::vector<float> rhs = around({kZoneRHLow, kZoneRHHigh}, {0.0f, 50.0f, 140.0f});
  const std::vector<float> svs = around({kZoneSVLow, kZoneSVHigh}, {0.8f, 0.885f, 0.95f});
  const std::set<int16_t> valid(kZoneCodes.begin(), kZoneCodes.end());
  int hours = 0;
  for (const float dbt : dbts) {
    std::vector<float> ahs = around({kZoneAHLow, kZoneAHHigh}, {0.0f, 0.008f, 0.02f, 0.03f});
    const float h = ComfortRightLine(dbt);
    if (h >= 0.0f && h < 0.03f) ahs.insert(ahs.end(), {h, up(h)});
    for (const float ah : ahs) {
      for (const float wbt : wbts) {
        for (const float rh : rhs) {
          for (const float sv : svs) {
            const int16_t code = zone(dbt, wbt, ah, rh, sv);
            ASSERT_TRUE(valid.count(code)) << dbt << " " << wbt << " " << ah << " " << rh << " "
                                            << sv << " → " << code;
            ++hours;
          }
        }
      }
    }
  }
  EXPECT_GT(hours, 100000);
}

TEST(ZoneTables, NeedZonesPartitionTheCodes) {
  const char* names[] = {"난방 필요", "냉방 필요", "쾌적(그늘 필요)", "제습만 필요",
                         "가습만 필요"};
  const char* keys[] = {"TH", "TC", "TCT", "DH", "HU"};
  for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
    EXPECT_EQ(kNeedZones[i].name, names[i]);
    EXPECT_EQ(kNeedZones[i].key, keys[i]);
  }
  std::multiset<int16_t> seen;
  for (const auto& need : kNeedZones) seen.insert(need.codes.begin(), need.codes.end());
  EXPECT_EQ(seen, std::multiset<int16_t>(kZoneCodes.begin(), kZoneCodes.end()));
  const std::map<int16_t, int> needOf{{1, 0},  {5, 0},  {61, 4}, {62, 4}, {7, 2},
                                      {8, 3},  {9, 1},  {17, 1}, {-1, -1}, {-2, -1},
                                      {-3, -1}, {-4, -1}, {6, -1}};
  for (const auto& [code, index] : needOf) EXPECT_EQ(NeedZoneIndex(code), index) << code;
}

TEST(ZoneTables, GuideZonesInTheirFixedOrder) {
  const struct {
    const char* shortName;
    const char* caption;
    const char* key;
  } expected[] = {
      {"단열", "단열\n(Restrict Conduction)", "RC"},
      {"침기차단", "침기차단\n(Restrict Infiltration)", "RI"},
      {"태양열획득", "태양열획득\n(Promote Solar Gain)", "PSG"},
      {"태양열차단", "태양열차단\n(Restrict Solar Gain)", "RSG"},
      {"통풍·환기", "통풍, 환기\n(Promote Ventilation)", "PV"},
      {"증발냉각", "증발냉각\n(Promote Evaporative\nCooling)", "PEC"},
      {"복사냉방(중량구조화)", "복사냉방(중량구조화)\n(Promote Radiant\nCooling)", "PRC"},
      {"기계냉방", "기계냉방\n(Mechanical Cooling)", "MC"},
      {"기계냉방·제습", "기계냉방, 제습\n(Mechanical Cooling\nand Dehumidification)", "MCD"},
  };
  ASSERT_EQ(kGuideZones.size(), std::size(expected));
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
    EXPECT_EQ(kGuideZones[i].shortName, expected[i].shortName);
    EXPECT_EQ(kGuideZones[i].caption, expected[i].caption);
    EXPECT_EQ(kGuideZones[i].key, expected[i].key);
  }
}

// The guideline zones seen from each code: which of RC, RI, PSG, RSG, PV, PEC,
// PRC, MC, MCD count it.
TEST(ZoneTables, GuideZonesOfEachCode) {
  const std::map<int16_t, std::vector<std::string>> byCode{
      {1, {"RC", "RI", "PSG"}},        {2, {"RC", "RI", "PSG"}},
      {3, {"RC", "RI", "PSG"}},        {4, {"RC", "RI", "PSG"}},
      {5, {"RC", "RI", "PSG"}},        {61, {"RSG"}},
      {62, {"RSG", "PEC"}},            {7, {"RSG"}},
      {8, {"RSG"}},                    {9, {"RC", "RSG", "PV"}},
      {10, {"RC", "RSG", "PV", "PRC"}}, {11, {"RC", "RSG", "PV", "PEC", "PRC"}},
      {12, {"RSG", "PRC"}},            {13, {"RSG", "PEC", "PRC"}},
      {14, {"RSG", "PEC"}},            {15, {"RC", "RSG", "MCD"}},
      {16, {"RC", "RI", "RSG", "MCD"}}, {17, {"RC", "RI", "RSG", "MC"}},
      {-1, {}}, {-2, {}}, {-3, {}}, {-4, {}},
  };
  for (const auto& [code, keys] : byCode) {
    std::vector<std::string> counted;
    for (std::size_t g = 0; g < kGuideZones.size(); ++g) {
      if (GuideZoneCounts(g, code)) counted.emplace_back(kGuideZones[g].key);
    }
    EXPECT_EQ(counted, keys) << "code " << code;
  }
  EXPECT_FALSE(GuideZoneCounts(9, 1));
}

}  // namespace
}  // namespace vlm
