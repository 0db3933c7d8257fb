#include "core/climate/asos_import.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <map>
#include <unordered_map>
#include <utility>

#include "core/climate/asos_columns.h"
#include "core/climate/asos_hour.h"
#include "core/climate/asos_stations.h"
#include "core/climate/field_number.h"
#include "core/climate/text_line_reader.h"

namespace vlm {
namespace {

constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                  181, 212, 243, 273, 304, 334};
constexpr int kDaysPerYear = 365;
constexpr int kHoursPerDay = 24;

std::string lineText(std::int64_t n) { return std::to_string(n) + "행"; }

std::string lengthRule(std::int64_t n) {
  return "[" + lineText(n) + "의 길이(" + std::to_string(kAsosMaxLineLength) + "자 이하) 위반]";
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '"')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '"')) text.remove_suffix(1);
  return text;
}

struct Time {
  int year = 0, month = 0, day = 0, hour = 0;
  [[nodiscard]] std::int64_t key() const {
    return ((static_cast<std::int64_t>(year) * 13 + month) * 32 + day) * 24 + hour;
  }
  [[nodiscard]] bool leapDay() const { return month == 2 && day == 29; }
  // Hour of the non-leap year, 1 … 8760 (not for 29 February).
  [[nodiscard]] int16_t hourOfYear() const {
    return static_cast<int16_t>((kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + day - 1) *
                                    kHoursPerDay +
                                hour + 1);
  }
};

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Digits only, `minDigits` … `maxDigits` of them.
bool readNumber(std::string_view text, std::size_t minDigits, std::size_t maxDigits, int& value) {
  if (text.size() < minDigits || text.size() > maxDigits) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  return true;
}

// "YYYY-MM-DD HH:MM" with a one- or two-digit hour and minute 00.
std::optional<Time> parseTime(std::string_view text) {
  text = trimmed(text);
  const auto space = text.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view date = text.substr(0, space);
  std::string_view clock = text.substr(space + 1);
  while (!clock.empty() && clock.front() == ' ') clock.remove_prefix(1);
  const auto colon = clock.find(':');
  Time t;
  int minute = 0;
  if (date.size() != 10 || date[4] != '-' || date[7] != '-' || colon == std::string_view::npos ||
      !readNumber(date.substr(0, 4), 4, 4, t.year) ||
      !readNumber(date.substr(5, 2), 2, 2, t.month) ||
      !readNumber(date.substr(8, 2), 2, 2, t.day) ||
      !readNumber(clock.substr(0, colon), 1, 2, t.hour) ||
      !readNumber(clock.substr(colon + 1), 2, 2, minute))
    return std::nullopt;
  if (t.month < 1 || t.month > 12 || t.hour > 23 || minute != 0 || t.day < 1) return std::nullopt;
  const int days =
      t.month == 2 && isLeapYear(t.year) ? 29 : kDaysInMonth[static_cast<std::size_t>(t.month - 1)];
  if (t.day > days) return std::nullopt;
  return t;
}

// A line stamped H:00 reports the hour that ends then: its temperature was
// read at H:00 and its radiation received from H−1:00. The year stores an hour
// by the start of that interval, as the EPW import does, so the line is filed
// one hour earlier: 00:00 of a day is hour 23 of the day before, and 00:00 of
// 1 January belongs to the year before.
Time intervalOf(Time stamp) {
  if (stamp.hour > 0) {
    --stamp.hour;
    return stamp;
  }
  stamp.hour = kHoursPerDay - 1;
  if (stamp.day > 1) {
    --stamp.day;
    return stamp;
  }
  if (stamp.month == 1) {
    stamp.month = 12;
    --stamp.year;
  } else {
    --stamp.month;
  }
  stamp.day = stamp.month == 2 && isLeapYear(stamp.year)
                  ? 29
                  : kDaysInMonth[static_cast<std::size_t>(stamp.month - 1)];
  return stamp;
}

