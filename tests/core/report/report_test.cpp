// What leaves the program: the caption line of every figure, the analysis
// table as tab-separated text and as CSV, and the climate report's content —
// its refusals, the latitude of its sun-path page and the pages it fills.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../analysis/synthetic_year.h"
#include "core/analysis/zone.h"
#include "core/climate/climate_stats.h"
#include "core/report/figure_caption.h"
#include "core/report/report_content.h"
#include "core/report/report_pages.h"
#include "core/report/text_table.h"

namespace vlm {
namespace {

using ::testing::HasSubstr;

TEST(FigureCaption, NamesWhereWhenAndWhat) {
  struct Case {
    std::string caption;
    std::string expected;
  };
  const std::vector<Case> cases{
      {BioChartCaption("서울", "1월 1일 0시~12월 31일 23시(총 8760시간)"),
       "서울 | 1월 1일 0시~12월 31일 23시(총 8760시간) | 건물생체기후도"},
      {BioChartCaption("서울", ""), "서울 | 건물생체기후도"},
      {MonthlyChartCaption("부산", MonthlyElement::RH),
       "부산 | 1월~12월, 년간 | 월별 상대습도(최대값, 평균, 최소값)"},
      {WindRoseCaption("제주", RosePeriod::Month(3)), "제주 | 3월 | 풍향도"},
      {WindRoseCaption("제주", RosePeriod::Season(4)), "제주 | 겨울 | 풍향도"},
      {WindRoseCaption("기타", RosePeriod::Year()), "기타 | 년간 | 풍향도"},
      {SunPathCaption(" 37.34 "), "위도 37.34° | 하지~동지 | 태양궤적도"},
      {ShadingMaskCaption("35.08", "수평차양"), "위도 35.08° | 하지~동지 | 음영마스크(수평차양)"},
      {ShadingMaskCaption("", ""), "하지~동지 | 음영마스크"},
      {NeedShareCaption("서울"), "서울 | 1월~12월, 년간 | 월별 생체기후적 요구 죤 비율(%)"},
      {CarpetCaption("강릉", CarpetColouring::Zone),
       "강릉 | 1월 1일 0시~12월 31일 23시 | 시간별 분포(생체기후적 요구 죤)"},
      {CarpetCaption("강릉", CarpetColouring::DryBulb),
       "강릉 | 1월 1일 0시~12월 31일 23시 | 시간별 분포(건구온도)"},
      {ComparisonCaption("서울", "부산"),
       "서울 / 부산 | 1월~12월 | 기후 비교(월평균 건구온도, 상대습도)"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.caption, c.expected);
}

TEST(CaptionFileName, RegionPeriodAndKindInAName) {
  constexpr const char* kYear = "1월 1일 0시~12월 31일 23시(총 8760시간)";
  struct Case {
    std::string caption;
    const char* extension;
    std::string expected;
  };
  const std::vector<Case> cases{
      {ClimateReportCaption("서울", kYear), "pdf", "서울_1월1일-12월31일_보고서.pdf"},
      {BioChartCaption("서울", ""), "png", "서울_건물생체기후도.png"},
      {BioChartCaption("서울", kYear), "", "서울_1월1일-12월31일_건물생체기후도"},
      // Hours stay where the period does not cover whole days.
      {BioChartCaption("부산", "1월 1일 6시~1월 2일 18시(총 37시간)"), "png",
       "부산_1월1일6시-1월2일18시_건물생체기후도.png"},
      {BioChartCaption("부산", "1월 1일 0시~1월 31일 22시(총 743시간)"), "png",
       "부산_1월1일0시-1월31일22시_건물생체기후도.png"},
      {AnalysisTableCaption("서울", kYear), "csv", "서울_1월1일-12월31일_분석결과.csv"},
      {DegreeDayCaption("강릉"), "csv", "강릉_1월-12월,년간_도일.csv"},
      {SunPathCaption("37.34"), "pdf", "위도37.34°_하지-동지_태양궤적도.pdf"},
      {ComparisonCaption("서울", "부산"), "csv",
       "서울_부산_1월-12월_기후비교(월평균건구온도,상대습도).csv"},
      // What a file name may not hold.
      {JoinCaption("a:b*c?d", "\"<e>|", "f\\g"), "png", "a_b_c_d___e___f_g.png"},
      {FormCaptionKind("32-습공기 상태계산"), "pdf", "습공기상태계산.pdf"},
      {FormCaptionKind("기타-지역"), "pdf", "기타-지역.pdf"},
      {JoinCaption(" ", "", ""), "pdf", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CaptionFileName(c.caption, c.extension), c.expected);
}

TEST(TextTable, TabSeparatedKeepsEveryRowOnOneLine) {
  const TextTable table{{{"단열\n(Restrict Conduction)", "12"}, {"a\tb", "x\r\ny"}, {}}};
  EXPECT_EQ(TableTsv(table), "단열 (Restrict Conduction)\t12\r\na b\tx y\r\n\r\n");
}

TEST(TextTable, CsvHasByteOrderMarkAndQuotesWhereNeeded) {
  const TextTable table{{{"구분", "비율(%)"}, {"a,b", "say \"hi\""}, {"두\n줄", "3"}}};
  EXPECT_EQ(TableCsv(table),
            "\xEF\xBB\xBF구분,비율(%)\r\n\"a,b\",\"say \"\"hi\"\"\"\r\n\"두\n줄\",3\r\n");
}

TEST(AnalysisTable, OneRowPerZoneWithHoursShareAndRank) {
  AnalysisTexts t;
  t.summary = {"서울", "seoul.cly", "1월 1일 0시~12월 31일 23시(총 8760시간)"};
  t.errors = {"0", "5", "5"};
  for (std::size_t i = 0; i < t.need.size(); ++i)
    t.need[i] = {std::to_string(100 + i), std::to_string(10 + i) + ".0", std::to_string(i + 1)};
  for (std::size_t i = 0; i < t.guide.size(); ++i)
    t.guide[i] = {std::to_string(200 + i), std::to_string(20 + i) + ".0", std::to_string(9 - i)};
  t.mostImportant = "단열, 침기차단\r\n태양열획득";
  const TextTable table = AnalysisTable(t);
  // The last row of that caption: the need table's total "계" follows the error table's.
  const auto findRow = [&](const std::string& caption) -> std::vector<std::string> {
    for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row)
      if (!row->empty() && (*row)[0] == caption) return *row;
    return {};
  };
  for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
    EXPECT_EQ(findRow(std::string(kNeedZones[i].name)),
              (std::vector<std::string>{std::string(kNeedZones[i].name), t.need[i].hours,
                                        t.need[i].percent, t.need[i].rank}));
  }
  EXPECT_EQ(findRow("단열 (Restrict Conduction)"),
            (std::vector<std::string>{"단열 (Restrict Conduction)", "200", "20.0", "9"}));
  EXPECT_EQ(findRow("계")[1], "105");
  EXPECT_EQ(findRow("가장 중요한 기후설계 지침")[1], "단열, 침기차단 태양열획득");
  EXPECT_EQ(findRow("대상지역")[1], "서울");
}

TEST(ReportLatitude, BuiltInCityOrRecordedLatitudeOrReason) {
  std::string why;
  EXPECT_EQ(ReportLatitudeText({"서울", "seoul.cly", {}, {}}), "37.34");
  EXPECT_EQ(ReportLatitudeText({"부산", "pusan.cly", {}, {}}), "35.06");
  EXPECT_EQ(ReportLatitudeText({"기타", "x.epw", "ULSAN", 35.55f}), "35.55");
  EXPECT_EQ(ReportLatitudeText({"기타", "x.cly", {}, {}}, &why), std::nullopt);
  EXPECT_EQ(why, "태양궤적도: 기후파일에 위도가 기록되어 있지 않으므로 싣지 않았습니다.");
}

TEST(ReportSource, SiteOrEpwFileGivesStationAndLatitude) {
  const auto path = std::filesystem::temp_directory_path() / "vlm_report_source_test.epw";
  {
    std::ofstream out(path);
    out << "LOCATION,ULSAN,-,KOR,KMA,471520,35.55,129.32,9.0,34.7\r\nDESIGN CONDITIONS\r\n";
  }
  ClimateData climate;
  climate.RegionName = "기타";
  climate.ClimateFilePath = path.string();
  const ReportSource source = ReportSourceOf(climate);
  std::filesystem::remove(path);
  EXPECT_EQ(source.station, "ULSAN");
  EXPECT_EQ(source.region, "기타 (ULSAN)");
  ASSERT_TRUE(source.latitude.has_value());
  EXPECT_FLOAT_EQ(*source.latitude, 35.55f);
  climate.ClimateFilePath = "/weather/seoul.cly";
  EXPECT_EQ(ReportSourceOf(climate).station, std::nullopt);
  EXPECT_EQ(ReportSourceOf(climate).region, "기타 (seoul.cly)");
  // A converted file given a site on loading has its latitude, so its sun path.
  climate.ClimateFilePath = "/data/ulsan.cly";
  climate.site = Site{"울산", 35.5601, 129.3201, 9};
  const ReportSource converted = ReportSourceOf(climate);
  EXPECT_EQ(converted.station, "울산");
  EXPECT_EQ(converted.region, "기타 (울산)");
  EXPECT_EQ(ReportLatitudeText(converted), "35.5601");
}

class ReportContentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    climate_ = test::SyntheticYear();
    ComputeMonthStats(*climate_);
    CountWindDirs(*climate_);
  }
  std::optional<ReportContent> build(const ReportSource& source, int16_t start = 1,
                                     int16_t end = 8760) {
    return BuildReportContent(*climate_, source, start, end, "2026-12-08", "1.0.0", psychro_,
                              sink_);
  }
  std::unique_ptr<ClimateData> climate_;
  Psychrometrics psychro_;
  RecordingSink sink_;
};

