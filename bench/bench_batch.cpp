// vlm-cli batch analyse over many years on every core: 1000 .cly files (the
// 13 built-in years, linked over and over) and 100 EPW files. Targets: at
// least 1000 .cly years and 100 EPW years a second (items_per_second). The
// anchor in the same run is BM_OneYearAnalysed, one year loaded and analysed
// on one core as a batch row does it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_rows.h"
#include "cli/cli_context.h"
#include "cli/commands.h"
#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"

namespace {

namespace fs = std::filesystem;

// A folder of `count` links to the given sources, made once per run.
class LinkFolder {
 public:
  LinkFolder(const std::string& name, const std::vector<fs::path>& sources, int count)
      : dir_(fs::temp_directory_path() / (name + "_" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
    for (int i = 0; i < count && !sources.empty(); ++i) {
      const fs::path& source = sources[static_cast<std::size_t>(i) % sources.size()];
      const fs::path link = dir_ / (std::to_string(i) + source.extension().string());
      std::error_code error;
      fs::create_hard_link(source, link, error);
      if (error) fs::copy_file(source, link);
      files_.push_back(link.string());
    }
  }
  ~LinkFolder() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  [[nodiscard]] const std::vector<std::string>& files() const { return files_; }
  [[nodiscard]] std::string output() const { return (dir_ / "out.csv").string(); }

 private:
  fs::path dir_;
  std::vector<std::string> files_;
};

std::vector<fs::path> builtInYears() {
  std::vector<fs::path> years;
  for (const vlm::Region& region : vlm::kBuiltInRegions) {
    years.push_back(vlm::regionFilePath(VLM_PROGRAM_DIR, region));
  }
  return years;
}

std::vector<fs::path> sharedEpwYears() {
  std::vector<fs::path> years;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(VLM_SHARED_CLIMATE_DIR "/epw", error)) {
    if (entry.path().extension() == ".epw") years.push_back(entry.path());
  }
  return years;
}

void runBatch(benchmark::State& state, const LinkFolder& folder) {
  if (folder.files().empty()) {
    state.SkipWithError("no climate files");
    return;
  }
  std::vector<std::string> args = {"vlm-cli", "batch", "analyse", "-o", folder.output(), "--yes"};
  args.insert(args.end(), folder.files().begin(), folder.files().end());
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  for (auto _ : state) {
    std::ostringstream out, err;
    vlm::cli::Context ctx(out, err, VLM_PROGRAM_DIR);
    if (vlm::cli::run(static_cast<int>(argv.size()), argv.data(), ctx,
                      vlm::cli::registerTextCommands) != 0) {
      state.SkipWithError(err.str().c_str());
      return;
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(folder.files().size()));
}

void BM_OneYearAnalysed(benchmark::State& state) {
  const auto table = vlm::cli::batchTableOf("analyse");
  const std::string seoul = builtInYears().front().string();
  for (auto _ : state) {
    auto data = std::make_unique<vlm::ClimateData>();
    vlm::Psychrometrics psychro;
    vlm::RecordingSink sink;
    if (!vlm::LoadClimateYear(*data, vlm::otherChoice(seoul), psychro, sink)) {
      state.SkipWithError("load failed");
      return;
    }
    benchmark::DoNotOptimize(table->row(*data, psychro, sink));
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_BatchCly1000(benchmark::State& state) {
  static const LinkFolder folder("vlm_bench_batch_cly", builtInYears(), 1000);
  runBatch(state, folder);
}

void BM_BatchEpw100(benchmark::State& state) {
  static const LinkFolder folder("vlm_bench_batch_epw", sharedEpwYears(), 100);
  runBatch(state, folder);
}

}  // namespace

BENCHMARK(BM_OneYearAnalysed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchCly1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BatchEpw100)->Unit(benchmark::kMillisecond)->UseRealTime();