std::optional<std::int32_t> parseStation(std::string_view text) {
  text = trimmed(text);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// A field as a number; nothing when empty or not a number.
std::optional<float> numberOf(std::string_view field) {
  float value = 0;
  if (parseSingleField(field, value) != FieldFault::None) return std::nullopt;
  return value;
}

bool isBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Reads the lines of an ASOS text: the header, then each data line with its
// station and time, refusing what cannot be read.
class AsosReader {
 public:
  AsosReader(std::istream& in, MessageSink& sink)
      : in_(in), sink_(sink), reader_(in, kAsosMaxLineLength) {}

  bool refuse(std::string rule) {
    sink_.show(asosRefusal(std::move(rule)));
    return false;
  }

  // The size check and the header.
  bool start() {
    in_.seekg(0, std::ios::end);
    const auto size = static_cast<std::int64_t>(in_.tellg());
    in_.seekg(0, std::ios::beg);
    if (size > kAsosMaxFileBytes) return refuse("[파일크기(1GB 이하) 위반]");
    const auto status = reader_.next(line_);
    if (status == TextLineReader::Status::TooLong) return refuse(lengthRule(1));
    if (status == TextLineReader::Status::Line) columns_ = parseAsosHeader(line_);
    if (!columns_) return refuse("[1행 머리글(지점, 일시, 기온 열) 위반]");
    fieldsNeeded_ = static_cast<std::size_t>(columns_->fieldsNeeded());
    return true;
  }

  enum class Next { Line, End, Refused };

  // The next data line, with station_ and time_ read.
  Next next() {
    for (;;) {
      const auto status = reader_.next(line_);
      if (status == TextLineReader::Status::End) return Next::End;
      if (status == TextLineReader::Status::TooLong) {
        refuse(lengthRule(reader_.lineNumber()));
        return Next::Refused;
      }
      if (!isBlank(line_)) break;
    }
    split();
    const std::int64_t n = reader_.lineNumber();
    const auto station = parseStation(field(columns_->station));
    if (!station) {
      refuse("[" + lineText(n) + "의 지점 위반]");
      return Next::Refused;
    }
    const auto time = parseTime(field(columns_->time));
    if (!time) {
      refuse("[" + lineText(n) + "의 일시(YYYY-MM-DD HH:MM) 위반]");
      return Next::Refused;
    }
    station_ = *station;
    time_ = intervalOf(*time);
    return Next::Line;
  }

  // Field `index` of the current line without the blanks and double quotes
  // around it (a spreadsheet may quote every value), "" when the line is
  // shorter or the column absent.
  [[nodiscard]] std::string_view field(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= fields_.size()) return {};
    return trimmed(fields_[static_cast<std::size_t>(index)]);
  }

  [[nodiscard]] const AsosColumns& columns() const { return *columns_; }
  [[nodiscard]] std::int64_t lineNumber() const { return reader_.lineNumber(); }
  [[nodiscard]] std::int32_t station() const { return station_; }
  [[nodiscard]] const Time& time() const { return time_; }

 private:
  // The fields up to the last one needed, in one pass over the characters:
  // they are a few characters each, shorter than a library search needs to pay off.
  void split() {
    fields_.clear();
    if (fieldsNeeded_ == 0) return;
    const std::string_view line = line_;
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] != ',') continue;
      fields_.push_back(line.substr(start, i - start));
      if (fields_.size() == fieldsNeeded_) return;
      start = i + 1;
    }
    fields_.push_back(line.substr(start));
  }

  std::istream& in_;
  MessageSink& sink_;
  TextLineReader reader_;
  std::string_view line_;  // the reader's, until its next line
  std::optional<AsosColumns> columns_;
  std::size_t fieldsNeeded_ = 0;
  std::vector<std::string_view> fields_;
  std::int32_t station_ = 0;
  Time time_;
};

