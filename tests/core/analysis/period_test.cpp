// The period of the chart tab: the refusals with their exact texts, and the
// hours each mode turns its fields into.
#include "core/analysis/period.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

constexpr const char* kHead =
    "건물생체기후도상에 기후데이터 표시, 혹은 분석 결과 및 기후설계 지침별 순위 Tab";
constexpr const char* kRemedy = "[대상기간을 정확히 입력한 후 다시 시도하시기 바랍니다.]";

struct PeriodRun {
  int16_t status, start, end;
};

PeriodRun run(PeriodMode mode, const PeriodFields& fields, RecordingSink& sink,
              std::string_view region = "서울") {
  int16_t start = 0;
  int16_t end = 0;
  const int16_t status = SetPeriod(region, mode, fields, start, end, sink);
  return {status, start, end};
}

TEST(SetPeriod, ModesTurnTheirFieldsIntoHoursOfTheYear) {
  struct Case {
    const char* what;
    PeriodMode mode;
    PeriodFields fields;
    int16_t start, end;
  };
  PeriodFields day32;
  day32.daily = {"3", "2", "3", "2"};
  PeriodFields feb;
  feb.monthly = {"2", "2"};
  PeriodFields marApr;
  marApr.monthly = {"3", "4"};
  PeriodFields oneHour;
  oneHour.hourly = {"7", "15", "13", "7", "15", "13"};
  PeriodFields padded;
  padded.hourly = {"05", " 1", "0 ", "5", "1", "23"};
  PeriodFields dec;
  dec.monthly = {"12", "12"};
  const Case cases[] = {
      {"whole year by hours", PeriodMode::Hourly, PeriodFields{}, 1, 8760},
      {"whole year by days", PeriodMode::Daily, PeriodFields{}, 1, 8760},
      {"whole year by months", PeriodMode::Monthly, PeriodFields{}, 1, 8760},
      {"2 March as a day: 0 h to 23 h", PeriodMode::Daily, day32, 1441, 1464},
      {"February has 28 days", PeriodMode::Monthly, feb, 745, 1416},
      {"March and April whole", PeriodMode::Monthly, marApr, 1417, 2880},
      {"December ends the year", PeriodMode::Monthly, dec, 8017, 8760},
      {"one hour", PeriodMode::Hourly, oneHour, 4694, 4694},
      {"leading zero and blanks around a number", PeriodMode::Hourly, padded, 2881, 2904},
  };
  for (const Case& c : cases) {
    RecordingSink sink;
    const PeriodRun r = run(c.mode, c.fields, sink);
    EXPECT_EQ(r.status, 1) << c.what;
    EXPECT_EQ(r.start, c.start) << c.what;
    EXPECT_EQ(r.end, c.end) << c.what;
    EXPECT_TRUE(sink.empty()) << c.what;
  }
}

TEST(SetPeriod, EveryRefusalShowsItsOwnBox) {
  RecordingSink sink;
  EXPECT_EQ(run(PeriodMode::Hourly, PeriodFields{}, sink, "").status, -1);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(),
            errorMessage({kHead, "내용 표시를 위한 대상지역이 선택되지 않았습니다.", "",
                          "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 "
                          "클릭하세요.]"}));

  struct Blank {
    PeriodMode mode;
    const char* line;
  };
  for (const Blank& b : {Blank{PeriodMode::Hourly, "시간별 대상기간에 공란이 있습니다."},
                         Blank{PeriodMode::Daily, "일별 대상기간에 공란이 있습니다."},
                         Blank{PeriodMode::Monthly, "월별 대상기간에 공란이 있습니다."}}) {
    PeriodFields fields;
    fields.hourly[4] = "";
    fields.daily[0] = "";
    fields.monthly[1] = "";
    RecordingSink blankSink;
    EXPECT_EQ(run(b.mode, fields, blankSink).status, -1) << b.line;
    ASSERT_EQ(blankSink.size(), 1u) << b.line;
    EXPECT_EQ(blankSink.last(),
              errorMessage(
                  {kHead, "내용 표시를 위한 대상기간이 유효하지 않습니다.", "", b.line, kRemedy}));
    EXPECT_EQ(blankSink.last().title, "에러");
  }
}

TEST(SetPeriod, ABlankFieldOfAnotherModeDoesNotMatter) {
  PeriodFields fields;
  fields.daily = {"", "", "", ""};
  fields.monthly = {"", ""};
  RecordingSink sink;
  EXPECT_EQ(run(PeriodMode::Hourly, fields, sink).status, 1);
  EXPECT_TRUE(sink.empty());
}

TEST(SetPeriod, EndBeforeStartIsRefused) {
  PeriodFields fields;
  fields.hourly = {"12", "31", "23", "1", "1", "0"};
  RecordingSink sink;
  EXPECT_EQ(run(PeriodMode::Hourly, fields, sink).status, -1);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), errorMessage({kHead, "내용 표시를 위한 대상기간이 유효하지 않습니다.", "",
                                       "시작 시간이 끝 시간보다 늦습니다.", kRemedy}));
}

TEST(SetPeriod, ACalendarViolationShowsOnlyTheCalendarMessage) {
  PeriodFields month13;
  month13.monthly = {"1", "13"};
  RecordingSink sink;
  EXPECT_EQ(run(PeriodMode::Monthly, month13, sink).status, -1);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines.at(1), "[1 <= 월 <= 12 위반]");

  PeriodFields feb29;
  feb29.daily = {"2", "29", "3", "1"};
  sink.clear();
  EXPECT_EQ(run(PeriodMode::Daily, feb29, sink).status, -1);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines.at(1), "[2월, 1 <= 일 <= 28 위반]");
}

TEST(SetPeriod, AFieldThatIsNotANumberIsARunTimeFailure) {
  for (const char* text : {"abc", " ", "1x", "99999"}) {
    PeriodFields fields;
    fields.hourly[2] = text;
    RecordingSink sink;
    int16_t start = 0;
    int16_t end = 0;
    EXPECT_THROW((void)SetPeriod("서울", PeriodMode::Hourly, fields, start, end, sink),
                 PeriodFieldError)
        << text;
    EXPECT_TRUE(sink.empty()) << text;
  }
  try {
    (void)PeriodFieldNumber("abc");
    ADD_FAILURE() << "no failure";
  } catch (const PeriodFieldError& e) {
    EXPECT_STREQ(e.what(),
                 "형식이 일치하지 않습니다: 대상기간의 값 \"abc\"은(는) 숫자가 아닙니다.");
  }
  try {
    (void)PeriodFieldNumber("40000");
    ADD_FAILURE() << "no failure";
  } catch (const PeriodFieldError& e) {
    EXPECT_STREQ(e.what(), "오버플로: 대상기간의 값 \"40000\"이(가) 너무 큽니다.");
  }
  try {
    (void)PeriodFieldNumber("1e-400");
    ADD_FAILURE() << "no failure";
  } catch (const PeriodFieldError& e) {
    EXPECT_STREQ(e.what(),
                 "형식이 일치하지 않습니다: 대상기간의 값 \"1e-400\"은(는) 숫자가 아닙니다.");
  }
  EXPECT_EQ(PeriodFieldNumber("2.5"), 2);
  EXPECT_EQ(PeriodFieldNumber("3.5"), 4);
  EXPECT_EQ(PeriodFieldNumber("-1"), -1);
}

}  // namespace
}  // namespace vlm
