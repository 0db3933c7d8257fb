#include "core/climate/typical_year_sources.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/climate/asos_import.h"
#include "core/climate/check_climate_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/text_line_reader.h"
#include "core/climate/typical_year_texts.h"
#include "core/climate/weather_conversion.h"

namespace vlm {
namespace {

std::string fileName(const std::string& path) {
  return std::filesystem::path(climateFilePathOf(path)).filename().string();
}

void open(std::ifstream& in, const std::string& path) {
  openForReading(in, climateFilePathOf(path));
}

std::string stationText(std::int32_t station, const std::string& name) {
  return std::to_string(station) + (name.empty() ? "" : " " + name);
}

// Each file's stations, by number with their names, in the order of the files.
using Stations = std::map<std::int32_t, std::string>;

std::optional<std::vector<Stations>> scanAll(const std::vector<std::string>& paths,
                                             MessageSink& sink) {
  std::vector<Stations> all;
  for (const std::string& path : paths) {
    std::ifstream in;
    open(in, path);
    const auto list = ScanAsos(in, sink);
    if (!list) return std::nullopt;
    Stations stations;
    for (const AsosStationYear& entry : *list)
      stations.try_emplace(entry.station, entry.stationName);
    all.push_back(std::move(stations));
  }
  return all;
}

// The one station the files stand for, or a refusal naming what they hold.
std::optional<std::int32_t> stationOf(const std::vector<std::string>& paths,
                                      const std::vector<Stations>& stations,
                                      const TypicalSourceChoice& choice, MessageSink& sink) {
  if (choice.station) {
    for (std::size_t i = 0; i < paths.size(); ++i)
      if (!stations[i].contains(*choice.station)) {
        sink.show(stationNotInSourceMessage(fileName(paths[i]), *choice.station));
        return std::nullopt;
      }
    return choice.station;
  }
  for (const Stations& file : stations)
    if (file.size() > 1) {
      std::vector<std::string> names;
      for (const auto& [number, name] : file) names.push_back(stationText(number, name));
      sink.show(severalStationsMessage(names));
      return std::nullopt;
    }
  const auto& [first, firstName] = *stations.front().begin();
  for (std::size_t i = 1; i < paths.size(); ++i) {
    const auto& [number, name] = *stations[i].begin();
    if (number != first) {
      sink.show(
          differentStationsMessage(fileName(paths.front()) + ": " + stationText(first, firstName),
                                   fileName(paths[i]) + ": " + stationText(number, name)));
      return std::nullopt;
    }
  }
  return first;
}

std::optional<StationRecord> readAsos(const std::vector<std::string>& paths,
                                      const TypicalSourceChoice& choice, MessageSink& sink,
                                      const SourceProgress& progress) {
  const auto stations = scanAll(paths, sink);
  if (!stations) return std::nullopt;
  const auto station = stationOf(paths, *stations, choice, sink);
  if (!station) return std::nullopt;
  AsosStationYears gathered(*station, choice.firstYear, choice.lastYear);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    std::ifstream in;
    open(in, paths[i]);
    if (!gathered.read(in, fileName(paths[i]), sink)) return std::nullopt;
    if (progress) progress(i + 1, paths.size());
  }
  StationRecord record;
  record.station = stationText(*station, stations->front().at(*station));
  for (AsosYear& year : gathered.finish()) {
    if (!record.site) record.site = year.site;
    record.years.push_back({year.source.year, std::move(year.records)});
  }
  return record;
}

// The year of an EPW file of an actual year: its hours lie in one year, or
// run on into the next; the year holding most of them. Nothing for a file
// whose months come from many years (a typical year itself). The import has
// read the file, so every data line has its fields.
std::optional<std::int16_t> epwActualYear(const std::string& path, std::vector<int>& yearsSeen) {
  std::ifstream in;
  open(in, path);
  TextLineReader reader(in, kEpwMaxLineLength);
  std::string_view line;
  std::map<int, int> hoursOf;
  int last = 0;
  bool ordered = true;
  for (int n = 1; reader.next(line) == TextLineReader::Status::Line; ++n) {
    if (n <= kEpwHeaderLines) continue;
    int year = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), year);
    if (error != std::errc() || end == line.data()) return std::nullopt;
    ordered = ordered && year >= last;
    last = year;
    ++hoursOf[year];
  }
  for (const auto& [year, hours] : hoursOf) yearsSeen.push_back(year);
  const bool actual =
      ordered && !hoursOf.empty() &&
      (hoursOf.size() == 1 ||
       (hoursOf.size() == 2 && hoursOf.rbegin()->first == hoursOf.begin()->first + 1));
  if (!actual) return std::nullopt;
  const auto most = std::max_element(hoursOf.begin(), hoursOf.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
  return static_cast<std::int16_t>(most->first);
}

