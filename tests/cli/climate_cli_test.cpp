// vlm-cli calendar, check and load: outputs, exit statuses 0/1/2 and the
// exact messages on stderr.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "tests/cli/run_cli.h"
#include "tests/core/climate/asos_test_files.h"
#include "tests/core/climate/cly_test_files.h"
#include "tests/core/climate/weather_test_files.h"

namespace vlm::cli {
namespace {

using namespace vlm::clytest;
using nlohmann::json;

class ClimateCommands : public ClimateFileTest {
 protected:
  // Runs vlm-cli with the test's folder as the program directory.
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  std::string writeRegion(const std::string& stem, const std::vector<ClimateFileRecord>& year) {
    return writeYear("weather/" + stem + ".cly", year);
  }
  std::vector<std::string> outLines() const {
    std::vector<std::string> lines;
    std::istringstream in(out_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  std::ostringstream out_, err_;
};

TEST_F(ClimateCommands, CalendarConvertsBothWays) {
  EXPECT_EQ(run({"calendar", "--month", "3", "--day", "1", "--hour", "0"}), 0);
  EXPECT_EQ(out_.str(), "{\"hourOfYear\":1417}\n");
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(run({"calendar", "--hour-of-year", "769"}), 0);
  EXPECT_EQ(out_.str(), "{\"month\":2,\"day\":2,\"hour\":0}\n");
  EXPECT_EQ(run({"calendar", "--hour-of-year", "8760"}), 0);
  EXPECT_EQ(out_.str(), "{\"month\":12,\"day\":31,\"hour\":23}\n");
}

TEST_F(ClimateCommands, ACalendarRefusalPrintsItsBoxAndExitsWithOne) {
  EXPECT_EQ(run({"calendar", "--month", "2", "--day", "29", "--hour", "0"}), 1);
  EXPECT_EQ(err_.str(), "[에러]\n일이 유효하지 않습니다.\n[2월, 1 <= 일 <= 28 위반]\n");
  EXPECT_EQ(out_.str(), "");
  // An hour outside the year stops at the first conversion's box.
  EXPECT_EQ(run({"calendar", "--hour-of-year", "8761"}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n월로 변환하기 위한 1년중 시간수가 유효하지 않습니다.\n[1 <= 1년중 시간수 <= "
            "8760 위반]\n");
}

TEST_F(ClimateCommands, CalendarUsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"calendar"},
      {"calendar", "--month", "1"},
      {"calendar", "--month", "1", "--day", "1"},
      {"calendar", "--hour-of-year", "5", "--month", "1", "--day", "1", "--hour", "0"},
      {"calendar", "--hour-of-year", "70000"},
      {"calendar", "--hour-of-year", "abc"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(run(args), 2) << args.size();
    EXPECT_EQ(out_.str(), "");
  }
}

TEST_F(ClimateCommands, CheckAcceptsAPathARegionNameOrAStem) {
  const std::string file = writeRegion("seoul", plainYear());
  for (const std::string& arg : {file, std::string("서울"), std::string("seoul")}) {
    EXPECT_EQ(run({"check", arg}), 0) << arg;
    EXPECT_EQ(out_.str(), "ok\n");
    EXPECT_EQ(err_.str(), "");
  }
}

TEST_F(ClimateCommands, CheckRefusalsAndPlatformFailures) {
  auto year = plainYear();
  hourOfYear(year, 100).RecIndex = 224;
  const std::string bad = writeYear("bad.cly", year);
  const std::string capital = writeYear("good.CLY", plainYear());
  EXPECT_EQ(run({"check", bad}), 1);
  EXPECT_EQ(err_.str(), "[에러]\n대상 지역의 기후파일이 유효하지 않습니다.\n[레코드인덱스 위반]\n");
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(run({"check", capital}), 1);
  EXPECT_EQ(err_.str(), "[에러]\n대상 지역의 기후파일이 유효하지 않습니다.\n[확장자(cly) 위반]\n");
  EXPECT_EQ(run({"check", path("none.cly")}), 2);
  EXPECT_EQ(err_.str(), "파일을 찾을 수 없습니다. (" + path("none.cly") + ")\n");
  EXPECT_EQ(run({"check", "부산"}), 2);
  EXPECT_EQ(err_.str(), "파일을 찾을 수 없습니다. (" + path("weather/pusan.cly") + ")\n");
}

// An EPW file or an ASOS hourly CSV is checked by its import, not as a .cly file.
TEST_F(ClimateCommands, CheckRunsTheImportChecksOfAnEpwOrAsosFile) {
  using weathertest::joinLines;
  struct Case {
    std::string file, text;
    int status;
    std::string out, err;
  };
  const std::vector<Case> cases = {
      {"station.epw", joinLines(weathertest::epwLines()), 0, "ok\n", ""},
      {"STATION.EPW", joinLines(weathertest::epwLines()), 0, "ok\n", ""},
      {"bad.epw", "LOCATION,only\n", 1, "",
       "[에러]\n원본 파일이 EPW 형식의 파일이 아닙니다.\n[1행의 필드 수(10개 이상) 위반]\n"},
      {"seoul.csv", joinLines(asostest::asosLines(2015, 8760)), 0, "ok\n", ""},
      {"short.csv", joinLines(asostest::asosLines(2015, 10)), 1, "",
       "[에러]\n원본 파일이 ASOS 시간자료 형식의 파일이 아닙니다.\n[지점 108, 2015년의 시간 "
       "수(4380시간 이상) 위반: 10시간]\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run({"check", writeBytes(c.file, c.text)}), c.status) << c.file;
    EXPECT_EQ(out_.str(), c.out) << c.file;
    EXPECT_EQ(err_.str(), c.err) << c.file;
  }
  EXPECT_EQ(run({"check", path("none.csv")}), 2);
  EXPECT_EQ(err_.str(), "파일을 찾을 수 없습니다. (" + path("none.csv") + ")\n");
}

TEST_F(ClimateCommands, LoadPrintsTheRegionTheTablesAndTheWindCounts) {
  auto year = plainYear();
  for (int k = 745; k <= 1416; ++k) hourOfYear(year, k).WindSpeed = 999.0f;  // February
  hourOfYear(year, 8760).Pressure = 97.5f;
  hourOfYear(year, 1).WindDir = 0;
  const std::string file = writeRegion("jeju", year);
  ASSERT_EQ(run({"load", "제주"}), 0);
  EXPECT_EQ(err_.str(), "");
  const json result = json::parse(out_.str());
  EXPECT_EQ(result["region"], "제주");
  EXPECT_EQ(result["file"], file);
  EXPECT_EQ(result["patm"].get<float>(), 97.5f);
  for (const char* table : {"DBT", "RH", "Rad", "WS"}) {
    ASSERT_EQ(result["monthStats"][table].size(), 14u) << table;
    EXPECT_EQ(result["monthStats"][table][0], json({"", "최대값", "평균", "최소값"})) << table;
    EXPECT_EQ(result["monthStats"][table][13][0], "년간") << table;
  }
  EXPECT_EQ(result["monthStats"]["DBT"][1], json({"1월", 20, 20, 20}));
  EXPECT_EQ(result["monthStats"]["Rad"][12], json({"12월", 52.3, 52.3, 52.3}));
  EXPECT_EQ(result["monthStats"]["WS"][2], json({"2월", nullptr, nullptr, nullptr}));
  EXPECT_EQ(result["monthStats"]["WS"][3], json({"3월", 2.5, 2.5, 2.5}));
  EXPECT_NEAR(result["monthStats"]["RH"][6][2].get<double>(), 59.0, 1.0);

  const json& wind = result["windDirCount"];
  ASSERT_EQ(wind.size(), 17u);
  for (const auto& row : wind) ASSERT_EQ(row.size(), 18u);
  EXPECT_EQ(wind[0][16], 1);     // January: one calm hour
  EXPECT_EQ(wind[0][9], 743);    // and the rest south-west
  EXPECT_EQ(wind[15][9], 2159);  // winter: January, February, December
  EXPECT_EQ(wind[16][9], 8759);  // the year
  EXPECT_EQ(wind[16][17], 0);    // nothing missing
}

TEST_F(ClimateCommands, AnyOtherFileIsOtherUnlessARegionIsNamed) {
  const std::string file = writeYear("mine.cly", plainYear());
  ASSERT_EQ(run({"load", file}), 0);
  EXPECT_EQ(json::parse(out_.str())["region"], "기타");
  EXPECT_EQ(json::parse(out_.str())["file"], file);
  ASSERT_EQ(run({"load", file, "--region", "우리 동네"}), 0);
  EXPECT_EQ(json::parse(out_.str())["region"], "우리 동네");
  ASSERT_EQ(run({"--verbose", "load", file}), 0);
  EXPECT_EQ(err_.str(),
            "[Velmora]\n기타 지역의 기후파일 읽기가 완료되었습니다.\n기후분석 혹은 월별 기후표현 "
            "메뉴로 이동하세요.\n");
}

// Bytes that are not UTF-8 in a file name or region are written as U+FFFD.
TEST_F(ClimateCommands, NamesThatAreNotUtf8AreWrittenWithReplacementCharacters) {
  const std::string file = writeYear(
      "m\xff"
      "ine.cly",
      plainYear());
  ASSERT_EQ(run({"load", file, "--region", "\xc0\xfe"}), 0) << err_.str();
  const json loaded = json::parse(out_.str());
  EXPECT_EQ(loaded["region"], "\xef\xbf\xbd\xef\xbf\xbd");
  EXPECT_EQ(loaded["file"], (dir_ / "m\xef\xbf\xbd"
                                    "ine.cly")
                                .string());
}

TEST_F(ClimateCommands, LoadRefusalShowsTheAdviceOnlyWhenVerbose) {
  const std::string file = writeBytes("short.cly", "abc");
  const std::string rule =
      "[에러]\n대상 지역의 기후파일이 유효하지 않습니다.\n[파일크기(227,760byte) 위반]\n";
  EXPECT_EQ(run({"load", file}), 1);
  EXPECT_EQ(err_.str(), rule);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(run({"--verbose", "load", file}), 1);
  EXPECT_EQ(err_.str().substr(0, rule.size()), rule);
  EXPECT_NE(err_.str().find("[Velmora]\n대상 지역의 기후파일이 유효하지 않습니다.\nVelmora용 "
                            "기후파일(*.cly)인지 확인한 후 다시 시도하기 바랍니다.\n\n[참고 1]\n"),
            std::string::npos);
  EXPECT_EQ(run({"load", "광주"}), 2);
  EXPECT_EQ(err_.str(), "파일을 찾을 수 없습니다. (" + path("weather/kwangju.cly") + ")\n");
}

TEST_F(ClimateCommands, AFaultWhileDerivingExitsWithOne) {
  auto year = plainYear();
  hourOfYear(year, 5).Pressure = 0.0f;
  const std::string file = writeYear("zero.cly", year);
  EXPECT_EQ(run({"load", file}), 1);
  EXPECT_EQ(err_.str().rfind("[에러]\n0으로 나누었습니다.", 0), 0u) << err_.str();
  EXPECT_EQ(out_.str(), "");
}

TEST_F(ClimateCommands, HourlyPrintsEveryHourWithItsDerivedFields) {
  auto year = plainYear();
  hourOfYear(year, 1) = {124, 25.0f, 18.0f, 101.325f, 360, 0.5f, 99, 9999.0f};
  hourOfYear(year, 2).WBT = 999.0f;
  writeRegion("seoul", year);
  ASSERT_EQ(run({"load", "seoul", "--hourly"}), 0);
  const auto lines = outLines();
  ASSERT_EQ(lines.size(), 8761u);
  EXPECT_EQ(lines[0],
            "hour,RecIndex,DBT,WBT,Pressure,WindDir,WindSpeed,Cloud,Radiation,AH,VP,RH,SpecV");
  EXPECT_EQ(lines[1].substr(0, 36), "1,124,25,18,101.325,360,0.5,99,9999,");
  std::vector<double> derivedFields;
  std::istringstream fields(lines[1].substr(36));
  for (std::string field; std::getline(fields, field, ',');)
    derivedFields.push_back(std::stod(field));
  ASSERT_EQ(derivedFields.size(), 4u);
  EXPECT_NEAR(derivedFields[0], 0.010021, 2e-6);
  EXPECT_NEAR(derivedFields[2], 50.70, 0.01);
  EXPECT_NEAR(derivedFields[3], 0.8583, 1e-4);
  EXPECT_EQ(lines[2], "2,125,20,999,101.325,225,2.5,5,523,999,999,999,999");
  EXPECT_EQ(lines[8760].substr(0, 10), "8760,8883,");
}

}  // namespace
}  // namespace vlm::cli
