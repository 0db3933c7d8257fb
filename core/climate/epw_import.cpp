#include "core/climate/epw_import.h"

#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include "core/climate/epw_year_conversion.h"
#include "core/climate/field_number.h"
#include "core/climate/radiation_timing.h"
#include "core/climate/site_rules.h"
#include "core/climate/text_line_reader.h"
#include "core/common/compute_error.h"
#include "core/common/format.h"

namespace vlm {
namespace {

constexpr std::array<std::string_view, kEpwHeaderLines> kHeaderKeywords = {
    "LOCATION",
    "DESIGN CONDITIONS",
    "TYPICAL/EXTREME PERIODS",
    "GROUND TEMPERATURES",
    "HOLIDAYS/DAYLIGHT SAVINGS",
    "COMMENTS 1",
    "COMMENTS 2",
    "DATA PERIODS"};

// Other spellings of a header keyword that generators of typical years write
// (line number, keyword). Nothing is read from these lines.
struct KeywordSpelling {
  std::int64_t line;
  std::string_view keyword;
};
constexpr std::array<KeywordSpelling, 1> kOtherKeywordSpellings = {{
    {5, "HOLIDAYS/DAYLIGHT SAVING"},
}};

constexpr std::array<int16_t, 17> kDirectionCodes = {360, 23,  45,  68,  90,  113, 135, 158, 180,
                                                     203, 225, 248, 270, 293, 315, 338, 360};
constexpr std::array<int16_t, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The hour of the year after which a leap year inserts its 29 February.
constexpr int16_t kHoursBeforeLeapDay = (31 + 28) * 24;

constexpr double kJoulesPerWattHour = 3600.0;
constexpr double kJoulesPerSquareMetrePerCalPerSquareCm = 41840.0;

std::string lineText(std::int64_t lineNumber) { return std::to_string(lineNumber) + "행"; }

std::string fieldCountRule(std::int64_t lineNumber, int count) {
  return "[" + lineText(lineNumber) + "의 필드 수(" + std::to_string(count) + "개) 위반]";
}

std::string numberRule(std::int64_t lineNumber, int field, std::string_view name) {
  return "[" + lineText(lineNumber) + " " + std::to_string(field) + "번째 필드(" +
         std::string(name) + ")의 숫자 위반]";
}

std::string lineCountRule() { return "[총 자료 행수(8760행, 윤년 8784행) 위반]"; }

std::string lengthRule(std::int64_t lineNumber) {
  return "[" + lineText(lineNumber) + "의 길이(" + std::to_string(kEpwMaxLineLength) +
         "자 이하) 위반]";
}

std::string headerRule(std::int64_t lineNumber) {
  return "[" + lineText(lineNumber) + " 머리글(" +
         std::string(kHeaderKeywords[static_cast<std::size_t>(lineNumber - 1)]) + ") 위반]";
}

// The comma-separated fields of a line; at most `limit` + 1 are kept, so a
// line with too many fields is known as such without splitting all of it.
struct Fields {
  std::array<std::string_view, kEpwFieldCount + 1> text;
  std::size_t count = 0;
};

template <std::size_t limit>
Fields splitFields(std::string_view line) {
  static_assert(limit < std::tuple_size_v<decltype(Fields::text)>);
  Fields fields;
  // One pass over the characters: the fields are a few characters each,
  // shorter than a library search needs to pay off.
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != ',') continue;
    fields.text[fields.count++] = line.substr(start, i - start);
    start = i + 1;
    if (fields.count > limit) return fields;
  }
  fields.text[fields.count++] = line.substr(start);
  return fields;
}

// The commas of a line, counted in fixed blocks that the compiler turns into
// vector compares: every hour's whole line is counted before it is read.
std::size_t commaCount(std::string_view line) {
  constexpr std::size_t kBlock = 32;
  std::size_t count = 0;
  std::size_t i = 0;
  for (; i + kBlock <= line.size(); i += kBlock) {
    unsigned char inBlock = 0;
    for (std::size_t j = 0; j < kBlock; ++j) inBlock += line[i + j] == ',' ? 1 : 0;
    count += inBlock;
  }
  for (; i < line.size(); ++i) count += line[i] == ',' ? 1 : 0;
  return count;
}