std::optional<std::vector<AsosStationYear>> scan(AsosReader& reader) {
  std::vector<AsosStationYear> list;
  std::map<std::pair<std::int32_t, int>, std::size_t> indexOf;
  std::unordered_map<std::int32_t, std::int64_t> lastTimeOf;
  for (;;) {
    const auto next = reader.next();
    if (next == AsosReader::Next::Refused) return std::nullopt;
    if (next == AsosReader::Next::End) break;
    const Time& time = reader.time();
    const auto [last, first] = lastTimeOf.try_emplace(reader.station(), time.key());
    if (!first && last->second >= time.key()) {
      reader.refuse("[" + lineText(reader.lineNumber()) + "의 일시 순서 위반]");
      return std::nullopt;
    }
    last->second = time.key();
    const auto [entry, added] =
        indexOf.try_emplace(std::pair{reader.station(), time.year}, list.size());
    if (added)
      list.push_back(
          {reader.station(),
           asosText(trimmed(reader.field(reader.columns().stationName)), reader.columns().encoding),
           static_cast<int16_t>(time.year), 0});
    if (!time.leapDay()) ++list[entry->second].hours;
  }
  if (list.empty()) {
    reader.refuse("[자료 행수(1행 이상) 위반]");
    return std::nullopt;
  }
  return list;
}

// The entry that matches the choice, with the most hours among those that match.
const AsosStationYear* chosen(const std::vector<AsosStationYear>& list, const AsosChoice& choice) {
  const AsosStationYear* best = nullptr;
  for (const AsosStationYear& entry : list) {
    if (choice.station && entry.station != *choice.station) continue;
    if (choice.year && entry.year != *choice.year) continue;
    if (best == nullptr || entry.hours > best->hours) best = &entry;
  }
  return best;
}

std::string choiceText(const AsosChoice& choice) {
  std::string text;
  if (choice.station) text += "지점 " + std::to_string(*choice.station);
  if (choice.year) text += (text.empty() ? "" : ", ") + std::to_string(*choice.year) + "년";
  return text;
}

// How an hour's radiation field read: the night rule needs to know an empty
// field from a reported one.
enum class Radiation : std::uint8_t { Absent, Empty, Reported, Other };

Radiation radiationState(std::string_view field, bool columnPresent) {
  if (!columnPresent) return Radiation::Other;
  if (isBlank(field)) return Radiation::Empty;
  return numberOf(field) ? Radiation::Reported : Radiation::Other;
}

// Empty fields before the first and after the last reported hour of a day are
// night; the others, and every empty field of a day without a report, are missing.
void applyNightRule(std::vector<ClimateFileRecord>& records, const std::vector<Radiation>& states) {
  for (int day = 0; day < kDaysPerYear; ++day) {
    const auto begin = states.begin() + day * kHoursPerDay;
    const auto end = begin + kHoursPerDay;
    const auto first = std::find(begin, end, Radiation::Reported);
    if (first == end) continue;  // every empty field stays missing
    const auto last = std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(begin),
                                Radiation::Reported)
                          .base() -
                      1;
    for (auto it = begin; it != end; ++it) {
      if (*it == Radiation::Empty && (it < first || it > last))
        records[static_cast<std::size_t>(it - states.begin())].Radiation = 0.0f;
    }
  }
}

AsosMissingHours countMissing(const std::vector<ClimateFileRecord>& records) {
  AsosMissingHours m;
  for (const ClimateFileRecord& r : records) {
    m.dryBulb += r.DBT == kMissing;
    m.wetBulb += r.WBT == kMissing;
    m.pressure += r.Pressure == kMissingPressure;
    m.windDirection += r.WindDir == kMissingWindDir;
    m.windSpeed += r.WindSpeed == kMissing;
    m.cloud += r.Cloud == kMissingCloud;
    m.radiation += r.Radiation == kMissingRadiation;
  }
  return m;
}

AsosHour hourOf(const AsosReader& reader) {
  const AsosColumns& c = reader.columns();
  AsosHour hour;
  hour.dryBulb = numberOf(reader.field(c.dryBulb));
  hour.dewPoint = numberOf(reader.field(c.dewPoint));
  hour.humidity = numberOf(reader.field(c.humidity));
  hour.pressure = numberOf(reader.field(c.pressure));
  hour.windSpeed = numberOf(reader.field(c.windSpeed));
  hour.windDirection = numberOf(reader.field(c.windDirection));
  hour.cloud = numberOf(reader.field(c.cloud));
  hour.radiation = numberOf(reader.field(c.radiation));
  return hour;
}

