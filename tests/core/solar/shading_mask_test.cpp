#include "core/solar/shading_mask.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/solar/drawing_probe.h"

namespace vlm {
namespace {

using testing_probe::arcPoint;
using testing_probe::distance;
using testing_probe::itemsOf;
using testing_probe::P;

const SunPathGeometry kG = SunPathGeometry::ForPicture(7000, 7000);
const double kR = 2905;
const P kCentre{3500, 3500};

MaskSummary summary(std::string v, std::string hw, std::string he, std::string s,
                    std::string lat = "37.34") {
  MaskSummary m;
  m.city = "서울";
  m.latitude = std::move(lat);
  m.v = std::move(v);
  m.hw = std::move(hw);
  m.he = std::move(he);
  m.s = std::move(s);
  return m;
}

Drawing outline(int16_t type, ShadeAngles a) {
  Drawing d(kG.scale());
  DrawMaskOutline(d, kG, type, a);
  return d;
}

void expectArc(const ArcItem& a, P centre, double radius, float start, float end) {
  EXPECT_NEAR(a.cx, centre.x, 0.01);
  EXPECT_NEAR(a.cy, centre.y, 0.01);
  EXPECT_NEAR(a.radius, radius, 0.01);
  EXPECT_NEAR(a.startDeg, start, 1e-3);
  EXPECT_NEAR(a.endDeg, end, 1e-3);
}

// ---- Summary captions ----

TEST(MaskSummaryTest, LeavingTheInputTabCopiesTheTypesTextsAndNAForTheOthers) {
  const ShadeInputs in{"45", "10", "30", "-20", "-5", "60", "35", "-40", "15"};
  MaskSummary m;
  SummariseShade(m, kShadeHorizontal, in);
  EXPECT_EQ(m.device, "수평차양");
  EXPECT_EQ(m.v, "45");
  EXPECT_EQ(m.hw, "N/A");
  EXPECT_EQ(m.he, "N/A");
  EXPECT_EQ(m.s, "10");
  SummariseShade(m, kShadeVertical, in);
  EXPECT_EQ(m.device, "수직차양");
  EXPECT_EQ(m.v, "N/A");
  EXPECT_EQ(m.hw, "30");
  EXPECT_EQ(m.he, "-20");
  EXPECT_EQ(m.s, "-5");
  SummariseShade(m, kShadeCombined, in);
  EXPECT_EQ(m.device, "수평수직차양");
  EXPECT_EQ((std::vector<std::string>{m.v, m.hw, m.he, m.s}),
            (std::vector<std::string>{"60", "35", "-40", "15"}));
  const MaskSummary before = m;
  SummariseShade(m, 4, in);
  EXPECT_EQ(m, before);
}

TEST(MaskSummaryTest, LeavingTheSiteTabCopiesCityAndLatitudeText) {
  MaskSummary m;
  SummariseSite(m, "기타 지역", "41.5");
  EXPECT_EQ(m.city, "기타 지역");
  EXPECT_EQ(m.latitude, "41.5");
}

// ---- Validation ----

struct RefusalCase {
  int16_t type;
  MaskSummary summary;
  std::vector<std::string> lines;
};

class MaskRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(MaskRefusalTest, ReportsTheFirstFailingValueAndDrawsNothing) {
  const RefusalCase& c = GetParam();
  RecordingSink sink;
  SunPathPicture picture(kG);
  ASSERT_TRUE(
      DrawShadingMask(picture, kG, kShadeHorizontal, summary("30", "N/A", "N/A", "0"), sink));
  EXPECT_FALSE(DrawShadingMask(picture, kG, c.type, c.summary, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines, c.lines);
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().icon, MessageIcon::Error);
  EXPECT_FALSE(sink.last().beep);
  EXPECT_TRUE(picture.drawing.empty());
  EXPECT_TRUE(picture.labels.empty());
}

const std::string kEnter = "음영각 정보입력 탭에서 입력하세요.";
const std::string kCorrect = "음영각 정보입력 탭에서 수정하세요.";

INSTANTIATE_TEST_SUITE_P(
    Latitude, MaskRefusalTest,
    ::testing::Values(RefusalCase{1,
                                  summary("45", "N/A", "N/A", "0", "24.99"),
                                  {"위도 입력이 유효하지 않습니다.", "       [25° <= 위도 <= 55°]",
                                   "태양궤적도 탭에서 수정하세요."}},
                      RefusalCase{3,
                                  summary("", "", "", "", ""),
                                  {"위도 입력이 유효하지 않습니다.", "       [25° <= 위도 <= 55°]",
                                   "태양궤적도 탭에서 수정하세요."}},
                      // The latitude is checked before the shade type.
                      RefusalCase{0,
                                  summary("", "", "", "", "55.5"),
                                  {"위도 입력이 유효하지 않습니다.", "       [25° <= 위도 <= 55°]",
                                   "태양궤적도 탭에서 수정하세요."}},
                      RefusalCase{0,
                                  summary("", "", "", ""),
                                  {"차양종류 선택이 유효하지 않습니다.",
                                   "음영각 정보입력 탭에서 차양종류를 선택하세요."}},
                      RefusalCase{4,
                                  summary("45", "30", "-30", "0"),
                                  {"차양종류 선택이 유효하지 않습니다.",
                                   "음영각 정보입력 탭에서 차양종류를 선택하세요."}}));

INSTANTIATE_TEST_SUITE_P(
    NotEntered, MaskRefusalTest,
    ::testing::Values(RefusalCase{1,
                                  summary("", "N/A", "N/A", "0"),
                                  {"수평차양, 수직음영각이 입력되지 않았습니다.",
                                   "[0° <= 수평차양, 수직음영각 <= 90°]", kEnter}},
                      RefusalCase{1,
                                  summary("45", "N/A", "N/A", ""),
                                  {"수평차양, 면방위각이 입력되지 않았습니다.",
                                   "[-180° <= 수평차양, 면방위각 <= 180°]", kEnter}},
                      RefusalCase{2,
                                  summary("N/A", "", "-30", "0"),
                                  {"수직차양, 서향 수평음영각이 입력되지 않았습니다.",
                                   "[0° <= 수직차양, 서향 수평음영각 <= 90°]", kEnter}},
                      RefusalCase{2,
                                  summary("N/A", "30", "", "0"),
                                  {"수직차양, 동향 수평음영각이 입력되지 않았습니다.",
                                   "[-90° <= 수직차양, 동향 수평음영각 <= 0°]", kEnter}},
                      RefusalCase{2,
                                  summary("N/A", "30", "-30", ""),
                                  {"수직차양, 면방위각이 입력되지 않았습니다.",
                                   "[-180° <= 수직차양, 면방위각 <= 180°]", kEnter}},
                      RefusalCase{3,
                                  summary("", "30", "-30", "0"),
                                  {"수평수직차양, 수직음영각이 입력되지 않았습니다.",
                                   "[0° < 수평수직차양, 수직음영각 <= 70°]", kEnter}},
                      RefusalCase{3,
                                  summary("45", "", "-30", "0"),
                                  {"수평수직차양, 서향 수평음영각이 입력되지 않았습니다.",
                                   "[15° <= 수평수직차양, 서향 수평음영각 < 90°]", kEnter}},
                      RefusalCase{3,
                                  summary("45", "30", "", "0"),
                                  {"수평수직차양, 동향 수평음영각이 입력되지 않았습니다.",
                                   "[-90° < 수평수직차양, 동향 수평음영각 <= -15°]", kEnter}},
                      RefusalCase{3,
                                  summary("45", "30", "-30", ""),
                                  {"수평수직차양, 면방위각이 입력되지 않았습니다.",
                                   "[-180° <= 수평수직차양, 면방위각 <= 180°]", kEnter}},
                      // Values are read in the order v, hw, he, s: the first failure is reported.
                      RefusalCase{3,
                                  summary("", "99", "", "999"),
                                  {"수평수직차양, 수직음영각이 입력되지 않았습니다.",
                                   "[0° < 수평수직차양, 수직음영각 <= 70°]", kEnter}}));

INSTANTIATE_TEST_SUITE_P(
    NotValid, MaskRefusalTest,
    ::testing::Values(RefusalCase{1,
                                  summary("90.5", "N/A", "N/A", "0"),
                                  {"수평차양, 수직음영각이 유효하지 않습니다.",
                                   "[0° <= 수평차양, 수직음영각 <= 90°]", kCorrect}},
                      RefusalCase{1,
                                  summary("-1", "N/A", "N/A", "0"),
                                  {"수평차양, 수직음영각이 유효하지 않습니다.",
                                   "[0° <= 수평차양, 수직음영각 <= 90°]", kCorrect}},
                      RefusalCase{1,
                                  summary("45", "N/A", "N/A", "180.5"),
                                  {"수평차양, 면방위각이 유효하지 않습니다.",
                                   "[-180° <= 수평차양, 면방위각 <= 180°]", kCorrect}},
                      RefusalCase{2,
                                  summary("N/A", "91", "-30", "0"),
                                  {"수직차양, 서향 수평음영각이 유효하지 않습니다.",
                                   "[0° <= 수직차양, 서향 수평음영각 <= 90°]", kCorrect}},
                      RefusalCase{2,
                                  summary("N/A", "30", "0.5", "0"),
                                  {"수직차양, 동향 수평음영각이 유효하지 않습니다.",
                                   "[-90° <= 수직차양, 동향 수평음영각 <= 0°]", kCorrect}},
                      RefusalCase{2,
                                  summary("N/A", "30", "-30", "-181"),
                                  {"수직차양, 면방위각이 유효하지 않습니다.",
                                   "[-180° <= 수직차양, 면방위각 <= 180°]", kCorrect}},
                      RefusalCase{3,
                                  summary("0", "30", "-30", "0"),
                                  {"수평수직차양, 수직음영각이 유효하지 않습니다.",
                                   "[0° < 수평수직차양, 수직음영각 <= 70°]", kCorrect}},
                      RefusalCase{3,
                                  summary("70.5", "30", "-30", "0"),
                                  {"수평수직차양, 수직음영각이 유효하지 않습니다.",
                                   "[0° < 수평수직차양, 수직음영각 <= 70°]", kCorrect}},
                      // A caption without a leading number reads as 0.
                      RefusalCase{3,
                                  summary("abc", "30", "-30", "0"),
                                  {"수평수직차양, 수직음영각이 유효하지 않습니다.",
                                   "[0° < 수평수직차양, 수직음영각 <= 70°]", kCorrect}},
                      RefusalCase{3,
                                  summary("45", "90", "-30", "0"),
                                  {"수평수직차양, 서향 수평음영각이 유효하지 않습니다.",
                                   "[15° <= 수평수직차양, 서향 수평음영각 < 90°]", kCorrect}},
                      RefusalCase{3,
                                  summary("45", "14.9", "-30", "0"),
                                  {"수평수직차양, 서향 수평음영각이 유효하지 않습니다.",
                                   "[15° <= 수평수직차양, 서향 수평음영각 < 90°]", kCorrect}},
                      RefusalCase{3,
                                  summary("45", "30", "-90", "0"),
                                  {"수평수직차양, 동향 수평음영각이 유효하지 않습니다.",
                                   "[-90° < 수평수직차양, 동향 수평음영각 <= -15°]", kCorrect}},
                      RefusalCase{3,
                                  summary("45", "30", "-14", "0"),
                                  {"수평수직차양, 동향 수평음영각이 유효하지 않습니다.",
                                   "[-90° < 수평수직차양, 동향 수평음영각 <= -15°]", kCorrect}},
                      RefusalCase{3,
                                  summary("45", "30", "-30", "200"),
                                  {"수평수직차양, 면방위각이 유효하지 않습니다.",
                                   "[-180° <= 수평수직차양, 면방위각 <= 180°]", kCorrect}}));

struct AcceptCase {
  int16_t type;
  MaskSummary summary;
  ShadeAngles angles;
};

TEST(MaskAcceptTest, BoundsOfEachTypeAreAccepted) {
  for (const AcceptCase& c : {
           AcceptCase{1, summary("0", "N/A", "N/A", "-180"), {0, 0, 0, -180}},
           AcceptCase{1, summary("90", "N/A", "N/A", "180"), {90, 0, 0, 180}},
           // A caption of letters reads as 0, which a horizontal shade accepts.
           AcceptCase{1, summary("abc", "N/A", "N/A", "12.5deg"), {0, 0, 0, 12.5f}},
           AcceptCase{2, summary("N/A", "0", "0", "0"), {0, 0, 0, 0}},
           AcceptCase{2, summary("N/A", "90", "-90", "45"), {0, 90, -90, 45}},
           AcceptCase{3, summary("70", "15", "-15", "0"), {70, 15, -15, 0}},
           AcceptCase{3, summary("0.5", "89.9", "-89.9", "-180"), {0.5f, 89.9f, -89.9f, -180}},
       }) {
    RecordingSink sink;
    const auto a = ReadShadeAngles(c.type, c.summary, sink);
    ASSERT_TRUE(a.has_value()) << c.type << " " << c.summary.v;
    EXPECT_TRUE(sink.empty());
    EXPECT_EQ(a->v, c.angles.v);
    EXPECT_EQ(a->hw, c.angles.hw);
    EXPECT_EQ(a->he, c.angles.he);
    EXPECT_EQ(a->s, c.angles.s);
  }
}

TEST(MaskAcceptTest, LatitudeBoundsAreAccepted) {
  for (const char* lat : {"25", "55", "37.34"}) {
    RecordingSink sink;
    EXPECT_TRUE(ReadMaskLatitude(summary("", "", "", "", lat), sink).has_value()) << lat;
    EXPECT_TRUE(sink.empty());
  }
}

TEST(OverhangArcTest, NothingAtNinetyDegrees) {
  Drawing d(kG.scale());
  DrawOverhangOutline(d, kG, 90, -90, 90, 0);
  DrawFinSegments(d, kG, 90, -30, 30, 0);
  EXPECT_TRUE(d.empty());
}

// ---- Outlines ----

// The outline is a polyline of 1° steps from the east end of the facade to its
// west end, closed by the back half of the horizon.
TEST(HorizontalShadeTest, FortyFiveDegreesSouthPolylineThroughHalfTheRadius) {
  const Drawing d = outline(1, {45, 0, 0, 0});
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(lines.size(), 180u);
  EXPECT_NEAR(lines.front().x1, 3500 + kR, 0.05);  // east end
  EXPECT_NEAR(lines.front().y1, 3500, 0.05);
  EXPECT_NEAR(lines[89].x2, 3500, 0.05);  // the normal at 45° of altitude
  EXPECT_NEAR(lines[89].y2, 3500 - kR / 2, 0.05);
  EXPECT_NEAR(lines.back().x2, 3500 - kR, 0.05);  // west end
  EXPECT_NEAR(lines.back().y2, 3500, 0.05);
  const auto arcs = itemsOf<ArcItem>(d);
  ASSERT_EQ(arcs.size(), 2u);
  expectArc(arcs[0], kCentre, kR, 90, 180);  // back half of the horizon
  expectArc(arcs[1], kCentre, kR, 360, 90);
}

TEST(HorizontalShadeTest, ZeroIsTheWholeHorizon) {
  const Drawing d = outline(1, {0, 0, 0, 0});
  const auto circles = itemsOf<CircleItem>(d);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0].cx, 3500.0f);
  EXPECT_EQ(circles[0].radius, 2905.0f);
  EXPECT_EQ(itemsOf<ArcItem>(d).size(), 2u);  // the back half on top of it
}