// The field that begins at `start` and ends at the next comma, which the
// caller knows to be there.
std::string_view fieldEndingInComma(const char* start) {
  const char* end = start;
  while (*end != ',') ++end;
  return {start, static_cast<std::size_t>(end - start)};
}

bool keywordMatches(std::string_view line, std::string_view keyword) {
  std::string_view head = line.substr(0, line.find(','));
  while (!head.empty() && head.back() == ' ') head.remove_suffix(1);
  if (head.size() != keyword.size()) return false;
  for (std::size_t i = 0; i < head.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(head[i])) != keyword[i]) return false;
  return true;
}

bool headerKeywordMatches(std::string_view line, std::int64_t lineNumber) {
  if (keywordMatches(line, kHeaderKeywords[static_cast<std::size_t>(lineNumber - 1)])) return true;
  for (const KeywordSpelling& other : kOtherKeywordSpellings)
    if (other.line == lineNumber && keywordMatches(line, other.keyword)) return true;
  return false;
}

bool isBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string_view withoutByteOrderMark(std::string_view line) {
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (line.substr(0, bom.size()) == bom) line.remove_prefix(bom.size());
  return line;
}

// Counted on the reader's thread, as the hour's conversion will decide.
void countDewPointFault(const EpwHour& hour, EpwDewPointFaults& faults) {
  if (hour.dryBulb == kEpwMissingTemperature || !dewPointAboveDryBulb(hour.dryBulb, hour.dewPoint))
    return;
  ++(epwHumidityValid(hour.relativeHumidity) ? faults.fromHumidity : faults.missing);
}

// The (month, day, EPW hour) of a data line.
struct Stamp {
  int16_t month, day, hour;
};

// The stamp of hour `position` (0 … 8759) of the non-leap year, or, while a
// 29 February is being read in its place, of its next hour.
Stamp expectedStamp(int16_t position, int16_t leapHours) {
  if (position == kHoursBeforeLeapDay && leapHours > 0 && leapHours < 24)
    return {2, 29, static_cast<int16_t>(leapHours + 1)};
  int16_t dayOfYear = static_cast<int16_t>(position / 24);  // 0-based
  int16_t month = 1;
  while (dayOfYear >= kDaysInMonth[static_cast<std::size_t>(month - 1)]) {
    dayOfYear = static_cast<int16_t>(dayOfYear - kDaysInMonth[static_cast<std::size_t>(month - 1)]);
    ++month;
  }
  return {month, static_cast<int16_t>(dayOfYear + 1), static_cast<int16_t>(position % 24 + 1)};
}

bool stampIs(const EpwHour& hour, const Stamp& stamp) {
  return hour.month == stamp.month && hour.day == stamp.day && hour.hour == stamp.hour;
}

// The hour of the non-leap year (0 … 8759) at which a year whose first line
// carries `hour` starts: the first hour of any day but 29 February. Nothing
// for another first line.
std::optional<int16_t> startOfYear(const EpwHour& hour) {
  for (int16_t month = 1, first = 0; month <= 12; ++month) {
    const int16_t days = kDaysInMonth[static_cast<std::size_t>(month - 1)];
    if (hour.month == month) {
      for (int16_t day = 1; day <= days; ++day)
        if (hour.day == day && hour.hour == 1) return static_cast<int16_t>(first + (day - 1) * 24);
      return std::nullopt;
    }
    first = static_cast<int16_t>(first + days * 24);
  }
  return std::nullopt;
}

// What a first line that starts no year should have carried: the first hour
// of its own day when that is a day of the year, else of 1 January.
Stamp expectedFirstStamp(const EpwHour& hour) {
  EpwHour dayStart = hour;
  dayStart.hour = 1;
  if (const auto start = startOfYear(dayStart)) return expectedStamp(*start, 0);
  return {1, 1, 1};
}

