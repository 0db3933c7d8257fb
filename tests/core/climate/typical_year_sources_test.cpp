// The sources of a typical year and its command: files of one station merged
// year by year, the refusals naming the files, and nothing written before the
// year is whole.
#include <gtest/gtest.h>

#include "core/climate/check_climate_file.h"
#include "core/climate/typical_year_file.h"
#include "tests/core/climate/asos_test_files.h"

namespace vlm {
namespace {

using namespace asostest;
using weathertest::TempDirTest;

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// 2015 downloaded by calendar days: its last hour is reported at 2016's
// first stamp, which the 2016 file holds.
std::vector<std::string> calendar2015() { return asosLines(2015, 8759); }
std::vector<std::string> calendar2016() {
  auto lines = asosLines(2016, 8784);
  AsosRow first = mildRow(2016, {1, 1, 0});
  lines.insert(lines.begin() + 1, asosLine(kPortalColumns, first));
  return lines;
}

std::vector<std::string> incheon(int hours) {
  return asosLines(2015, hours, [](int, AsosRow& row) {
    row["지점"] = "112";
    row["지점명"] = "인천";
  });
}

class TypicalSources : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    write("y2015.csv", joined(calendar2015()));
    write("y2016.csv", joined(calendar2016()));
    write("full2015.csv", joined(asosLines(2015, 8760)));
    write("incheon.csv", joined(incheon(48)));
    auto both = asosLines(2015, 48);
    for (const std::string& line : body(incheon(48))) both.push_back(line);
    write("both.csv", joined(both));
    write("x.wye", "");
    write("a.epw", "");
    for (const char* year : {"2021", "2022"})
      write(std::string("e") + year + ".epw",
            weathertest::joinLines(weathertest::epwLines(
                false, [year](int, weathertest::EpwFields& f) { f.year = year; })));
    write("again2021.epw", read("e2021.epw"));
    // A typical year itself: its months come from several years.
    write("tmy.epw",
          weathertest::joinLines(weathertest::epwLines(false, [](int i, weathertest::EpwFields& f) {
            f.year = i < 744 ? "2015" : i < 4000 ? "2011" : "2023";
          })));
  }
};