// Only an overhang of 90° (none at all) is the facade's diameter; at 88° the
// outline still bends down to the facade's ends.
TEST(HorizontalShadeTest, NinetyIsTheFacadeDiameter) {
  const Drawing d = outline(1, {90, 0, 0, 0});
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0].x1, 3500 - kR, 0.01);
  EXPECT_NEAR(lines[0].y1, 3500, 0.01);
  EXPECT_NEAR(lines[0].x2, 3500 + kR, 0.01);
  EXPECT_NEAR(lines[0].y2, 3500, 0.01);
  EXPECT_EQ(itemsOf<ArcItem>(d).size(), 2u);
  EXPECT_EQ(itemsOf<LineItem>(outline(1, {88, 0, 0, 0})).size(), 180u);
}

TEST(HorizontalShadeTest, BackHalfAnglesWrapPastThreeSixty) {
  // An east facade: the back half runs from north round the west to south.
  const auto arcs = itemsOf<ArcItem>(outline(1, {30, 0, 0, -90}));
  ASSERT_EQ(arcs.size(), 2u);
  expectArc(arcs[0], kCentre, kR, 180, 270);
  expectArc(arcs[1], kCentre, kR, 90, 180);  // 450 − 360 to 180
}

TEST(VerticalFinsTest, ThirtyEachSideOpenToTheSouth) {
  const Drawing d = outline(2, {0, 30, -30, 0});
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(lines.size(), 2u);
  const double half = kR / 2, across = kR * std::sqrt(3.0) / 2;
  EXPECT_NEAR(lines[0].x2, 3500 + half, 0.01);  // azimuth −30, towards the east
  EXPECT_NEAR(lines[0].y2, 3500 - across, 0.01);
  EXPECT_NEAR(lines[1].x2, 3500 - half, 0.01);  // azimuth +30
  EXPECT_NEAR(lines[1].y2, 3500 - across, 0.01);
  const auto arcs = itemsOf<ArcItem>(d);
  ASSERT_EQ(arcs.size(), 2u);
  expectArc(arcs[0], kCentre, kR, 90, 240);
  expectArc(arcs[1], kCentre, kR, 300, 90);
}