std::string stampRule(std::int64_t lineNumber, const EpwHour& held, const Stamp& s) {
  return "[" + lineText(lineNumber) + "의 월(" + ShortestText(held.month) + "), 일(" +
         ShortestText(held.day) + "), 시각(" + ShortestText(held.hour) + ") 데이터위반, 월(" +
         std::to_string(s.month) + "), 일(" + std::to_string(s.day) + "), 시각(" +
         std::to_string(s.hour) + ")이어야 함]";
}

}  // namespace

int16_t windDirCodeOf(float degrees, float speed) {
  if (speed == 0.0f) return kCalm;
  if (degrees == kEpwMissingWind || !(degrees >= 0.0f && degrees <= 360.0f)) return kMissingWindDir;
  // Half-degree points round up: 11.25° → 23, 348.75° → 360.
  const auto sector =
      static_cast<std::size_t>(std::floor(static_cast<double>(degrees) / 22.5 + 0.5));
  return kDirectionCodes[sector];
}

float radiationTenthsOf(float globalHorizontal) {
  if (globalHorizontal >= kEpwMissingRadiation) return kMissingRadiation;
  const double tenths = static_cast<double>(globalHorizontal) * kJoulesPerWattHour /
                        kJoulesPerSquareMetrePerCalPerSquareCm * 10.0;
  return static_cast<float>(std::round(tenths));
}

int16_t cloudOf(float totalSkyCover) {
  if (totalSkyCover == kEpwMissingSkyCover) return kMissingCloud;
  const float tenths = std::round(totalSkyCover);
  if (!(tenths >= 0.0f && tenths <= 10.0f)) return kMissingCloud;
  return static_cast<int16_t>(tenths);
}

bool dewPointAboveDryBulb(float dryBulb, float dewPoint) {
  return dewPoint != kEpwMissingTemperature &&
         static_cast<double>(dewPoint) - dryBulb > kDewPointExcess;
}

bool epwHumidityValid(float relativeHumidity) {
  return relativeHumidity >= 0.0f && relativeHumidity <= kEpwHighestHumidity;
}

float wetBulbOf(float dryBulb, float dewPoint, float relativeHumidity, float pressure,
                Psychrometrics& psychro, SaturationMemo* memo) {
  psychro.Patm = pressure;
  if (dryBulb == kMissing || pressure == kMissingPressure) return kMissing;
  if (dewPointAboveDryBulb(dryBulb, dewPoint)) {
    if (!epwHumidityValid(relativeHumidity)) return kMissing;
    dewPoint = kEpwMissingTemperature;
  }
  if (dewPoint == kEpwMissingTemperature && relativeHumidity == kEpwMissingHumidity)
    return kMissing;
  try {
    const auto psat = [&](float t) {
      return memo != nullptr ? psychro.GetPsat_DBT(t, *memo) : psychro.GetPsat_DBT(t);
    };
    const float ratio = dewPoint != kEpwMissingTemperature
                            ? psychro.GetAH_VP(psat(dewPoint))
                            : psychro.GetAH_DBTRH(dryBulb, relativeHumidity);
    // Vapour at or above the station pressure has no humidity ratio.
    if (!std::isfinite(ratio) || ratio < 0.0f) return kMissing;
    const float wetBulb = memo != nullptr ? psychro.GetWBT_DBTAH(dryBulb, ratio, *memo)
                                          : psychro.GetWBT_DBTAH(dryBulb, ratio);
    return std::isfinite(wetBulb) ? wetBulb : kMissing;
  } catch (const ComputeError&) {
    return kMissing;
  }
}

ClimateFileRecord convertEpwHour(const EpwHour& hour, int16_t k, Psychrometrics& psychro,
                                 SaturationMemo* memo) {
  ClimateFileRecord r;
  r.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
  r.DBT = hour.dryBulb == kEpwMissingTemperature ? kMissing : hour.dryBulb;
  r.Pressure = hour.stationPressure == kEpwMissingPressure
                   ? kMissingPressure
                   : static_cast<float>(static_cast<double>(hour.stationPressure) / 1000.0);
  r.WBT = wetBulbOf(r.DBT, hour.dewPoint, hour.relativeHumidity, r.Pressure, psychro, memo);
  r.WindDir = windDirCodeOf(hour.windDirection, hour.windSpeed);
  r.WindSpeed = hour.windSpeed == kEpwMissingWind ? kMissing : hour.windSpeed;
  r.Cloud = cloudOf(hour.totalSkyCover);
  r.Radiation = radiationTenthsOf(hour.globalHorizontal);
  return r;
}