// A station-year being filled hour by hour, from one text or several.
struct YearBuild {
  explicit YearBuild(const AsosStationYear& source, bool radiationColumn)
      : owner(kHoursPerYear, kNoOwner),
        radiation(kHoursPerYear, Radiation::Absent),
        radiationColumn(radiationColumn) {
    year.source = source;
    year.site = asosStationSite(source.station);
    year.records.resize(kHoursPerYear);
  }

  static constexpr int16_t kNoOwner = -1;

  // The reader's current line, which lies in this year, read from text
  // number `text`. False when the hour is held already.
  bool place(const AsosReader& reader, Psychrometrics& psychro, int16_t text = 0) {
    const Time& time = reader.time();
    if (time.leapDay()) {
      year.leapDayDropped = true;
      return true;
    }
    const int16_t k = time.hourOfYear();
    const auto index = static_cast<std::size_t>(k - 1);
    if (owner[index] != kNoOwner) {
      clash = owner[index];
      return false;
    }
    year.records[index] = convertAsosHour(hourOf(reader), k, psychro);
    owner[index] = text;
    const bool column = reader.columns().radiation != AsosColumns::kAbsent;
    radiation[index] = radiationState(reader.field(reader.columns().radiation), column);
    radiationColumn = radiationColumn || column;
    ++year.source.hours;
    return true;
  }

  // Absent hours as markers, the night rule, the missing counts.
  AsosYear finish() {
    for (int16_t k = 1; k <= kHoursPerYear; ++k)
      if (owner[static_cast<std::size_t>(k - 1)] == kNoOwner)
        year.records[static_cast<std::size_t>(k - 1)] = absentAsosHour(k);
    if (radiationColumn) applyNightRule(year.records, radiation);
    year.missing = countMissing(year.records);
    return std::move(year);
  }

  AsosYear year;
  std::vector<int16_t> owner;  // the text each hour was read from
  int16_t clash = kNoOwner;    // the text that held an hour read again
  std::vector<Radiation> radiation;
  bool radiationColumn = false;
};

// The second pass: the lines of the chosen station-year into its 8760 records.
std::optional<AsosYear> build(AsosReader& reader, const AsosStationYear& source,
                              const ConversionProgress& progress) {
  AsosStationYear empty = source;
  empty.hours = 0;
  YearBuild year(empty, reader.columns().radiation != AsosColumns::kAbsent);
  Psychrometrics psychro;
  while (year.year.source.hours < source.hours) {
    const auto next = reader.next();
    if (next == AsosReader::Next::Refused) return std::nullopt;
    if (next == AsosReader::Next::End) break;
    const Time& time = reader.time();
    if (reader.station() != source.station || time.year != source.year) continue;
    (void)year.place(reader, psychro);  // the scan has refused a repeated hour
    if (!time.leapDay()) progress.hourDone(time.hourOfYear());
  }
  return year.finish();
}

// "[지점 108, 2016년의 시간 수(4380시간 이상) 위반: 100시간]": a station-year
// with too few hours of something.
std::string stationYearRule(const AsosStationYear& source, const std::string& counted,
                            std::int32_t least, std::int32_t hours) {
  return "[지점 " + std::to_string(source.station) + ", " + std::to_string(source.year) + "년의 " +
         counted + "(" + std::to_string(least) + "시간 이상) 위반: " + std::to_string(hours) +
         "시간]";
}

}  // namespace

Message asosRefusal(std::string rule) {
  return errorMessage({"원본 파일이 ASOS 시간자료 형식의 파일이 아닙니다.", std::move(rule)});
}

std::optional<std::vector<AsosStationYear>> ScanAsos(std::istream& in, MessageSink& sink) {
  AsosReader reader(in, sink);
  if (!reader.start()) return std::nullopt;
  return scan(reader);
}

