// The whole bioclimatic chart of the synthetic year (grid, monthly extremes,
// all fourteen zones and the labels) against its reviewed serialisation.
//
// After an intended change to the chart, regenerate the golden file with
//   VLM_UPDATE_GOLDEN=1 build/<dir>/bin/test_core_analysis --gtest_filter='BioChartGolden.*'
// and review the difference (render it with `vlm-cli chart` to look at it)
// before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/analysis/chart_drawing.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "synthetic_year.h"

namespace vlm {
namespace {

const std::string kGolden = std::string(VLM_TEST_DATA_DIR) + "/bio_chart_synthetic_monthly.txt";

TEST(BioChartGolden, FullChartOfTheSyntheticYearMatchesTheReviewedDrawing) {
  const auto climate = test::SyntheticYear();
  Psychrometrics psychro;
  psychro.Patm = 90.0f;  // left over from a station pressure; the chart resets it
  PsychroChart chart;
  RecordingSink sink;
  ChartContent content;
  content.grid = content.data = content.needZones = content.guideZones = content.labels = true;
  content.need.fill(true);
  content.guide.fill(true);
  const Drawing drawing = BuildBioChart(psychro, chart, sink, content, *climate,
                                        {PeriodMode::Monthly, 1, 8760}, 600.0f, 450.0f);
  EXPECT_TRUE(sink.empty());
  EXPECT_FLOAT_EQ(psychro.Patm, 101.325f);
  const std::string text = drawing.serialize();

  if (std::getenv("VLM_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(kGolden, std::ios::binary) << text;
    GTEST_SKIP() << "golden file rewritten: " << kGolden;
  }
  std::ifstream in(kGolden, std::ios::binary);
  ASSERT_TRUE(in) << kGolden << " is missing; see the top of this file to regenerate it";
  const std::string golden{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (text == golden) return;
  // Name the first line that differs rather than dumping both drawings.
  std::istringstream a(text);
  std::istringstream b(golden);
  std::string la;
  std::string lb;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(a, la));
    const bool moreB = static_cast<bool>(std::getline(b, lb));
    if (!moreA && !moreB) break;
    if (la != lb || moreA != moreB) {
      FAIL() << "line " << line << " differs:\n  drawn:  " << (moreA ? la : "<end>")
             << "\n  golden: " << (moreB ? lb : "<end>");
    }
  }
}

}  // namespace
}  // namespace vlm
