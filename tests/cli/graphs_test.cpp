// vlm-cli monthly and rose: the charts written as image files or display lists,
// the screens' refusals on stderr with exit status 1, and the output-file rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/cli_context.h"
#include "core/climate/cly_file.h"
#include "tests/cli/run_cli.h"

#ifdef VLM_HAVE_RENDER
#include <QImage>

#include "render/monthly_chart.h"
#endif

namespace vlm::cli {
namespace {

namespace fs = std::filesystem;

#ifdef VLM_HAVE_RENDER
// Charts need a QApplication; it must exist before any command makes a plain
// QGuiApplication for its drawing.
class WidgetsApplication : public ::testing::Environment {
 public:
  void SetUp() override { render::ensureWidgetsApplication(); }
};
const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new WidgetsApplication);
#endif

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A year with known winds: January half from the north and half calm, February
// without a single valid direction, December from the south, every other hour
// from the east. Temperatures run 0.1 °C up per day.
void writeWindYear(const std::string& path) {
  std::vector<ClimateFileRecord> records(kHoursPerYear);
  for (int k = 1; k <= kHoursPerYear; ++k) {
    ClimateFileRecord& r = records[static_cast<std::size_t>(k - 1)];
    r.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
    r.DBT = static_cast<float>((k - 1) / 24) / 10;
    r.WBT = r.DBT - 1;
    r.Pressure = 101.3f;
    r.WindDir = k <= 372 ? 360 : k <= 744 ? 0 : k <= 1416 ? 999 : k > 8016 ? 180 : 90;
    r.WindSpeed = 2.5f;
    r.Cloud = 5;
    r.Radiation = 523;
  }
  writeClyFile(path, records);
}

class GraphCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("vlm_graphs_cli_") + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    climate_ = path("wind.cly");
    writeWindYear(climate_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int run(std::vector<std::string> args) {
    return test::runCli(std::move(args), out_, err_, dir_.string());
  }
  [[nodiscard]] std::string path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::string climate_;
  std::ostringstream out_, err_;
};

TEST_F(GraphCommands, RoseListsTheTabsLabelsForTheChosenPeriod) {
  const std::string list = path("rose.txt");
  ASSERT_EQ(run({"rose", climate_, "--region", "서울", "--month", "1", "--numbers", "-o", list}), 0)
      << err_.str();
  EXPECT_EQ(out_.str(), "");
  const std::string text = readFile(list);
  EXPECT_EQ(text.rfind("scale 0 1200 0 900\n", 0), 0u);
  EXPECT_NE(text.find("\"서울 지역 1월 풍향\""), std::string::npos);
  EXPECT_NE(text.find("\"북(372/50.0) \""), std::string::npos);
  EXPECT_NE(text.find("\" 북북동(0/0.0)\""), std::string::npos);
  EXPECT_NE(text.find("\"[결측시간수/총시간수 : 0/744]\""), std::string::npos);
  EXPECT_NE(text.find("\"[라벨설명 : 풍향(시간수/비율%)]\""), std::string::npos);
  // Half the month from the north: the bar ends on the outer circle, 0.4 × 900 above the centre.
  EXPECT_NE(text.find("line 600 517.5 600 810 pal0 w2 solid"), std::string::npos) << text;
}

TEST_F(GraphCommands, RoseWithoutNumbersShowsOnlyTheRingsAndTitle) {
  const std::string list = path("rose.txt");
  ASSERT_EQ(run({"rose", climate_, "--season", "겨울", "--size", "800x600", "-o", list}), 0)
      << err_.str();
  const std::string text = readFile(list);
  EXPECT_EQ(text.rfind("scale 0 800 0 600\n", 0), 0u);
  // A user file is the region "기타".
  EXPECT_NE(text.find("\"기타 지역 겨울 풍향\""), std::string::npos);
  EXPECT_NE(text.find("\"50%\""), std::string::npos);
  EXPECT_EQ(text.find("결측시간수"), std::string::npos);
  EXPECT_EQ(text.find("북("), std::string::npos);
}

TEST_F(GraphCommands, RoseRefusalsAreTheTabsMessages) {
  struct Case {
    std::vector<std::string> period;
    const char* stderrText;
  };
  const Case cases[] = {
      {{"--month", "2"}, "[에러]\n대상기간의 풍향 데이터가 모두 결측입니다.\n"},
      {{},
       "[에러]\n월별 기후표현을 위한 대상기간이 선택되지 않았습니다.\n\n"
       "[정보요약에서 대상기간을 선택하세요.]\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stderrText);
    std::vector<std::string> args = {"rose", climate_, "-o", path("rose.txt")};
    args.insert(args.end(), c.period.begin(), c.period.end());
    EXPECT_EQ(run(args), 1);
    EXPECT_EQ(err_.str(), c.stderrText);
    EXPECT_FALSE(fs::exists(path("rose.txt")));
  }
}

TEST_F(GraphCommands, RosePeriodOptionsAreChecked) {
  EXPECT_EQ(run({"rose", climate_, "--month", "13", "-o", path("r.txt")}), 2);
  EXPECT_EQ(run({"rose", climate_, "--month", "1", "--year", "-o", path("r.txt")}), 2);
  EXPECT_EQ(run({"rose", climate_, "--season", "장마", "-o", path("r.txt")}), 2);
  EXPECT_FALSE(fs::exists(path("r.txt")));
}

TEST_F(GraphCommands, MonthlyRefusesWithoutElementOrValidClimate) {
  EXPECT_EQ(run({"monthly", climate_, "-o", path("m.png")}), 1);
  EXPECT_EQ(err_.str(),
            "[에러]\n월별 기후표현을 위한 대상요소가 선택되지 않았습니다.\n\n"
            "[정보요약에서 대상요소를 선택하세요.]\n");
  EXPECT_EQ(run({"monthly", climate_, "--element", "uv", "-o", path("m.png")}), 2);
  EXPECT_EQ(run({"monthly", climate_, "--element", "dbt", "-o", path("m.bmp")}), 2);
  fs::resize_file(climate_, 26);
  EXPECT_EQ(run({"monthly", climate_, "--element", "dbt", "-o", path("m.png")}), 1);
  EXPECT_NE(err_.str().find("[에러]\n대상 지역의 기후파일이 유효하지 않습니다."), std::string::npos)
      << err_.str();
  EXPECT_FALSE(fs::exists(path("m.png")));
}

#ifdef VLM_HAVE_RENDER
TEST_F(GraphCommands, MonthlyChartIsWrittenAtTheAskedSizeAndReplacedOnlyWithYes) {
  const std::string png = path("dbt.png");
  ASSERT_EQ(
      run({"monthly", climate_, "--element", "dbt", "--numbers", "--size", "640x480", "-o", png}),
      0)
      << err_.str();
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  EXPECT_EQ(image.size(), QSize(640, 480));
  // The three series are drawn in their colours somewhere on the chart.
  int red = 0, blue = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      red += c == QColor(205, 62, 55) ? 1 : 0;
      blue += c == QColor(52, 101, 164) ? 1 : 0;
    }
  }
  EXPECT_GT(red, 100);
  EXPECT_GT(blue, 100);

