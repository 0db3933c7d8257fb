// ASOS hourly CSV texts that the tests write themselves, as the weather
// service's portal writes them: a header of column names with units, then one
// line per station and hour. A test picks the columns, their order and each
// hour's values.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/common/cp949.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm::asostest {

// The portal's column names, with the QC columns that sit between them.
inline const std::vector<std::string> kPortalColumns = {
    "지점",        "지점명",         "일시",           "기온(°C)",          "기온 QC플래그",
    "강수량(mm)",  "풍속(m/s)",      "풍속 QC플래그",  "풍향(16방위)",      "습도(%)",
    "증기압(hPa)", "이슬점온도(°C)", "현지기압(hPa)",  "현지기압 QC플래그", "해면기압(hPa)",
    "일사(MJ/m2)", "일사 QC플래그",  "전운량(10분위)", "지면온도(°C)"};

// One line's values by the column's name without unit; absent names are empty.
using AsosRow = std::map<std::string, std::string>;

// A mild hour of station 108 서울: every column the import reads has a value.
inline AsosRow mildRow(int year, const weathertest::Stamp& s) {
  char time[32];
  std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:00", year, s.month, s.day, s.hour);
  return {{"지점", "108"},        {"지점명", "서울"},     {"일시", time},
          {"기온", "20.0"},       {"풍속", "2.0"},        {"풍향", "200"},
          {"습도", "53"},         {"증기압", "12.3"},     {"이슬점온도", "10.0"},
          {"현지기압", "1013.0"}, {"해면기압", "1020.0"}, {"일사", "1.00"},
          {"전운량", "5"},        {"기온QC플래그", "9"}};
}

// The key of a column name: without its unit and blanks.
inline std::string keyOf(const std::string& column) {
  std::string key;
  int depth = 0;
  for (char c : column) {
    if (c == '(')
      ++depth;
    else if (c == ')')
      --depth;
    else if (depth == 0 && c != ' ')
      key.push_back(c);
  }
  return key;
}

inline std::string asosLine(const std::vector<std::string>& columns, const AsosRow& row) {
  std::string line;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i) line += ",";
    const auto value = row.find(keyOf(columns[i]));
    if (value != row.end()) line += value->second;
  }
  return line;
}

// The time stamp of the line that reports hour i (1-based) of `year`: the
// end of the hour, so hour 1 is stamped 01:00 and the year's last hour the
// next year's 1 January 00:00.
inline std::string endStamp(int year, int i, bool leap) {
  const int hoursInYear = leap ? 8784 : 8760;
  const weathertest::Stamp s = weathertest::stampOf(i + 1, leap ? 29 : 28);
  char time[32];
  std::snprintf(time, sizeof time, "%04d-%02d-%02d %02d:00", i < hoursInYear ? year : year + 1,
                s.month, s.day, s.hour);
  return time;
}

// The header and a line per hour of `hours` hours from 1 January 0 h of
// `year` (29 February included in a leap year), each stamped at its end;
// `edit` may change hour i (1-based) or clear the row to leave the hour out.
inline std::vector<std::string> asosLines(
    int year, int hours, const std::function<void(int, AsosRow&)>& edit = {},
    const std::vector<std::string>& columns = kPortalColumns) {
  const bool leap = year % 4 == 0;
  std::vector<std::string> lines;
  std::string header;
  for (std::size_t i = 0; i < columns.size(); ++i) header += (i ? "," : "") + columns[i];
  lines.push_back(header);
  for (int i = 1; i <= hours; ++i) {
    AsosRow row = mildRow(year, weathertest::stampOf(i, leap ? 29 : 28));
    row["일시"] = endStamp(year, i, leap);
    if (edit) edit(i, row);
    if (!row.empty()) lines.push_back(asosLine(columns, row));
  }
  return lines;
}

// The data lines of `lines` without its header, to append to another file.
inline std::vector<std::string> body(std::vector<std::string> lines) {
  lines.erase(lines.begin());
  return lines;
}

inline std::string asCp949(const std::string& utf8) { return toCp949(utf8); }

}  // namespace vlm::asostest
