// The conversion of a typical-year EPW (Seoul's, from the shared climate
// folder or VLM_EPW_DIR) to a .cly file, as `vlm-cli convert` runs it, and the
// import alone from memory on one core and on two; beside them the line reader
// over the same bytes and, as its anchor, a plain memchr scan for the line
// breaks. Target: the whole command under 8 ms, of which this is the part in
// process. Wall-clock times: the second core's work counts.
//
// Time as a multiple of BM_MemchrScan in the same run (2-core machine):
//                       first   one core   two cores
//   ConvertEpwFile        83×      59×        50×   (the file's write and fsync included)
//   ImportEpwFromMemory   68×      46×        34×
// one core: plain decimals read by one exact float division, only the fields
// used taken apart, the wet bulb's Newton solve one flagged kernel, saturation
// pressures remembered over the year, and the year encoded straight into the
// bytes written (no records kept). What remains is about half the wet bulb
// (about four saturation pressures an hour, each a logarithm and an
// exponential), a third the parsing of 11 fields an hour.
// two cores: the wet bulbs solved on a second thread while the text is read;
// it starts about half a millisecond late, the time a virtual machine takes to
// wake its second core.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "core/climate/epw_import.h"
#include "core/climate/text_line_reader.h"
#include "core/climate/weather_conversion.h"

namespace {

namespace fs = std::filesystem;

fs::path seoulEpw() {
  const char* dir = std::getenv("VLM_EPW_DIR");
  const fs::path folder = dir != nullptr ? fs::path(dir) : fs::path(VLM_SHARED_CLIMATE_DIR) / "epw";
  return folder / "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
}

const std::string& seoulBytes() {
  static const std::string bytes = [] {
    std::ifstream in(seoulEpw(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }();
  return bytes;
}

// Reads the bytes in place, as a file's buffer would hold them.
class MemoryText : public std::streambuf {
 public:
  explicit MemoryText(const std::string& text) {
    char* begin = const_cast<char*>(text.data());
    setg(begin, begin, begin + text.size());
  }
};

bool haveSource(benchmark::State& state) {
  if (!seoulBytes().empty()) return true;
  state.SkipWithError("no Seoul EPW: set VLM_EPW_DIR");
  return false;
}

void BM_ConvertEpwFile(benchmark::State& state) {
  if (!haveSource(state)) return;
  const fs::path dir = fs::temp_directory_path() / ("vlm_bench_epw_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string target = (dir / "seoul.cly").string();
  vlm::SilentSink sink;
  for (auto _ : state) {
    const auto outcome =
        vlm::ConvertWeatherFile(seoulEpw().string(), target, sink, vlm::OverwritePolicy::Replace);
    if (outcome != vlm::ConversionOutcome::Converted) state.SkipWithError("not converted");
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_ConvertEpwFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Arg: the cores the wet bulbs may be solved on.
void BM_ImportEpwFromMemory(benchmark::State& state) {
  if (!haveSource(state)) return;
  const auto cores = state.range(0) == 1 ? vlm::EpwCores::One : vlm::EpwCores::Two;
  vlm::SilentSink sink;
  for (auto _ : state) {
    MemoryText memory(seoulBytes());
    std::istream in(&memory);
    const auto year = vlm::ImportEpw(in, sink, {}, cores);
    if (!year) state.SkipWithError("not imported");
    benchmark::DoNotOptimize(year->records.data());
  }
}
BENCHMARK(BM_ImportEpwFromMemory)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ReadLines(benchmark::State& state) {
  if (!haveSource(state)) return;
  std::string_view line;
  for (auto _ : state) {
    MemoryText memory(seoulBytes());
    std::istream in(&memory);
    vlm::TextLineReader reader(in, vlm::kEpwMaxLineLength);
    std::size_t bytes = 0;
    while (reader.next(line) == vlm::TextLineReader::Status::Line) bytes += line.size();
    benchmark::DoNotOptimize(bytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * seoulBytes().size()));
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMicrosecond);

// The floor of line reading: finding every line break, nothing else.
void BM_MemchrScan(benchmark::State& state) {
  if (!haveSource(state)) return;
  const std::string& text = seoulBytes();
  for (auto _ : state) {
    std::size_t lines = 0;
    for (const char *p = text.data(), *end = p + text.size();
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));
         ++p)
      ++lines;
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MemchrScan)->Unit(benchmark::kMicrosecond);

}  // namespace
