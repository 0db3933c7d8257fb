// vlm-cli shading, and sunpath and mask with --climate: Seoul's year at its
// station, the JSON's months adding up to its year, and the refusals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class ShadingCommands : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, VLM_PROGRAM_DIR);
  }
  std::ostringstream out_, err_;
};

TEST_F(ShadingCommands, MonthsAddUpToTheYearAndTheSuggestionIsAnAngle) {
  ASSERT_EQ(run({"shading", "서울", "--type", "3", "--v", "45", "--hw", "30", "--he", "-30", "--s",
                 "0"}),
            0)
      << err_.str();
  const json j = json::parse(out_.str());
  EXPECT_EQ(j["shade"], json::parse(R"({"type":3,"v":45.0,"hw":30.0,"he":-30.0,"s":0.0})"));
  EXPECT_EQ(j["site"]["latitude"], 37.5714);
  ASSERT_EQ(j["months"].size(), 12u);
  for (const char* key : {"unwantedHours", "unwantedShadedHours", "wantedHours",
                          "wantedSunlitHours"}) {
    int sum = 0;
    for (const json& m : j["months"]) sum += m[key].get<int>();
    EXPECT_EQ(sum, j["year"][key].get<int>()) << key;
  }
  EXPECT_EQ(j["months"][6]["month"], 7);
  EXPECT_GT(j["year"]["unwantedShadedHours"].get<int>(), 0);
  const int v = j["suggestedV"].get<int>();
  EXPECT_TRUE(v >= 0 && v <= 90);
  EXPECT_TRUE(j["suggestedShares"]["unwantedBeamBlocked"].is_number());
  // A horizontal shade uses no fin angles.
  ASSERT_EQ(run({"shading", "서울", "--type", "1", "--v", "45", "--s", "0"}),
            0);
  EXPECT_EQ(json::parse(out_.str())["shade"]["hw"], nullptr);
}

TEST_F(ShadingCommands, ABadAngleIsRefusedWithTheMaskTabsMessage) {
  EXPECT_EQ(run({"shading", "서울", "--type", "1", "--v", "95", "--s", "0"}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n수평차양, 수직음영각이 유효하지 않습니다.\n"
            "[0° <= 수평차양, 수직음영각 <= 90°]\n음영각 정보입력 탭에서 수정하세요.\n");
}

TEST_F(ShadingCommands, ClimateDrawsTheHoursForTheSitesLatitude) {
  const fs::path dir = fs::temp_directory_path() / "vlm_shading_cli_climate";
  fs::create_directories(dir);
  const std::string file = (dir / "sun.txt").string();
  ASSERT_EQ(run({"sunpath", "--climate", "서울", "-o", file, "--yes"}), 0)
      << err_.str();
  std::ifstream in(file);
  std::ostringstream text;
  text << in.rdbuf();
  const std::string drawing = text.str();
  EXPECT_NE(drawing.find("태양열획득 시간: "), std::string::npos);
  EXPECT_NE(drawing.find("태양열차단 시간: "), std::string::npos);
  ASSERT_EQ(run({"mask", "--climate", "서울", "--type", "1", "--v", "45",
                 "--s", "0", "-o", file, "--yes"}),
            0)
      << err_.str();
  EXPECT_EQ(run({"sunpath", "-o", file, "--yes"}), 2);  // neither --lat nor --climate
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vlm::cli
