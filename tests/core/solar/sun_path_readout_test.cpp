// Reading the sun-path diagram and the shading mask under the pointer: the
// inverse of the projection, the nearest date curve and solar hour, and which
// sky positions a drawn mask shades, by the worked examples of its outline.
#include "core/solar/sun_path_readout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

constexpr float kSeoul = 37.34f;
// A pixel of the 7000-twip picture shown at about 467 pixels.
constexpr float kPixel = 15.0f;

TEST(SkyPositionAt, InvertsTheProjectionWithinAPixel) {
  const SunPathGeometry g;
  for (const float azimuth : {-179.0f, -120.0f, -45.0f, 0.0f, 30.0f, 90.0f, 150.0f, 180.0f}) {
    for (const float altitude : {0.0f, 10.0f, 33.3f, 60.0f, 89.0f}) {
      const DiagramPoint p = ProjectSunPos(g, azimuth, altitude);
      const auto back = SkyPositionAt(g, p.x, p.y);
      ASSERT_TRUE(back.has_value()) << azimuth << " " << altitude;
      const DiagramPoint again = ProjectSunPos(g, back->azimuth, back->altitude);
      EXPECT_LE(std::hypot(again.x - p.x, again.y - p.y), kPixel) << azimuth << " " << altitude;
      EXPECT_NEAR(back->altitude, altitude, 0.01f);
      // The same direction: azimuths ±180 are one.
      EXPECT_NEAR(std::cos((back->azimuth - azimuth) * kDegToRad), 1.0, 1e-6) << azimuth;
    }
  }
  const auto zenith = SkyPositionAt(g, g.cx, g.cy);
  ASSERT_TRUE(zenith.has_value());
  EXPECT_EQ(zenith->altitude, 90.0f);
  // Beyond the horizon circle there is no sky.
  EXPECT_FALSE(SkyPositionAt(g, g.cx + g.radius + kPixel, g.cy).has_value());
  EXPECT_FALSE(SkyPositionAt(g, 0.0f, 0.0f).has_value());
}

TEST(NearestCurvePlace, FindsTheDateCurveAndSolarTimeUnderThePointer) {
  const SunPathGeometry g;
  const struct {
    std::size_t curve;
    float time;
  } cases[] = {{0, 10.5f}, {4, 15.0f}, {8, 12.0f}, {2, 7.25f}};
  SilentSink silent;
  for (const auto& c : cases) {
    const SunPathDateCurve& curve = kSunPathDateCurves[c.curve];
    const float decl = GetDecl_DOY(GetDOY_MD(curve.month, curve.day, silent));
    const DiagramPoint p =
        ProjectSunPos(g, GetAzi_TDL(c.time, decl, kSeoul), GetAlt_TDL(c.time, decl, kSeoul));
    const auto place = NearestCurvePlace(g, kSeoul, p.x + 5.0f, p.y);
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(place->curve, c.curve) << c.time;
    EXPECT_NEAR(place->solarTime, c.time, 2.0f / 60.0f) << c.curve;
    EXPECT_LE(place->distance, 2 * kPixel);
  }
}

// The worked examples of the mask outlines: a south overhang of 45° (its
// outline crosses the south normal at 45° of altitude), the same on a west
// facade, overhangs of 0° and 88°, fins of ±30° and ±90°, and an egg-crate of
// 45° between ±30° fins.
TEST(IsShaded, AgreesWithTheMaskOutlines) {
  const struct {
    int16_t type;
    ShadeAngles angles;  // v, hw, he, s
    float azimuth, altitude;
    bool shaded;
  } cases[] = {
      {kShadeHorizontal, {45, 0, 0, 0}, 0, 55, true},
      {kShadeHorizontal, {45, 0, 0, 0}, 0, 50, true},
      {kShadeHorizontal, {45, 0, 0, 0}, 0, 44, false},
      {kShadeHorizontal, {45, 0, 0, 0}, 0, 10, false},
      {kShadeHorizontal, {45, 0, 0, 0}, 180, 5, true},
      {kShadeHorizontal, {45, 0, 0, 0}, -90, 10, true},
      {kShadeHorizontal, {45, 0, 0, 0}, 30, 30, false},
      {kShadeHorizontal, {45, 0, 0, 0}, 60, 30, true},  // profile 49°
      {kShadeHorizontal, {45, 0, 0, 90}, 90, 55, true},
      {kShadeHorizontal, {45, 0, 0, 90}, 90, 30, false},
      {kShadeHorizontal, {45, 0, 0, 90}, -90, 30, true},
      {kShadeHorizontal, {0, 0, 0, 0}, 0, 1, true},
      {kShadeHorizontal, {88, 0, 0, 0}, 0, 80, false},
      {kShadeHorizontal, {88, 0, 0, 0}, 170, 80, true},
      {kShadeVertical, {0, 30, -30, 0}, 20, 30, false},
      {kShadeVertical, {0, 30, -30, 0}, 40, 30, true},
      {kShadeVertical, {0, 30, -30, 0}, -40, 30, true},
      {kShadeVertical, {0, 90, -90, 0}, 89, 10, false},
      {kShadeVertical, {0, 90, -90, 0}, 100, 10, true},
      {kShadeVertical, {0, 30, -30, 180}, 175, 10, false},
      {kShadeCombined, {45, 30, -30, 0}, 0, 60, true},
      {kShadeCombined, {45, 30, -30, 0}, 0, 30, false},
      {kShadeCombined, {45, 30, -30, 0}, 45, 30, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsShaded(c.type, c.angles, {c.azimuth, c.altitude}), c.shaded)
        << "type " << c.type << " v " << c.angles.v << " s " << c.angles.s << " at " << c.azimuth
        << "/" << c.altitude;
  }
}

TEST(SunPathReadout, NamesAltitudeAzimuthCurveAndShade) {
  const SunPathGeometry g;
  EXPECT_EQ(SunPathReadout(g, kSeoul, g.cx, g.cy, kPixel * 5, std::nullopt),
            "태양고도 90.0°, 태양방위각 0.0°");
  const DiagramPoint noon = ProjectSunPos(g, 0.0f, 90.0f - kSeoul + 23.45f);
  EXPECT_EQ(SunPathReadout(g, kSeoul, noon.x, noon.y, kPixel * 5,
                           std::pair{kShadeHorizontal, ShadeAngles{45, 0, 0, 0}}),
            "태양고도 76.1°, 태양방위각 0.0° | 6월21일(하지) 12시 0분(태양시) | 음영 생김");
  EXPECT_EQ(SunPathReadout(g, kSeoul, 1.0f, 1.0f, kPixel * 5, std::nullopt), "");
}

}  // namespace
}  // namespace vlm
