// A climate year written as an EPW file: the fields of an hour, the header,
// and every built-in year read back by the program's own import.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychrometrics.h"
#include "core/solar/epw_export.h"

namespace vlm {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) {
    if (!part.empty() && part.back() == '\r') part.pop_back();
    parts.push_back(part);
  }
  return parts;
}

ClimateFileRecord ordinaryHour() {
  return ClimateFileRecord{0, 20.0f, 15.0f, 100.8f, 225, 3.1f, 5, 250.0f};
}

const Site kSeoul = siteOf(*regionByStem("seoul"));

// Every hour ordinary but hour k, which is `changed`; the fields of line k.
std::vector<std::string> fieldsOfHour(int k, const ClimateFileRecord& changed) {
  std::vector<ClimateFileRecord> year(kHoursPerYear, ordinaryHour());
  year[static_cast<std::size_t>(k - 1)] = changed;
  const auto lines = split(EpwText(year, kSeoul, {}), '\n');
  return split(lines[static_cast<std::size_t>(kEpwHeaderLines + k - 1)], ',');
}

TEST(EpwHour, WritesEachFieldOrItsMissingCode) {
  struct Case {
    const char* what;
    int k;
    ClimateFileRecord record;
    std::vector<std::pair<int, std::string>> fields;  // 1-based field, text
  };
  ClimateFileRecord noDryBulb = ordinaryHour(), noPressure = ordinaryHour(),
                    noRadiation = ordinaryHour(), calm = ordinaryHour(), noWind = ordinaryHour(),
                    noCloud = ordinaryHour(), night = ordinaryHour(), strange = ordinaryHour();
  noDryBulb.DBT = kMissing;
  noPressure.Pressure = kMissingPressure;
  noRadiation.Radiation = kMissingRadiation;
  calm.WindDir = kCalm;
  calm.WindSpeed = 0;
  noWind.WindDir = kMissingWindDir;
  noWind.WindSpeed = kMissing;
  noCloud.Cloud = kMissingCloud;
  night.Radiation = 0;
  strange.WindDir = 400;
  strange.Cloud = 11;
  const std::vector<Case> cases = {
      {"first hour", 1, night, {{1, "2017"}, {2, "1"}, {3, "1"}, {4, "1"}, {14, "0"}, {15, "0"}}},
      {"last hour", 8760, night, {{2, "12"}, {3, "31"}, {4, "24"}, {11, "0"}, {16, "0"}}},
      {"1 March 0 h", 1417, ordinaryHour(), {{2, "3"}, {3, "1"}, {4, "1"}}},
      {"dry bulb", 4000, noDryBulb, {{7, "99.9"}, {8, "99.9"}, {9, "999"}}},
      {"pressure", 4000, noPressure, {{10, "999999"}, {8, "99.9"}, {9, "999"}}},
      {"radiation", 4000, noRadiation, {{14, "9999"}, {15, "9999"}, {16, "9999"}}},
      {"calm", 4000, calm, {{21, "0"}, {22, "0.0"}}},
      {"wind", 4000, noWind, {{21, "999"}, {22, "999"}}},
      {"cloud", 4000, noCloud, {{23, "99"}}},
      {"no direction, no cover", 4000, strange, {{21, "999"}, {23, "99"}}},
      {"not held", 4000, ordinaryHour(), {{13, "9999"}, {17, "999999"}, {20, "9999"},
                                          {24, "99"}, {27, "9"}, {30, "0.999"}, {35, "99"}}},
  };
  for (const Case& c : cases) {
    const auto fields = fieldsOfHour(c.k, c.record);
    ASSERT_EQ(fields.size(), 35u) << c.what;
    for (const auto& [field, text] : c.fields)
      EXPECT_EQ(fields[static_cast<std::size_t>(field - 1)], text) << c.what << ", field " << field;
  }
}

TEST(EpwHeader, HasTheEightLinesOfTheFormat) {
  std::vector<ClimateFileRecord> year(kHoursPerYear, ordinaryHour());
  EpwSource source;
  source.description = "seoul.cly, a test";
  source.years.fill(2024);
  const auto lines = split(EpwText(year, kSeoul, source), '\n');
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kEpwHeaderLines + kHoursPerYear));
  const auto location = split(lines[0], ',');
  ASSERT_EQ(location.size(), 10u);
  EXPECT_EQ(location[1], "Seoul.WS");
  EXPECT_EQ(std::stod(location[6]), kSeoul.latitude);
  EXPECT_EQ(std::stod(location[7]), kSeoul.longitude);
  EXPECT_EQ(std::stod(location[8]), kSeoul.utcOffset);
  const std::vector<std::string> rest = {
      "DESIGN CONDITIONS,0", "TYPICAL/EXTREME PERIODS,0", "GROUND TEMPERATURES,0",
      "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
      // A comma in a name would split the field.
      "COMMENTS 1,Velmora climate year from seoul.cly  a test"};
  for (std::size_t i = 0; i < rest.size(); ++i) EXPECT_EQ(lines[i + 1], rest[i]);
  EXPECT_EQ(lines[6].rfind("COMMENTS 2,", 0), 0u);
  EXPECT_EQ(lines[7], "DATA PERIODS,1,1,Data,Monday,1/ 1,12/31");  // 1 January 2024
}

