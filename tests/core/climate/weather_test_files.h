// Weather source texts that the weather tests write themselves: WYEC/TRY files
// of 80-column lines and small EPW files, with every hour's stamp right unless
// a test changes it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace vlm::weathertest {

namespace fs = std::filesystem;

struct Stamp {
  int month, day, hour;  // hour of day 0 … 23
};

// Hour k (1-based) of a year of `days` days in February (28 or 29); hours
// past the end of the year run on into the next January.
inline Stamp stampOf(int k, int februaryDays = 28) {
  const std::array<int, 12> days = {31, februaryDays, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int day = ((k - 1) / 24) % (337 + februaryDays);
  int month = 0;
  while (day >= days[static_cast<std::size_t>(month)])
    day -= days[static_cast<std::size_t>(month++)];
  return {month + 1, day + 1, (k - 1) % 24};
}

// The seven fields of a WYEC line as text, right-aligned in their columns.
struct WyecFields {
  std::string dryBulb = "050";     // columns 6–8, °F
  std::string wetBulb = "045";     // 9–11, °F
  std::string windDir = "225";     // 15–17, degrees
  std::string windSpeed = "010";   // 18–20, knots
  std::string pressure = "2992";   // 21–24, 0.01 inHg
  std::string cloud = " 5";        // 26–27, tenths
  std::string radiation = " 523";  // 56–59, 0.1 cal/cm²
};

inline void put(std::string& line, int firstColumn, const std::string& text) {
  line.replace(static_cast<std::size_t>(firstColumn - 1), text.size(), text);
}

inline std::string twoDigits(int v) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", v);
  return buffer;
}

// An 80-column line: station in 1–5, the fields, the stamp in 74–79.
inline std::string wyecLine(const WyecFields& f, const Stamp& s) {
  std::string line(80, '0');
  put(line, 1, "94846");
  put(line, 6, f.dryBulb);
  put(line, 9, f.wetBulb);
  put(line, 15, f.windDir);
  put(line, 18, f.windSpeed);
  put(line, 21, f.pressure);
  put(line, 25, " ");
  put(line, 26, f.cloud);
  put(line, 56, f.radiation);
  put(line, 74, twoDigits(s.month) + twoDigits(s.day) + twoDigits(s.hour));
  return line;
}

// The lines of a year; `edit` may change any line (k is 1-based).
inline std::vector<std::string> wyecLines(int count = 8760,
                                          const std::function<void(int, std::string&)>& edit = {},
                                          int februaryDays = 28) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  for (int k = 1; k <= count; ++k) {
    lines.push_back(wyecLine(WyecFields{}, stampOf(k, februaryDays)));
    if (edit) edit(k, lines.back());
  }
  return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines, const std::string& eol = "\r\n",
                             bool lastTerminated = true) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i + 1 < lines.size() || lastTerminated) text += eol;
  }
  return text;
}

// One EPW hour as the file writes its 35 fields; a test changes what it needs.
struct EpwFields {
  std::string year = "2023", month, day, hour, minute = "30";
  std::string flags = "?9?9?9?9E0?9?9?9?9?9?9?9?9?9?9?9*9?9*9*9?9*9";
  std::string dryBulb = "20.0", dewPoint = "10.0", rh = "53", pressure = "101325";
  std::string ghi = "500", windDir = "180", windSpeed = "3.0", totalSky = "5";
};

inline std::string epwDataLine(const EpwFields& f) {
  std::vector<std::string> fields = {
      f.year,      f.month,    f.day,      f.hour,   f.minute, f.flags, f.dryBulb,
      f.dewPoint,  f.rh,       f.pressure, "0",      "0",      "300",   f.ghi,
      "0",         "0",        "0",        "0",      "0",      "0",     f.windDir,
      f.windSpeed, f.totalSky, "4",        "9999.0", "77777",  "9",     "999999999",
      "8",         "0.0850",   "0",        "88",     "0.180",  "0.0",   "0.0"};
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + fields[i];
  return line;
}

inline std::vector<std::string> epwHeader(const std::string& location =
                                              "LOCATION,Testville.WS,SO,KOR,SRC-TMYx,471080,"
                                              "37.57140,126.9658,9.0,87.1") {
  return {location,
          "DESIGN CONDITIONS,0",
          "TYPICAL/EXTREME PERIODS,0",
          "GROUND TEMPERATURES,0",
          "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
          "COMMENTS 1,\"written by the weather tests, with a comma\"",
          "COMMENTS 2,\"\"",
          "DATA PERIODS,1,1,Data,Sunday,1/ 1,12/31"};
}

// The 8 header lines and the data lines of a year (8784 with a leap day);
// `edit` may change the fields of data line i (1-based, counting 29 February).
inline std::vector<std::string> epwLines(bool leap = false,
                                         const std::function<void(int, EpwFields&)>& edit = {}) {
  std::vector<std::string> lines = epwHeader();
  const int count = leap ? 8784 : 8760;
  for (int i = 1; i <= count; ++i) {
    const Stamp s = stampOf(i, leap ? 29 : 28);
    EpwFields f;
    f.month = std::to_string(s.month);
    f.day = std::to_string(s.day);
    f.hour = std::to_string(s.hour + 1);
    if (edit) edit(i, f);
    lines.push_back(epwDataLine(f));
  }
  return lines;
}

// A folder of its own for each test, removed afterwards.
class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name)
      if (c == '/') c = '_';
    dir_ = fs::temp_directory_path() / ("vlm_weather_" + name);
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  [[nodiscard]] std::string path(const std::string& name) const { return (dir_ / name).string(); }
  void write(const std::string& name, const std::string& content) const {
    std::ofstream(dir_ / name, std::ios::binary) << content;
  }
  [[nodiscard]] std::string read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  [[nodiscard]] std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

}  // namespace vlm::weathertest
