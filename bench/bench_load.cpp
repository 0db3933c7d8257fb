// The region page's load of a full year: validation, one read of the file,
// derivation of every hour at its own pressure, the monthly statistics and the
// wind-direction counts. Target: at most twice BM_Floor, the least any load
// of a year can cost (one read of the file, the year's transcendental
// functions and divisions, the statistics in one pass), about 0.6 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/climate/check_climate_file.h"
#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/cly_file.h"
#include "core/climate/date_time.h"
#include "core/climate/region_catalog.h"

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

const std::string& seoulFile() {
  static const std::string path =
      std::string(VLM_TEST_DATA_DIR) + "/../../resources/weather/seoul.cly";
  return path;
}

// Seoul's year through the confirm command.
void BM_LoadSeoul(benchmark::State& state) {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::SilentSink sink;
  const vlm::ClimateChoice choice{"서울", seoulFile()};
  for (auto _ : state) {
    if (!vlm::LoadClimateYear(*data, choice, psychro, sink)) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(data->MonthStatDBT);
  }
}
BENCHMARK(BM_LoadSeoul)->Unit(benchmark::kMicrosecond);

// The same year the way it was loaded before: the check's own read, then a
// second read and every operation guarded.
void BM_LoadSeoulChecked(benchmark::State& state) {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::SilentSink sink;
  for (auto _ : state) {
    if (!vlm::CheckClimateFile(seoulFile(), sink)) state.SkipWithError("refused");
    vlm::readClimateYearChecked(*data, seoulFile(), psychro);
    vlm::ComputeMonthStats(*data);
    vlm::CountWindDirs(*data);
    benchmark::DoNotOptimize(data->MonthStatDBT);
  }
}
BENCHMARK(BM_LoadSeoulChecked)->Unit(benchmark::kMicrosecond);

// The floor: read the 227,760 bytes, then per hour the work no derivation of
// humidity can avoid (2 logarithms, 2 exponentials, 3 divisions), then the
// statistics of four quantities per month in one pass.
void BM_Floor(benchmark::State& state) {
  struct Stat {
    double sum = 0;
    float max = -1e5f, min = 1e5f;
  };
  std::vector<float> derived(static_cast<std::size_t>(vlm::kHoursPerYear) * 4);
  for (auto _ : state) {
    const std::pmr::string bytes = vlm::readFileBytes(seoulFile());
    const auto field = [&bytes](int k, int offset) {
      float value = 0;
      std::memcpy(&value, bytes.data() + (k - 1) * vlm::kRecordSize + offset, sizeof value);
      return static_cast<double>(value);
    };
    for (int k = 1; k <= vlm::kHoursPerYear; ++k) {
      const double t = field(k, 2) + 273.15;
      const double twb = field(k, 6) + 273.15;
      const double p = field(k, 10);
      const double ps1 = std::exp(-5800.2206 / t + 6.5459673 * std::log(t));
      const double ps2 = std::exp(-5800.2206 / twb + 6.5459673 * std::log(twb));
      float* out = &derived[static_cast<std::size_t>(k - 1) * 4];
      out[0] = static_cast<float>(ps2 / (p - ps2));
      out[1] = static_cast<float>(ps1 * p);
      out[2] = static_cast<float>(ps2 / ps1);
      out[3] = static_cast<float>(t * p);
    }
    std::array<std::array<Stat, 4>, 13> stats{};
    for (int16_t month = 1; month <= 12; ++month) {
      for (int k = vlm::firstHourOfMonth(month); k <= vlm::lastHourOfMonth(month); ++k) {
        const float values[4] = {
            static_cast<float>(field(k, 2)), derived[static_cast<std::size_t>(k - 1) * 4 + 2],
            static_cast<float>(field(k, 22)), static_cast<float>(field(k, 16))};
        for (std::size_t q = 0; q < 4; ++q) {
          for (Stat* s : {&stats[static_cast<std::size_t>(month)][q], &stats[0][q]}) {
            s->sum += values[q];
            s->max = std::max(s->max, values[q]);
            s->min = std::min(s->min, values[q]);
          }
        }
      }
    }
    benchmark::DoNotOptimize(stats);
    benchmark::DoNotOptimize(derived.data());
  }
}
BENCHMARK(BM_Floor)->Unit(benchmark::kMicrosecond);

}  // namespace
