// EPW import: the header and LOCATION, calendar order with the leap day
// dropped, the per-hour conversions with their missing values, the refusals,
// and a real typical-year file.
#include "core/climate/epw_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <thread>

#include "core/climate/region_catalog.h"
#include "core/psychro/psychrometrics.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm {
namespace {

using namespace weathertest;

std::optional<EpwYear> import(const std::string& text, RecordingSink& sink,
                              const ConversionProgress& progress = {},
                              EpwCores cores = EpwCores::Two) {
  std::istringstream in(text);
  return ImportEpw(in, sink, progress, cores);
}

// The bracketed rule of a refused text ("" when it is imported), the same
// whether the wet bulbs are solved on one core or two.
std::string ruleOf(const std::string& text) {
  RecordingSink sink;
  const auto year = import(text, sink);
  RecordingSink oneCoreSink;
  const auto oneCoreYear = import(text, oneCoreSink, {}, EpwCores::One);
  EXPECT_EQ(year.has_value(), oneCoreYear.has_value());
  EXPECT_EQ(sink.messages(), oneCoreSink.messages());
  if (year) return "";
  EXPECT_EQ(sink.size(), 1u);
  if (sink.empty()) return "?";
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().icon, MessageIcon::Error);
  EXPECT_EQ(sink.last().lines.size(), 2u);
  EXPECT_EQ(sink.last().lines[0], "원본 파일이 EPW 형식의 파일이 아닙니다.");
  return sink.last().lines.back();
}

TEST(EpwWindDirection, SixteenPointsRoundedHalfUpWithCalmAndMissing) {
  struct Case {
    float degrees, speed;
    int16_t code;
  };
  const std::vector<Case> cases = {
      {348.75f, 2, 360}, {11.25f, 2, 23}, {11.24f, 2, 360}, {0, 2, 360},      {360, 2, 360},
      {22.5f, 2, 23},    {33.75f, 2, 45}, {67.5f, 2, 68},   {90, 2, 90},      {112.5f, 2, 113},
      {180, 2, 180},     {200, 2, 203},   {243, 1.9f, 248}, {337.5f, 2, 338}, {348.74f, 2, 338},
      {200, 0, 0},       {999, 0, 0},     {999, 2, 999},    {-1, 2, 999},     {360.5f, 2, 999},
      {200, 999, 203},
  };
  for (const auto& c : cases)
    EXPECT_EQ(windDirCodeOf(c.degrees, c.speed), c.code) << c.degrees << "° at " << c.speed;
}

TEST(EpwRadiation, WattHoursToWholeTenthsOfCaloriesPerSquareCentimetre) {
  struct Case {
    float wattHours, tenths;
  };
  // 1 cal/cm² = 41,840 J/m² and 1 Wh/m² = 3600 J/m².
  const std::vector<Case> cases = {{0, 0},     {500, 430},   {1000, 860},  {1, 1},       {0.58f, 0},
                                   {0.59f, 1}, {9998, 8602}, {9999, 9999}, {12000, 9999}};
  for (const auto& c : cases) EXPECT_EQ(radiationTenthsOf(c.wattHours), c.tenths) << c.wattHours;
}

TEST(EpwCloud, TotalSkyCoverInTenths) {
  EXPECT_EQ(cloudOf(0), 0);
  EXPECT_EQ(cloudOf(10), 10);
  EXPECT_EQ(cloudOf(7), 7);
  EXPECT_EQ(cloudOf(99), kMissingCloud);
  EXPECT_EQ(cloudOf(11), kMissingCloud);
  EXPECT_EQ(cloudOf(-1), kMissingCloud);
}

