#include "core/solar/sun_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/solar/solar_pos.h"
#include "tests/core/solar/drawing_probe.h"

namespace vlm {
namespace {

using testing_probe::itemsOf;
using testing_probe::linesIn;

const SunPathGeometry kG = SunPathGeometry::ForPicture(7000, 7000);
const Color kBlack = Color::palette(0);
constexpr float kSeoul = 37.34f;

// The azimuth and altitude that a diagram point stands for, inverting the projection.
struct Sky {
  double azimuth, altitude;
};
Sky skyAt(double x, double y) {
  const double dx = x - kG.cx;
  const double dy = y - kG.cy;
  return Sky{std::atan2(-dx, -dy) * 180 / 3.14159265358979,
             90 - std::hypot(dx, dy) / kG.radius * 90};
}

TEST(SunPathGeometryTest, HorizonRadiusIsPointFourOneFiveOfTheWidth) {
  EXPECT_EQ(kG.radius, 2905.0f);
  EXPECT_EQ(kG.cx, 3500.0f);
  EXPECT_EQ(kG.cy, 3500.0f);
  EXPECT_EQ(kG.scale(), (UserScale{0, 7000, 0, 7000}));
  const SunPathGeometry wide = SunPathGeometry::ForPicture(4000, 3000);
  EXPECT_FLOAT_EQ(wide.radius, 1660.0f);
  EXPECT_EQ(wide.cy, 1500.0f);
}

TEST(ProjectSunPosTest, NorthUpEastRightZenithAtTheCentre) {
  struct Case {
    float azimuth, altitude, x, y;
  };
  const float c = 3500, r = 2905;
  for (const Case k : {Case{0, 90, c, c}, Case{0, 0, c, c - r}, Case{-90, 0, c + r, c},
                       Case{90, 0, c - r, c}, Case{180, 0, c, c + r}, Case{-180, 0, c, c + r},
                       Case{0, 45, c, c - r / 2}, Case{90, 60, c - r / 3, c},
                       // Altitudes are clamped: below the horizon onto the circle.
                       Case{-90, -12, c + r, c}, Case{0, 95, c, c}}) {
    const DiagramPoint p = ProjectSunPos(kG, k.azimuth, k.altitude);
    EXPECT_NEAR(p.x, k.x, 0.01) << k.azimuth << " " << k.altitude;
    EXPECT_NEAR(p.y, k.y, 0.01) << k.azimuth << " " << k.altitude;
  }
}

TEST(SunPathGridTest, NineAltitudeCirclesAndThirtySixRadii) {
  Drawing d(kG.scale());
  DrawSunPathGrid(d, kG);
  const auto circles = itemsOf<CircleItem>(d);
  ASSERT_EQ(circles.size(), 9u);
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_FLOAT_EQ(circles[i].radius, 2905.0f * static_cast<float>(i + 1) / 9);
    EXPECT_EQ(circles[i].pen.color, kBlack);
  }
  const auto radii = itemsOf<LineItem>(d);
  ASSERT_EQ(radii.size(), 36u);
  EXPECT_NEAR(radii[0].x2, 3500, 1e-3);  // 0° points south, straight down
  EXPECT_NEAR(radii[0].y2, 3500 - 2905, 1e-3);
  EXPECT_NEAR(radii[9].x2, 3500 - 2905, 1e-3);  // 90° west, to the left
  for (const LineItem& l : radii) {
    EXPECT_EQ(l.x1, 3500.0f);
    EXPECT_NEAR(std::hypot(l.x2 - 3500.0, l.y2 - 3500.0), 2905, 1e-3);
  }
}

TEST(SunTimesTest, SunriseAndSunsetFromTheHalfDay) {
  const SunTimes june = GetSunTimes(GetDayLen_LD(kSeoul, GetDecl_DOY(172)));
  EXPECT_EQ(june.riseHour, 4);
  EXPECT_NEAR(june.riseMinute, 42.7, 0.05);
  EXPECT_EQ(june.setHour, 19);
  EXPECT_NEAR(june.setMinute, 17.3, 0.05);

  const SunTimes march = GetSunTimes(GetDayLen_LD(kSeoul, GetDecl_DOY(80)));
  EXPECT_EQ(march.riseHour, 6);
  EXPECT_NEAR(march.riseMinute, 1.2, 0.05);
  EXPECT_EQ(march.setHour, 17);
  EXPECT_NEAR(march.setMinute, 58.8, 0.05);
}

TEST(SunTimesTest, WholeHalfDayRisesOnTheHour) {
  // Minute 60 of the hour before becomes minute 0 of the next.
  for (const float length : {12.0f, 10.0f, 14.0f}) {
    const SunTimes t = GetSunTimes(length);
    const auto k = static_cast<int16_t>(length / 2);
    EXPECT_EQ(t.riseHour, 12 - k) << length;
    EXPECT_EQ(t.riseMinute, 0.0f) << length;
    EXPECT_EQ(t.setHour, 12 + k) << length;
    EXPECT_EQ(t.setMinute, 0.0f) << length;
  }
}

TEST(DateCurveTest, SeoulSummerSolsticeRunsFromSunriseToSunset) {
  const Color red = Color::rgb(255, 0, 0);
  Drawing d(kG.scale());
  DrawDateCurve(d, kG, kSeoul, GetDecl_DOY(172), red);

  // A black dot where the sun rises, north of east on the horizon.
  const auto& first = std::get<DotItem>(d.items().front());
  EXPECT_EQ(first.pen.color, kBlack);
  const Sky rise = skyAt(first.x, first.y);
  EXPECT_NEAR(rise.azimuth, -120.0, 0.1);
  EXPECT_NEAR(rise.altitude, 0.0, 0.01);

  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(lines.size() + 1, d.size());
  // One point every three minutes from 4:42.7 to 19:15.7, then sunset at 19:17.3.
  EXPECT_EQ(lines.size(), 6u + 14 * 20 + 6 + 1 - 1);
  for (const LineItem& l : lines) EXPECT_EQ(l.pen.color, red);
  const Sky set = skyAt(lines.back().x2, lines.back().y2);
  EXPECT_NEAR(set.azimuth, 120.0, 0.1);
  EXPECT_NEAR(set.altitude, 0.0, 0.01);

  // Solar noon straight below the centre at altitude 76.1°.
  const auto noon =
      std::find_if(lines.begin(), lines.end(), [](const LineItem& l) { return l.x2 == kG.cx; });
  ASSERT_NE(noon, lines.end());
  EXPECT_NEAR(skyAt(noon->x2, noon->y2).altitude, 76.11, 0.01);
  EXPECT_LT(noon->y2, kG.cy);
}

TEST(DateCurveTest, WholeHalfDayStartsOnTheHourAndNeedsNoClosingSegment) {
  Drawing d(kG.scale());
  DrawDateCurve(d, kG, kSeoul, 0.0f, Color::rgb(0, 255, 255));
  const auto& first = std::get<DotItem>(d.items().front());
  EXPECT_NEAR(first.x, kG.cx + kG.radius, 0.01);  // 6:00 due east
  EXPECT_NEAR(first.y, kG.cy, 0.01);
  const auto lines = itemsOf<LineItem>(d);
  EXPECT_EQ(lines.size(), 12u * 20);                      // 6:00 … 18:00 in three-minute steps
  EXPECT_NEAR(lines.back().x2, kG.cx - kG.radius, 0.01);  // 18:00 due west
  for (const LineItem& l : lines) {
    EXPECT_GT(std::hypot(l.x2 - l.x1, l.y2 - l.y1), 1.0) << "no zero-length segment";
  }
}

TEST(HourLineTest, NoonLineIsTheLowerVerticalRadiusBetweenTheSolsticeNoons) {
  Drawing d(kG.scale());
  DrawHourLine(d, kG, kSeoul, 12);
  const auto dots = itemsOf<DotItem>(d);
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(lines.size(), 184u);  // one point per day from day 172 to day 356
  EXPECT_NEAR(skyAt(dots[0].x, dots[0].y).altitude, 76.11, 0.01);
  EXPECT_NEAR(skyAt(lines.back().x2, lines.back().y2).altitude, 29.215, 0.01);
  // Between the solstice noons: the declination's lowest day, 354.75, lies just
  // before 22 December, so the line turns back by a fraction of a degree at its end.
  const double winterLowest = ProjectSunPos(kG, 0, 90 - kSeoul - 23.45f).y;
  for (const LineItem& l : lines) {
    EXPECT_EQ(l.x1, kG.cx);
    EXPECT_EQ(l.x2, kG.cx);
    EXPECT_LE(l.y2, dots[0].y);
    EXPECT_GE(l.y2, winterLowest - 0.01);
    EXPECT_EQ(l.pen.color, kBlack);
  }
}

TEST(HourLineTest, HoursBeforeSunriseRunAlongTheHorizon) {
  Drawing d(kG.scale());
  DrawHourLine(d, kG, kSeoul, 5);
  const auto lines = itemsOf<LineItem>(d);
  ASSERT_FALSE(lines.empty());
  // On 21 June the sun is up at 5 h; by 22 December it is below the horizon.
  const auto& dot = std::get<DotItem>(d.items().front());
  EXPECT_GT(skyAt(dot.x, dot.y).altitude, 0.5);
  EXPECT_NEAR(skyAt(lines.back().x2, lines.back().y2).altitude, 0.0, 1e-3);
  EXPECT_GT(lines.back().x2, kG.cx);  // still on the eastern side
}

TEST(SunPathTest, SeoulDiagramHoldsGridCurvesAndHourLines) {
  RecordingSink sink;
  SunPathPicture picture(kG);
  std::vector<int> progress;
  DrawSunPath(picture, kG, kSeoul, sink, [&](int p) { progress.push_back(p); });
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(progress, (std::vector<int>{11, 22, 33, 44, 56, 67, 78, 89, 100, 0}));
  EXPECT_EQ(itemsOf<CircleItem>(picture.drawing).size(), 9u);
  EXPECT_EQ(itemsOf<DotItem>(picture.drawing).size(), 9u + 15u);  // one per curve and hour line
  for (const SunPathDateCurve& c : kSunPathDateCurves) {
    EXPECT_FALSE(linesIn(picture.drawing, c.line).empty()) << c.caption;
  }
  EXPECT_EQ(picture.labels, SunPathLabels(kG));
}

TEST(SunPathTest, WinterSolsticeCurveLiesLowest) {
  RecordingSink sink;
  SunPathPicture picture(kG);
  DrawSunPath(picture, kG, kSeoul, sink);
  auto lowest = [&](Color c) {
    float y = 1e9f;
    for (const LineItem& l : linesIn(picture.drawing, c)) y = std::min({y, l.y1, l.y2});
    return y;
  };
  // Within the horizon the curves' lowest points are their noons, nearest the south point.
  const float december = lowest(kSunPathDateCurves[8].line);
  EXPECT_NEAR(skyAt(kG.cx, december).altitude, 29.215, 0.01);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_GT(lowest(kSunPathDateCurves[i].line), december) << kSunPathDateCurves[i].caption;
  }
}