TEST(EpwHeader, ElevationOfPressureUndoesTheStandardAtmosphere) {
  for (const float metres : {0.0f, 87.0f, 850.0f, 2500.0f}) {
    Psychrometrics psychro;
    psychro.SetPatm_Alt(metres);
    EXPECT_NEAR(elevationOfPressure(psychro.Patm), metres, 0.5) << metres;
  }
}

TEST(EpwHeader, NamesTheWeekdayOfNewYear) {
  const std::vector<std::pair<int, std::string>> cases = {
      {2017, "Sunday"}, {2001, "Monday"}, {2000, "Saturday"}, {2024, "Monday"}, {1900, "Monday"}};
  for (const auto& [year, day] : cases) EXPECT_EQ(weekdayOfNewYear(year), day) << year;
}

TEST(EpwPressure, ReadsBackAsTheStoredKilopascals) {
  // Whole pascals from an EPW source, and pressures converted from inHg.
  for (const float kPa : {101.325f, 100.0f, 99.526f, 101.3207f, 100.76543f, 31.0f}) {
    const std::string text = epwPressureText(kPa);
    EXPECT_EQ(static_cast<float>(static_cast<double>(std::stof(text)) / 1000.0), kPa) << text;
  }
}

// Every built-in year goes out and comes back through the program's own
// import: the stored fields as they were, radiation to the stored tenth, the
// wet bulb within 0.05 °C and the site with its radiation's timing.
TEST(EpwRoundTrip, EveryBuiltInYearComesBack) {
  for (const Region& region : kBuiltInRegions) {
    const std::string stem(region.fileStem);
    const auto year = readClyFile(std::string(VLM_PROGRAM_DIR) + "/weather/" + stem + ".cly");
    const Site site = siteOf(region);
    std::istringstream text(EpwText(year, site, {}));
    RecordingSink sink;
    const auto back = ImportEpw(text, sink);
    ASSERT_TRUE(back) << stem << ": " << sink.last().lines.back();
    ASSERT_TRUE(back->station.site) << stem;
    EXPECT_EQ(*back->station.site, site) << stem;
    double worstWetBulb = 0, worstHumidity = 0;
    for (std::size_t i = 0; i < year.size(); ++i) {
      const ClimateFileRecord& a = year[i];
      const ClimateFileRecord& b = back->records[i];
      const auto at = stem + " hour " + std::to_string(i + 1);
      ASSERT_EQ(b.DBT, a.DBT) << at;
      ASSERT_EQ(b.Pressure, a.Pressure) << at;
      ASSERT_EQ(b.WindDir, a.WindDir) << at;
      ASSERT_EQ(b.WindSpeed, a.WindSpeed) << at;
      ASSERT_EQ(b.Cloud, a.Cloud) << at;
      ASSERT_LE(std::fabs(b.Radiation - a.Radiation), 1.0f) << at;  // tenths of cal/cm²
      ASSERT_EQ(b.WBT == kMissing, a.WBT == kMissing) << at;
      if (a.WBT == kMissing) continue;
      worstWetBulb = std::max(worstWetBulb, std::fabs(static_cast<double>(b.WBT) - a.WBT));
      Psychrometrics psychro;
      psychro.Patm = a.Pressure;
      const float rhA = psychro.GetRH_DBTAH(a.DBT, psychro.GetAH_DBTWBT(a.DBT, a.WBT));
      const float rhB = psychro.GetRH_DBTAH(b.DBT, psychro.GetAH_DBTWBT(b.DBT, b.WBT));
      worstHumidity = std::max(worstHumidity, std::fabs(static_cast<double>(rhB) - rhA));
    }
    EXPECT_LE(worstWetBulb, 0.05) << stem;
    EXPECT_LE(worstHumidity, 0.5) << stem;
  }
}

// Wet bulbs of sources in other units, with dew points of more decimals.
TEST(EpwRoundTrip, WetBulbsOfOtherSourcesComeBackWithinATwentiethOfADegree) {
  const std::vector<ClimateFileRecord> hours = {
      {0, 10.0f, 7.222222f, 101.3207f, 225, 5.144444f, 5, 0},  // a WYEC hour
      {0, -5.3f, -6.123f, 100.9f, 360, 1.0f, 0, 0},
      {0, 33.3f, 33.3f, 99.8f, 180, 2.0f, 10, 0},  // saturated
      {0, 35.0f, 12.5f, 95.0f, 90, 7.5f, 1, 0},    // dry
  };
  std::vector<ClimateFileRecord> year(kHoursPerYear);
  for (std::size_t i = 0; i < year.size(); ++i) year[i] = hours[i % hours.size()];
  std::istringstream text(EpwText(year, kSeoul, {}));
  RecordingSink sink;
  const auto back = ImportEpw(text, sink);
  ASSERT_TRUE(back);
  for (std::size_t i = 0; i < hours.size(); ++i)
    EXPECT_NEAR(back->records[i].WBT, hours[i].WBT, 0.05) << i;
}

}  // namespace
}  // namespace vlm