TEST(EpwWetBulb, FromTheDewPointOrTheHumidityAtTheHoursPressure) {
  Psychrometrics p;
  p.Patm = 101.325f;
  const float ratio = p.GetAH_DBTWBT(25, 18);
  const float dewPoint = p.GetDPT_VP(p.GetVP_AH(ratio));
  const float rh = p.GetRH_DBTAH(25, ratio);

  Psychrometrics q;
  EXPECT_NEAR(wetBulbOf(25, dewPoint, kEpwMissingHumidity, 101.325f, q), 18.0f, 0.02f);
  EXPECT_EQ(q.Patm, 101.325f);
  EXPECT_NEAR(wetBulbOf(25, kEpwMissingTemperature, rh, 101.325f, q), 18.0f, 0.02f);
  // The dew point wins over a humidity that disagrees with it.
  EXPECT_NEAR(wetBulbOf(25, dewPoint, 100, 101.325f, q), 18.0f, 0.02f);
  // Saturated air: the wet bulb is the dry bulb.
  EXPECT_NEAR(wetBulbOf(20, 20, kEpwMissingHumidity, 101.325f, q), 20.0f, 0.02f);
  EXPECT_NEAR(wetBulbOf(20, kEpwMissingTemperature, 100, 101.325f, q), 20.0f, 0.02f);
  // The same vapour pressure at a mountain station gives a lower wet bulb.
  EXPECT_LT(wetBulbOf(25, dewPoint, kEpwMissingHumidity, 80.0f, q), 17.9f);
  EXPECT_EQ(q.Patm, 80.0f);
}

TEST(EpwWetBulb, IsMissingWhenItCannotBeComputed) {
  Psychrometrics p;
  EXPECT_EQ(wetBulbOf(kMissing, 10, 50, 101.3f, p), kMissing);
  EXPECT_EQ(wetBulbOf(20, 10, 50, kMissingPressure, p), kMissing);
  EXPECT_EQ(wetBulbOf(20, kEpwMissingTemperature, kEpwMissingHumidity, 101.3f, p), kMissing);
  // Vapour pressure above the station pressure, and a pressure of zero.
  EXPECT_EQ(wetBulbOf(20, 99, kEpwMissingHumidity, 1.0f, p), kMissing);
  EXPECT_EQ(wetBulbOf(20, 10, 50, 0.0f, p), kMissing);
  // Below absolute zero there is no saturation pressure.
  EXPECT_EQ(wetBulbOf(20, -300, kEpwMissingHumidity, 101.3f, p), kMissing);
}

// A dew point more than 0.5 K above the dry bulb is a fault of the source:
// the relative humidity stands in for it when valid, else the wet bulb is
// missing. Up to 0.5 K it is taken as supersaturated air.
TEST(EpwWetBulb, ADewPointAboveTheDryBulbGivesWayToTheHumidity) {
  struct Case {
    float dewPoint, rh;
    bool fromHumidity;  // else from the dew point; missing when neither
    bool missing;
  };
  const std::vector<Case> cases = {
      {30.0f, 60.0f, true, false},
      {20.6f, 60.0f, true, false},
      {20.6f, 0.0f, true, false},
      {20.6f, 110.0f, true, false},
      {30.0f, kEpwMissingHumidity, false, true},
      {30.0f, 110.5f, false, true},
      {30.0f, -1.0f, false, true},
      {20.5f, 60.0f, false, false},
      {19.0f, 60.0f, false, false},
  };
  for (const auto& c : cases) {
    Psychrometrics p;
    const float wetBulb = wetBulbOf(20.0f, c.dewPoint, c.rh, 95.0f, p);
    SCOPED_TRACE(testing::Message() << "dew point " << c.dewPoint << ", RH " << c.rh);
    if (c.missing) {
      EXPECT_EQ(wetBulb, kMissing);
    } else if (c.fromHumidity) {
      EXPECT_EQ(wetBulb, wetBulbOf(20.0f, kEpwMissingTemperature, c.rh, 95.0f, p));
    } else {
      EXPECT_EQ(wetBulb, wetBulbOf(20.0f, c.dewPoint, kEpwMissingHumidity, 95.0f, p));
    }
  }
}

