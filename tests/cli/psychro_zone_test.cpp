// vlm-cli psychro and zone: the JSON of a solved state and of a zone code, and
// the calculator's refusals on stderr with exit status 1.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

class PsychroCommands : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) { return test::runCli(std::move(args), out_, err_, "."); }
  nlohmann::ordered_json json() const { return nlohmann::ordered_json::parse(out_.str()); }
  std::ostringstream out_, err_;
};

TEST_F(PsychroCommands, SolvesAPairInTheOrderOfTheOutputs) {
  ASSERT_EQ(run({"psychro", "--dbt", "25", "--wbt", "18"}), 0) << err_.str();
  const auto j = json();
  std::vector<std::string> keys;
  for (const auto& item : j.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"dbt", "wbt", "ah", "rh", "enth", "dpt", "vp", "sv"}));
  EXPECT_EQ(j["dbt"], 25);
  EXPECT_EQ(j["wbt"], 18);
  EXPECT_NEAR(j["ah"].get<double>(), 0.010021, 0.000002);
  EXPECT_NEAR(j["enth"].get<double>(), 50651, 2);
  EXPECT_NEAR(j["sv"].get<double>(), 0.8583, 0.0001);
  EXPECT_EQ(err_.str(), "");
}

TEST_F(PsychroCommands, NegativeValuesAndLenientTexts) {
  ASSERT_EQ(run({"psychro", "--dbt=-5", "--rh", "80%"}), 0) << err_.str();
  EXPECT_EQ(json()["dbt"], -5);
  EXPECT_EQ(json()["rh"], 80);
}

TEST_F(PsychroCommands, RefusalsPrintTheCalculatorMessage) {
  EXPECT_EQ(run({"psychro", "--dbt", "25"}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(),
            "[에러]\n정보입력이 유효하지 않습니다.\n\n입력항목 중 하나만 선택되었습니다.\n"
            "입력항목 중 두개를 선택한 후 값을 입력하세요.\n");

  EXPECT_EQ(run({"psychro", "--dbt", "25", "--wbt", "18", "--rh", "50"}), 1);
  EXPECT_NE(err_.str().find("입력항목 중 세개 이상 선택되었습니다."), std::string::npos);

  EXPECT_EQ(run({"psychro", "--ah", "", "--enth", "50000"}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n정보입력이 유효하지 않습니다.\n\n절대습도 혹은 엔탈피의 입력값이 없습니다.\n");

  EXPECT_EQ(run({"psychro"}), 1);
  EXPECT_NE(err_.str().find("입력항목 중 선택된 것이 없습니다."), std::string::npos);
}

TEST_F(PsychroCommands, ComputeFaultIsReportedWithTheAdvice) {
  EXPECT_EQ(run({"psychro", "--ah", "0.01", "--rh", "0"}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(),
            "[에러]\n0으로 나누었습니다. (GetDBT_RHVP)\n"
            "입력값이 일반적으로 존재 가능한 값인지 혹은 입력단위 등을 체크하시기 바랍니다.\n");
}

TEST_F(PsychroCommands, ZoneCodes) {
  const struct {
    std::vector<std::string> values;  // dbt wbt ah rh sv
    int code;
  } cases[] = {
      {{"22", "9", "0.003", "30", "0.845"}, 61},    {{"30", "20", "0.015", "60", "0.87"}, 9},
      {{"6.944444", "5", "0.005", "50", "0.8"}, 1}, {{"50.1", "20", "0.01", "20", "0.9"}, -3},
      {{"20", "15", "0.031", "50", "0.85"}, -2},    {{"999", "15", "0.01", "50", "0.85"}, -4},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(run({"zone", "--dbt", c.values[0], "--wbt", c.values[1], "--ah", c.values[2], "--rh",
                   c.values[3], "--sv", c.values[4]}),
              0)
        << err_.str();
    EXPECT_EQ(out_.str(), "{\"code\":" + std::to_string(c.code) + "}\n") << c.values[0];
  }
}

TEST_F(PsychroCommands, ZoneNeedsAllFiveValues) {
  EXPECT_EQ(run({"zone", "--dbt", "22", "--wbt", "9", "--ah", "0.003", "--rh", "30"}), 2);
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(err_.str().find("--sv"), std::string::npos);
}

}  // namespace
}  // namespace vlm::cli
