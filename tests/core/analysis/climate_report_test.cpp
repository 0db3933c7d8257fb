// The climate-data report: its checks with their exact texts, the header and
// hour lines byte for byte in CP949, and the file written whole or not at all.
#include "core/analysis/climate_report.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/analysis/period.h"
#include "core/common/cp949.h"
#include "core/common/file_error.h"
#include "synthetic_year.h"

namespace vlm {
namespace {

namespace fs = std::filesystem;
using Fields = std::array<std::string, 6>;
const Fields kWholeYear{"1", "1", "0", "12", "31", "23"};

std::vector<std::string> splitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

ReportPeriod checked(const Fields& fields) {
  RecordingSink sink;
  const auto period = CheckReportPeriod("서울", fields, sink);
  EXPECT_TRUE(period.has_value());
  EXPECT_TRUE(sink.empty());
  return period.value_or(ReportPeriod{});
}

class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("vlm_report_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  [[nodiscard]] std::string file(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ClimateReport, TheDefaultPeriodWritesTheHeaderAndEveryHour) {
  const auto climate = test::SyntheticYear();
  RecordingSink sink;
  const std::string bytes = ClimateReportBytes(*climate, checked(kWholeYear), sink);
  EXPECT_TRUE(sink.empty());
  const auto lines = splitCrLf(fromCp949(bytes));
  ASSERT_EQ(lines.size(), 18u + 8760u);
  EXPECT_EQ(lines[0], "(1) 대상지역 : 서울");
  EXPECT_EQ(lines[1], "(2) 원본 기후파일 : /opt/velmora/weather/seoul.cly");
  EXPECT_EQ(lines[2], "(3) 대상기간 :  1월 1일 0시 ~  12월 31일 23시");
  EXPECT_EQ(lines[3], "(4) 기후데이터 요소 설명");
  EXPECT_EQ(lines[17], "(5) 기후데이터");
  EXPECT_EQ(lines[18].substr(0, 9), " 1, 1, 0,");
  EXPECT_EQ(lines.back().substr(0, 12), " 12, 31, 23,");
}

TEST(ClimateReport, LegendColumnsAlignInCp949Bytes) {
  const auto climate = test::SyntheticYear();
  const auto header = ReportHeader(*climate, checked(kWholeYear));
  ASSERT_EQ(header.size(), 18u);
  const std::string legend = toCp949(header[4]);
  EXPECT_EQ(legend.find(toCp949("[단위]")), 15u);
  EXPECT_EQ(legend.find(toCp949("[결측표시]")), 25u);
  EXPECT_EQ(legend.find(toCp949("[비고]")), 36u);
  struct Row {
    std::size_t line;
    const char* unit;
    const char* marker;
  };
  for (const Row& r :
       {Row{6, "'C", "999"}, Row{8, "kPa", "9999"}, Row{9, "-", "999"}, Row{10, "m/s", "999"},
        Row{11, "-", "99"}, Row{12, "cal/cm^2", "9999"}, Row{13, "kg/kg'", "999"},
        Row{14, "kPa", "999"}, Row{15, "%", "999"}, Row{16, "m^3/kg", "999"}}) {
    const std::string line = toCp949(header[r.line]);
    EXPECT_EQ(line.substr(15, std::string(r.unit).size()), r.unit) << header[r.line];
    EXPECT_EQ(line.substr(25, std::string(r.marker).size()), r.marker) << header[r.line];
  }
  EXPECT_EQ(header[4],
            "[요소]" + std::string(9, ' ') + "[단위]" + std::string(4, ' ') + "[결측표시] [비고]");
  EXPECT_EQ(header[5], "월 일 시" + std::string(7, ' ') + "-" + std::string(9, ' ') + "-");
  EXPECT_EQ(header[6], "건구온도" + std::string(7, ' ') + "'C" + std::string(8, ' ') + "999");
  EXPECT_EQ(header[9], "풍향(16방위)" + std::string(3, ' ') + "-" + std::string(9, ' ') + "999" +
                           std::string(8, ' ') + "0:무풍, 23:북북동, 90:동, 180:남, ... , 360:북");
  EXPECT_EQ(header[12], "일사량" + std::string(9, ' ') + "cal/cm^2" + std::string(2, ' ') + "9999" +
                            std::string(7, ' ') + "Total Solar Radiation");
  EXPECT_EQ(toCp949(header[8]).substr(36), "Station Pressure");
  EXPECT_EQ(toCp949(header[11]).substr(36), toCp949("0:완전청천공, ... , 10:완전담천공"));
  EXPECT_EQ(toCp949(header[12]).substr(36), "Total Solar Radiation");
}

TEST(ClimateReport, HourFieldsGoThroughTheirPatternsMissingValuesIncluded) {
  auto climate = test::SyntheticYear();
  HourRecord& r = climate->year[1];
  r.DBT = -3.25f;
  r.WBT = -4.04f;
  r.Pressure = 101.3125f;
  r.WindDir = 338;
  r.WindSpeed = 2.05f;
  r.Cloud = 7;
  r.Radiation = 523.0f;
  r.AH = 0.00215f;
  r.VP = 0.34567f;
  r.RH = 64.26f;
  r.SpecV = 0.76543f;
  RecordingSink sink;
  EXPECT_EQ(ReportHourLine(*climate, 1, sink),
            " 1, 1, 0,-3.3,-4.0,101.313,338,2.1,7,52.3,0.0022,0.3457,64.3,0.7654");

  HourRecord& m = climate->year[8760];
  m.DBT = m.WBT = kMissing;
  m.Pressure = kMissingPressure;
  m.WindDir = kMissingWindDir;
  m.WindSpeed = kMissing;
  m.Cloud = kMissingCloud;
  m.Radiation = kMissingRadiation;
  m.AH = m.VP = m.RH = m.SpecV = kMissing;
  EXPECT_EQ(ReportHourLine(*climate, 8760, sink),
            " 12, 31, 23,999.0,999.0,9999.000,999,999.0,99,999.9,999.0000,999.0000,999.0,999.0000");
  EXPECT_TRUE(sink.empty());
}

TEST(ClimateReport, PeriodLineShowsTheNumbersAsConvertedAndOnlyThePeriodsHours) {
  const auto climate = test::SyntheticYear("기타");
  // The load copies the pick into ClimateFilePath; a later pick that was not
  // confirmed changes OtherFilePath only.
  climate->ClimateFilePath = "/home/kim/my year.cly";
  climate->OtherFilePath = "/home/kim/not loaded.cly";
  const ReportPeriod period = checked({"05", "1", "0", "5", "02", " 3"});
  EXPECT_EQ(period.start, 2881);
  EXPECT_EQ(period.end, 2881 + 24 + 3);
  RecordingSink sink;
  const auto lines = splitCrLf(fromCp949(ClimateReportBytes(*climate, period, sink)));
  ASSERT_EQ(lines.size(), 18u + 28u);
  EXPECT_EQ(lines[0], "(1) 대상지역 : 기타");
  EXPECT_EQ(lines[1], "(2) 원본 기후파일 : /home/kim/my year.cly") << "the file that was read";
  EXPECT_EQ(lines[2], "(3) 대상기간 :  5월 1일 0시 ~  5월 2일 3시");
  EXPECT_EQ(lines[18].substr(0, 9), " 5, 1, 0,");
  EXPECT_EQ(lines.back().substr(0, 9), " 5, 2, 3,");
}

TEST(CheckReportPeriod, RefusalsWithTheirExactTexts) {
  const char* remedy = "[대상기간을 정확히 입력한 후 다시 시도하시기 바랍니다.]";
  RecordingSink sink;
  EXPECT_FALSE(CheckReportPeriod("", kWholeYear, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(),
            errorMessage({"기후데이터 추출, 저장을 위한 대상지역이 선택되지 않았습니다.", "",
                          "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 "
                          "클릭하세요.]"}));
  sink.clear();
  Fields blank = kWholeYear;
  blank[5] = "";
  EXPECT_FALSE(CheckReportPeriod("서울", blank, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(),
            errorMessage({"기후데이터 추출, 저장을 위한 대상기간에 공란이 있습니다.", "", remedy}));
  sink.clear();
  EXPECT_FALSE(CheckReportPeriod("서울", {"3", "1", "1", "3", "1", "0"}, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), errorMessage({"기후데이터 추출, 저장을 위한 대상기간이 유효하지 않습니다.",
                                       "시작 시간이 끝 시간보다 늦습니다.", "", remedy}));
  sink.clear();
  EXPECT_FALSE(CheckReportPeriod("서울", {"4", "31", "0", "5", "1", "0"}, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines.at(1), "[4월, 1 <= 일 <= 30 위반]");
  sink.clear();
  EXPECT_THROW((void)CheckReportPeriod("서울", {"1", "1", "x", "1", "1", "0"}, sink),
               PeriodFieldError);
  EXPECT_TRUE(sink.empty());
  EXPECT_TRUE(CheckReportPeriod("서울", {"6", "1", "12", "6", "1", "12"}, sink)) << "one hour";
  EXPECT_EQ(ReportSavedMessage(), infoMessage({"기후데이터 추출, 저장이 완료되었습니다."}));
}

TEST(WriteClimateReport, ReplacesAFileWholeAndLeavesNothingBehindOnFailure) {
  TempDir dir;
  const auto climate = test::SyntheticYear();
  const std::string target = dir.file("report.txt");
  { std::ofstream(target) << "old content that is longer than nothing"; }
  RecordingSink sink;
  const ReportPeriod day = checked({"1", "1", "0", "1", "1", "23"});
  WriteClimateReport(target, *climate, day, sink);
  EXPECT_EQ(readAll(target), ClimateReportBytes(*climate, day, sink));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("")), fs::directory_iterator{}), 1)
      << "no temporary file is left";

  const std::string nowhere = dir.file("missing/report.txt");
  EXPECT_THROW(WriteClimateReport(nowhere, *climate, day, sink), FileError);
  EXPECT_FALSE(fs::exists(nowhere));
}

}  // namespace
}  // namespace vlm