TEST_F(TypicalSources, RefusalsNameTheFilesStationsAndYears) {
  struct Case {
    std::vector<std::string> files;
    TypicalSourceChoice choice;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {{"full2015.csv", "y2016.csv"},
       {},
       {"원본 파일들의 기간이 겹칩니다.", "[full2015.csv, y2016.csv: 2015년]"}},
      {{"y2015.csv", "incheon.csv"},
       {},
       {"원본 파일들의 지점이 서로 다릅니다.", "[y2015.csv: 108 서울, incheon.csv: 112 인천]"}},
      {{"both.csv"},
       {},
       {"원본 파일에 여러 지점의 자료가 있습니다.",
        "[지점을 하나 고르십시오: 108 서울, 112 인천]"}},
      {{"y2015.csv", "incheon.csv"},
       {108},
       {"선택한 지점의 자료가 원본 파일에 없습니다.", "[incheon.csv: 지점 108]"}},
      {{"y2015.csv", "x.wye"},
       {},
       {"원본 파일이 ASOS 시간자료(csv) 혹은 EPW 파일이 아닙니다.", "[x.wye]"}},
      {{"y2015.csv", "a.epw"},
       {},
       {"원본 파일의 형식이 서로 다릅니다.",
        "[ASOS 시간자료(csv)와 EPW 파일을 함께 쓸 수 없습니다.]"}},
      {{"e2021.epw", "again2021.epw"},
       {},
       {"원본 파일들의 기간이 겹칩니다.", "[e2021.epw, again2021.epw: 2021년]"}},
      {{"e2021.epw", "tmy.epw"},
       {},
       {"원본 EPW 파일이 한 해의 실측 자료가 아닙니다.",
        "[tmy.epw의 연도(한 해 혹은 이어진 두 해) 위반: 2011, 2015, 2023]"}},
      {{"y2015.csv"},
       {std::nullopt, 2020, 2021},
       {"선택한 기간의 자료가 원본 파일에 없습니다.", "[2020-2021년]"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    for (const std::string& f : c.files) paths.push_back(f.ends_with(".wye") ? f : path(f));
    RecordingSink sink;
    EXPECT_FALSE(ReadTypicalSources(paths, c.choice, sink).has_value()) << c.lines.back();
    ASSERT_EQ(sink.size(), 1u) << c.lines.back();
    EXPECT_EQ(sink.last().lines, c.lines);
  }
  RecordingSink sink;
  const auto one = ReadTypicalSources({path("both.csv")}, {112}, sink);
  ASSERT_TRUE(one.has_value());
  EXPECT_EQ(one->station, "112 인천");
  const auto epw = ReadTypicalSources({path("e2022.epw"), path("e2021.epw")}, {}, sink);
  ASSERT_TRUE(epw.has_value());
  EXPECT_EQ(epw->station, "Testville.WS");
  ASSERT_EQ(epw->years.size(), 2u);
  EXPECT_EQ(epw->years[0].year, 2021);
}

TEST_F(TypicalSources, AYearTakesItsLastHourFromTheNextYearsFile) {
  RecordingSink sink;
  const auto record = ReadTypicalSources({path("y2016.csv"), path("y2015.csv")}, {}, sink);
  ASSERT_TRUE(record.has_value()) << sink.last().text();
  ASSERT_EQ(record->years.size(), 2u);
  EXPECT_EQ(record->years[0].year, 2015);
  EXPECT_EQ(record->station, "108 서울");
  ASSERT_TRUE(record->site.has_value());
  for (const ObservedYear& year : record->years)
    EXPECT_TRUE(std::none_of(year.records.begin(), year.records.end(),
                             [](const ClimateFileRecord& r) { return r.DBT == kMissing; }))
        << year.year;
}

TEST_F(TypicalSources, TheCommandWritesOnlyAWholeYearAndNamesItsChoice) {
  write("old.cly", "kept");
  struct Case {
    std::vector<std::string> files;
    std::string target;
    ConversionOutcome outcome;
    std::vector<std::string> firstLines;
  };
  const std::vector<Case> cases = {
      {{"incheon.csv"},
       "old.cly",
       ConversionOutcome::Refused,
       {"표준기상년을 만들 수 없습니다.",
        "[자료가 충분한 연도(1개 이상) 위반: 1월, 2월, 3월, 4월, 5월, 6월, 7월, 8월, 9월, "
        "10월, 11월, 12월]",
        "(하루 평균이 그 달 날수의 90 % 이상에 있고 풍속이 시간의 90 % 이상에 있는 달만 후보가 "
        "됩니다.)"}},
      {{"y2015.csv"},
       "t.epw",
       ConversionOutcome::Refused,
       {"변환후 기후파일명이 유효하지 않습니다.",
        "[EPW 파일로 저장하는 기능은 아직 준비되지 않았습니다. cly로 저장하십시오.]"}},
      {{"y2015.csv"},
       "t.txt",
       ConversionOutcome::Refused,
       {"변환후 기후파일명이 유효하지 않습니다.",
        "[변환후 기후파일명의 확장자가 cly 혹은 epw가 아닙니다.]"}},
      {{"y2015.csv", "y2016.csv"},
       "old.cly",
       ConversionOutcome::Converted,
       {"표준기상년(ISO 15927-4) 기후파일 저장이 완료되었습니다.", "지점: 108 서울",
        "사용한 연도 (2년): 2015, 2016",
        "선정된 달: 1월 2015, 2월 2015, 3월 2015, 4월 2015, 5월 2015, 6월 2015, 7월 2015, "
        "8월 2015, 9월 2015, 10월 2015, 11월 2015, 12월 2015",
        "표준(ISO 15927-4)은 10년 이상의 자료를 요구합니다: 2년의 자료로 만들었습니다."}},
  };
  for (const Case& c : cases) {
    TypicalYearRequest request;
    for (const std::string& f : c.files) request.sources.push_back(path(f));
    request.target = path(c.target);
    request.policy = OverwritePolicy::Replace;
    RecordingSink sink;
    const TypicalYearOutcome result = MakeTypicalYearFile(request, sink);
    EXPECT_EQ(result.outcome, c.outcome) << c.target;
    ASSERT_FALSE(sink.empty());
    EXPECT_EQ(sink.last().lines, c.firstLines);
    if (c.outcome == ConversionOutcome::Refused) {
      EXPECT_EQ(read("old.cly"), "kept");
    } else {
      RecordingSink check;
      EXPECT_TRUE(CheckClimateFile(path(c.target), check));
    }
  }
  // Only the sources and the target remain: no temporary file is left behind.
  EXPECT_EQ(files(),
            (std::vector<std::string>{"a.epw", "again2021.epw", "both.csv", "e2021.epw",
                                      "e2022.epw", "full2015.csv", "incheon.csv", "old.cly",
                                      "tmy.epw", "x.wye", "y2015.csv", "y2016.csv"}));
}

}  // namespace
}  // namespace vlm
