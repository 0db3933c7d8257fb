// vlm-cli solar, sunpath and mask: the JSON of a solar position, the pictures
// against the golden drawings, refusals on stderr with exit status 1 and the
// rules for the output file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli/cli_context.h"
#include "cli/picture_file.h"
#include "tests/cli/run_cli.h"

namespace vlm::cli {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class SolarCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("vlm_solar_cli_") + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  [[nodiscard]] std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(SolarCommands, SolarPrintsThePositionInTheListedOrder) {
  ASSERT_EQ(run({"solar", "--lat", "37.34", "--month", "6", "--day", "21", "--time", "12"}), 0);
  EXPECT_EQ(err_.str(), "");
  const std::string text = out_.str();
  EXPECT_EQ(text.rfind("{\"doy\":172,\"decl\":", 0), 0u) << text;
  const auto j = nlohmann::json::parse(text);
  EXPECT_EQ(j.size(), 6u);
  EXPECT_NEAR(j["decl"].get<double>(), 23.4498, 1e-4);
  EXPECT_NEAR(j["eot"].get<double>(), -1.5, 1e-3);
  EXPECT_NEAR(j["alt"].get<double>(), 76.11, 0.01);
  EXPECT_EQ(j["azi"].get<double>(), 0.0);
  EXPECT_NEAR(j["daylen"].get<double>(), 14.577, 0.001);