TEST(VerticalFinsTest, NinetyEachSideIsTheFacadeDiameterAndTheBackHalf) {
  const Drawing d = outline(2, {0, 90, -90, 0});
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0].x1, 3500 - kR, 0.01);
  EXPECT_NEAR(lines[0].x2, 3500 + kR, 0.01);
  const auto arcs = itemsOf<ArcItem>(d);
  ASSERT_EQ(arcs.size(), 2u);
  expectArc(arcs[0], kCentre, kR, 90, 180);
  expectArc(arcs[1], kCentre, kR, 360, 90);
}

TEST(VerticalFinsTest, NoFinsCloseTheWholeHorizon) {
  const Drawing d = outline(2, {0, 0, 0, 0});
  EXPECT_TRUE(itemsOf<LineItem>(d).empty());
  const auto arcs = itemsOf<ArcItem>(d);
  ASSERT_EQ(arcs.size(), 2u);
  expectArc(arcs[0], kCentre, kR, 90, 270);
  expectArc(arcs[1], kCentre, kR, 270, 90);
}

TEST(CombinedShadeTest, FinsRunFromTheOverhangsOutlineToTheHorizon) {
  const Drawing d = outline(3, {45, 30, -30, 0});
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(lines.size(), 2u + 60u);  // the fins, then the overhang between them
  const std::vector<DiagramPoint> overhang = OverhangOutline(kG, 45, -30, 30, 0);
  for (std::size_t i = 0; i < 2; ++i) {
    const DiagramPoint inner = i == 0 ? overhang.back() : overhang.front();
    EXPECT_NEAR(lines[i].x1, inner.x, 0.01);
    EXPECT_NEAR(lines[i].y1, inner.y, 0.01);
    EXPECT_NEAR(distance({lines[i].x2, lines[i].y2}, kCentre), kR, 0.05);
  }
  EXPECT_LT(lines[0].x2, 3500);  // the west fin first
  EXPECT_GT(lines[1].x2, 3500);
}