TEST_F(ReportContentTest, RefusedWithoutRegion) {
  climate_->RegionName.clear();
  EXPECT_FALSE(build({"", "", {}, {}}).has_value());
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(), ClimateReportNoRegionMessage());
  EXPECT_EQ(sink_.last().title, "에러");
  EXPECT_EQ(sink_.last().text(),
            "기후 분석 보고서를 작성할 대상지역이 선택되지 않았습니다.\r\n\r\n"
            "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]");
}

TEST_F(ReportContentTest, RefusedWhenNoHourOfThePeriodIsOnTheChart) {
  for (int h = 1; h <= 48; ++h) test::SetHour(*climate_, h, kMissing, kMissing);
  EXPECT_FALSE(build({"서울", "seoul.cly", {}, {}}, 1, 48).has_value());
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last(), NoZonedHourMessage());
}

TEST_F(ReportContentTest, FillsEveryPageFromTheScreensFunctions) {
  const auto r = build({"서울", "/opt/velmora/weather/seoul.cly", {}, {}});
  ASSERT_TRUE(r.has_value());
  EXPECT_TRUE(sink_.empty());
  EXPECT_EQ(r->periodText, "1월 1일 0시~12월 31일 23시(총 8760시간)");
  EXPECT_EQ(r->header, "서울 | seoul.cly");
  EXPECT_THAT(r->coverLines,
              ::testing::ElementsAre("대상지역 : 서울", "기후파일 : /opt/velmora/weather/seoul.cly",
                                     "대상기간 : 1월 1일 0시~12월 31일 23시(총 8760시간)",
                                     "작성일 : 2026-12-08", "프로그램 : Velmora 버전 1.0.0"));
  EXPECT_TRUE(r->analysis.complete);
  EXPECT_FALSE(r->bioChart.empty());
  EXPECT_EQ(r->monthly[0].title, "서울 지역 건구온도, 단위 : ℃");
  EXPECT_TRUE(r->monthly[3].numbers);
  ASSERT_EQ(r->roses.size(), 5u);
  EXPECT_EQ(r->roses[0].caption, "서울 | 년간 | 풍향도");
  EXPECT_EQ(r->roses[4].caption, "서울 | 겨울 | 풍향도");
  ASSERT_TRUE(r->sunPath.has_value());
  EXPECT_EQ(r->sunPathCaption, "위도 37.34° | 하지~동지 | 태양궤적도");
  EXPECT_FALSE(r->comfortShares.empty());
  EXPECT_FALSE(r->comfortChart.empty());
  EXPECT_EQ(r->comfortChartCaption, "서울 | 1월~12월, 년간 | ASHRAE 55 적응형 쾌적범위 차트");
}