  const std::string before = readFile(png);
  EXPECT_EQ(run({"monthly", climate_, "--element", "ws", "-o", png}), 1);
  EXPECT_EQ(err_.str(), "[Velmora]\n" + png + "이(가) 이미 있습니다.\n바꾸시겠습니까?\n");
  EXPECT_EQ(readFile(png), before);
  EXPECT_EQ(run({"monthly", climate_, "--element", "ws", "--yes", "-o", png}), 0);
  EXPECT_NE(readFile(png), before);
}

TEST_F(GraphCommands, MonthlyChartAsVectorsCarriesItsTitle) {
  const std::string svg = path("rad.svg");
  ASSERT_EQ(run({"monthly", climate_, "--region", "서울", "--element", "rad", "-o", svg}), 0)
      << err_.str();
  const std::string text = readFile(svg);
  EXPECT_NE(text.find("<svg"), std::string::npos);
  // The text layout writes the Hangul and the Latin runs of the title apart.
  EXPECT_NE(text.find(">서울 지역 일사량, 단위 : </text>"), std::string::npos);
  EXPECT_NE(text.find(">cal/cm^2</text>"), std::string::npos);
  const std::string pdf = path("rad.pdf");
  ASSERT_EQ(run({"monthly", climate_, "--element", "rad", "-o", pdf}), 0) << err_.str();
  EXPECT_EQ(readFile(pdf).rfind("%PDF", 0), 0u);
}

TEST_F(GraphCommands, RoseImageHasTheBarsInTheForeground) {
  const std::string png = path("rose.png");
  ASSERT_EQ(run({"rose", climate_, "--month", "1", "--numbers", "--size", "600x500", "-o", png}), 0)
      << err_.str();
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(png)));
  EXPECT_EQ(image.size(), QSize(600, 500));
  // The north bar runs up the centre line from the calm circle (37.5) to the outer one (200).
  EXPECT_LT(image.pixelColor(300, 250 - 120).lightness(), 80);
  // No bar to the east.
  EXPECT_GT(image.pixelColor(300 + 120, 249).lightness(), 200);
}
#endif

}  // namespace
}  // namespace vlm::cli
