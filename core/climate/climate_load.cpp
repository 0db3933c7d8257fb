#include "core/climate/climate_load.h"

#include "core/climate/check_climate_file.h"
#include "core/climate/climate_stats.h"
#include "core/climate/cly_file.h"
#include "core/climate/load_texts.h"

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

void readClimateYearChecked(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                            const LoadProgress& progress) {
  const ClyFileReader reader(climateFilePathOf(path));
  for (int16_t k = 1; k <= kHoursPerYear; ++k) {
    const ClimateFileRecord record = reader.record(k);
    if (progress) progress(k);
    // The observations are stored before the derivation, so an hour whose
    // derivation faults keeps them, with its derived fields missing.
    HourRecord& hour = data.year[static_cast<std::size_t>(k)];
    hour = hourOf(record);
    deriveHour(hour, psychro);
  }
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
  if (!CheckClimateFile(choice.filePath, sink)) {
    sink.show(climateFileAdviceMessage());
    return false;
  }
  data.RegionName = choice.regionName;
  data.ClimateFilePath = choice.filePath;
  try {
    readClimateYear(data, choice.filePath, psychro, progress);
    ComputeMonthStats(data);
    CountWindDirs(data);
  } catch (...) {
    data.RegionName.clear();
    throw;
  }
  sink.show(loadCompletionMessage(data.RegionName));
  return true;
}

}  // namespace vlm
