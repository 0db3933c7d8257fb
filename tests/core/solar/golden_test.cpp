// Golden drawings: the Seoul sun-path diagram and one shading mask of each type, as
// Drawing::serialize() text in tests/data. After a deliberate change to the drawing,
// regenerate them with
//   VLM_UPDATE_GOLDEN=1 build/<dir>/bin/test_core_solar --gtest_filter='*SolarGolden*'
// then review `git diff tests/data` line by line before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/solar/shading_mask.h"
#include "core/solar/sun_path.h"
#include "tests/core/solar/drawing_probe.h"

namespace vlm {
namespace {

const SunPathGeometry kG = SunPathGeometry::ForPicture(7000, 7000);

void expectGolden(const std::string& name, const std::string& actual) {
  const std::string path = std::string(VLM_TEST_DATA_DIR) + "/" + name;
  if (std::getenv("VLM_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << actual;
    GTEST_SKIP() << "rewrote " << path;
  }
  const std::string expected = testing_probe::readText(path);
  ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
  if (expected == actual) return;
  std::istringstream e(expected), a(actual);
  std::string el, al;
  for (int line = 1;; ++line) {
    const bool moreE = static_cast<bool>(std::getline(e, el));
    const bool moreA = static_cast<bool>(std::getline(a, al));
    if (!moreE && !moreA) break;
    if (el != al || moreE != moreA) {
      ADD_FAILURE() << name << " differs at line " << line << "\n  golden: " << el
                    << "\n  actual: " << al;
      return;
    }
  }
}

TEST(SolarGoldenTest, SeoulSunPathDiagram) {
  RecordingSink sink;
  SunPathPicture picture(kG);
  ASSERT_TRUE(DrawSchart(picture, kG, "37.34", sink));
  expectGolden("sunpath_seoul.txt", picture.withLabels().serialize());
}

struct MaskGolden {
  const char* file;
  int16_t type;
  ShadeInputs inputs;
  friend void PrintTo(const MaskGolden& g, std::ostream* os) { *os << g.file; }
};

class SolarGoldenMaskTest : public ::testing::TestWithParam<MaskGolden> {};

// The outline only: the underlay is the sun-path diagram, checked above and
// compared item by item with the mask's in the shading-mask tests.
TEST_P(SolarGoldenMaskTest, OutlineOverSeoul) {
  const MaskGolden& c = GetParam();
  MaskSummary summary;
  SummariseSite(summary, "서울", "37.34");
  SummariseShade(summary, c.type, c.inputs);
  RecordingSink sink;
  SunPathPicture underlay(kG);
  DrawSunPath(underlay, kG, 37.34f, sink);
  SunPathPicture mask(kG);
  ASSERT_TRUE(DrawShadingMask(mask, kG, c.type, summary, sink));
  EXPECT_TRUE(sink.empty());
  expectGolden(c.file, testing_probe::tail(mask.drawing, underlay.drawing.size()).serialize());
}

INSTANTIATE_TEST_SUITE_P(
    Types, SolarGoldenMaskTest,
    ::testing::Values(MaskGolden{"sunpath_mask_horizontal.txt", 1, {.hv = "45", .hs = "-20"}},
                      MaskGolden{
                          "sunpath_mask_vertical.txt", 2, {.vhw = "30", .vhe = "-45", .vs = "15"}},
                      MaskGolden{"sunpath_mask_combined.txt",
                                 3,
                                 {.hvv = "40", .hvhw = "30", .hvhe = "-30", .hvs = "-10"}}),
    [](const ::testing::TestParamInfo<MaskGolden>& info) {
      return "Type" + std::to_string(info.param.type);
    });

}  // namespace
}  // namespace vlm