const AsosStationYear& defaultStationYear(const std::vector<AsosStationYear>& list) {
  return *chosen(list, AsosChoice{});
}

std::string stationYearText(const AsosStationYear& entry) {
  std::string text = std::to_string(entry.station);
  if (!entry.stationName.empty()) text += " " + entry.stationName;
  return text + " " + std::to_string(entry.year) + "년 (" + std::to_string(entry.hours) + "시간)";
}

std::optional<AsosYear> ImportAsos(std::istream& in, const AsosChoice& choice, MessageSink& sink,
                                   const ConversionProgress& progress) {
  const auto list = ScanAsos(in, sink);
  if (!list) return std::nullopt;
  const AsosStationYear* source = chosen(*list, choice);
  if (source == nullptr) {
    sink.show(errorMessage(
        {"선택한 지점 혹은 연도의 자료가 원본 파일에 없습니다.", "[" + choiceText(choice) + "]"}));
    return std::nullopt;
  }
  constexpr std::int32_t kLeastHours = kHoursPerYear / 2;
  if (source->hours < kLeastHours) {
    sink.show(asosRefusal(stationYearRule(*source, "시간 수", kLeastHours, source->hours)));
    return std::nullopt;
  }
  in.clear();
  in.seekg(0, std::ios::beg);
  AsosReader reader(in, sink);
  if (!reader.start()) return std::nullopt;
  auto year = build(reader, *source, progress);
  // Without a single dry bulb no hour can be placed on the chart: not a year to analyse.
  if (year && year->missing.dryBulb == kHoursPerYear) {
    sink.show(asosRefusal(stationYearRule(*source, "건구온도가 있는 시간 수", 1, 0)));
    return std::nullopt;
  }
  return year;
}

struct AsosStationYears::Years {
  std::map<std::int16_t, YearBuild> byYear;
};

AsosStationYears::AsosStationYears(std::int32_t station, std::int16_t first, std::int16_t last)
    : station_(station), first_(first), last_(last), years_(std::make_unique<Years>()) {}

AsosStationYears::~AsosStationYears() = default;

bool AsosStationYears::read(std::istream& in, const std::string& name, MessageSink& sink) {
  AsosReader reader(in, sink);
  if (!reader.start()) return false;
  const auto text = static_cast<int16_t>(names_.size());
  names_.push_back(name);
  const bool radiationColumn = reader.columns().radiation != AsosColumns::kAbsent;
  Psychrometrics psychro;
  for (;;) {
    const auto next = reader.next();
    if (next == AsosReader::Next::Refused) return false;
    if (next == AsosReader::Next::End) return true;
    const int year = reader.time().year;
    if (reader.station() != station_ || year < first_ || year > last_) continue;
    auto found = years_->byYear.find(static_cast<int16_t>(year));
    if (found == years_->byYear.end()) {
      const std::string stationName =
          asosText(trimmed(reader.field(reader.columns().stationName)), reader.columns().encoding);
      const AsosStationYear source{station_, stationName, static_cast<int16_t>(year), 0};
      found = years_->byYear.try_emplace(source.year, source, radiationColumn).first;
    }
    YearBuild& build = found->second;
    if (!build.place(reader, psychro, text)) {
      sink.show(overlappingSourcesMessage(names_[static_cast<std::size_t>(build.clash)], name,
                                          found->first));
      return false;
    }
  }
}

std::vector<AsosYear> AsosStationYears::finish() {
  std::vector<AsosYear> years;
  for (auto& [year, build] : years_->byYear) years.push_back(build.finish());
  years_->byYear.clear();
  return years;
}

Message overlappingSourcesMessage(const std::string& earlier, const std::string& later,
                                  std::int16_t year) {
  return errorMessage({"원본 파일들의 기간이 겹칩니다.",
                       "[" + earlier + ", " + later + ": " + std::to_string(year) + "년]"});
}

}  // namespace vlm
