#include "core/solar/shading_mask.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "core/common/number_parse.h"
#include "core/solar/shade_predicate.h"
#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

const Color kBlack = Color::palette(0);

constexpr const char* kNotApplicable = "N/A";
constexpr const char* kEnterOnInputTab = "음영각 정보입력 탭에서 입력하세요.";
constexpr const char* kCorrectOnInputTab = "음영각 정보입력 탭에서 수정하세요.";

// The overhang's outline is sampled at least this often, in degrees of azimuth.
constexpr double kOutlineStep = 1.0;

enum class Angle { V, Hw, He, S };

// An accepted range lo … hi; an open end excludes its bound.
struct AngleRule {
  Angle angle;
  const char* notEntered;
  const char* notValid;
  const char* range;
  float lo, hi;
  bool loOpen = false, hiOpen = false;

  [[nodiscard]] bool accepts(float x) const {
    const bool aboveLo = loOpen ? x > lo : x >= lo;
    const bool belowHi = hiOpen ? x < hi : x <= hi;
    return aboveLo && belowHi;
  }
};

constexpr std::array<AngleRule, 2> kHorizontalRules = {{
    {Angle::V, "수평차양, 수직음영각이 입력되지 않았습니다.",
     "수평차양, 수직음영각이 유효하지 않습니다.", "[0° <= 수평차양, 수직음영각 <= 90°]", 0, 90},
    {Angle::S, "수평차양, 면방위각이 입력되지 않았습니다.",
     "수평차양, 면방위각이 유효하지 않습니다.", "[-180° <= 수평차양, 면방위각 <= 180°]", -180, 180},
}};

constexpr std::array<AngleRule, 3> kVerticalRules = {{
    {Angle::Hw, "수직차양, 서향 수평음영각이 입력되지 않았습니다.",
     "수직차양, 서향 수평음영각이 유효하지 않습니다.", "[0° <= 수직차양, 서향 수평음영각 <= 90°]",
     0, 90},
    {Angle::He, "수직차양, 동향 수평음영각이 입력되지 않았습니다.",
     "수직차양, 동향 수평음영각이 유효하지 않습니다.", "[-90° <= 수직차양, 동향 수평음영각 <= 0°]",
     -90, 0},
    {Angle::S, "수직차양, 면방위각이 입력되지 않았습니다.",
     "수직차양, 면방위각이 유효하지 않습니다.", "[-180° <= 수직차양, 면방위각 <= 180°]", -180, 180},
}};

constexpr std::array<AngleRule, 4> kCombinedRules = {{
    {Angle::V, "수평수직차양, 수직음영각이 입력되지 않았습니다.",
     "수평수직차양, 수직음영각이 유효하지 않습니다.", "[0° < 수평수직차양, 수직음영각 <= 70°]", 0,
     70, true, false},
    {Angle::Hw, "수평수직차양, 서향 수평음영각이 입력되지 않았습니다.",
     "수평수직차양, 서향 수평음영각이 유효하지 않습니다.",
     "[15° <= 수평수직차양, 서향 수평음영각 < 90°]", 15, 90, false, true},
    {Angle::He, "수평수직차양, 동향 수평음영각이 입력되지 않았습니다.",
     "수평수직차양, 동향 수평음영각이 유효하지 않습니다.",
     "[-90° < 수평수직차양, 동향 수평음영각 <= -15°]", -90, -15, true, false},
    {Angle::S, "수평수직차양, 면방위각이 입력되지 않았습니다.",
     "수평수직차양, 면방위각이 유효하지 않습니다.", "[-180° <= 수평수직차양, 면방위각 <= 180°]",
     -180, 180},
}};

std::span<const AngleRule> rulesOf(int16_t shadeType) {
  switch (shadeType) {
    case kShadeHorizontal:
      return kHorizontalRules;
    case kShadeVertical:
      return kVerticalRules;
    case kShadeCombined:
      return kCombinedRules;
    default:
      return {};
  }
}

const std::string& captionOf(const MaskSummary& summary, Angle angle) {
  switch (angle) {
    case Angle::V:
      return summary.v;
    case Angle::Hw:
      return summary.hw;
    case Angle::He:
      return summary.he;
    case Angle::S:
      break;
  }
  return summary.s;
}

float& valueOf(ShadeAngles& angles, Angle angle) {
  switch (angle) {
    case Angle::V:
      return angles.v;
    case Angle::Hw:
      return angles.hw;
    case Angle::He:
      return angles.he;
    case Angle::S:
      break;
  }
  return angles.s;
}

double rad(double degrees) { return degrees * kDegToRad; }

// Circle-angles computed from a facade azimuth are brought back into 0 … 360 only
// on the side where each formula can leave it.
float wrapBelow360(double angle) { return static_cast<float>(angle > 360 ? angle - 360 : angle); }
float wrapAbove0(double angle) { return static_cast<float>(angle < 0 ? angle + 360 : angle); }

