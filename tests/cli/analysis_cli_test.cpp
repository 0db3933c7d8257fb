// vlm-cli analyse, extract and chart: outputs, exit statuses and the exact
// messages on stderr, on climate years written by the test.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "core/common/cp949.h"
#include "tests/cli/run_cli.h"
#include "tests/core/climate/cly_test_files.h"

namespace vlm::cli {
namespace {

using namespace vlm::clytest;
using nlohmann::json;

class AnalysisCommands : public ClimateFileTest {
 protected:
  void SetUp() override {
    ClimateFileTest::SetUp();
    writeYear("weather/seoul.cly", plainYear());
  }
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  [[nodiscard]] std::size_t count(const std::string& text, const std::string& what) const {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  std::ostringstream out_, err_;
};

TEST_F(AnalysisCommands, AnalyseGivesTheTabsTextsForAWholeYear) {
  ASSERT_EQ(run({"analyse", "서울"}), 0) << err_.str();
  EXPECT_EQ(err_.str(), "");
  const json j = json::parse(out_.str());
  EXPECT_EQ(j["region"], "서울");
  EXPECT_EQ(j["periodText"], "1월 1일 0시~12월 31일 23시(총 8760시간)");
  // 20 °C with a 15 °C wet bulb is comfortable in the shade: code 7 every hour.
  EXPECT_EQ(j["tally"]["7"], 8760);
  EXPECT_EQ(j["tally"]["-4"], 0);
  EXPECT_EQ(j["tally"].size(), 22u);
  EXPECT_EQ(j["summary"][1],
            (json{{"caption", "기후파일 :"}, {"value", "기후데이터 추출, 저장 tab 참조"}}));
  EXPECT_EQ(j["errors"][2], (json{{"caption", "계"}, {"hours", "0"}}));
  EXPECT_EQ(j["need"][2], (json{{"caption", "쾌적(그늘 필요)"},
                                {"hours", "8760"},
                                {"percent", "100.00"},
                                {"rank", "1"}}));
  EXPECT_EQ(j["need"][0]["rank"], "2");
  EXPECT_EQ(j["need"][5],
            (json{{"caption", "계"}, {"hours", "8760"}, {"percent", "100.00"}, {"rank", "-"}}));
  EXPECT_EQ(j["guide"][3]["caption"], "태양열차단\n(Restrict Solar Gain)");
  EXPECT_EQ(j["guide"][3]["percent"], "100.00");
  EXPECT_EQ(j["guide"][0]["rank"], "2");
  EXPECT_EQ(j["mostImportant"], "태양열차단");
}

TEST_F(AnalysisCommands, AnalyseOfOneHour) {
  ASSERT_EQ(run({"analyse", "seoul", "--from", "7/15/13", "--to", "7/15/13"}), 0) << err_.str();
  const json j = json::parse(out_.str());
  EXPECT_EQ(j["periodText"], "7월 15일 13시~7월 15일 13시(총 1시간)");
  EXPECT_EQ(j["need"][5]["hours"], "1");
}

TEST_F(AnalysisCommands, AnalyseRefusesAPeriodWithoutAZonedHour) {
  auto year = plainYear();
  for (int k = 1; k <= 48; ++k) hourOfYear(year, k).DBT = 999.0f;
  const std::string file = writeYear("gaps.cly", year);
  EXPECT_EQ(run({"analyse", file, "--from", "1/1/0", "--to", "1/2/23"}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(),
            "[에러]\n분석 대상기간에 건물생체기후도상에 표시 가능한 시간이 없습니다.\n\n"
            "[대상기간 혹은 기후파일을 확인하세요.]\n");
}

TEST_F(AnalysisCommands, PeriodsAreCheckedAsTheScreenChecksThem) {
  EXPECT_EQ(run({"analyse", "서울", "--from", "12/31/23", "--to", "1/1/0"}), 1);
  EXPECT_EQ(
      err_.str(),
      "[에러]\n건물생체기후도상에 기후데이터 표시, 혹은 분석 결과 및 기후설계 지침별 순위 Tab\n"
      "내용 표시를 위한 대상기간이 유효하지 않습니다.\n\n시작 시간이 끝 시간보다 늦습니다.\n"
      "[대상기간을 정확히 입력한 후 다시 시도하시기 바랍니다.]\n");
  EXPECT_EQ(run({"analyse", "서울", "--to", "2/29/0"}), 1);
  EXPECT_EQ(err_.str(), "[에러]\n일이 유효하지 않습니다.\n[2월, 1 <= 일 <= 28 위반]\n");
  EXPECT_EQ(run({"analyse", "서울", "--to", "2/20"}), 1) << "a missing hour is a blank field";
  EXPECT_NE(err_.str().find("시간별 대상기간에 공란이 있습니다."), std::string::npos);
  EXPECT_EQ(run({"analyse", "서울", "--from", "x/1/0"}), 2);
  EXPECT_NE(err_.str().find("\"x\""), std::string::npos);
  EXPECT_EQ(run({"analyse", "서울", "--from", "1/1/0/5"}), 2);
}

TEST_F(AnalysisCommands, ExtractWritesTheReportAndKeepsAnExistingFileWithoutYes) {
  const std::string report = path("seoul.txt");
  ASSERT_EQ(run({"extract", "서울", "-o", report}), 0) << err_.str();
  EXPECT_EQ(err_.str(), "");
  const std::string text = fromCp949(readBytes("seoul.txt"));
  EXPECT_EQ(count(text, "\r\n"), 18u + 8760u);
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "(1) 대상지역 : 서울");
  EXPECT_NE(text.find("(2) 원본 기후파일 : " + path("weather/seoul.cly") + "\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n 1, 1, 0,20.0,15.0,101.325,225,2.5,5,52.3,"), std::string::npos);

  EXPECT_EQ(run({"extract", "서울", "--from", "3/1/0", "--to", "3/1/0", "-o", report}), 1);
  EXPECT_EQ(err_.str(), "[Velmora]\n" + report + "이(가) 이미 있습니다.\n바꾸시겠습니까?\n");
  EXPECT_EQ(count(fromCp949(readBytes("seoul.txt")), "\r\n"), 18u + 8760u);

  EXPECT_EQ(run({"--verbose", "extract", "서울", "--from", "3/1/0", "--to", "3/1/0", "-o", report,
                 "--yes"}),
            0);
  const std::string done = "[Velmora]\n기후데이터 추출, 저장이 완료되었습니다.\n";
  EXPECT_EQ(err_.str().substr(err_.str().size() - std::min(err_.str().size(), done.size())), done)
      << "after the load's own completion notice";
  EXPECT_EQ(count(fromCp949(readBytes("seoul.txt")), "\r\n"), 18u + 1u);
}

TEST_F(AnalysisCommands, ExtractOfAUserFileNamesThatFileAndRefusesABadPeriod) {
  const std::string file = writeYear("mine.cly", plainYear());
  ASSERT_EQ(run({"extract", file, "--from", "05/1/0", "--to", "5/1/1", "-o", path("r.txt")}), 0);
  const std::string text = fromCp949(readBytes("r.txt"));
  EXPECT_NE(text.find("(1) 대상지역 : 기타\r\n(2) 원본 기후파일 : " + file +
                      "\r\n"
                      "(3) 대상기간 :  5월 1일 0시 ~  5월 1일 1시\r\n"),
            std::string::npos);
  EXPECT_EQ(run({"extract", file, "--from", "5/1/1", "--to", "5/1/0", "-o", path("s.txt")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n기후데이터 추출, 저장을 위한 대상기간이 유효하지 않습니다.\n"
            "시작 시간이 끝 시간보다 늦습니다.\n\n"
            "[대상기간을 정확히 입력한 후 다시 시도하시기 바랍니다.]\n");
  EXPECT_FALSE(fs::exists(path("s.txt")));
}

TEST_F(AnalysisCommands, ChartDisplayListFollowsTheOptions) {
  ASSERT_EQ(run({"chart", "서울", "--need", "all", "--guide", "all", "-o", path("c.txt")}), 0)
      << err_.str();
  const std::string all = readBytes("c.txt");
  EXPECT_EQ(all.substr(0, all.find('\n')), "scale -1800 16200 -1350 12150") << "1200 × 900 pixels";
  EXPECT_EQ(count(all, "\ncircle "), 8760u);
  EXPECT_NE(all.find(" w2 "), std::string::npos);
  EXPECT_NE(all.find("\"상대습도 100%\""), std::string::npos);

  ASSERT_EQ(
      run({"chart", "서울", "--mode", "month", "--from", "3/15/0", "--to", "4/20/23", "--no-grid",
           "--no-labels", "--need", "TH,HU", "-o", path("m.txt"), "--size", "600x450"}),
      0)
      << err_.str();
  const std::string month = readBytes("m.txt");
  EXPECT_EQ(count(month, "\ncircle "), 4u) << "March and April, whole";
  EXPECT_EQ(count(month, "\ntext "), 0u);
  EXPECT_EQ(count(month, " w1 "), 4u + 2u) << "four circles and two lines, no grid";
  EXPECT_GT(count(month, "pal1 w2"), 0u);
  EXPECT_GT(count(month, "pal3 w2"), 0u);
  EXPECT_EQ(count(month, "pal9 w2"), 0u);

  EXPECT_EQ(run({"chart", "서울", "--mode", "day", "--from", "3/2", "--to", "3/2", "--no-grid",
                 "--no-labels", "-o", path("d.txt")}),
            0);
  EXPECT_EQ(count(readBytes("d.txt"), "\ncircle "), 2u);
}

TEST_F(AnalysisCommands, ChartRefusals) {
  EXPECT_EQ(run({"chart", "서울", "--need", "TH,XX", "-o", path("c.txt")}), 2);
  EXPECT_NE(err_.str().find("XX"), std::string::npos);
  EXPECT_EQ(run({"chart", "서울", "-o", path("c.bmp")}), 2);
  EXPECT_EQ(run({"chart", "서울", "--mode", "month", "--to", "13", "-o", path("c.txt")}), 1);
  EXPECT_EQ(err_.str(), "[에러]\n월이 유효하지 않습니다.\n[1 <= 월 <= 12 위반]\n");
  EXPECT_FALSE(fs::exists(path("c.txt")));
  writeBytes("old.txt", "old");
  EXPECT_EQ(run({"chart", "서울", "-o", path("old.txt")}), 1);
  EXPECT_EQ(readBytes("old.txt"), "old");
}

#ifdef VLM_HAVE_RENDER
TEST_F(AnalysisCommands, ChartAsAnImage) {
  ASSERT_EQ(run({"chart", "서울", "--need", "all", "-o", path("c.png"), "--size", "600x450"}), 0)
      << err_.str();
  EXPECT_EQ(readBytes("c.png").substr(1, 3), "PNG");
}
#endif

}  // namespace
}  // namespace vlm::cli
