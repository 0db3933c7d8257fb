// Whole command lines as a user runs them, process start to exit: `vlm-cli
// load seoul` (target 4 ms) and `vlm-cli convert` of Seoul's EPW into a new
// file and over the last one (target 8 ms), beside /bin/true, the least a
// process costs on this machine, as their anchor. Run with
// --benchmark_repetitions=20 for the median the targets speak of.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kCli = std::string(VLM_PROGRAM_DIR) + "/vlm-cli";

fs::path seoulEpw() {
  const char* dir = std::getenv("VLM_EPW_DIR");
  const fs::path folder = dir != nullptr ? fs::path(dir) : fs::path(VLM_SHARED_CLIMATE_DIR) / "epw";
  return folder / "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
}

// Runs the command line with its output to /dev/null; false unless it exits 0.
bool run(std::vector<std::string> args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// Runs the command line once per iteration; `beforeEach`, if given, runs
// untimed before each run.
void runEach(benchmark::State& state, const std::vector<std::string>& args,
             const std::function<void()>& beforeEach = {}) {
  for (auto _ : state) {
    if (beforeEach) {
      state.PauseTiming();
      beforeEach();
      state.ResumeTiming();
    }
    if (!run(args)) {
      state.SkipWithError("the command failed");
      return;
    }
  }
}

void BM_BinTrue(benchmark::State& state) { runEach(state, {"/bin/true"}); }

void BM_LoadSeoul(benchmark::State& state) { runEach(state, {kCli, "load", "seoul"}); }

std::vector<std::string> convertSeoulEpwTo(const fs::path& target) {
  return {kCli, "convert", seoulEpw().string(), target.string(), "--yes"};
}

// A first conversion: the file it writes is new. The previous run's file is
// removed between runs, untimed.
void BM_ConvertSeoulEpw(benchmark::State& state) {
  const fs::path target = fs::temp_directory_path() / "vlm_bench_process_start_new.cly";
  runEach(state, convertSeoulEpwTo(target), [&target] { fs::remove(target); });
  fs::remove(target);
}

// A conversion again: it replaces the file of the previous run, and the file
// system frees the replaced file's blocks and pages within the rename (about
// 0.35 ms on this machine's ext4).
void BM_ConvertSeoulEpwReplacing(benchmark::State& state) {
  const fs::path target = fs::temp_directory_path() / "vlm_bench_process_start.cly";
  runEach(state, convertSeoulEpwTo(target));
  fs::remove(target);
}

BENCHMARK(BM_BinTrue)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadSeoul)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertSeoulEpw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertSeoulEpwReplacing)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
