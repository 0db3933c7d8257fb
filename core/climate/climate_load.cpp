#include "core/climate/climate_load.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>

#include "core/climate/check_climate_file.h"
#include "core/climate/climate_stats.h"
#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/load_texts.h"
#include "core/climate/text_line_reader.h"
#include "core/psychro/property_kernels.h"

namespace vlm {
namespace {

struct DerivedFields {
  float ah, vp, rh, sv;
};

// The four derived fields of an hour at its own pressure; a missing input
// makes the fields depending on it 999.
template <typename Ops>
DerivedFields derivedFields(const HourRecord& hour, Ops& ops) {
  using namespace psychro_detail;
  const float patm = hour.Pressure;
  const bool humidityKnown =
      hour.DBT != kMissing && hour.WBT != kMissing && hour.Pressure != kMissingPressure;
  const float ah = humidityKnown ? ahDBTWBT(patm, hour.DBT, hour.WBT, ops) : kMissing;
  const float vp = ah != kMissing ? vpAH(patm, ah, ops) : kMissing;
  const bool stateKnown = hour.DBT != kMissing && ah != kMissing;
  const float rh = stateKnown ? rhDBTVP(hour.DBT, vpAH(patm, ah, ops), ops) : kMissing;
  const float sv = stateKnown ? svDBTAH(patm, hour.DBT, ah, ops) : kMissing;
  return {ah, vp, rh, sv};
}

void store(HourRecord& hour, const DerivedFields& fields) {
  hour.AH = fields.ah;
  hour.VP = fields.vp;
  hour.RH = fields.rh;
  hour.SpecV = fields.sv;
}

// The hours are derived a day at a time in two passes: first the
// saturation pressures and the water's enthalpy (the logarithms and
// exponentials), then the divisions that depend on them. The hours of a pass
// are independent, so the processor overlaps them instead of waiting on one
// hour's chain of divisions. Each pass evaluates exactly the guarded
// functions' expressions; values a missing input makes unused are computed
// and dropped.
constexpr int kBlockHours = 24;

struct Saturation {
  float hw, psatWetBulb, psatDryBulb;
};

template <typename Ops>
Saturation saturationOf(const ClimateFileRecord& r, Ops& ops) {
  using namespace psychro_detail;
  return {enthWT(r.WBT, ops), psatDBT(r.WBT, ops), psatDBT(r.DBT, ops)};
}

template <typename Ops>
DerivedFields derivedFromSaturation(const ClimateFileRecord& r, const Saturation& s, Ops& ops) {
  using namespace psychro_detail;
  const float patm = r.Pressure;
  const bool humidityKnown =
      r.DBT != kMissing && r.WBT != kMissing && r.Pressure != kMissingPressure;
  const float ah =
      humidityKnown ? ahOfWetBulb(patm, r.DBT, r.WBT, s.hw, s.psatWetBulb, ops) : kMissing;
  const float vp = ah != kMissing ? vpAH(patm, ah, ops) : kMissing;
  const bool stateKnown = r.DBT != kMissing && ah != kMissing;
  const float rh = stateKnown ? rhOfSaturation(vp, s.psatDryBulb, ops) : kMissing;
  const float sv = stateKnown ? svDBTAH(patm, r.DBT, ah, ops) : kMissing;
  return {ah, vp, rh, sv};
}

// Hours first … first + count − 1: decoded, derived with one fault test for
// the block, then stored with their progress. A block where any guard would
// have thrown is done again hour by hour through the guarded derivation,
// which stores the hours before the fault and throws naming the function,
// exactly as the guarded load does.
void deriveBlock(ClimateData& data, const ClyFileReader& reader, int first, int count,
                 Psychrometrics& psychro, const LoadProgress& progress) {
  std::array<ClimateFileRecord, kBlockHours> records;
  std::array<Saturation, kBlockHours> saturation;
  std::array<DerivedFields, kBlockHours> fields;
  const auto n = static_cast<std::size_t>(count);
  psychro_detail::FlaggedOps ops;
  for (std::size_t i = 0; i < n; ++i) records[i] = reader.record(first + static_cast<int>(i));
  for (std::size_t i = 0; i < n; ++i) saturation[i] = saturationOf(records[i], ops);
  for (std::size_t i = 0; i < n; ++i) {
    fields[i] = derivedFromSaturation(records[i], saturation[i], ops);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const auto k = static_cast<int16_t>(first + static_cast<int>(i));
    if (progress) progress(k);
    HourRecord& hour = data.year[static_cast<std::size_t>(k)];
    hour = hourOf(records[i]);
    if (ops.fault) [[unlikely]] {
      deriveHour(hour, psychro);
    } else {
      store(hour, fields[i]);
    }
  }
}

// A file shorter than a year (one that shrank after its check) keeps the
// hours it holds and then fails on the first record it lacks.
void deriveYear(ClimateData& data, const ClyFileReader& reader, Psychrometrics& psychro,
                const LoadProgress& progress) {
  const int available = std::min(reader.recordCount(), kHoursPerYear);
  for (int first = 1; first <= available; first += kBlockHours) {
    deriveBlock(data, reader, first, std::min(kBlockHours, available - first + 1), psychro,
                progress);
  }
  if (available < kHoursPerYear) (void)reader.record(available + 1);
  psychro.Patm = data.year[kHoursPerYear].Pressure;
}

}  // namespace

ClimateChoice builtInChoice(const Region& region, std::string_view programDir) {
  return {std::string(region.koreanName), regionFilePath(programDir, region), siteOf(region)};
}

ClimateChoice otherChoice(const std::string& otherFilePath) {
  return {std::string(kOtherRegionName), otherFilePath, std::nullopt};
}

HourRecord hourOf(const ClimateFileRecord& r) {
  return HourRecord{r.RecIndex, r.DBT,       r.WBT,    r.Pressure, r.WindDir, r.WindSpeed,
                    r.Cloud,    r.Radiation, kMissing, kMissing,   kMissing,  kMissing};
}

void deriveHour(HourRecord& hour, Psychrometrics& psychro) {
  psychro.Patm = hour.Pressure;
  const psychro_detail::CheckedOps ops;
  store(hour, derivedFields(hour, ops));
}

// The observations are stored before the derivation, so an hour whose
// derivation faults keeps them, with its derived fields missing.
void readClimateYearChecked(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                            const LoadProgress& progress) {
  const ClyFileReader reader(climateFilePathOf(path));
  for (int16_t k = 1; k <= kHoursPerYear; ++k) {
    const ClimateFileRecord record = reader.record(k);
    if (progress) progress(k);
    HourRecord& hour = data.year[static_cast<std::size_t>(k)];
    hour = hourOf(record);
    deriveHour(hour, psychro);
  }
}

void readClimateYear(ClimateData& data, const ClyFileReader& reader, Psychrometrics& psychro,
                     const LoadProgress& progress) {
  deriveYear(data, reader, psychro, progress);
}

void readClimateYear(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                     const LoadProgress& progress) {
  deriveYear(data, ClyFileReader(climateFilePathOf(path)), psychro, progress);
}

void storeClimateYear(ClimateData& data, const std::vector<ClimateFileRecord>& records,
                      Psychrometrics& psychro, const LoadProgress& progress) {
  deriveYear(data, ClyFileReader(data.ClimateFilePath, encodeClyFile(records)), psychro, progress);
}

std::string pickedFileText(const std::string& path) {
  if (!hasEpwExtension(path)) return path;
  std::ifstream in(climateFilePathOf(path), std::ios::binary);
  const std::optional<EpwStation> station = ReadEpwStation(in);
  if (!station) return path;
  return path + "\n" + epwStationText(station->name, station->latitude);
}

namespace {

// An EPW file imported in memory; nothing after its refusal box.
std::optional<EpwYear> importEpwFile(const std::string& path, MessageSink& sink) {
  std::ifstream in;
  openForReading(in, climateFilePathOf(path));
  return ImportEpw(in, sink);
}

// The year of a checked .cly file or of an EPW imported in memory, derived
// and counted; a failure part-way keeps the hours read but no region name.
void storeAndCount(ClimateData& data, const ClimateChoice& choice, Psychrometrics& psychro,
                   const LoadProgress& progress, const std::optional<EpwYear>& epw,
                   const std::optional<ClyFileReader>& file) {
  data.RegionName = choice.regionName;
  data.ClimateFilePath = choice.filePath;
  data.site = epw && epw->station.site ? epw->station.site : choice.site;
  try {
    if (epw)
      storeClimateYear(data, epw->records, psychro, progress);
    else
      deriveYear(data, *file, psychro, progress);
    ComputeMonthStats(data);
    CountWindDirs(data);
  } catch (...) {
    data.RegionName.clear();
    throw;
  }
}

}  // namespace

bool LoadClimateYear(ClimateData& data, const ClimateChoice& choice, Psychrometrics& psychro,
                     MessageSink& sink, const LoadProgress& progress,
                     std::pmr::memory_resource* fileMemory) {
  if (choice.regionName == kOtherRegionName && choice.filePath.empty()) {
    sink.show(otherFileMissingMessage());
    return false;
  }
  std::optional<EpwYear> epw;
  std::optional<ClyFileReader> file;
  if (hasEpwExtension(choice.filePath)) {
    epw = importEpwFile(choice.filePath, sink);
    if (!epw) return false;
  } else {
    file = readCheckedClimateFile(choice.filePath, sink, fileMemory);
    if (!file) {
      sink.show(climateFileAdviceMessage());
      return false;
    }
  }
  storeAndCount(data, choice, psychro, progress, epw, file);
  sink.show(loadCompletionMessage(data.RegionName));
  return true;
}

}  // namespace vlm
