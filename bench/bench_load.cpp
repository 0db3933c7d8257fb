// The region page's load of a full year: validation, one read of the file,
// derivation of every hour at its own pressure, the monthly statistics and the
// wind-direction counts. Target: under 2 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/cly_file.h"

namespace {

namespace fs = std::filesystem;

// A year with daily and seasonal swings, the 16 directions, calm hours and a
// sprinkling of missing observations, so that no branch is always taken.
std::vector<vlm::ClimateFileRecord> syntheticYear() {
  constexpr std::array<int16_t, 18> directions = {23,  45,  68,  90,  113, 135, 158, 180, 203,
                                                  225, 248, 270, 293, 315, 338, 360, 0,   999};
  std::vector<vlm::ClimateFileRecord> year;
  for (int k = 1; k <= vlm::kHoursPerYear; ++k) {
    const double season = std::cos(2.0 * M_PI * (k - 5000) / 8760.0);
    const double day = std::cos(2.0 * M_PI * ((k - 1) % 24 - 14) / 24.0);
    const auto dbt = static_cast<float>(12.0 + 14.0 * season + 4.0 * day);
    const auto wbt = static_cast<float>(dbt - 2.0 - 1.5 * (1.0 + day));
    vlm::ClimateFileRecord r{static_cast<int16_t>(k + vlm::kRecIndexOffset),
                             dbt,
                             wbt,
                             static_cast<float>(100.8 + 0.8 * std::sin(k / 97.0)),
                             directions[static_cast<std::size_t>((k * 7) % 18)],
                             static_cast<float>(2.0 + std::fabs(std::sin(k / 13.0)) * 4.0),
                             static_cast<int16_t>(k % 11),
                             static_cast<float>(std::max(0.0, day) * 700.0)};
    if (k % 211 == 0) r.WBT = vlm::kMissing;
    if (k % 307 == 0) r.Pressure = vlm::kMissingPressure;
    if (k % 401 == 0) r.Radiation = vlm::kMissingRadiation;
    year.push_back(r);
  }
  return year;
}

// Written once per run into a folder of its own, removed at exit.
const std::string& yearFile() {
  struct File {
    fs::path dir = fs::temp_directory_path() / ("vlm_bench_load_" + std::to_string(::getpid()));
    File() {
      fs::create_directories(dir);
      vlm::writeClyFile((dir / "year.cly").string(), syntheticYear());
    }
    ~File() { fs::remove_all(dir); }
    std::string path = (dir / "year.cly").string();
  };
  static const File file;
  return file.path;
}

// The whole confirm command as the page runs it, with a progress callback per hour.
void BM_LoadClimateYear(benchmark::State& state) {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::SilentSink sink;
  const vlm::ClimateChoice choice = vlm::otherChoice(yearFile());
  int lastHour = 0;
  for (auto _ : state) {
    const bool ok = vlm::LoadClimateYear(*data, choice, psychro, sink,
                                         [&lastHour](int16_t k) { lastHour = k; });
    if (!ok || lastHour != vlm::kHoursPerYear) state.SkipWithError("the year was not loaded");
    benchmark::DoNotOptimize(data->MonthStatDBT);
  }
}
BENCHMARK(BM_LoadClimateYear)->Unit(benchmark::kMicrosecond);

// Read, derive, statistics and wind counts, without the validation's own read.
void BM_ReadDeriveAndTabulate(benchmark::State& state) {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  for (auto _ : state) {
    vlm::readClimateYear(*data, yearFile(), psychro);
    vlm::ComputeMonthStats(*data);
    vlm::CountWindDirs(*data);
    benchmark::DoNotOptimize(data->WindDirCount);
  }
}
BENCHMARK(BM_ReadDeriveAndTabulate)->Unit(benchmark::kMicrosecond);

}  // namespace