TEST(EpwImport, HoursInCalendarOrderWithEpwHourOneAsHourZero) {
  // Each hour's dry bulb encodes its line, so the record order is visible.
  const auto lines = epwLines(false, [](int i, EpwFields& f) {
    f.dryBulb = std::to_string(i % 40) + ".5";
    f.dewPoint = "-10.0";
    f.pressure = i == 1 ? "101782" : "100000";
  });
  RecordingSink sink;
  std::vector<int16_t> percents;
  ConversionProgress progress;
  progress.percent = [&](int16_t p) { percents.push_back(p); };
  const auto year = import(joinLines(lines), sink, progress);
  ASSERT_TRUE(year.has_value());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(year->station, (EpwStation{"Testville.WS", 37.5714f, 87.1f,
                                       Site{"Testville.WS", 37.5714, 126.9658, 9}}));
  EXPECT_FALSE(year->leapDayDropped);
  ASSERT_EQ(year->records.size(), 8760u);
  for (int k = 1; k <= 8760; ++k) {
    const ClimateFileRecord& r = year->records[static_cast<std::size_t>(k - 1)];
    ASSERT_EQ(r.RecIndex, k + 123);
    ASSERT_EQ(r.DBT, static_cast<float>(k % 40) + 0.5f) << "hour " << k;
  }
  const ClimateFileRecord& first = year->records[0];
  EXPECT_FLOAT_EQ(first.Pressure, 101.782f);
  EXPECT_EQ(first.WindDir, 180);
  EXPECT_EQ(first.WindSpeed, 3.0f);
  EXPECT_EQ(first.Cloud, 5);
  EXPECT_EQ(first.Radiation, 430.0f);
  EXPECT_GT(first.WBT, -10.0f) << "above the dew point";
  EXPECT_LT(first.WBT, first.DBT);
  ASSERT_EQ(percents.size(), 8760u);
  EXPECT_EQ(percents.back(), 100);
}

TEST(EpwImport, ALeapYearDropsTheWholeOf29February) {
  const auto lines = epwLines(true, [](int i, EpwFields& f) {
    const bool leapDay = f.month == "2" && f.day == "29";
    f.dryBulb = leapDay ? "-77.0" : std::to_string(i % 30);
  });
  ASSERT_EQ(lines.size(), 8u + 8784u);
  RecordingSink sink;
  const auto year = import(joinLines(lines, "\n"), sink);
  ASSERT_TRUE(year.has_value()) << (sink.empty() ? "" : sink.last().text());
  EXPECT_TRUE(year->leapDayDropped);
  ASSERT_EQ(year->records.size(), 8760u);
  for (const auto& r : year->records) ASSERT_NE(r.DBT, -77.0f);
  // Record 1416 is 28 February 23 h (data line 1416); record 1417 is 1 March 0 h,
  // data line 1441 of the leap year.
  EXPECT_EQ(year->records[1415].DBT, static_cast<float>(1416 % 30));
  EXPECT_EQ(year->records[1416].DBT, static_cast<float>(1441 % 30));
  EXPECT_EQ(year->records[8759].DBT, static_cast<float>(8784 % 30));
}