bool sameStation(const EpwStation& a, const EpwStation& b) {
  return a.name == b.name && a.latitude == b.latitude &&
         (a.site ? a.site->longitude : 0) == (b.site ? b.site->longitude : 0);
}

std::optional<StationRecord> readEpw(const std::vector<std::string>& paths,
                                     const TypicalSourceChoice& choice, MessageSink& sink,
                                     const SourceProgress& progress) {
  StationRecord record;
  std::optional<EpwStation> first;
  std::map<std::int16_t, std::string> fileOfYear;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    std::ifstream in;
    open(in, paths[i]);
    auto year = ImportEpw(in, sink);
    if (!year) return std::nullopt;
    std::vector<int> yearsSeen;
    const auto number = epwActualYear(paths[i], yearsSeen);
    if (!number) {
      sink.show(notAnActualYearMessage(fileName(paths[i]), yearsSeen));
      return std::nullopt;
    }
    if (!first) {
      first = year->station;
      record.station = first->name;
      record.site = first->site;
    } else if (!sameStation(*first, year->station)) {
      sink.show(differentStationsMessage(fileName(paths.front()) + ": " + first->name,
                                         fileName(paths[i]) + ": " + year->station.name));
      return std::nullopt;
    }
    const auto [held, added] = fileOfYear.try_emplace(*number, fileName(paths[i]));
    if (!added) {
      sink.show(overlappingSourcesMessage(held->second, fileName(paths[i]), *number));
      return std::nullopt;
    }
    if (*number >= choice.firstYear && *number <= choice.lastYear)
      record.years.push_back({*number, std::move(year->records)});
    if (progress) progress(i + 1, paths.size());
  }
  std::sort(record.years.begin(), record.years.end(),
            [](const ObservedYear& a, const ObservedYear& b) { return a.year < b.year; });
  return record;
}

}  // namespace

std::optional<StationRecord> ReadTypicalSources(const std::vector<std::string>& paths,
                                                const TypicalSourceChoice& choice,
                                                MessageSink& sink, const SourceProgress& progress) {
  std::optional<WeatherSourceKind> kind;
  for (const std::string& path : paths) {
    const WeatherSourceKind k = weatherSourceKindOf(path);
    if (k == WeatherSourceKind::WyecTry) {
      sink.show(typicalSourceKindMessage(path));
      return std::nullopt;
    }
    if (kind && *kind != k) {
      sink.show(mixedSourceKindsMessage());
      return std::nullopt;
    }
    kind = k;
  }
  if (!kind) return std::nullopt;
  auto record = *kind == WeatherSourceKind::Asos ? readAsos(paths, choice, sink, progress)
                                                 : readEpw(paths, choice, sink, progress);
  if (record && record->years.empty()) {
    sink.show(noYearsInRangeMessage(choice.firstYear, choice.lastYear));
    return std::nullopt;
  }
  return record;
}

std::optional<std::vector<AsosStationEntry>> asosStationsOf(const std::vector<std::string>& paths,
                                                            MessageSink& sink) {
  const auto stations = scanAll(paths, sink);
  if (!stations) return std::nullopt;
  Stations all;
  for (const Stations& file : *stations) all.insert(file.begin(), file.end());
  std::vector<AsosStationEntry> entries;
  for (const auto& [number, name] : all) entries.push_back({number, stationText(number, name)});
  return entries;
}

}  // namespace vlm