std::optional<std::string> parseEpwLocation(std::string_view line, EpwStation& station) {
  // Some converters append fields (a climate-zone code after the elevation);
  // only the ten that the format defines are read.
  constexpr std::size_t kLocationFields = 10;
  const auto fields = splitFields<kLocationFields>(line);
  if (fields.count < kLocationFields)
    return "[" + lineText(1) + "의 필드 수(" + std::to_string(kLocationFields) + "개 이상) 위반]";
  EpwStation read;
  read.name = std::string(fields.text[1]);
  if (parseSingleField(fields.text[6], read.latitude) != FieldFault::None)
    return numberRule(1, 7, "위도");
  if (parseSingleField(fields.text[9], read.elevation) != FieldFault::None)
    return numberRule(1, 10, "표고");
  read.site = siteOfTexts(fields.text[1], fields.text[6], fields.text[7], fields.text[8]);
  station = std::move(read);
  return std::nullopt;
}

std::optional<std::string> parseEpwDataLine(std::string_view line, std::int64_t lineNumber,
                                            EpwHour& hour) {
  if (commaCount(line) != kEpwFieldCount - 1) return fieldCountRule(lineNumber, kEpwFieldCount);
  struct Field {
    int number;
    std::string_view name;
    float EpwHour::*member;
    bool optional = false;  // a text that is no number reads as NaN, not a refusal
  };
  static constexpr std::array<Field, 12> kFields = {{
      {2, "월", &EpwHour::month},
      {3, "일", &EpwHour::day},
      {4, "시각", &EpwHour::hour},
      {7, "건구온도", &EpwHour::dryBulb},
      {8, "이슬점온도", &EpwHour::dewPoint},
      {9, "상대습도", &EpwHour::relativeHumidity},
      {10, "대기압", &EpwHour::stationPressure},
      {11, "대기권외 수평면 일사량", &EpwHour::extraterrestrialHorizontal, true},
      {14, "수평면 전일사량", &EpwHour::globalHorizontal},
      {21, "풍향", &EpwHour::windDirection},
      {22, "풍속", &EpwHour::windSpeed},
      {23, "전운량", &EpwHour::totalSkyCover},
  }};
  static_assert(kFields.back().number < kEpwFieldCount, "every field read ends in a comma");
  // Only the fields read are taken apart; the others are passed over.
  EpwHour read;
  const char* next = line.data();
  int number = 1;
  for (const Field& field : kFields) {
    for (; number < field.number; ++number) next += fieldEndingInComma(next).size() + 1;
    const std::string_view text = fieldEndingInComma(next);
    if (parseSingleField(text, read.*field.member) != FieldFault::None) {
      if (!field.optional) return numberRule(lineNumber, field.number, field.name);
      read.*field.member = std::numeric_limits<float>::quiet_NaN();
    }
    next += text.size() + 1;
    ++number;
  }
  hour = read;
  return std::nullopt;
}

bool hasEpwExtension(std::string_view path) {
  while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
  if (path.size() < 3) return false;
  std::string ext(path.substr(path.size() - 3));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "epw";
}

std::optional<EpwStation> ReadEpwStation(std::istream& in) {
  TextLineReader reader(in, kEpwMaxLineLength);
  std::string_view line;
  if (reader.next(line) != TextLineReader::Status::Line) return std::nullopt;
  const std::string_view text = withoutByteOrderMark(line);
  EpwStation station;
  if (!keywordMatches(text, kHeaderKeywords[0]) || parseEpwLocation(text, station))
    return std::nullopt;
  return station;
}

Message epwRefusal(std::string rule) {
  return errorMessage({"원본 파일이 EPW 형식의 파일이 아닙니다.", std::move(rule)});
}

