// vlm-cli wind: Seoul's summer-afternoon ventilation hours against the whole
// year, the all-hours rose against the load's direction counts, the refusal
// of falling class edges on stderr, and the rose written as a display list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

using nlohmann::json;

class WindCommand : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, VLM_PROGRAM_DIR);
  }
  std::ostringstream out_, err_;
};

TEST_F(WindCommand, SharesOfTheChosenHoursAddUpAndTheYearKeepsTheLoadsCounts) {
  ASSERT_EQ(run({"wind", "서울", "--months", "6-8", "--hours", "13-17"}), 0) << err_.str();
  const json summer = json::parse(out_.str());
  ASSERT_EQ(summer["directions"].size(), 16u);
  EXPECT_EQ(summer["classEdges"], json({0.5, 2, 4, 6}));
  EXPECT_LT(summer["hours"].get<int>(), 92 * 5);
  double total = summer["calm"].get<double>();
  for (const json& d : summer["directions"]) {
    double classes = 0;
    for (const json& c : d["classes"]) classes += c.get<double>();
    EXPECT_NEAR(classes, d["share"].get<double>(), 1e-3) << d["code"];
    total += d["share"].get<double>();
  }
  EXPECT_NEAR(total, 100.0, 1e-3);

  ASSERT_EQ(run({"wind", "서울", "--zone", "all", "--classes", "0,2"}), 0) << err_.str();
  const json year = json::parse(out_.str());
  ASSERT_EQ(run({"load", "서울"}), 0) << err_.str();
  const json counts =
      json::parse(out_.str())["windDirCount"][16];  // rows from January, the year last
  const double hours = year["hours"].get<double>();
  EXPECT_NEAR(year["calm"].get<double>(), 100.0 * counts[16].get<int>() / hours, 1e-4);
  for (std::size_t d = 0; d < 16; ++d) {
    EXPECT_NEAR(year["directions"][d]["share"].get<double>(), 100.0 * counts[d].get<int>() / hours,
                1e-4);
  }
}

TEST_F(WindCommand, RefusesFallingEdgesAndWritesTheRose) {
  EXPECT_EQ(run({"wind", "서울", "--classes", "2,1"}), 1);
  EXPECT_NE(err_.str().find("풍속 등급의 경계값 입력이 유효하지 않습니다."), std::string::npos);
  EXPECT_TRUE(out_.str().empty());

  const auto file = std::filesystem::temp_directory_path() / "vlm_wind_rose_test.txt";
  std::filesystem::remove(file);
  ASSERT_EQ(run({"wind", "서울", "--dbt", "40,45", "-o", file.string()}), 0) << err_.str();
  std::ifstream in(file);
  const std::string list((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(list.find("선택한 조건에 해당하며 바람 데이터가 있는 시간이 없습니다."),
            std::string::npos);
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace vlm::cli
