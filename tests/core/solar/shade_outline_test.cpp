// The overhang's outline on the equidistant diagram is the line of suns whose
// profile angle is v, and the shading predicate calls shaded exactly what the
// drawn outline encloses.
#include <gtest/gtest.h>

#include <cmath>

#include "core/solar/shade_predicate.h"
#include "core/solar/shading_mask.h"
#include "core/solar/sun_path_readout.h"
#include "tests/core/solar/drawing_probe.h"

namespace vlm {
namespace {

using testing_probe::itemsOf;

const SunPathGeometry kG = SunPathGeometry::ForPicture(7000, 7000);
constexpr double kDeg = 3.14159265358979 / 180;

Drawing outline(int16_t type, ShadeAngles a) {
  Drawing d(kG.scale());
  DrawMaskOutline(d, kG, type, a);
  return d;
}

// The sky position a distance `inwards` (user units) nearer the centre than (x, y).
SkyPosition skyNear(float x, float y, double inwards) {
  const double dx = x - kG.cx, dy = y - kG.cy;
  const double r = std::hypot(dx, dy);
  const double k = (r - inwards) / r;
  return *SkyPositionAt(kG, static_cast<float>(kG.cx + dx * k), static_cast<float>(kG.cy + dy * k));
}

double profileOf(SkyPosition p, float s) {
  const double gamma = (p.azimuth - s) * kDeg;
  return std::atan(std::tan(p.altitude * kDeg) / std::cos(gamma)) / kDeg;
}

bool radial(const LineItem& l) {
  return std::abs((l.x1 - kG.cx) * (l.y2 - kG.cy) - (l.y1 - kG.cy) * (l.x2 - kG.cx)) < 1.0;
}

TEST(OverhangOutline, CrossesTheSouthNormalAtItsAltitude) {
  const std::vector<DiagramPoint> p = OverhangOutline(kG, 45, -90, 90, 0);
  ASSERT_EQ(p.size(), 181u);  // 1° steps
  EXPECT_NEAR(p[90].x, kG.cx, 0.01);
  EXPECT_NEAR(kG.cy - p[90].y, 0.5 * kG.radius, 0.05);
  // Its ends are the facade's ends on the horizon.
  EXPECT_NEAR(p.front().x, kG.cx + kG.radius, 0.05);
  EXPECT_NEAR(p.back().x, kG.cx - kG.radius, 0.05);
}

// Every vertex of the drawn overhang has profile angle v; a sun a pixel's
// thirtieth inside any edge of the outline is shaded and one outside is not,
// for the overhang, the fins and the two together.
TEST(OverhangOutline, ProfileAngleAndPredicateAgreeWithTheDrawing) {
  constexpr double kNudge = 1.0;  // user units, 0.03° of altitude
  for (const float v : {10.0f, 30.0f, 45.0f, 60.0f, 80.0f}) {
    for (const float s : {-60.0f, 0.0f, 45.0f}) {
      for (const int16_t type : {kShadeHorizontal, kShadeVertical, kShadeCombined}) {
        const ShadeAngles a{v, 40, -25, s};
        const Shade shade = Shade::Of(type, a);
        int overhangVertices = 0, finLines = 0;
        for (const LineItem& l : itemsOf<LineItem>(outline(type, a))) {
          if (radial(l)) {
            // A fin line: turning off it towards the normal opens the sky
            // (below the overhang), away from it closes it.
            const float mx = (l.x1 + l.x2) / 2, my = (l.y1 + l.y2) / 2;
            const SkyPosition mid = skyNear(mx, my, 0);
            const float towardsNormal = mid.azimuth > s ? -0.05f : 0.05f;
            EXPECT_FALSE(ShadesSun(shade, SkyPosition{mid.azimuth + towardsNormal, mid.altitude}))
                << type << " v " << v << " s " << s;
            EXPECT_TRUE(ShadesSun(shade, SkyPosition{mid.azimuth - towardsNormal, mid.altitude}));
            ++finLines;
            continue;
          }
          const SkyPosition vertex = skyNear(l.x2, l.y2, 0);
          const double gamma = AzimuthFromNormal(vertex.azimuth, s);
          if (vertex.altitude < 0.5f || std::abs(gamma - a.hw) < 0.1 ||
              std::abs(gamma - a.he) < 0.1) {
            continue;  // the horizon ends and the corners at the fins
          }
          EXPECT_NEAR(profileOf(vertex, s), v, 0.05) << "v " << v << " s " << s;
          EXPECT_TRUE(ShadesSun(shade, skyNear(l.x2, l.y2, kNudge))) << v << " " << s;
          EXPECT_FALSE(ShadesSun(shade, skyNear(l.x2, l.y2, -kNudge))) << v << " " << s;
          ++overhangVertices;
        }
        EXPECT_EQ(finLines, type == kShadeHorizontal ? 0 : 2);
        EXPECT_EQ(overhangVertices > 60, type != kShadeVertical) << type;
      }
    }
  }
}

// The readout follows the same test: a 45° overhang on a south facade shades
// a sun at 50° in front of it and leaves one at 40°.
TEST(OverhangOutline, ReadoutFollowsTheProfileAngle) {
  const auto mask = std::pair{kShadeHorizontal, ShadeAngles{45, 0, 0, 0}};
  for (const auto& [altitude, text] :
       {std::pair{50.0f, " | 음영 생김"}, std::pair{40.0f, " | 음영 안 생김"}}) {
    const DiagramPoint p = ProjectSunPos(kG, 0, altitude);
    const std::string readout = SunPathReadout(kG, 37.34f, p.x, p.y, 0, mask);
    EXPECT_TRUE(readout.ends_with(text)) << readout;
  }
}

}  // namespace
}  // namespace vlm
