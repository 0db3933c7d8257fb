// vlm-cli comfort and pmv: Seoul's year classed by each model adds up month
// by month; one state of the standard's table; the boxes' refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

using nlohmann::json;

class ComfortCommands : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, VLM_PROGRAM_DIR);
  }
  std::ostringstream out_, err_;
};

long widestWithin(const json& within) {
  if (within.is_number()) return within.get<long>();
  return within.contains("III") ? within["III"].get<long>() : within["80"].get<long>();
}

TEST_F(ComfortCommands, EveryHourOfSeoulFallsInOneClassOfEachModel) {
  const int monthHours[] = {744, 672, 744, 720, 744, 720, 744, 744, 720, 744, 720, 744};
  for (const char* model : {"ashrae-adaptive", "en-adaptive", "pmv"}) {
    ASSERT_EQ(run({"comfort", "서울", "--model", model}), 0) << err_.str();
    const json j = json::parse(out_.str());
    EXPECT_EQ(j["region"], "서울");
    ASSERT_EQ(j["months"].size(), 12u);
    long yearWithin = 0;
    for (int m = 0; m < 12; ++m) {
      const json& month = j["months"][m];
      EXPECT_EQ(month["month"], m + 1);
      const long total = month["below"].get<long>() + widestWithin(month["within"]) +
                         month["above"].get<long>() + month["outside"].get<long>() +
                         month["missing"].get<long>();
      EXPECT_EQ(total, monthHours[m]) << model << " " << m + 1;
      yearWithin += widestWithin(month["within"]);
    }
    EXPECT_EQ(yearWithin, widestWithin(j["year"]["within"])) << model;
    EXPECT_GT(yearWithin, 0) << model;
  }
}

TEST_F(ComfortCommands, PmvOfOneStateAndTheRefusalsOfItsBoxes) {
  ASSERT_EQ(run({"pmv", "--dbt", "22", "--rh", "60", "--met", "1.2"}), 0) << err_.str();
  const json j = json::parse(out_.str());
  EXPECT_NEAR(j["pmv"].get<double>(), -0.75, 0.01);
  EXPECT_NEAR(j["ppd"].get<double>(), 16.9, 0.1);

  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"pmv", "--dbt", "35", "--rh", "50"},
       "[에러]\n기온 입력이 유효하지 않습니다.\n\n[10°C <= 기온 <= 30°C]\n"},
      {{"pmv", "--dbt", "25", "--rh", "120"},
       "[에러]\n상대습도 입력이 유효하지 않습니다.\n\n[0% <= 상대습도 <= 100%]\n"},
      {{"comfort", "서울", "--model", "pmv", "--clo", "abc", "--met", "1"},
       ""},  // clo read as 0: accepted
      {{"comfort", "서울", "--model", "pmv", "--met", "5"},
       "[에러]\n대사량 입력이 유효하지 않습니다.\n\n[0.8met <= 대사량 <= 4met]\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.args), c.message.empty() ? 0 : 1) << c.args[1];
    EXPECT_EQ(err_.str(), c.message);
  }
}

}  // namespace
}  // namespace vlm::cli