void drawFacadeDiameter(Drawing& drawing, const SunPathGeometry& g, float s) {
  const double r = g.radius;
  drawing.line(static_cast<float>(g.cx - r * std::cos(rad(s))),
               static_cast<float>(g.cy + r * std::sin(rad(s))),
               static_cast<float>(g.cx + r * std::cos(rad(s))),
               static_cast<float>(g.cy - r * std::sin(rad(s))), kBlack);
}

// The horizon behind the facade, from one end of the facade plane to the other.
void drawBackHalf(Drawing& drawing, const SunPathGeometry& g, float s) {
  drawing.arc(g.cx, g.cy, g.radius, wrapAbove0(90.0 - s), wrapBelow360(180.0 - s), kBlack);
  drawing.arc(g.cx, g.cy, g.radius, wrapBelow360(360.0 - s), wrapAbove0(90.0 - s), kBlack);
}

// The horizon outside the open sector between the fins: from behind the facade
// round the west side to the west fin, and from the east fin round to behind it.
void drawOutsideFins(Drawing& drawing, const SunPathGeometry& g, const ShadeAngles& a) {
  drawing.arc(g.cx, g.cy, g.radius, wrapAbove0(90.0 - a.s), wrapBelow360(270.0 - a.s - a.hw),
              kBlack);
  drawing.arc(g.cx, g.cy, g.radius, wrapBelow360(270.0 - a.s - a.he), wrapAbove0(90.0 - a.s),
              kBlack);
}

// An overhang of 90° is no overhang: its outline runs through the zenith along
// the facade plane.
void drawHorizontalOutline(Drawing& drawing, const SunPathGeometry& g, const ShadeAngles& a) {
  if (a.v == 0.0f) {
    drawing.circle(g.cx, g.cy, g.radius, kBlack);
  } else if (a.v < 90.0f) {
    DrawOverhangOutline(drawing, g, a.v, -90.0f, 90.0f, a.s);
  } else {
    drawFacadeDiameter(drawing, g, a.s);
  }
  drawBackHalf(drawing, g, a.s);
}

void drawVerticalOutline(Drawing& drawing, const SunPathGeometry& g, const ShadeAngles& a) {
  if (a.he == -90.0f && a.hw == 90.0f) {
    drawFacadeDiameter(drawing, g, a.s);
  } else if (a.he != 0.0f || a.hw != 0.0f) {
    DrawAzimuthLine(drawing, g, a.he, a.s);
    DrawAzimuthLine(drawing, g, a.hw, a.s);
  }
  drawOutsideFins(drawing, g, a);
}

void drawCombinedOutline(Drawing& drawing, const SunPathGeometry& g, const ShadeAngles& a) {
  DrawFinSegments(drawing, g, a.v, a.he, a.hw, a.s);
  DrawOverhangOutline(drawing, g, a.v, a.he, a.hw, a.s);
  drawOutsideFins(drawing, g, a);
}

Message maskLatitudeMessage() {
  return errorMessage({"위도 입력이 유효하지 않습니다.", "       [25° <= 위도 <= 55°]",
                       "태양궤적도 탭에서 수정하세요."});
}

Message shadeTypeMessage() {
  return errorMessage(
      {"차양종류 선택이 유효하지 않습니다.", "음영각 정보입력 탭에서 차양종류를 선택하세요."});
}

}  // namespace

std::string_view ShadeTypeName(int16_t shadeType) {
  switch (shadeType) {
    case kShadeHorizontal:
      return "수평차양";
    case kShadeVertical:
      return "수직차양";
    case kShadeCombined:
      return "수평수직차양";
    default:
      return "";
  }
}

ShadeInputs InputsOfType(int16_t shadeType, const std::string& v, const std::string& hw,
                         const std::string& he, const std::string& s) {
  ShadeInputs in;
  switch (shadeType) {
    case kShadeHorizontal:
      in.hv = v;
      in.hs = s;
      break;
    case kShadeVertical:
      in.vhw = hw;
      in.vhe = he;
      in.vs = s;
      break;
    case kShadeCombined:
      in.hvv = v;
      in.hvhw = hw;
      in.hvhe = he;
      in.hvs = s;
      break;
    default:
      break;
  }
  return in;
}

void SummariseSite(MaskSummary& summary, std::string_view city, std::string_view latitudeText) {
  summary.city = city;
  summary.latitude = latitudeText;
}