// Every end of a line or arc of the outline meets another one (or lies on a full
// circle of it): the bold line is closed.
TEST(MaskOutlineTest, EveryOutlineIsClosed) {
  struct Case {
    int16_t type;
    ShadeAngles a;
  };
  for (const Case c :
       {Case{1, {45, 0, 0, 0}}, Case{1, {20, 0, 0, 135}}, Case{1, {60, 0, 0, -180}},
        Case{1, {87.3f, 0, 0, -45}}, Case{1, {88, 0, 0, 70}}, Case{1, {0, 0, 0, 30}},
        Case{2, {0, 30, -30, 0}}, Case{2, {0, 90, -90, -100}}, Case{2, {0, 0, -60, 170}},
        Case{2, {0, 45, 0, -170}}, Case{2, {0, 90, -20, 45}}, Case{3, {45, 30, -30, 0}},
        Case{3, {70, 15, -15, 180}}, Case{3, {5, 89, -89, -90}}, Case{3, {30, 60, -45, 120}}}) {
    const Drawing d = outline(c.type, c.a);
    std::vector<P> ends;
    for (const LineItem& l : itemsOf<LineItem>(d)) {
      ends.push_back({l.x1, l.y1});
      ends.push_back({l.x2, l.y2});
    }
    for (const ArcItem& a : itemsOf<ArcItem>(d)) {
      ends.push_back(arcPoint(a, a.startDeg));
      ends.push_back(arcPoint(a, a.endDeg));
    }
    const auto circles = itemsOf<CircleItem>(d);
    ASSERT_FALSE(ends.empty() && circles.empty());
    for (std::size_t i = 0; i < ends.size(); ++i) {
      bool met = false;
      for (std::size_t j = 0; j < ends.size() && !met; ++j) {
        met = j != i && j / 2 != i / 2 && distance(ends[i], ends[j]) < 0.5;
      }
      for (const CircleItem& k : circles) {
        met = met || std::abs(distance(ends[i], {k.cx, k.cy}) - k.radius) < 0.5;
      }
      EXPECT_TRUE(met) << "type " << c.type << " v " << c.a.v << " hw " << c.a.hw << " he "
                       << c.a.he << " s " << c.a.s << ": open end " << i << " at " << ends[i].x
                       << ", " << ends[i].y;
    }
  }
}

