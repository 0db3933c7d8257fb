// The ASOS import of a station's ten years (2011–2020, 87,672 hourly lines
// with every column the portal offers) and the conversion of one of them:
// both passes over the text, in memory and from a file to a .cly file.
// Target: under 150 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/asos_ten_years.h"
#include "core/climate/asos_import.h"
#include "core/climate/weather_conversion.h"

namespace {

namespace fs = std::filesystem;

void BM_ImportOneYearOfTen(benchmark::State& state) {
  const vlm::AsosChoice choice{108, 2016};
  const std::string& text = vlm::bench::asosTenYears();  // made once, outside the timing
  for (auto _ : state) {
    std::istringstream in(text);
    vlm::SilentSink sink;
    auto year = vlm::ImportAsos(in, choice, sink);
    if (!year) state.SkipWithError("refused");
    benchmark::DoNotOptimize(year);
  }
  state.counters["lines"] = static_cast<double>(std::count(text.begin(), text.end(), '\n'));
}
BENCHMARK(BM_ImportOneYearOfTen)->Unit(benchmark::kMillisecond);

// The conversion page's command: the file read twice, the default (most
// hours) chosen, the .cly written through a temporary file.
void BM_ConvertFileToCly(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / ("vlm_bench_asos_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string csv = (dir / "ten_years.csv").string();
  std::ofstream(csv, std::ios::binary) << vlm::bench::asosTenYears();
  const std::string cly = (dir / "one_year.cly").string();
  for (auto _ : state) {
    vlm::SilentSink sink;
    const auto outcome = vlm::ConvertWeatherFile(csv, cly, sink, vlm::OverwritePolicy::Replace);
    if (outcome != vlm::ConversionOutcome::Converted) state.SkipWithError("not converted");
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_ConvertFileToCly)->Unit(benchmark::kMillisecond);

}  // namespace
