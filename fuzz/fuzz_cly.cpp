// Fuzzes the climate-file reader and everything a loaded year feeds.
//
// The input is written as a file and checked with CheckClimateFile as the
// region page would. Its bytes, taken 26 at a time and repeated to fill 8760
// records (record numbers and the month, day and hour they stand for set
// right), then make a whole year that loads whatever its fields hold — NaN,
// infinities, extreme and negative values — so that the derivation, the
// statistics and wind counts, the analysis, the chart plot, the monthly charts,
// the wind rose and the report all see them.
//
// Besides the sanitizers, the target checks what a load promises: true with a
// region name and only the completion box, or no region loaded.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/analysis_summary.h"
#include "core/analysis/bio_chart.h"
#include "core/analysis/climate_plot.h"
#include "core/analysis/climate_report.h"
#include "core/climate/check_climate_file.h"
#include "core/climate/climate_load.h"
#include "core/climate/climate_record.h"
#include "core/climate/cly_file.h"
#include "core/common/compute_error.h"
#include "core/draw/drawing.h"
#include "core/graphs/monthly_chart.h"
#include "core/graphs/wind_rose.h"
#include "core/psychro/psychro_chart.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

const std::string& scratchPath() {
  static const std::string path = "/tmp/vlm_fuzz_cly_" + std::to_string(::getpid()) + ".cly";
  return path;
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// 8760 records from the input's 26-byte pieces, numbered as a valid file.
std::vector<vlm::ClimateFileRecord> yearOf(std::string_view input) {
  std::vector<vlm::ClimateFileRecord> records;
  records.reserve(vlm::kHoursPerYear);
  const std::size_t pieces = input.size() / vlm::kRecordSize;
  for (int k = 1; k <= vlm::kHoursPerYear; ++k) {
    vlm::ClimateFileRecord r;
    if (pieces > 0) {
      const std::size_t at = static_cast<std::size_t>(k - 1) % pieces * vlm::kRecordSize;
      r = vlm::decodeRecord(input.substr(at, vlm::kRecordSize));
    }
    r.RecIndex = static_cast<int16_t>(k + 123);
    records.push_back(r);
  }
  return records;
}

void useLoadedYear(const vlm::ClimateData& data, vlm::Psychrometrics& psychro) {
  vlm::RecordingSink sink;
  vlm::PsychroChart chart;
  vlm::Drawing drawing(chart.SetChartScale(600, 450));
  try {
    (void)vlm::ShowAnalysis(data, 1, vlm::kHoursPerYear, chart, sink);
    vlm::BioChart bio{drawing, chart, psychro, sink};
    vlm::PlotClimateData(bio, data, vlm::PeriodMode::Daily, 1, vlm::kHoursPerYear);
    (void)vlm::FindExtremes(bio, data, 1, vlm::kHoursPerYear);
  } catch (const vlm::ComputeError&) {
    // A fault in the chart's arithmetic is reported by the page's guard.
  }
  for (const auto element : {vlm::MonthlyElement::DBT, vlm::MonthlyElement::RH,
                             vlm::MonthlyElement::Rad, vlm::MonthlyElement::WS}) {
    (void)vlm::PrepareMonthlyChart(data.RegionName, element, data, true, sink);
  }
  const auto geometry = vlm::RoseGeometry::ForPicture(600, 500);
  (void)vlm::RoseDrawing(geometry,
                         vlm::RoseCounts::Of(data.WindDirCount, vlm::RosePeriod::Month(1)));
  vlm::ReportPeriod period;
  period.typed = {1, 1, 0, 12, 31, 23};
  period.start = 1;
  period.end = vlm::kHoursPerYear;
  try {
    (void)vlm::ClimateReportBytes(data, period, sink);
  } catch (const vlm::ComputeError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string& path = scratchPath();

  writeFile(path, input);
  vlm::RecordingSink checkSink;
  const bool valid = vlm::CheckClimateFile(path, checkSink);
  require(valid == checkSink.empty());

  writeFile(path, vlm::encodeClyFile(yearOf(input)));
  static vlm::ClimateData climate;
  climate = vlm::ClimateData{};
  vlm::Psychrometrics psychro;
  vlm::RecordingSink loadSink;
  bool loaded = false;
  try {
    loaded = vlm::LoadClimateYear(climate, vlm::otherChoice(path), psychro, loadSink);
  } catch (const vlm::ComputeError&) {
    // A fault while deriving stops the load and leaves no region loaded.
    require(!climate.loaded());
  }
  if (loaded) {
    require(loadSink.size() == 1 && loadSink.last().icon == vlm::MessageIcon::Information);
    require(climate.loaded());
    useLoadedYear(climate, psychro);
  } else {
    require(!climate.loaded());
  }
  ::unlink(path.c_str());
  return 0;
}
