// Import of the weather service's ASOS hourly CSV ("종관기상관측(ASOS) 시간
// 자료"): a header line of column names (asos_columns.h), then one line per
// station and hour, "지점,지점명,일시,…", 일시 written "YYYY-MM-DD HH:MM"
// (a one-digit hour too). CP949 or UTF-8 with or without a byte-order mark;
// lines end in CR LF or LF.
//
// One file may hold several stations and several years: the import builds
// one station-year, chosen by the caller or, by default, the one with the most
// hours. Reading holds one line at a time plus the year being built, in two
// passes over the stream (the first counts the hours of each station-year and
// checks the order of the dates, the second converts the chosen year), so the
// stream must be seekable.
//
// The year: a line stamped H:00 reports the hour that ends then, so hour k
// of a non-leap year (the interval from its H:00 to H+1:00) holds the line
// stamped an hour after the hour's start: 1 January 0 h is the line of
// 01:00, 31 December 23 h the line of the next year's 1 January 00:00, and
// the line of this year's 1 January 00:00 belongs to the year before.
// 29 February is dropped; an absent hour is all markers. An empty
// radiation field before the first or after the last reported hour of its
// day is night (0); between them, or on a day without any reported hour, it
// is the marker.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/climate/conversion_progress.h"
#include "core/climate/site.h"
#include "core/common/message.h"

namespace vlm {

inline constexpr std::size_t kAsosMaxLineLength = 4096;
// A larger file is not an hourly station file (ten years of one station with
// every column is some 20 MB).
inline constexpr std::int64_t kAsosMaxFileBytes = std::int64_t{1} << 30;

// One station-year of a file and how many of its hours (29 February aside) it holds.
struct AsosStationYear {
  std::int32_t station = 0;
  std::string stationName;  // UTF-8
  std::int16_t year = 0;
  std::int32_t hours = 0;
  bool operator==(const AsosStationYear&) const = default;
};

// What the caller wants; an empty part takes the station-year with the most hours.
struct AsosChoice {
  std::optional<std::int32_t> station;
  std::optional<std::int16_t> year;
};

// Hours whose field holds its marker, of the 8760.
struct AsosMissingHours {
  std::int32_t dryBulb = 0, wetBulb = 0, pressure = 0, windDirection = 0, windSpeed = 0, cloud = 0,
               radiation = 0;
  bool operator==(const AsosMissingHours&) const = default;
};

struct AsosYear {
  AsosStationYear source;
  std::optional<Site> site;  // the station's position, when it is in the station list
  bool leapDayDropped = false;
  AsosMissingHours missing;
  std::vector<ClimateFileRecord> records;  // 8760, record k at index k − 1
};

// The refusal box: "원본 파일이 ASOS 시간자료 형식의 파일이 아닙니다." and the rule.
[[nodiscard]] Message asosRefusal(std::string rule);

// The station-years of a file in the order of their first line. A broken rule
// is reported to `sink` and gives nothing.
[[nodiscard]] std::optional<std::vector<AsosStationYear>> ScanAsos(std::istream& in,
                                                                   MessageSink& sink);

// Scans, chooses and converts one station-year (see the top of this header).
[[nodiscard]] std::optional<AsosYear> ImportAsos(std::istream& in, const AsosChoice& choice,
                                                 MessageSink& sink,
                                                 const ConversionProgress& progress = {});

// The default choice: most hours, the earlier in the file on a tie.
[[nodiscard]] const AsosStationYear& defaultStationYear(const std::vector<AsosStationYear>& list);

// "108 서울 2016년 (8760시간)": an entry of the conversion page's choice.
[[nodiscard]] std::string stationYearText(const AsosStationYear& entry);

// Every year of one station gathered from one text or several (files of one
// station downloaded piece by piece), for a computation over many years. Each
// text is scanned and then streamed once more; what is held is the 8760
// records of each year, never the text. The line stamped 1 January 00:00
// belongs to the year before, so a year may take hours from two texts; an
// hour that two texts both report is refused, naming them.
class AsosStationYears {
 public:
  // Only the years from `first` to `last` (inclusive) are kept.
  AsosStationYears(std::int32_t station, std::int16_t first, std::int16_t last);
  ~AsosStationYears();
  AsosStationYears(const AsosStationYears&) = delete;
  AsosStationYears& operator=(const AsosStationYears&) = delete;

  // Reads the station's lines of a scanned text; `name` names it in messages.
  // A broken rule is reported to `sink` and gives false.
  [[nodiscard]] bool read(std::istream& in, const std::string& name, MessageSink& sink);
  // The years read, in calendar order, each completed as ImportAsos completes one.
  [[nodiscard]] std::vector<AsosYear> finish();

  struct Years;

 private:
  std::int32_t station_;
  std::int16_t first_, last_;
  std::vector<std::string> names_;
  std::unique_ptr<Years> years_;
};

// "원본 파일들의 기간이 겹칩니다." naming the texts and the year.
[[nodiscard]] Message overlappingSourcesMessage(const std::string& earlier,
                                                const std::string& later, std::int16_t year);

}  // namespace vlm