void SummariseShade(MaskSummary& summary, int16_t shadeType, const ShadeInputs& in) {
  switch (shadeType) {
    case kShadeHorizontal:
      summary.v = in.hv;
      summary.hw = kNotApplicable;
      summary.he = kNotApplicable;
      summary.s = in.hs;
      break;
    case kShadeVertical:
      summary.v = kNotApplicable;
      summary.hw = in.vhw;
      summary.he = in.vhe;
      summary.s = in.vs;
      break;
    case kShadeCombined:
      summary.v = in.hvv;
      summary.hw = in.hvhw;
      summary.he = in.hvhe;
      summary.s = in.hvs;
      break;
    default:
      return;
  }
  summary.device = ShadeTypeName(shadeType);
}

std::optional<float> ReadMaskLatitude(const MaskSummary& summary, MessageSink& sink) {
  const auto lat = static_cast<float>(LeadingNumber(summary.latitude));
  if (lat < 25.0f || lat > 55.0f) {
    sink.show(maskLatitudeMessage());
    return std::nullopt;
  }
  return lat;
}

std::optional<ShadeAngles> ReadShadeAngles(int16_t shadeType, const MaskSummary& summary,
                                           MessageSink& sink) {
  const std::span<const AngleRule> rules = rulesOf(shadeType);
  if (rules.empty()) {
    sink.show(shadeTypeMessage());
    return std::nullopt;
  }
  ShadeAngles angles;
  for (const AngleRule& rule : rules) {
    const std::string& caption = captionOf(summary, rule.angle);
    if (caption.empty()) {
      sink.show(errorMessage({rule.notEntered, rule.range, kEnterOnInputTab}));
      return std::nullopt;
    }
    const auto value = static_cast<float>(LeadingNumber(caption));
    if (!rule.accepts(value)) {
      sink.show(errorMessage({rule.notValid, rule.range, kCorrectOnInputTab}));
      return std::nullopt;
    }
    valueOf(angles, rule.angle) = value;
  }
  return angles;
}

std::vector<DiagramPoint> OverhangOutline(const SunPathGeometry& g, float v, float p, float q,
                                          float s) {
  const double sweep = static_cast<double>(q) - p;
  const int steps = std::max(1, static_cast<int>(std::ceil(sweep / kOutlineStep)));
  std::vector<DiagramPoint> points;
  points.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    // The last vertex is q itself, not p plus the summed steps.
    const double gamma = i == steps ? q : p + sweep * i / steps;
    const auto altitude = static_cast<float>(AltitudeOfProfile(v, gamma));
    points.push_back(ProjectSunPos(g, static_cast<float>(s + gamma), altitude));
  }
  return points;
}

void DrawOverhangOutline(Drawing& drawing, const SunPathGeometry& g, float v, float p, float q,
                         float s) {
  if (v == 90.0f) return;
  const std::vector<DiagramPoint> points = OverhangOutline(g, v, p, q, s);
  for (std::size_t i = 1; i < points.size(); ++i) {
    drawing.line(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, kBlack);
  }
}

void DrawFinSegments(Drawing& drawing, const SunPathGeometry& g, float v, float he, float hw,
                     float s) {
  if (v == 90.0f) return;
  for (const float fin : {hw, he}) {
    const auto azimuth = static_cast<float>(static_cast<double>(s) + fin);
    const DiagramPoint inner =
        ProjectSunPos(g, azimuth, static_cast<float>(AltitudeOfProfile(v, fin)));
    const DiagramPoint outer = PointAlongAzimuth(g, g.radius, azimuth);
    drawing.line(inner.x, inner.y, outer.x, outer.y, kBlack);
  }
}

void DrawMaskOutline(Drawing& drawing, const SunPathGeometry& g, int16_t shadeType,
                     const ShadeAngles& angles) {
  switch (shadeType) {
    case kShadeHorizontal:
      drawHorizontalOutline(drawing, g, angles);
      break;
    case kShadeVertical:
      drawVerticalOutline(drawing, g, angles);
      break;
    case kShadeCombined:
      drawCombinedOutline(drawing, g, angles);
      break;
    default:
      break;
  }
}

bool DrawShadingMask(SunPathPicture& picture, const SunPathGeometry& g, int16_t shadeType,
                     const MaskSummary& summary, MessageSink& sink, const ProgressFn& progress,
                     const std::function<void(Drawing&)>& underOutline) {
  picture.clear();
  Drawing& drawing = picture.drawing;
  drawing.setPenWidth(1);
  const std::optional<float> lat = ReadMaskLatitude(summary, sink);
  if (!lat) return false;
  const std::optional<ShadeAngles> angles = ReadShadeAngles(shadeType, summary, sink);
  if (!angles) return false;
  DrawSunPath(picture, g, *lat, sink, progress);
  if (underOutline) underOutline(drawing);
  drawing.setPenWidth(2);
  DrawMaskOutline(drawing, g, shadeType, *angles);
  drawing.setPenWidth(1);
  return true;
}

}  // namespace vlm
