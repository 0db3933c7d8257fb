// vlm-cli months, carpet, degree-days and compare: on the built-in years of the
// program directory (Seoul's year column is the analysis tab's; Seoul against
// Jeju) and on years written by the test, with the exact refusals on stderr.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/run_cli.h"
#include "tests/core/climate/cly_test_files.h"

namespace vlm::cli {
namespace {

using namespace vlm::clytest;
using nlohmann::json;

class SeasonalCommands : public ClimateFileTest {
 protected:
  int run(std::vector<std::string> args, const std::string& programDir = VLM_PROGRAM_DIR) {
    return test::runCli(std::move(args), out_, err_, programDir);
  }
  std::ostringstream out_, err_;
};

TEST_F(SeasonalCommands, MonthsOfSeoulAddUpToTheAnalysisOfItsYear) {
  ASSERT_EQ(run({"analyse", "서울", "--from", "1/1/0", "--to", "12/31/23"}), 0) << err_.str();
  const json analysis = json::parse(out_.str());
  ASSERT_EQ(run({"months", "서울"}), 0) << err_.str();
  const json months = json::parse(out_.str());
  EXPECT_EQ(months["region"], "서울");
  ASSERT_EQ(months["months"].size(), 12u);
  for (int m = 0; m < 12; ++m) EXPECT_EQ(months["months"][m]["month"], m + 1);
  const json& year = months["year"];
  EXPECT_FALSE(year.contains("month"));
  for (const char* key : {"tally", "need", "guide", "mostImportant"}) {
    EXPECT_EQ(year[key], analysis[key]) << key;
  }
  for (const auto& [code, hours] : year["tally"].items()) {
    long sum = 0;
    for (int m = 0; m < 12; ++m) sum += months["months"][m]["tally"][code].get<long>();
    EXPECT_EQ(sum, hours.get<long>()) << code;
  }
  EXPECT_EQ(months["months"][0]["need"][0]["rank"], "1");  // January: heating first
}

TEST_F(SeasonalCommands, CompareGivesEqualColumnsForOneClimateAndLessHeatingInJeju) {
  ASSERT_EQ(run({"compare", "서울", "seoul"}), 0) << err_.str();
  const json same = json::parse(out_.str());
  EXPECT_EQ(same["a"], same["b"]);
  for (const auto& pair : same["monthlyMean"]["dbt"]) EXPECT_EQ(pair[0], pair[1]);

  ASSERT_EQ(run({"compare", "서울", "제주"}), 0) << err_.str();
  const json c = json::parse(out_.str());
  EXPECT_EQ(c["b"]["region"], "제주");
  EXPECT_LT(std::stoi(c["b"]["need"][0]["hours"].get<std::string>()),
            std::stoi(c["a"]["need"][0]["hours"].get<std::string>()));
  EXPECT_GT(c["monthlyMean"]["dbt"][0][1].get<double>(),
            c["monthlyMean"]["dbt"][0][0].get<double>());
  ASSERT_EQ(c["monthlyMean"]["rh"].size(), 12u);
}

TEST_F(SeasonalCommands, DegreeDaysOfAYearWrittenByTheTest) {
  auto year = plainYear();  // 20 °C every hour
  for (int k = 1; k <= 10; ++k) hourOfYear(year, k).DBT = 999.0f;
  const std::string file = writeYear("plain.cly", year);
  ASSERT_EQ(run({"degree-days", file, "--heating-base", "22", "--cooling-base", "19.5"}), 0)
      << err_.str();
  const json j = json::parse(out_.str());
  EXPECT_EQ(j["heatingBase"], 22);
  EXPECT_EQ(j["coolingBase"], 19.5);
  ASSERT_EQ(j["months"].size(), 12u);
  EXPECT_EQ(j["months"][0], (json{{"month", 1},
                                  {"hdd", 61.166668},
                                  {"cdd", 15.291667},
                                  {"missingHours", 10}}));  // 734 hours × 2 °C / 24, × 0.5 °C
  EXPECT_EQ(j["months"][1]["hdd"], 56);
  EXPECT_EQ(j["year"]["missingHours"], 10);

  ASSERT_EQ(run({"degree-days", file}), 0) << err_.str();
  EXPECT_EQ(json::parse(out_.str())["year"]["hdd"], 0);

  // A January without one dry bulb has no degree-days, not 0.
  for (int k = 1; k <= 744; ++k) hourOfYear(year, k).DBT = 999.0f;
  ASSERT_EQ(run({"degree-days", writeYear("nojanuary.cly", year)}), 0) << err_.str();
  const json none = json::parse(out_.str());
  EXPECT_EQ(none["months"][0],
            (json{{"month", 1}, {"hdd", nullptr}, {"cdd", nullptr}, {"missingHours", 744}}));
  EXPECT_EQ(none["year"]["missingHours"], 744);
  EXPECT_EQ(none["year"]["hdd"], 0);
}

TEST_F(SeasonalCommands, DegreeDayBasesOutOfRangeAreRefusedWithTheBoxesMessages) {
  struct Case {
    std::vector<std::string> options;
    std::string message;
  };
  const Case cases[] = {
      {{"--heating-base", "31"},
       "[에러]\n난방도일의 기준온도 입력이 유효하지 않습니다.\n\n[5°C <= 난방 기준온도 <= 30°C]\n"},
      {{"--heating-base", "abc"},
       "[에러]\n난방도일의 기준온도 입력이 유효하지 않습니다.\n\n[5°C <= 난방 기준온도 <= 30°C]\n"},
      {{"--cooling-base", "9.9"},
       "[에러]\n냉방도일의 기준온도 입력이 유효하지 않습니다.\n\n[10°C <= 냉방 기준온도 <= "
       "40°C]\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"degree-days", "서울"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    EXPECT_EQ(run(args), 1) << c.options[1];
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(err_.str(), c.message);
  }
}

TEST_F(SeasonalCommands, CarpetWritesEveryHourAsACellAndAsksBeforeReplacing) {
  const std::string txt = path("carpet.txt");
  ASSERT_EQ(run({"carpet", "서울", "-o", txt}), 0) << err_.str();
  const std::string list = readBytes("carpet.txt");
  std::size_t rects = 0;
  for (auto at = list.find("\nrect "); at != std::string::npos; at = list.find("\nrect ", at + 1))
    ++rects;
  EXPECT_EQ(rects, 8760u + 6u);  // the hours and the six legend swatches
  EXPECT_NE(list.find("\"서울 지역 시간별 생체기후적 요구 죤\""), std::string::npos);

  EXPECT_EQ(run({"carpet", "서울", "--by", "dbt", "-o", txt}), 1);
  EXPECT_NE(err_.str().find("[Velmora]"), std::string::npos);
  ASSERT_EQ(run({"carpet", "서울", "--by", "dbt", "-o", txt, "--yes"}), 0) << err_.str();
  EXPECT_NE(readBytes("carpet.txt").find("\"서울 지역 시간별 건구온도\""), std::string::npos);

  EXPECT_EQ(run({"carpet", "서울", "-o", path("carpet.bmp")}), 2);
  EXPECT_EQ(run({"carpet", "서울", "--by", "wind", "-o", txt}), 2);
}

TEST_F(SeasonalCommands, ARefusedClimateStopsTheComparison) {
  const std::string bad = writeBytes("bad.cly", "short");
  EXPECT_EQ(run({"compare", "서울", bad}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("대상 지역의 기후파일이 유효하지 않습니다."), std::string::npos);
}

}  // namespace
}  // namespace vlm::cli
