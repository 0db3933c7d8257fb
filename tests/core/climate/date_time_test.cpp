// The calendar of the climate year: conversions both ways, their boundaries,
// and each violation as one "에러" box with its exact rule, then −1.
#include "core/climate/date_time.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vlm {
namespace {

struct HourOfYearCase {
  int16_t month, day, hour, expected;
};

TEST(GetHourOfYearTest, CountsHoursFromTheFirstOfJanuary) {
  const std::vector<HourOfYearCase> cases = {
      {1, 1, 0, 1},       {1, 1, 23, 24},     {1, 31, 23, 744},  {2, 1, 0, 745},
      {2, 28, 23, 1416},  {3, 1, 0, 1417},    {4, 30, 23, 2880}, {5, 31, 0, 3601},
      {6, 30, 23, 4344},  {7, 1, 0, 4345},    {8, 31, 23, 5832}, {9, 30, 23, 6552},
      {10, 31, 23, 7296}, {11, 30, 23, 8016}, {12, 1, 0, 8017},  {12, 31, 23, 8760},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    EXPECT_EQ(GetHourOfYear(c.month, c.day, c.hour, sink), c.expected)
        << c.month << "/" << c.day << " " << c.hour << "h";
    EXPECT_TRUE(sink.empty());
  }
}

struct RefusalCase {
  int16_t month, day, hour;
  std::vector<std::string> lines;
};

TEST(GetHourOfYearTest, ReportsTheFirstBrokenRuleOnly) {
  const auto dayBox = [](const char* rule) {
    return std::vector<std::string>{"일이 유효하지 않습니다.", rule};
  };
  const std::vector<RefusalCase> cases = {
      {13, 40, 30, {"월이 유효하지 않습니다.", "[1 <= 월 <= 12 위반]"}},
      {0, 1, 0, {"월이 유효하지 않습니다.", "[1 <= 월 <= 12 위반]"}},
      {1, 32, 24, dayBox("[1 <= 일 <= 31 위반]")},
      {3, 0, 0, dayBox("[1 <= 일 <= 31 위반]")},
      {1, 1, 24, {"시가 유효하지 않습니다.", "[0 <= 시 <= 23 위반]"}},
      {2, 29, -1, {"시가 유효하지 않습니다.", "[0 <= 시 <= 23 위반]"}},
      {2, 29, 0, dayBox("[2월, 1 <= 일 <= 28 위반]")},
      {4, 31, 0, dayBox("[4월, 1 <= 일 <= 30 위반]")},
      {6, 31, 0, dayBox("[6월, 1 <= 일 <= 30 위반]")},
      {9, 31, 23, dayBox("[9월, 1 <= 일 <= 30 위반]")},
      {11, 31, 0, dayBox("[11월, 1 <= 일 <= 30 위반]")},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    EXPECT_EQ(GetHourOfYear(c.month, c.day, c.hour, sink), -1)
        << c.month << "/" << c.day << " " << c.hour << "h";
    ASSERT_EQ(sink.size(), 1u);
    EXPECT_EQ(sink.last().title, "에러");
    EXPECT_EQ(sink.last().icon, MessageIcon::Error);
    EXPECT_EQ(sink.last().lines, c.lines) << c.month << "/" << c.day << " " << c.hour << "h";
  }
}

struct CalendarCase {
  int16_t hourOfYear, month, day, hour;
};

TEST(CalendarOfHourTest, MonthDayAndHourOfEveryBoundary) {
  const std::vector<CalendarCase> cases = {
      {1, 1, 1, 0},       {24, 1, 1, 23},     {25, 1, 2, 0},     {744, 1, 31, 23},
      {745, 2, 1, 0},     {768, 2, 1, 23},    {769, 2, 2, 0},    {1416, 2, 28, 23},
      {1417, 3, 1, 0},    {3601, 5, 31, 0},   {4344, 6, 30, 23}, {4345, 7, 1, 0},
      {7296, 10, 31, 23}, {8016, 11, 30, 23}, {8017, 12, 1, 0},  {8760, 12, 31, 23},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    EXPECT_EQ(GetMonth(c.hourOfYear, sink), c.month) << c.hourOfYear;
    EXPECT_EQ(GetDay(c.hourOfYear, sink), c.day) << c.hourOfYear;
    EXPECT_EQ(GetHour(c.hourOfYear, sink), c.hour) << c.hourOfYear;
    EXPECT_TRUE(sink.empty());
  }
}

TEST(CalendarOfHourTest, EveryHourRoundTripsThroughTheCalendar) {
  SilentSink sink;
  for (int h = 1; h <= 8760; ++h) {
    const auto hour = static_cast<int16_t>(h);
    ASSERT_EQ(GetHourOfYear(GetMonth(hour, sink), GetDay(hour, sink), GetHour(hour, sink), sink),
              h);
  }
}

TEST(CalendarOfHourTest, AnHourOutsideTheYearIsReportedByEachConversion) {
  using Conversion = int16_t (*)(int16_t, MessageSink&);
  const std::vector<std::pair<Conversion, const char*>> conversions = {
      {&GetMonth, "월로 변환하기 위한 1년중 시간수가 유효하지 않습니다."},
      {&GetDay, "일로 변환하기 위한 1년중 시간수가 유효하지 않습니다."},
      {&GetHour, "시로 변환하기 위한 1년중 시간수가 유효하지 않습니다."},
  };
  for (const auto& [convert, firstLine] : conversions) {
    for (const int16_t h : {int16_t{0}, int16_t{8761}, int16_t{-1}, int16_t{32767}}) {
      RecordingSink sink;
      EXPECT_EQ(convert(h, sink), -1) << firstLine << " " << h;
      ASSERT_EQ(sink.size(), 1u);
      EXPECT_EQ(sink.last().title, "에러");
      EXPECT_EQ(sink.last().lines,
                (std::vector<std::string>{firstLine, "[1 <= 1년중 시간수 <= 8760 위반]"}));
    }
  }
}

}  // namespace
}  // namespace vlm
