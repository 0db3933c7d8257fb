// The climate files of the 13 built-in regions in resources/weather: each one
// is there, loads, and is exactly what the EPW import makes of its recorded
// source today (scripts/make_weather.sh regenerates them).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/climate/check_climate_file.h"
#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/region_catalog.h"
#include "tests/core/climate/region_sources.h"

namespace vlm {
namespace {

namespace fs = std::filesystem;

const fs::path kWeatherDir = fs::path(VLM_TEST_DATA_DIR) / ".." / ".." / "resources" / "weather";
// The shared climate folder beside the checkout, or VLM_EPW_DIR (as for
// scripts/make_weather.sh) where the checkout has none beside it.
const fs::path kEpwDir = std::getenv("VLM_EPW_DIR") != nullptr
                             ? fs::path(std::getenv("VLM_EPW_DIR"))
                             : fs::path(VLM_SHARED_CLIMATE_DIR) / "epw";

using regiontest::kSourceOf;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class BuiltInRegionFile : public ::testing::TestWithParam<Region> {};

TEST_P(BuiltInRegionFile, LoadsAndIsTheImportOfItsRecordedSource) {
  const Region region = GetParam();
  const fs::path file = kWeatherDir / (std::string(region.fileStem) + ".cly");
  ASSERT_TRUE(fs::exists(file)) << file;
  RecordingSink sink;
  EXPECT_TRUE(CheckClimateFile(file.string(), sink));
  EXPECT_TRUE(sink.empty());

  const auto source = kSourceOf.find(region.fileStem);
  ASSERT_NE(source, kSourceOf.end()) << "no recorded source for " << region.fileStem;
  const fs::path epw = kEpwDir / source->second;
  if (!fs::exists(epw)) GTEST_SKIP() << "no shared climate folder";
  std::ifstream in(epw, std::ios::binary);
  const auto year = ImportEpw(in, sink);
  ASSERT_TRUE(year.has_value()) << (sink.empty() ? "" : sink.last().text());
  EXPECT_TRUE(readBytes(file) == encodeClyFile(year->records))
      << file << " differs from the import of " << source->second
      << ": run scripts/make_weather.sh";
}

// The stored wet bulb stands for the source's humidity: with the stored dry
// bulb and pressure it must give back the humidity ratio of the source's dew
// point at every hour, within 0.5 %.
TEST_P(BuiltInRegionFile, EveryHourReproducesItsSourceHumidity) {
  const Region region = GetParam();
  const fs::path epw = kEpwDir / kSourceOf.at(region.fileStem);
  if (!fs::exists(epw)) GTEST_SKIP() << "no shared climate folder";
  const auto records =
      readClyFile((kWeatherDir / (std::string(region.fileStem) + ".cly")).string());
  ASSERT_EQ(records.size(), 8760u);

  std::ifstream in(epw, std::ios::binary);
  std::string line;
  for (int header = 0; header < kEpwHeaderLines; ++header) std::getline(in, line);
  Psychrometrics psychro;
  std::size_t k = 0;
  int offHours = 0;
  for (std::int64_t number = kEpwHeaderLines + 1; std::getline(in, line); ++number) {
    EpwHour hour;
    ASSERT_FALSE(parseEpwDataLine(line, number, hour).has_value()) << "line " << number;
    if (hour.month == 2.0f && hour.day == 29.0f) continue;
    ASSERT_LT(k, records.size());
    const ClimateFileRecord& r = records[k++];
    psychro.Patm = r.Pressure;
    const float source = psychro.GetAH_VP(psychro.GetPsat_DBT(hour.dewPoint));
    const float stored = psychro.GetAH_DBTWBT(r.DBT, r.WBT);
    if (std::fabs(stored - source) > 0.005f * source && ++offHours <= 5) {
      ADD_FAILURE() << "hour " << k << ": dry bulb " << r.DBT << ", wet bulb " << r.WBT << " gives "
                    << stored << " kg/kg', the source " << source;
    }
  }
  EXPECT_EQ(k, records.size());
  EXPECT_EQ(offHours, 0);
}

INSTANTIATE_TEST_SUITE_P(AllRegions, BuiltInRegionFile, ::testing::ValuesIn(kBuiltInRegions),
                         [](const auto& info) { return std::string(info.param.fileStem); });

}  // namespace
}  // namespace vlm