std::optional<EpwYear> ImportEpw(std::istream& in, MessageSink& sink,
                                 const ConversionProgress& progress, EpwCores cores) {
  std::vector<ClimateFileRecord> records(kHoursPerYear);
  const auto keep = [&records](int16_t k, const ClimateFileRecord& record) {
    records[static_cast<std::size_t>(k - 1)] = record;
  };
  auto year = ImportEpwRecords(in, sink, keep, progress, cores);
  if (year) year->records = std::move(records);
  return year;
}

std::optional<EpwYear> ImportEpwRecords(std::istream& in, MessageSink& sink,
                                        const EpwRecordHandler& handle,
                                        const ConversionProgress& progress, EpwCores cores,
                                        std::pmr::memory_resource* memory) {
  // Started before the header is read: a second core takes a while to wake.
  EpwYearConversion conversion(handle, cores, memory);
  const auto refuse = [&sink, &conversion](std::string rule) -> std::optional<EpwYear> {
    conversion.stop();  // nothing works on behind the message box
    sink.show(epwRefusal(std::move(rule)));
    return std::nullopt;
  };
  using Status = TextLineReader::Status;
  TextLineReader reader(in, kEpwMaxLineLength, memory);
  std::string_view line;

  EpwYear year;
  for (std::int64_t n = 1; n <= kEpwHeaderLines; ++n) {
    const Status status = reader.next(line);
    if (status == Status::TooLong) return refuse(lengthRule(n));
    if (status == Status::End) return refuse(headerRule(n));
    const std::string_view text = n == 1 ? withoutByteOrderMark(line) : line;
    if (!headerKeywordMatches(text, n)) return refuse(headerRule(n));
    if (n == 1) {
      if (auto rule = parseEpwLocation(text, year.station)) return refuse(std::move(*rule));
    }
  }

  int16_t kept = 0;
  int16_t leapHours = 0;
  int16_t firstHour = 0;            // of the year, 0 … 8759, that the first line holds
  std::int64_t firstBlankLine = 0;  // blank lines are allowed only at the end
  EpwHour hour;
  RadiationTiming timing;
  for (;;) {
    const Status status = reader.next(line);
    if (status == Status::End) break;
    const std::int64_t n = reader.lineNumber();
    if (status == Status::TooLong) return refuse(lengthRule(n));
    if (isBlankLine(line)) {
      if (firstBlankLine == 0) firstBlankLine = n;
      continue;
    }
    if (firstBlankLine != 0) return refuse(fieldCountRule(firstBlankLine, kEpwFieldCount));
    if (kept == kHoursPerYear) return refuse(lineCountRule());
    if (auto rule = parseEpwDataLine(line, n, hour)) return refuse(std::move(*rule));
    if (kept == 0 && leapHours == 0) {
      // A year may start on any day and run on across 31 December.
      const auto start = startOfYear(hour);
      if (!start) return refuse(stampRule(n, hour, expectedFirstStamp(hour)));
      firstHour = *start;
      conversion.startAt(firstHour);
    }
    const auto position = static_cast<int16_t>((firstHour + kept) % kHoursPerYear);
    const Stamp expected = expectedStamp(position, leapHours);
    if (hour.month == 2 && hour.day == 29) {
      // Only a whole 29 February in its place, hour by hour, is dropped.
      if (position != kHoursBeforeLeapDay || leapHours == 24 || hour.hour != leapHours + 1)
        return refuse(stampRule(n, hour, expected));
      ++leapHours;
      continue;
    }
    if (!stampIs(hour, expected)) return refuse(stampRule(n, hour, expected));
    countDewPointFault(hour, year.dewPointAboveDryBulb);
    timing.add(hour.hour, hour.extraterrestrialHorizontal);
    ++kept;
    conversion.add(hour);
    progress.hourDone(kept);
  }
  if (kept != kHoursPerYear) return refuse(lineCountRule());
  if (year.station.site) year.station.site->radiationLag = timing.lag(*year.station.site);
  conversion.finish();
  year.leapDayDropped = leapHours == 24;
  return year;
}

}  // namespace vlm