TEST(SunPathTest, DrawingTwiceGivesTheSamePicture) {
  RecordingSink sink;
  SunPathPicture once(kG);
  ASSERT_TRUE(DrawSchart(once, kG, "37.34", sink));
  SunPathPicture twice(kG);
  ASSERT_TRUE(DrawSchart(twice, kG, "37.34", sink));
  ASSERT_TRUE(DrawSchart(twice, kG, "37.34", sink));
  EXPECT_EQ(twice.drawing, once.drawing);
  EXPECT_EQ(twice.labels, once.labels);
}

TEST(SchartLatitudeTest, AcceptsTwentyFiveToFiftyFiveReadingTheLeadingNumber) {
  struct Case {
    const char* text;
    float lat;
  };
  for (const Case c : {Case{"25", 25}, Case{"55", 55}, Case{"37.34", 37.34f},
                       Case{"37.5abc", 37.5f}, Case{" 30", 30}}) {
    RecordingSink sink;
    EXPECT_EQ(ReadSchartLatitude(c.text, sink), c.lat) << c.text;
    EXPECT_TRUE(sink.empty()) << c.text;
  }
}

TEST(SchartLatitudeTest, RefusesOtherTextsWithTheLatitudeMessage) {
  for (const char* text : {"24.99", "55.01", "", "abc", "-37", "위도"}) {
    RecordingSink sink;
    EXPECT_FALSE(ReadSchartLatitude(text, sink).has_value()) << text;
    ASSERT_EQ(sink.size(), 1u) << text;
    EXPECT_EQ(sink.last().title, "에러");
    EXPECT_EQ(sink.last().icon, MessageIcon::Error);
    EXPECT_EQ(sink.last().text(), "위도 입력이 유효하지 않습니다.\r\n       [25°<= 위도 <= 55°]");
  }
}