// The sun path carries the year's wished hours exactly when the year's site is known.
TEST_F(ReportContentTest, SunPathCarriesTheYearsHoursWhenItsSiteIsKnown) {
  const auto legendIn = [](const Drawing& d) {
    for (const DrawItem& item : d.items()) {
      const auto* text = std::get_if<TextItem>(&item);
      if (text && text->text.starts_with("태양열획득 시간: ")) return true;
    }
    return false;
  };
  const auto without = build({"서울", "seoul.cly", {}, {}});
  ASSERT_TRUE(without && without->sunPath);
  EXPECT_FALSE(legendIn(*without->sunPath));
  climate_->site = Site{"SEOUL", 37.5714, 126.9658, 9};
  const auto with = build({"서울", "seoul.cly", {}, {}});
  ASSERT_TRUE(with && with->sunPath);
  EXPECT_TRUE(legendIn(*with->sunPath));
}

TEST_F(ReportContentTest, OtherFileWithoutLatitudeLeavesSunPathOutWithReason) {
  climate_->RegionName = "기타";
  const auto r = build({"기타", "/tmp/mine.cly", {}, {}});
  ASSERT_TRUE(r.has_value());
  EXPECT_FALSE(r->sunPath.has_value());
  EXPECT_THAT(r->sunPathNote, HasSubstr("위도가 기록되어 있지 않으므로"));
}