// ---- The whole mask ----

TEST(ShadingMaskTest, OutlineInBoldOverTheSunPathUnderlay) {
  RecordingSink sink;
  SunPathPicture mask(kG);
  std::vector<int> progress;
  ASSERT_TRUE(DrawShadingMask(mask, kG, kShadeCombined, summary("45", "30", "-30", "10"), sink,
                              [&](int p) { progress.push_back(p); }));
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(progress.back(), 0);

  SunPathPicture underlay(kG);
  DrawSunPath(underlay, kG, 37.34f, sink);
  const std::size_t n = underlay.drawing.size();
  ASSERT_GT(mask.drawing.size(), n);
  for (std::size_t i = 0; i < n; ++i) {
    ASSERT_EQ(mask.drawing.items()[i], underlay.drawing.items()[i]) << i;
  }
  EXPECT_EQ(mask.labels, underlay.labels);
  const Drawing outlineOnly = testing_probe::tail(mask.drawing, n);
  EXPECT_EQ(outlineOnly.size(), 64u);  // two fins, 60 steps of overhang, two horizon arcs
  for (const auto& item : outlineOnly.items()) {
    std::visit(
        [](const auto& i) {
          if constexpr (requires { i.pen; }) {
            EXPECT_EQ(i.pen.width, 2.0f);
          }
        },
        item);
  }
  EXPECT_EQ(mask.drawing.penWidth(), 1.0f);
}

TEST(ShadingMaskTest, SummaryNAIsNeverReadForATypeThatDoesNotUseIt) {
  RecordingSink sink;
  SunPathPicture mask(kG);
  EXPECT_TRUE(DrawShadingMask(mask, kG, kShadeVertical, summary("N/A", "30", "-30", "0"), sink));
  EXPECT_TRUE(DrawShadingMask(mask, kG, kShadeHorizontal, summary("45", "N/A", "N/A", "0"), sink));
  EXPECT_TRUE(sink.empty());
}

}  // namespace
}  // namespace vlm