  ASSERT_EQ(run({"solar", "--lat", "37.34", "--month", "3", "--day", "22", "--time", "6"}), 0);
  const auto morning = nlohmann::json::parse(out_.str());
  EXPECT_EQ(morning["doy"], 81);
  EXPECT_NEAR(morning["azi"].get<double>(), -90, 0.01);  // east in the morning
  EXPECT_NEAR(morning["alt"].get<double>(), 0, 0.01);
}

TEST_F(SolarCommands, SolarRefusesABadMonthButNotAPolarDay) {
  EXPECT_EQ(run({"solar", "--lat", "37.34", "--month", "13", "--day", "1", "--time", "12"}), 1);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(err_.str(), "[에러]\n1 <= 월 <= 12 !\n");

  // Above the polar circle at midsummer the sun does not set.
  ASSERT_EQ(run({"solar", "--lat", "70", "--month", "6", "--day", "21", "--time", "12"}), 0);
  EXPECT_EQ(err_.str(), "");
  const auto polar = nlohmann::json::parse(out_.str());
  EXPECT_EQ(polar["daylen"].get<double>(), 24.0);
  EXPECT_NEAR(polar["alt"].get<double>(), 43.45, 0.01);

  EXPECT_EQ(run({"solar", "--lat", "37.34", "--month", "6", "--day", "21"}), 2);
  EXPECT_NE(err_.str().find("--time"), std::string::npos);
}

TEST_F(SolarCommands, SolarRefusesATimeOutsideTheDayAndALatitudeAtAPole) {
  const struct {
    std::vector<std::string> args;
    std::string says;
  } cases[] = {
      {{"--lat", "37.34", "--time", "25"}, "태양시는 0~24시입니다"},
      {{"--lat", "37.34", "--time", "-0.5"}, "태양시는 0~24시입니다"},
      {{"--lat", "90", "--time", "12"}, "위도는 -90°보다 크고 90°보다 작아야 합니다"},
      {{"--lat", "-90", "--time", "12"}, "위도는 -90°보다 크고 90°보다 작아야 합니다"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"solar", "--month", "6", "--day", "21"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(run(args), 2) << c.says;
    EXPECT_EQ(out_.str(), "");
    EXPECT_NE(err_.str().find(c.says), std::string::npos) << err_.str();
    EXPECT_EQ(err_.str().find("ArcCosDeg"), std::string::npos);
  }
  EXPECT_EQ(run({"solar", "--lat", "37.34", "--month", "6", "--day", "21", "--time", "24"}), 0);
}

TEST_F(SolarCommands, SunpathWritesTheDiagramWithItsLabels) {
  ASSERT_EQ(run({"sunpath", "--lat", "37.34", "-o", path("seoul.txt")}), 0);
  EXPECT_EQ(err_.str(), "");
  EXPECT_EQ(readFile(path("seoul.txt")),
            readFile(std::string(VLM_TEST_DATA_DIR) + "/sunpath_seoul.txt"));
}

TEST_F(SolarCommands, SunpathRefusesTheLatitudeAsTheTabDoes) {
  for (const char* lat : {"24.99", "55.01", "", "abc"}) {
    EXPECT_EQ(run({"sunpath", "--lat", lat, "-o", path("x.txt")}), 1) << lat;
    EXPECT_EQ(err_.str(), "[에러]\n위도 입력이 유효하지 않습니다.\n       [25°<= 위도 <= 55°]\n");
  }
  EXPECT_FALSE(fs::exists(path("x.txt")));
}

TEST_F(SolarCommands, AnExistingPictureIsReplacedOnlyWithYes) {
  std::ofstream(path("old.txt")) << "old";
  EXPECT_EQ(run({"sunpath", "--lat", "30", "-o", path("old.txt")}), 1);
  EXPECT_EQ(err_.str(),
            "[Velmora]\n" + path("old.txt") + "이(가) 이미 있습니다.\n바꾸시겠습니까?\n");
  EXPECT_EQ(readFile(path("old.txt")), "old");
  EXPECT_EQ(run({"sunpath", "--lat", "30", "-o", path("old.txt"), "--yes"}), 0);
  EXPECT_EQ(readFile(path("old.txt")).rfind("scale 0 7000 0 7000\n", 0), 0u);
}

TEST_F(SolarCommands, UnknownFormatsAndSizesAreUsageErrors) {
  EXPECT_EQ(run({"sunpath", "--lat", "30", "-o", path("x.jpg")}), 2);
  EXPECT_EQ(err_.str(),
            "그림 파일의 형식(png, svg, pdf, txt)을 알 수 없습니다. (" + path("x.jpg") + ")\n");
  EXPECT_EQ(run({"sunpath", "--lat", "30", "-o", path("x.png"), "--size", "12x"}), 2);
  EXPECT_EQ(run({"sunpath", "--lat", "30", "-o", path("x.png"), "--size", "0x900"}), 2);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(SolarCommands, MaskDrawsTheOutlineOverTheDiagram) {
  ASSERT_EQ(run({"mask", "--lat", "37.34", "--type", "1", "--v", "45", "--s", "-20", "-o",
                 path("mask.txt")}),
            0);
  EXPECT_EQ(err_.str(), "");
  std::string outline = readFile(std::string(VLM_TEST_DATA_DIR) + "/sunpath_mask_horizontal.txt");
  outline.erase(0, outline.find('\n') + 1);  // the scale line
  const std::string mask = readFile(path("mask.txt"));
  EXPECT_NE(mask.find(outline), std::string::npos);
  // Diagram, outline, then the labels: the diagram's own lines come first.
  const std::string diagram = readFile(std::string(VLM_TEST_DATA_DIR) + "/sunpath_seoul.txt");
  const std::string beforeLabels = diagram.substr(0, diagram.find("\ntext ") + 1);
  EXPECT_EQ(mask.rfind(beforeLabels, 0), 0u);
}

TEST_F(SolarCommands, MaskRefusalsPrintTheirMessages) {
  EXPECT_EQ(run({"mask", "--lat", "37.34", "--type", "1", "--v", "45", "-o", path("m.txt")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n수평차양, 면방위각이 입력되지 않았습니다.\n"
            "[-180° <= 수평차양, 면방위각 <= 180°]\n음영각 정보입력 탭에서 입력하세요.\n");
  EXPECT_EQ(run({"mask", "--lat", "60", "--type", "2", "--hw", "30", "--he", "-30", "--s", "0",
                 "-o", path("m.txt")}),
            1);
  EXPECT_EQ(err_.str(),
            "[에러]\n위도 입력이 유효하지 않습니다.\n       [25° <= 위도 <= 55°]\n"
            "태양궤적도 탭에서 수정하세요.\n");
  EXPECT_TRUE(fs::is_empty(dir_));
}

#ifdef VLM_HAVE_RENDER

TEST_F(SolarCommands, PngHasTheRequestedSize) {
  ASSERT_EQ(run({"mask", "--lat", "37.34", "--type", "2", "--hw", "30", "--he", "-30", "--s", "0",
                 "-o", path("m.png"), "--size", "640x480"}),
            0)
      << err_.str();
  const std::string png = readFile(path("m.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) |
           (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 640u);
  EXPECT_EQ(be32(20), 480u);
}
#endif

TEST(PictureFileTest, ImageSizeIsWidthByHeight) {
  EXPECT_EQ(parseImageSize("1200x900")->width, 1200);
  EXPECT_EQ(parseImageSize("640X480")->height, 480);
  for (const char* bad : {"", "1200", "x900", "1200x", "12a0x900", "-5x10", "0x10", "10x20001",
                          "1200x900x2", "20000x20000", "8001x8000"}) {
    EXPECT_FALSE(parseImageSize(bad).has_value()) << bad;
  }
  // The whole image is capped at 64 million pixels, not only each side.
  EXPECT_EQ(parseImageSize("8000x8000")->width, 8000);
  EXPECT_EQ(parseImageSize("20000x3200")->height, 3200);
}

TEST(PictureFileTest, RoundDiagramStaysRoundOnAnyImage) {
  Drawing square(UserScale{0, 7000, 0, 7000});
  const UserScale wide = fitToImage(square, {1200, 900}).scale();
  EXPECT_NEAR(wide.left, -1166.667, 0.01);
  EXPECT_NEAR(wide.right, 8166.667, 0.01);
  EXPECT_EQ(wide.bottom, 0.0f);
  EXPECT_EQ(wide.top, 7000.0f);
  const UserScale tall = fitToImage(square, {900, 1200}).scale();
  EXPECT_EQ(tall.left, 0.0f);
  EXPECT_NEAR(tall.bottom, -1166.667, 0.01);
  EXPECT_NEAR(tall.top, 8166.667, 0.01);
  EXPECT_EQ(fitToImage(square, {500, 500}).scale(), square.scale());
}

}  // namespace
}  // namespace vlm::cli