TEST(SchartLatitudeTest, RefusalLeavesThePictureClear) {
  RecordingSink sink;
  SunPathPicture picture(kG);
  ASSERT_TRUE(DrawSchart(picture, kG, "35.08", sink));
  EXPECT_FALSE(DrawSchart(picture, kG, "24.99", sink));
  EXPECT_TRUE(picture.drawing.empty());
  EXPECT_TRUE(picture.labels.empty());
  EXPECT_EQ(picture.drawing.scale(), kG.scale());
}

TEST(SunPathLabelsTest, CaptionsAndPlacesAroundTheHorizon) {
  const auto labels = SunPathLabels(kG);
  ASSERT_EQ(labels.size(), 9u);
  const float top = kG.cy + kG.radius;
  EXPECT_EQ(labels[0].text, "북(±180°)");
  EXPECT_GT(labels[0].y, top);
  EXPECT_EQ(labels[1].text, "남(태양방위각 0°)");
  EXPECT_LT(labels[1].y, kG.cy - kG.radius);
  EXPECT_EQ(labels[2].text, "  동\r\n(-90°)");
  EXPECT_GT(labels[2].x, kG.cx + kG.radius);
  EXPECT_EQ(labels[3].text, "  서\r\n(+90°)");
  EXPECT_LT(labels[3].x, kG.cx - kG.radius);
  const char* altitudes[] = {"태양고도각 0°", "20°", "40°", "60°", "80°"};
  for (std::size_t i = 0; i < 5; ++i) {
    const PictureLabel& l = labels[4 + i];
    EXPECT_EQ(l.text, altitudes[i]);
    EXPECT_EQ(l.key, "V" + std::to_string(20 * i));
    // Beside the upper vertical radius, just below its altitude circle.
    const double crossing = kG.cy + (90.0 - 20.0 * static_cast<double>(i)) / 90 * kG.radius;
    EXPECT_GT(l.x, kG.cx);
    EXPECT_LT(l.y, crossing);
    EXPECT_GT(l.y, crossing - kG.radius / 9);
    EXPECT_EQ(l.vAlign, VAlign::Top);
  }
  for (const PictureLabel& l : labels) {
    EXPECT_GT(l.x, 0);
    EXPECT_LT(l.x, kG.width);
    EXPECT_GT(l.y, 0);
    EXPECT_LT(l.y, kG.height);
  }
}