ReportPageSet pagesOf(std::initializer_list<ReportPage> list) {
  ReportPageSet set;
  for (const ReportPage page : list) set.add(page);
  return set;
}

TEST(ReportPages, KeysInAnyOrderEachKnownOrTheListRefused) {
  struct Case {
    const char* list;
    std::optional<ReportPageSet> pages;
    const char* bad;
  };
  const Case cases[] = {
      {"chart,cover", pagesOf({ReportPage::Cover, ReportPage::Chart}), ""},
      {" degree-days , months,months", pagesOf({ReportPage::Months, ReportPage::DegreeDays}), ""},
      {"cover,chart,analysis,monthly,rose,sunpath,months,carpet,degree-days,radiation,comfort",
       ReportPageSet::All(), ""},
      {"chart,charts", std::nullopt, "charts"},
      {"Cover", std::nullopt, "Cover"},
      {"chart,,rose", std::nullopt, ""},
      {"", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    std::string bad = "unchanged";
    EXPECT_EQ(ParseReportPages(c.list, &bad), c.pages) << c.list;
    if (!c.pages) {
      EXPECT_EQ(bad, c.bad) << c.list;
    }
  }
}

TEST_F(ReportContentTest, HoldsOnlyThePagesAskedForTheSeasonalOnesOfTheWholeYear) {
  const ReportPageSet asked =
      pagesOf({ReportPage::Cover, ReportPage::Months, ReportPage::Carpet, ReportPage::DegreeDays});
  const auto r = BuildReportContent(*climate_, {"서울", "seoul.cly", {}, {}}, 1, 8760, "2026-12-08",
                                    "1.0.0", psychro_, sink_, asked);
  ASSERT_TRUE(r.has_value());
  for (const ReportPageInfo& info : kReportPages)
    EXPECT_EQ(ReportShows(*r, info.page), asked.has(info.page)) << info.key;
  EXPECT_TRUE(r->bioChart.empty());
  EXPECT_TRUE(r->roses.empty());
  EXPECT_FALSE(r->needShares.empty());
  ASSERT_EQ(r->monthGuideLines.size(), 13u);
  EXPECT_EQ(r->monthGuideLines[0].rfind("1월 : ", 0), 0u);
  // The year's line names what the analysis of the whole year names.
  const std::string year = r->monthGuideLines[12];
  ASSERT_EQ(year.rfind("년간 : ", 0), 0u);
  EXPECT_EQ("가장 중요한 기후설계 지침은 " + year.substr(std::string("년간 : ").size()) + "입니다.",
            MostImportantSentence(r->analysis.mostImportant));
  EXPECT_EQ(r->carpetCaptions[1], "서울 | 1월 1일 0시~12월 31일 23시 | 시간별 분포(건구온도)");
  ASSERT_EQ(r->degreeDays.rows.size(), 14u);
  EXPECT_EQ(r->degreeDays.rows[13][0], "년간");
  EXPECT_EQ(r->degreeDayCaption,
            "서울 | 1월~12월, 년간 | 도일 (기준온도: 난방 18.0°C, 냉방 24.0°C)");
}

TEST_F(ReportContentTest, RefusedWhenNoPageAskedForCanBeShown) {
  climate_->RegionName = "기타";
  EXPECT_FALSE(BuildReportContent(*climate_, {"기타", "/tmp/mine.cly", {}, {}}, 1, 8760,
                                  "2026-12-08", "1.0.0", psychro_, sink_,
                                  pagesOf({ReportPage::SunPath}))
                   .has_value());
  ASSERT_EQ(sink_.size(), 1u);
  EXPECT_EQ(sink_.last().title, "에러");
  EXPECT_EQ(sink_.last().text(),
            "선택한 쪽 가운데 보고서에 실을 수 있는 쪽이 없습니다.\r\n\r\n"
            "[태양궤적도: 기후파일에 위도가 기록되어 있지 않으므로 싣지 않았습니다.]");
}

TEST(ReportTexts, PageNumberAndTheMostImportantGuidelineInWords) {
  EXPECT_EQ(ReportPageNumber(3, 9), "3 / 9");
  EXPECT_EQ(MostImportantSentence("단열, 침기차단, 태양열획득\r\n통풍·환기"),
            "가장 중요한 기후설계 지침은 단열, 침기차단, 태양열획득, 통풍·환기입니다.");
  using namespace std::chrono;
  EXPECT_EQ(IsoDate(sys_days{2026y / December / 8} + 23h), "2026-12-08");
  EXPECT_EQ(MostImportantSentence("단열"), "가장 중요한 기후설계 지침은 단열입니다.");
}

}  // namespace
}  // namespace vlm
