#include "core/climate/climate_load.h"

#include <fstream>
#include <optional>

#include "core/climate/check_climate_file.h"
#include "core/climate/climate_stats.h"
#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/load_texts.h"
#include "core/climate/text_line_reader.h"

namespace vlm {

ClimateChoice builtInChoice(const Region& region, std::string_view programDir) {
  return {std::string(region.koreanName), regionFilePath(programDir, region)};
}

ClimateChoice otherChoice(const std::string& otherFilePath) {
  return {std::string(kOtherRegionName), otherFilePath};
}

HourRecord hourOf(const ClimateFileRecord& r) {
  return HourRecord{r.RecIndex, r.DBT,       r.WBT,    r.Pressure, r.WindDir, r.WindSpeed,
                    r.Cloud,    r.Radiation, kMissing, kMissing,   kMissing,  kMissing};
}

void deriveHour(HourRecord& hour, Psychrometrics& psychro) {
  psychro.Patm = hour.Pressure;
  const bool humidityKnown =
      hour.DBT != kMissing && hour.WBT != kMissing && hour.Pressure != kMissingPressure;
  const float ah = humidityKnown ? psychro.GetAH_DBTWBT(hour.DBT, hour.WBT) : kMissing;
  const float vp = ah != kMissing ? psychro.GetVP_AH(ah) : kMissing;
  const bool stateKnown = hour.DBT != kMissing && ah != kMissing;
  const float rh = stateKnown ? psychro.GetRH_DBTAH(hour.DBT, ah) : kMissing;
  const float sv = stateKnown ? psychro.GetSV_DBTAH(hour.DBT, ah) : kMissing;
  hour.AH = ah;
  hour.VP = vp;
  hour.RH = rh;
  hour.SpecV = sv;
}

namespace {

// The observations are stored before the derivation, so an hour whose
// derivation faults keeps them, with its derived fields missing.
void storeHour(ClimateData& data, int16_t k, const ClimateFileRecord& record,
               Psychrometrics& psychro, const LoadProgress& progress) {
  if (progress) progress(k);
  HourRecord& hour = data.year[static_cast<std::size_t>(k)];
  hour = hourOf(record);
  deriveHour(hour, psychro);
}

// An EPW file imported in memory; nothing after its refusal box.
std::optional<EpwYear> importEpwFile(const std::string& path, MessageSink& sink) {
  std::ifstream in;
  openForReading(in, climateFilePathOf(path));
  return ImportEpw(in, sink);
}

void storeAndCount(ClimateData& data, const ClimateChoice& choice, Psychrometrics& psychro,
                   const LoadProgress& progress, const std::optional<EpwYear>& epw) {
  data.RegionName = choice.regionName;
  data.ClimateFilePath = choice.filePath;
  try {
    if (epw)
      storeClimateYear(data, epw->records, psychro, progress);
    else
      readClimateYear(data, choice.filePath, psychro, progress);
    ComputeMonthStats(data);
    CountWindDirs(data);
  } catch (...) {
    data.RegionName.clear();
    throw;
  }
}

}  // namespace

void readClimateYearChecked(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                            const LoadProgress& progress) {
  const ClyFileReader reader(climateFilePathOf(path));
  for (int16_t k = 1; k <= kHoursPerYear; ++k)
    storeHour(data, k, reader.record(k), psychro, progress);
}

void storeClimateYear(ClimateData& data, const std::vector<ClimateFileRecord>& records,
                      Psychrometrics& psychro, const LoadProgress& progress) {
  for (int16_t k = 1; k <= kHoursPerYear; ++k)
    storeHour(data, k, records.at(static_cast<std::size_t>(k - 1)), psychro, progress);
}

std::string pickedFileText(const std::string& path) {
  if (!hasEpwExtension(path)) return path;
  std::ifstream in(climateFilePathOf(path), std::ios::binary);
  const std::optional<EpwStation> station = ReadEpwStation(in);
  if (!station) return path;
  return path + "\n" + epwStationText(station->name, station->latitude);
}

void readClimateYear(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                     const LoadProgress& progress) {
  readClimateYearChecked(data, path, psychro, progress);
}

bool LoadClimateYear(ClimateData& data, const ClimateChoice& choice, Psychrometrics& psychro,
                     MessageSink& sink, const LoadProgress& progress) {
  if (choice.regionName == kOtherRegionName && choice.filePath.empty()) {
    sink.show(otherFileMissingMessage());
    return false;
  }
  std::optional<EpwYear> epw;
  if (hasEpwExtension(choice.filePath)) {
    epw = importEpwFile(choice.filePath, sink);
    if (!epw) return false;
  } else if (!CheckClimateFile(choice.filePath, sink)) {
    sink.show(climateFileAdviceMessage());
    return false;
  }
  storeAndCount(data, choice, psychro, progress, epw);
  sink.show(loadCompletionMessage(data.RegionName));
  return true;
}

}  // namespace vlm