TEST(SunPathLabelsTest, ExportedImageCarriesTheLabelsAsTexts) {
  RecordingSink sink;
  SunPathPicture picture(kG);
  ASSERT_TRUE(DrawSchart(picture, kG, "37.34", sink));
  const Drawing image = picture.withLabels();
  const auto texts = itemsOf<TextItem>(image);
  ASSERT_EQ(texts.size(), 9u);
  EXPECT_EQ(texts[2].text, "  동\n(-90°)");
  EXPECT_EQ(image.size(), picture.drawing.size() + 9);
  picture.clear();
  EXPECT_TRUE(itemsOf<TextItem>(picture.withLabels()).empty());
}

TEST(SchartCityTest, ListedCitiesFillAndLockTheLatitude) {
  ASSERT_EQ(kSchartCities.size(), 18u);
  EXPECT_EQ(kSchartCities[kSchartSeoulIndex].name, "서울");
  const auto seoul = ChooseSchartCity(kSchartSeoulIndex);
  ASSERT_TRUE(seoul.has_value());
  EXPECT_EQ(seoul->latitudeText, "37.34");
  EXPECT_FALSE(seoul->latitudeEditable);
  EXPECT_EQ(ChooseSchartCity(12)->latitudeText, "33.31");  // 제주
  const auto other = ChooseSchartCity(kSchartOtherIndex);
  EXPECT_EQ(kSchartCities[kSchartOtherIndex].name, "기타 지역");
  EXPECT_EQ(other->latitudeText, "");
  EXPECT_TRUE(other->latitudeEditable);
  EXPECT_FALSE(ChooseSchartCity(18).has_value());
  // Every listed latitude is one the diagram accepts.
  for (std::size_t i = 0; i < kSchartOtherIndex; ++i) {
    SilentSink sink;
    EXPECT_TRUE(ReadSchartLatitude(kSchartCities[i].latitudeText, sink).has_value()) << i;
  }
}

}  // namespace
}  // namespace vlm
