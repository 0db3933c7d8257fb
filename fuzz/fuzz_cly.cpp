// Fuzzes the climate-file reader, its checks, the load, the monthly statistics
// and wind counts, and the zone analysis.
//
// The input is written as a file, checked with CheckClimateFile and confirmed
// with LoadClimateYear as the region page would. Its whole 26-byte records
// then become the first hours of a year, read and derived from memory
// whatever their fields hold — NaN, infinities, extreme and negative values —
// and the statistics, the wind counts and the analysis of those hours follow.
// A few hours rather than a whole year per input keep the target at
// thousands of inputs a second; fuzz_cly_figures draws and reports them.
//
// Besides the sanitizers, the target checks what each step promises: the
// load accepts exactly the files the check accepts, with only the completion
// box, and a refused file leaves the loaded region as it was; a statistics
// cell of finite values has its minimum ≤ mean ≤ maximum; every hour of the
// analysed period is counted in exactly one slot of the tally.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/analysis/analysis_summary.h"
#include "core/climate/check_climate_file.h"
#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/region_catalog.h"
#include "core/common/compute_error.h"
#include "core/psychro/psychro_chart.h"
#include "fuzz/cly_fuzz_input.h"

namespace {

using vlm::fuzz::require;

constexpr const char* kEarlierRegion = "서울";

void checkAndLoad(vlm::ClimateData& climate, std::string_view input) {
  const std::string& path = vlm::fuzz::scratchClyPath();
  vlm::fuzz::writeFile(path, input);
  vlm::RecordingSink checkSink;
  const bool valid = vlm::CheckClimateFile(path, checkSink);
  require(valid == checkSink.empty());

  climate.RegionName = kEarlierRegion;
  vlm::Psychrometrics psychro;
  vlm::RecordingSink loadSink;
  try {
    const bool loaded = vlm::LoadClimateYear(climate, vlm::otherChoice(path), psychro, loadSink);
    require(loaded == valid);
    if (loaded) {
      require(loadSink.size() == 1 && loadSink.last().icon == vlm::MessageIcon::Information);
    } else {
      require(loadSink.size() == 2 && loadSink.messages()[0] == checkSink.last());
      require(climate.RegionName == kEarlierRegion);
    }
  } catch (const vlm::ComputeError&) {
    // A fault while deriving stops the load and leaves no region loaded.
    require(valid && !climate.loaded());
  }
}

void requireOrdered(const vlm::MonthStatTable& table) {
  for (std::size_t r = 1; r <= 13; ++r) {
    const vlm::MonthStatRow& row = table.rows[r];
    require(row.max.has_value() == row.mean.has_value() &&
            row.mean.has_value() == row.min.has_value());
    if (!row.max || !std::isfinite(*row.max) || !std::isfinite(*row.mean) ||
        !std::isfinite(*row.min))
      continue;
    require(*row.min <= *row.mean && *row.mean <= *row.max);
  }
}

void analyse(const vlm::ClimateData& climate, int hours) {
  vlm::PsychroChart chart;
  (void)chart.SetChartScale(600, 450);
  vlm::RecordingSink sink;
  const auto texts = vlm::ShowAnalysis(climate, 1, static_cast<int16_t>(hours), chart, sink);
  float counted = 0.0f;
  for (const float n : texts.tally) counted += n;
  require(counted == static_cast<float>(hours));
  require(texts.complete ? sink.empty()
                         : sink.size() == 1 && sink.last() == vlm::NoZonedHourMessage());
}

// The statistics and wind counts pass over all 8760 hours whatever the input
// holds, and on every input would cost more than everything else together.
constexpr std::size_t kStatisticsShare = 128;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // Years are 420 KB each: kept off the stack, and only the hours an input
  // touched are cleared after it.
  static vlm::ClimateData loadedYear;
  checkAndLoad(loadedYear, input);
  ::unlink(vlm::fuzz::scratchClyPath().c_str());
  if (loadedYear.year[1].RecIndex != 0) loadedYear.year.fill(vlm::HourRecord{});

  static vlm::ClimateData climate;
  climate.RegionName = vlm::kOtherRegionName;
  vlm::Psychrometrics psychro;
  const int hours = vlm::fuzz::deriveInputHours(climate, input, psychro);
  if (vlm::fuzz::inShare(input, kStatisticsShare)) {
    vlm::ComputeMonthStats(climate);
    vlm::CountWindDirs(climate);
    for (const auto* table :
         {&climate.MonthStatDBT, &climate.MonthStatRH, &climate.MonthStatRad, &climate.MonthStatWS})
      requireOrdered(*table);
  }
  if (hours > 0) analyse(climate, hours);
  std::fill_n(climate.year.begin() + 1, hours, vlm::HourRecord{});
  return 0;
}
