#include "core/solar/epw_conversion.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/climate/check_climate_file.h"
#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/site_rules.h"
#include "core/climate/text_line_reader.h"
#include "core/climate/weather_text_check.h"
#include "core/climate/wyec_conversion.h"
#include "core/solar/epw_export.h"
#include "core/solar/epw_texts.h"

namespace vlm {
namespace {

// A year read from its source, with what the EPW header says of it.
struct SourceYear {
  std::vector<ClimateFileRecord> records;
  std::optional<Site> site;  // the source's own
  EpwSource header;
  Message completed = conversionCompleted();
};

bool isClyPath(const std::string& path) {
  std::string name = climateFilePathOf(path);
  if (name.size() < 3) return false;
  std::string ext = name.substr(name.size() - 3);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "cly";
}

std::string fileNameOf(const std::string& path) {
  return std::filesystem::path(climateFilePathOf(path)).filename().string();
}

std::optional<SourceYear> readCly(const std::string& path, const EpwConversionChoice& choice,
                                  MessageSink& sink) {
  if (!CheckClimateFile(path, sink)) return std::nullopt;
  SourceYear year;
  year.records = readClyFile(climateFilePathOf(path));
  year.header.description =
      choice.regionName.empty()
          ? fileNameOf(path)
          : std::string(kBuiltInSourceLead) + choice.regionName + " (" + fileNameOf(path) + ")";
  return year;
}

std::optional<SourceYear> readEpw(std::ifstream& source, const std::string& path,
                                  MessageSink& sink) {
  auto epw = ImportEpw(source, sink);
  if (!epw) return std::nullopt;
  SourceYear year;
  year.records = std::move(epw->records);
  year.site = epw->station.site;
  year.header.description = fileNameOf(path);
  year.header.elevation = epw->station.elevation;
  year.completed = epwConversionCompleted(*epw);
  return year;
}

std::optional<SourceYear> readAsos(std::ifstream& source, const std::string& path,
                                   const AsosChoice& asos, MessageSink& sink) {
  auto asosYear = ImportAsos(source, asos, sink);
  if (!asosYear) return std::nullopt;
  SourceYear year;
  year.records = std::move(asosYear->records);
  year.site = asosYear->site;
  const AsosStationYear& s = asosYear->source;
  year.header.description = std::string(kAsosSourceLead) + std::to_string(s.station) + " " +
                            std::to_string(s.year) + " (" + fileNameOf(path) + ")";
  year.header.years.fill(s.year);
  year.completed = asosConversionCompleted(*asosYear);
  return year;
}

std::optional<SourceYear> readWyec(std::ifstream& source, const std::string& path,
                                   MessageSink& sink) {
  if (!CheckWeatherText(source, sink)) return std::nullopt;
  source.clear();
  source.seekg(0);
  auto records = convertWeatherText(source, sink);
  if (!records) return std::nullopt;
  SourceYear year;
  year.records = std::move(*records);
  year.header.description = fileNameOf(path);
  return year;
}

std::optional<SourceYear> readSource(const std::string& path, const EpwConversionChoice& choice,
                                     MessageSink& sink) {
  if (isClyPath(path)) return readCly(path, choice, sink);
  std::ifstream source;
  openForReading(source, climateFilePathOf(path));
  switch (weatherSourceKindOf(path)) {
    case WeatherSourceKind::Epw:
      return readEpw(source, path, sink);
    case WeatherSourceKind::Asos:
      return readAsos(source, path, choice.asos, sink);
    case WeatherSourceKind::WyecTry:
      break;
  }
  return readWyec(source, path, sink);
}

// .cly and WYEC/TRY files never record where they were observed.
bool mayRecordSite(const std::string& path) {
  return !isClyPath(path) && weatherSourceKindOf(path) != WeatherSourceKind::WyecTry;
}

}  // namespace

Message epwWrittenMessage(Message completed, const Site& site) {
  completed.lines.push_back(std::string(kEpwSiteLead) + siteText(site) +
                            (site.name.empty() ? "" : " (" + site.name + ")"));
  return completed;
}

ConversionOutcome ConvertToEpw(const std::string& sourcePath, const std::string& targetPath,
                               MessageSink& sink, OverwritePolicy policy,
                               const ConversionProgress& progress,
                               const EpwConversionChoice& choice) {
  if (auto error = conversionNameFault(sourcePath, targetPath, TargetFormat::Epw)) {
    sink.show(*error);
    return ConversionOutcome::Refused;
  }
  if (!choice.site && !mayRecordSite(sourcePath)) {
    sink.show(epwNoSiteMessage());
    return ConversionOutcome::Refused;
  }
  if (!mayWriteTarget(targetPath, sink, policy)) return ConversionOutcome::Declined;
  const auto year = readSource(sourcePath, choice, sink);
  if (!year) return ConversionOutcome::Refused;
  std::optional<Site> site = year->site ? year->site : choice.site;
  if (!site) {
    sink.show(epwNoSiteMessage());
    return ConversionOutcome::Refused;
  }
  // A typed site has no name: the file's own stands in for the city.
  if (site->name.empty())
    site->name = std::filesystem::path(climateFilePathOf(sourcePath)).stem().string();
  // The completion box comes up while the bar is full, as after a .cly conversion.
  const ConversionProgressReset reset(progress);
  WriteEpwFile(climateFilePathOf(targetPath), year->records, *site, year->header, progress);
  sink.show(epwWrittenMessage(year->completed, *site));
  return ConversionOutcome::Converted;
}

}  // namespace vlm