// An actual year cut from a longer record starts on another day and runs on
// across 31 December, a 29 February in its place or not; its hours are put in
// calendar order, by one core or two, and an hour out of order is named with
// what its line holds and what it should.
TEST(EpwImport, AYearThatStartsOnAnotherDayIsPutInCalendarOrder) {
  struct Case {
    const char* what;
    int firstHour;   // of the year, 0-based: the first line's
    bool leapDay;    // a 29 February after the first 28 February
    int brokenLine;  // a data line that repeats the hour before it, or 0
    std::string rule;
  };
  const int april10 = (31 + 28 + 31 + 9) * 24;
  const std::vector<Case> cases = {
      {"10 April to 9 April", april10, false, 0, ""},
      {"with 29 February", april10, true, 0, ""},
      {"31 December to 30 December", 8760 - 24, false, 0, ""},
      {"an hour repeated", april10, false, 30,
       "[38행의 월(4), 일(11), 시각(5) 데이터위반, 월(4), 일(11), 시각(6)이어야 함]"},
      {"an hour repeated after the new year", april10, false, 6400,
       "[6408행의 월(1), 일(1), 시각(15) 데이터위반, 월(1), 일(1), 시각(16)이어야 함]"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> lines = epwHeader();
    for (int i = 1; i <= 8760; ++i) {
      const int k = (c.firstHour + i - 1) % 8760 + 1;  // the hour's record
      const Stamp s = stampOf(k);
      EpwFields f;
      f.month = std::to_string(s.month);
      f.day = std::to_string(s.day);
      f.hour = std::to_string(s.hour + 1 - (i == c.brokenLine ? 1 : 0));
      f.dryBulb = std::to_string(k % 40) + ".5";
      lines.push_back(epwDataLine(f));
      if (c.leapDay && k == 1416) {
        for (int h = 1; h <= 24; ++h) {
          f.month = "2";
          f.day = "29";
          f.hour = std::to_string(h);
          f.dryBulb = "-77.0";
          lines.push_back(epwDataLine(f));
        }
      }
    }
    const std::string text = joinLines(lines);
    EXPECT_EQ(ruleOf(text), c.rule) << c.what;
    if (!c.rule.empty()) continue;
    for (const EpwCores cores : {EpwCores::One, EpwCores::Two}) {
      RecordingSink sink;
      const auto year = import(text, sink, {}, cores);
      ASSERT_TRUE(year.has_value()) << c.what;
      EXPECT_EQ(year->leapDayDropped, c.leapDay) << c.what;
      for (int k = 1; k <= 8760; ++k) {
        const ClimateFileRecord& r = year->records[static_cast<std::size_t>(k - 1)];
        ASSERT_EQ(r.RecIndex, k + 123) << c.what;
        ASSERT_EQ(r.DBT, static_cast<float>(k % 40) + 0.5f) << c.what << ", hour " << k;
      }
    }
  }
}

TEST(EpwImport, MissingValuesBecomeTheClimateFileMarkers) {
  // Hours 1–8 each carry one missing value; hour 9 is calm.
  const auto lines = epwLines(false, [](int i, EpwFields& f) {
    switch (i) {
      case 1:
        f.dryBulb = "99.9";
        break;
      case 2:
        f.dewPoint = "99.9";
        f.rh = "999";
        break;
      case 3:
        f.pressure = "999999";
        break;
      case 4:
        f.windDir = "999";
        break;
      case 5:
        f.windSpeed = "999";
        break;
      case 6:
        f.totalSky = "99";
        break;
      case 7:
        f.ghi = "9999";
        break;
      case 8:
        f.dewPoint = "99.9";
        f.rh = "100";
        break;
      case 9:
        f.windSpeed = "0";
        f.windDir = "350";
        break;
      default:
        break;
    }
  });
  RecordingSink sink;
  const auto year = import(joinLines(lines), sink);
  ASSERT_TRUE(year.has_value());
  const auto& r = year->records;
  EXPECT_EQ(r[0].DBT, kMissing);
  EXPECT_EQ(r[0].WBT, kMissing);
  EXPECT_EQ(r[1].WBT, kMissing);
  EXPECT_EQ(r[1].DBT, 20.0f);
  EXPECT_EQ(r[2].Pressure, kMissingPressure);
  EXPECT_EQ(r[2].WBT, kMissing);
  EXPECT_EQ(r[3].WindDir, kMissingWindDir);
  EXPECT_EQ(r[3].WindSpeed, 3.0f);
  EXPECT_EQ(r[4].WindSpeed, kMissing);
  EXPECT_EQ(r[4].WindDir, 180);
  EXPECT_EQ(r[5].Cloud, kMissingCloud);
  EXPECT_EQ(r[6].Radiation, kMissingRadiation);
  EXPECT_NEAR(r[7].WBT, 20.0f, 0.02f) << "humidity used when the dew point is missing";
  EXPECT_EQ(r[8].WindDir, kCalm);
  EXPECT_EQ(r[8].WindSpeed, 0.0f);
  // The hours around them are whole.
  EXPECT_NE(r[9].WBT, kMissing);
  EXPECT_EQ(r[9].WindDir, 180);
}

TEST(EpwImport, AcceptsCrLfLowerCaseKeywordsAByteOrderMarkAndBlankLinesAtTheEnd) {
  auto lines = epwLines();
  lines[0] = "\xEF\xBB\xBF" + lines[0];
  lines[6] = "comments 2,\"\"";
  RecordingSink sink;
  EXPECT_TRUE(import(joinLines(lines, "\r\n") + "\r\n  \r\n", sink).has_value())
      << (sink.empty() ? "" : sink.last().text());
}

// Files as other converters write them: a climate-zone code after the
// elevation, an empty leap-year field on the HOLIDAYS line, a leap year that
// says so, the HOLIDAYS keyword without its final S.
TEST(EpwImport, HeaderLinesWithMoreOrEmptyFieldsAreRead) {
  struct Case {
    const char* what;
    std::size_t line;
    std::string text;
    bool leap;
  };
  const std::vector<Case> cases = {
      {"climate zone after the elevation", 0,
       "LOCATION,Testville.WS,SO,KOR,SRC-TMYx,471080,37.57140,126.9658,9.0,87.1,4A", false},
      {"several extra fields", 0,
       "LOCATION,Testville.WS,SO,KOR,SRC-TMYx,471080,37.57140,126.9658,9.0,87.1,,x,y", false},
      {"empty leap-year field", 4, "HOLIDAYS/DAYLIGHT SAVINGS,,0,0,0", false},
      {"leap year announced", 4, "HOLIDAYS/DAYLIGHT SAVINGS,Yes,0,0,0", true},
      {"empty leap-year field in a leap year", 4, "HOLIDAYS/DAYLIGHT SAVINGS,,0,0,0", true},
      {"HOLIDAYS without the final S", 4, "HOLIDAYS/DAYLIGHT SAVING,No,0,0,0", false},
  };
  for (const auto& c : cases) {
    auto lines = epwLines(c.leap);
    lines[c.line] = c.text;
    RecordingSink sink;
    const auto year = import(joinLines(lines), sink);
    ASSERT_TRUE(year.has_value()) << c.what << ": " << (sink.empty() ? "" : sink.last().text());
    EXPECT_EQ(year->station, (EpwStation{"Testville.WS", 37.5714f, 87.1f,
                                         Site{"Testville.WS", 37.5714, 126.9658, 9}}))
        << c.what;
    EXPECT_EQ(year->leapDayDropped, c.leap) << c.what;
    EXPECT_EQ(year->records.size(), 8760u) << c.what;
  }
}

TEST(EpwImport, RefusalsNameTheBrokenRule) {
  using Edit = std::function<void(std::vector<std::string>&)>;
  struct Case {
    const char* what;
    Edit edit;
    std::string rule;
  };
  const auto dataLine = [](int i) { return static_cast<std::size_t>(8 + i - 1); };
  const auto fieldOf = [&](int i, const std::function<void(EpwFields&)>& change) {
    return [=](std::vector<std::string>& lines) {
      const Stamp s = stampOf(i);
      EpwFields f;
      f.month = std::to_string(s.month);
      f.day = std::to_string(s.day);
      f.hour = std::to_string(s.hour + 1);
      change(f);
      lines[dataLine(i)] = epwDataLine(f);
    };
  };
  const std::string count = "[총 자료 행수(8760행, 윤년 8784행) 위반]";
  const std::vector<Case> cases = {
      {"header only", [](auto& l) { l.resize(8); }, count},
      {"seven header lines", [](auto& l) { l.resize(7); }, "[8행 머리글(DATA PERIODS) 위반]"},
      {"empty file", [](auto& l) { l.clear(); }, "[1행 머리글(LOCATION) 위반]"},
      {"header out of order", [](auto& l) { std::swap(l[2], l[3]); },
       "[3행 머리글(TYPICAL/EXTREME PERIODS) 위반]"},
      {"HOLIDAYS misspelt otherwise", [](auto& l) { l[4] = "HOLIDAY/DAYLIGHT SAVINGS,No,0,0,0"; },
       "[5행 머리글(HOLIDAYS/DAYLIGHT SAVINGS) 위반]"},
      {"the other spelling on another line", [](auto& l) { l[3] = "HOLIDAYS/DAYLIGHT SAVING,No"; },
       "[4행 머리글(GROUND TEMPERATURES) 위반]"},
      {"no header", [](auto& l) { l.erase(l.begin(), l.begin() + 8); },
       "[1행 머리글(LOCATION) 위반]"},
      {"short LOCATION", [](auto& l) { l[0] = "LOCATION,X,SO,KOR,SRC,1,37.5,127.0,9.0"; },
       "[1행의 필드 수(10개 이상) 위반]"},
      {"latitude", [](auto& l) { l[0] = "LOCATION,X,SO,KOR,SRC,1,north,127.0,9.0,87.1"; },
       "[1행 7번째 필드(위도)의 숫자 위반]"},
      {"elevation", [](auto& l) { l[0] = "LOCATION,X,SO,KOR,SRC,1,37.5,127.0,9.0,"; },
       "[1행 10번째 필드(표고)의 숫자 위반]"},
      {"8759 hours", [](auto& l) { l.pop_back(); }, count},
      {"8761 hours", [](auto& l) { l.push_back(l.back()); }, count},
      {"34 fields", [&](auto& l) { l[dataLine(100)].erase(l[dataLine(100)].rfind(',')); },
       "[108행의 필드 수(35개) 위반]"},
      {"36 fields", [&](auto& l) { l[dataLine(100)] += ",0"; }, "[108행의 필드 수(35개) 위반]"},
      {"blank line inside", [&](auto& l) { l[dataLine(50)] = ""; }, "[58행의 필드 수(35개) 위반]"},
      {"dry bulb", fieldOf(5, [](EpwFields& f) { f.dryBulb = ""; }),
       "[13행 7번째 필드(건구온도)의 숫자 위반]"},
      {"dew point", fieldOf(5, [](EpwFields& f) { f.dewPoint = "nan"; }),
       "[13행 8번째 필드(이슬점온도)의 숫자 위반]"},
      {"humidity", fieldOf(5, [](EpwFields& f) { f.rh = "5O"; }),
       "[13행 9번째 필드(상대습도)의 숫자 위반]"},
      {"radiation", fieldOf(5, [](EpwFields& f) { f.ghi = "1e99"; }),
       "[13행 14번째 필드(수평면 전일사량)의 숫자 위반]"},
      {"direction", fieldOf(5, [](EpwFields& f) { f.windDir = "N"; }),
       "[13행 21번째 필드(풍향)의 숫자 위반]"},
      {"speed", fieldOf(5, [](EpwFields& f) { f.windSpeed = "-"; }),
       "[13행 22번째 필드(풍속)의 숫자 위반]"},
      {"sky cover", fieldOf(5, [](EpwFields& f) { f.totalSky = " "; }),
       "[13행 23번째 필드(전운량)의 숫자 위반]"},
      {"month", fieldOf(5, [](EpwFields& f) { f.month = "Jan"; }),
       "[13행 2번째 필드(월)의 숫자 위반]"},
      {"hour out of order", fieldOf(2, [](EpwFields& f) { f.hour = "3"; }),
       "[10행의 월(1), 일(1), 시각(3) 데이터위반, 월(1), 일(1), 시각(2)이어야 함]"},
      {"hour 0 instead of 1", fieldOf(1, [](EpwFields& f) { f.hour = "0"; }),
       "[9행의 월(1), 일(1), 시각(0) 데이터위반, 월(1), 일(1), 시각(1)이어야 함]"},
      {"a first line that starts no day",
       fieldOf(1,
               [](EpwFields& f) {
                 f.month = "4";
                 f.day = "10";
                 f.hour = "5";
               }),
       "[9행의 월(4), 일(10), 시각(5) 데이터위반, 월(4), 일(10), 시각(1)이어야 함]"},
      {"a first line that is no day", fieldOf(1, [](EpwFields& f) { f.month = "13"; }),
       "[9행의 월(13), 일(1), 시각(1) 데이터위반, 월(1), 일(1), 시각(1)이어야 함]"},
      {"a year that starts on 29 February",
       fieldOf(1,
               [](EpwFields& f) {
                 f.month = "2";
                 f.day = "29";
               }),
       "[9행의 월(2), 일(29), 시각(1) 데이터위반, 월(1), 일(1), 시각(1)이어야 함]"},
      {"29 February in its place in a year of 8760",
       fieldOf(1417,
               [](EpwFields& f) {
                 f.month = "2";
                 f.day = "29";
                 f.hour = "1";
               }),
       "[1426행의 월(3), 일(1), 시각(2) 데이터위반, 월(2), 일(29), 시각(2)이어야 함]"},
      {"29 February out of its place",
       fieldOf(100,
               [](EpwFields& f) {
                 f.month = "2";
                 f.day = "29";
                 f.hour = "4";
               }),
       "[108행의 월(2), 일(29), 시각(4) 데이터위반, 월(1), 일(5), 시각(4)이어야 함]"},
      {"line too long", [&](auto& l) { l[dataLine(3)] += std::string(5000, ' '); },
       "[11행의 길이(4096자 이하) 위반]"},
  };
  for (const auto& c : cases) {
    auto lines = epwLines();
    c.edit(lines);
    EXPECT_EQ(ruleOf(joinLines(lines)), c.rule) << c.what;
  }
}

// The second core changes no record, also where a wet bulb cannot be solved
// (vapour above the station pressure, a dew point below absolute zero).
TEST(EpwImport, TwoCoresGiveTheRecordsOfOne) {
  std::vector<std::pair<std::string, std::string>> texts = {
      {"leap year", joinLines(epwLines(true))},
      {"unsolvable wet bulbs", joinLines(epwLines(false, [](int i, EpwFields& f) {
         f.dryBulb = std::to_string(i % 35) + ".3";
         if (i % 7 == 0) f.dewPoint = i % 2 == 0 ? "99" : "-300";
         if (i % 7 == 0) f.pressure = "1000";
       }))}};
  const std::filesystem::path seoul = std::filesystem::path(VLM_SHARED_CLIMATE_DIR) / "epw" /
                                      "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
  if (std::ifstream in{seoul, std::ios::binary}) {
    std::ostringstream bytes;
    bytes << in.rdbuf();
    texts.emplace_back("Seoul", bytes.str());
  }
  for (const auto& [what, text] : texts) {
    RecordingSink sink;
    const auto one = import(text, sink, {}, EpwCores::One);
    const auto two = import(text, sink, {}, EpwCores::Two);
    ASSERT_TRUE(one.has_value() && two.has_value()) << what;
    EXPECT_EQ(two->records, one->records) << what;
  }
}

// A text that stops for a while half-way, as a slow disk does: long enough
// that the thread converting behind the reader goes to sleep.
class PausingText : public std::streambuf {
 public:
  explicit PausingText(std::string text) : text_(std::move(text)) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (given_ == text_.size()) return traits_type::eof();
    if (given_ >= text_.size() / 2 && !paused_) {
      paused_ = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const std::size_t size = std::min<std::size_t>(4096, text_.size() - given_);
    char* begin = text_.data() + given_;
    setg(begin, begin, begin + size);
    given_ += size;
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string text_;
  std::size_t given_ = 0;
  bool paused_ = false;
};

// The thread asleep behind a paused reader wakes for the rest of the year,
// and for a refusal after the pause.
TEST(EpwImport, TwoCoresOutwaitAReaderThatPauses) {
  auto refused = epwLines();
  refused[8 + 8000].clear();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {joinLines(epwLines()), ""}, {joinLines(refused), "[8009행의 필드 수(35개) 위반]"}};
  for (const auto& [text, rule] : cases) {
    RecordingSink oneCoreSink;
    const auto oneCore = import(text, oneCoreSink, {}, EpwCores::One);
    PausingText pausing(text);
    std::istream in(&pausing);
    RecordingSink sink;
    const auto year = ImportEpw(in, sink, {}, EpwCores::Two);
    ASSERT_EQ(year.has_value(), rule.empty()) << rule;
    EXPECT_EQ(sink.messages(), oneCoreSink.messages()) << rule;
    if (year) {
      EXPECT_EQ(year->records, oneCore->records);
    } else {
      EXPECT_EQ(sink.last().lines.back(), rule);
    }
  }
}

TEST(EpwImport, APartial29FebruaryIsRefusedWhereItBreaksOff) {
  auto lines = epwLines(true);
  // Drop hours 13–24 of 29 February (data lines 1429–1440).
  lines.erase(lines.begin() + 8 + 1428, lines.begin() + 8 + 1440);
  EXPECT_EQ(ruleOf(joinLines(lines)),
            "[1437행의 월(3), 일(1), 시각(1) 데이터위반, 월(2), 일(29), 시각(13)이어야 함]");
}

TEST(EpwImport, AFileWithoutLineBreaksIsRefusedOnItsFirstLine) {
  RecordingSink sink;
  EXPECT_FALSE(import(std::string(1 << 20, 'L'), sink).has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines[1], "[1행의 길이(4096자 이하) 위반]");
}

// One of the real typical-year files the built-in regions are made from; the
// figures to compare with are those recorded with the files.
TEST(EpwImport, ARealTypicalYearOfSeoul) {
  const std::filesystem::path file = std::filesystem::path(VLM_SHARED_CLIMATE_DIR) / "epw" /
                                     "KOR_SO_Seoul.WS.471080_TMYx.2011-2025.epw";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "no shared climate folder";
  std::ifstream in(file, std::ios::binary);
  RecordingSink sink;
  const auto year = ImportEpw(in, sink);
  ASSERT_TRUE(year.has_value()) << (sink.empty() ? "" : sink.last().text());
  EXPECT_EQ(year->station,
            (EpwStation{"Seoul.WS", 37.5714f, 87.1f,
                        Site{"Seoul.WS", 37.5714, 126.9658, 9, kBuiltInRadiationLag}}));
  double sum = 0;
  float lowest = 1000, highest = -1000;
  int calm = 0;
  for (const auto& r : year->records) {
    ASSERT_NE(r.DBT, kMissing);
    ASSERT_NE(r.WBT, kMissing);
    ASSERT_LE(r.WBT, r.DBT + 0.01f);
    ASSERT_NE(r.WindDir, kMissingWindDir);
    ASSERT_GE(r.Cloud, 0);
    ASSERT_LE(r.Cloud, 10);
    ASSERT_GT(r.Pressure, 95.0f);
    ASSERT_LT(r.Pressure, 106.0f);
    sum += r.DBT;
    lowest = std::min(lowest, r.DBT);
    highest = std::max(highest, r.DBT);
    if (r.WindDir == kCalm) ++calm;
  }
  EXPECT_NEAR(sum / 8760, 13.28, 0.006);
  EXPECT_EQ(lowest, -17.2f);
  EXPECT_EQ(highest, 35.7f);
  EXPECT_EQ(calm, 45);
  // 1 January, hour 1: 0.0 °C, dew point −3.1 °C, 101,782 Pa, 243° at 1.9 m/s, 6 tenths.
  const ClimateFileRecord& first = year->records[0];
  EXPECT_EQ(first.DBT, 0.0f);
  EXPECT_FLOAT_EQ(first.Pressure, 101.782f);
  EXPECT_EQ(first.WindDir, 248);
  EXPECT_EQ(first.WindSpeed, 1.9f);
  EXPECT_EQ(first.Cloud, 6);
  EXPECT_EQ(first.Radiation, 0.0f);
  EXPECT_GT(first.WBT, -3.1f);
  EXPECT_LT(first.WBT, 0.0f);
}

}  // namespace
}  // namespace vlm
