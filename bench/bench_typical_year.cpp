// The typical year of a station's ten years (2011–2020, some 87,600 hourly
// ASOS lines with every column): each file scanned and streamed once, the
// statistics of every month, the joins and the .cly written.
// Target: under 300 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "bench/asos_ten_years.h"
#include "core/climate/typical_year_file.h"

namespace {

namespace fs = std::filesystem;

void BM_TypicalYearOfTenYears(benchmark::State& state) {
  const fs::path dir =
      fs::temp_directory_path() / ("vlm_bench_typical_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string csv = (dir / "ten_years.csv").string();
  std::ofstream(csv, std::ios::binary) << vlm::bench::asosTenYears();
  vlm::TypicalYearRequest request;
  request.sources = {csv};
  request.target = (dir / "typical.cly").string();
  request.policy = vlm::OverwritePolicy::Replace;
  for (auto _ : state) {
    vlm::SilentSink sink;
    const auto result = vlm::MakeTypicalYearFile(request, sink);
    if (result.outcome != vlm::ConversionOutcome::Converted) state.SkipWithError("not built");
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_TypicalYearOfTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
