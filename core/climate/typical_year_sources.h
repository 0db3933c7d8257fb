// The actual years of one station that a typical year is built from: several
// ASOS hourly CSV files (or one holding many years), or several EPW files of
// actual years of one site. Each file is streamed; what is kept is the 8760
// records of each year.
//
//   a source neither .csv nor .epw, or the two kinds mixed → refused
//   ASOS: several stations and none chosen, a chosen station absent from a
//         file, files of different stations                → refused, naming them
//   an hour (ASOS) or a year (EPW) in two files             → refused, naming them
//   no year within the chosen range                         → refused
// A file that cannot be read throws FileError.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/site.h"
#include "core/climate/typical_year.h"
#include "core/common/message.h"

namespace vlm {

struct TypicalSourceChoice {
  std::optional<std::int32_t> station;  // ASOS: the station, when the files hold several
  std::int16_t firstYear = std::numeric_limits<std::int16_t>::min();
  std::int16_t lastYear = std::numeric_limits<std::int16_t>::max();
};

struct StationRecord {
  std::string station;  // "108 서울", or the EPW LOCATION's city
  std::optional<Site> site;
  std::vector<ObservedYear> years;  // in calendar order
};

// Called after each file is read, with the number read and the number of files.
using SourceProgress = std::function<void(std::size_t done, std::size_t total)>;

[[nodiscard]] std::optional<StationRecord> ReadTypicalSources(const std::vector<std::string>& paths,
                                                              const TypicalSourceChoice& choice,
                                                              MessageSink& sink,
                                                              const SourceProgress& progress = {});

// The stations of ASOS files ("108 서울" with its number), for the page's
// choice; a refused file is reported and gives nothing. Throws FileError.
struct AsosStationEntry {
  std::int32_t station = 0;
  std::string text;
  bool operator==(const AsosStationEntry&) const = default;
};
[[nodiscard]] std::optional<std::vector<AsosStationEntry>> asosStationsOf(
    const std::vector<std::string>& paths, MessageSink& sink);

}  // namespace vlm
