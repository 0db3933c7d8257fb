#include "core/solar/sun_path.h"

#include <algorithm>
#include <cmath>

#include "core/common/number_parse.h"
#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

const Color kBlack = Color::palette(0);

// Labels keep this far from the circle or radius they name (user units of a
// 7000-twip picture, scaled with the picture).
constexpr float kLabelGapPerWidth = 40.0f / kSunPathPictureSize;
constexpr float kLabelPointSize = 8.0f;

constexpr float kLowestLatitude = 25.0f;
constexpr float kHighestLatitude = 55.0f;

double rad(double degrees) { return degrees * kDegToRad; }

// A polyline that starts with a black dot and continues in segments of its colour.
class Trace {
 public:
  Trace(Drawing& drawing, Color color) : drawing_(drawing), color_(color) {}
  void to(DiagramPoint p) {
    if (started_) {
      drawing_.line(last_.x, last_.y, p.x, p.y, color_);
    } else {
      drawing_.dot(p.x, p.y, kBlack);
      started_ = true;
    }
    last_ = p;
  }

 private:
  Drawing& drawing_;
  Color color_;
  bool started_ = false;
  DiagramPoint last_;
};

DiagramPoint sunAt(const SunPathGeometry& g, float t, float decl, float lat) {
  const float azi = GetAzi_TDL(t, decl, lat);
  const float alt = GetAlt_TDL(t, decl, lat);
  return ProjectSunPos(g, azi, alt);
}

float solarTime(int16_t hour, float minute) { return static_cast<float>(hour + minute / 60.0); }

}  // namespace

SunPathGeometry SunPathGeometry::ForPicture(float width, float height) {
  SunPathGeometry g;
  g.width = width;
  g.height = height;
  g.cx = width / 2;
  g.cy = height / 2;
  g.radius = static_cast<float>(width / 2.0 - 1.7 * (width / 20.0));
  return g;
}

DiagramPoint ProjectSunPos(const SunPathGeometry& g, float azimuth, float altitude) {
  const float alt = std::clamp(altitude, 0.0f, 90.0f);
  const auto r = static_cast<float>((90.0 - alt) / 90.0 * g.radius);
  return PointAlongAzimuth(g, r, azimuth);
}

DiagramPoint PointAlongAzimuth(const SunPathGeometry& g, float d, float azimuth) {
  return DiagramPoint{static_cast<float>(g.cx - d * std::sin(rad(azimuth))),
                      static_cast<float>(g.cy - d * std::cos(rad(azimuth)))};
}

void DrawAzimuthLine(Drawing& drawing, const SunPathGeometry& g, float a, float b) {
  const DiagramPoint end = PointAlongAzimuth(g, g.radius, static_cast<float>(a + b));
  drawing.line(g.cx, g.cy, end.x, end.y, kBlack);
}

void DrawSunPathGrid(Drawing& drawing, const SunPathGeometry& g) {
  for (int i = 1; i <= 9; ++i) {
    drawing.circle(g.cx, g.cy, static_cast<float>(g.radius * i / 9.0), kBlack);
  }
  for (int a = 0; a < 360; a += 10) DrawAzimuthLine(drawing, g, static_cast<float>(a), 0.0f);
}

SunTimes GetSunTimes(float dayLength) {
  const float half = dayLength / 2;
  const auto k = static_cast<int16_t>(std::floor(half));
  const auto m = static_cast<float>((half - k) * 60.0);
  SunTimes times;
  times.riseHour = static_cast<int16_t>(11 - k);
  times.riseMinute = static_cast<float>(60.0 - m);
  if (times.riseMinute == 60.0f) {
    times.riseHour = static_cast<int16_t>(12 - k);
    times.riseMinute = 0.0f;
  }
  times.setHour = static_cast<int16_t>(12 + k);
  times.setMinute = m;
  return times;
}

void DrawDateCurve(Drawing& drawing, const SunPathGeometry& g, float lat, float decl, Color color) {
  const SunTimes times = GetSunTimes(GetDayLen_LD(lat, decl));
  Trace trace(drawing, color);
  bool sampledSunsetHour = false;
  float lastSunsetHourMinute = 0;
  for (int16_t hour = times.riseHour; hour <= times.setHour; ++hour) {
    const float first = hour == times.riseHour ? times.riseMinute : 0.0f;
    const float last = hour == times.setHour ? times.setMinute : 59.0f;
    for (int step = 0;; ++step) {
      const auto minute = static_cast<float>(first + 3.0 * step);
      if (minute > last) break;
      trace.to(sunAt(g, solarTime(hour, minute), decl, lat));
      if (hour == times.setHour) {
        sampledSunsetHour = true;
        lastSunsetHourMinute = minute;
      }
    }
  }
  // The three-minute steps rarely land on sunset itself; close the curve there.
  if (!sampledSunsetHour || lastSunsetHourMinute < times.setMinute) {
    trace.to(sunAt(g, solarTime(times.setHour, times.setMinute), decl, lat));
  }
}

void DrawHourLine(Drawing& drawing, const SunPathGeometry& g, float lat, int16_t hour) {
  Trace trace(drawing, kBlack);
  for (int16_t n = 172; n <= 356; ++n) {
    const DiagramPoint p = sunAt(g, hour, GetDecl_DOY(n), lat);
    trace.to(p);
    if (p.y < 0) break;
  }
}

std::vector<PictureLabel> SunPathLabels(const SunPathGeometry& g) {
  const float gap = g.width * kLabelGapPerWidth;
  const float r = g.radius;
  std::vector<PictureLabel> labels = {
      {"N", "북(±180°)", g.cx, g.cy + r + gap, HAlign::Center, VAlign::Bottom},
      {"S", "남(태양방위각 0°)", g.cx, g.cy - r - gap, HAlign::Center, VAlign::Top},
      {"E", "  동\r\n(-90°)", g.cx + r + gap, g.cy, HAlign::Left, VAlign::Middle},
      {"W", "  서\r\n(+90°)", g.cx - r - gap, g.cy, HAlign::Right, VAlign::Middle},
  };
  // Inside the circle, just below where each altitude circle crosses the radius.
  for (int alt = 0; alt <= 80; alt += 20) {
    const auto crossing = static_cast<float>(g.cy + (90.0 - alt) / 90.0 * r);
    const std::string degrees = std::to_string(alt) + "°";
    labels.push_back({"V" + std::to_string(alt), alt == 0 ? "태양고도각 " + degrees : degrees,
                      g.cx + gap, crossing - gap, HAlign::Left, VAlign::Top});
  }
  return labels;
}

void SunPathPicture::clear() {
  drawing.clear();
  labels.clear();
}

Drawing SunPathPicture::withLabels() const {
  Drawing out = drawing;
  for (const PictureLabel& label : labels) {
    std::string text = label.text;
    for (auto pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", pos)) {
      text.erase(pos, 1);
    }
    out.text(TextItem{label.x, label.y, text, kBlack, kLabelPointSize, false, label.hAlign,
                      label.vAlign});
  }
  return out;
}

void DrawSunPath(SunPathPicture& picture, const SunPathGeometry& g, float lat, MessageSink& sink,
                 const ProgressFn& progress) {
  Drawing& drawing = picture.drawing;
  DrawSunPathGrid(drawing, g);
  for (std::size_t i = 0; i < kSunPathDateCurves.size(); ++i) {
    if (progress) progress(static_cast<int>(std::lround(100.0 * static_cast<double>(i + 1) / 9.0)));
    const SunPathDateCurve& curve = kSunPathDateCurves[i];
    const int16_t n = GetDOY_MD(curve.month, curve.day, sink);
    if (n == 0) return;
    DrawDateCurve(drawing, g, lat, GetDecl_DOY(n), curve.line);
  }
  for (int16_t hour = 5; hour <= 19; ++hour) DrawHourLine(drawing, g, lat, hour);
  picture.labels = SunPathLabels(g);
  if (progress) progress(0);
}

Message SchartLatitudeMessage() {
  return errorMessage({"위도 입력이 유효하지 않습니다.", "       [25°<= 위도 <= 55°]"});
}

std::optional<float> ReadSchartLatitude(std::string_view text, MessageSink& sink) {
  const auto lat = static_cast<float>(LeadingNumber(text));
  if (lat < kLowestLatitude || lat > kHighestLatitude) {
    sink.show(SchartLatitudeMessage());
    return std::nullopt;
  }
  return lat;
}

bool DrawSchart(SunPathPicture& picture, const SunPathGeometry& g, std::string_view latitudeText,
                MessageSink& sink, const ProgressFn& progress) {
  picture.clear();
  const std::optional<float> lat = ReadSchartLatitude(latitudeText, sink);
  if (!lat) return false;
  DrawSunPath(picture, g, *lat, sink, progress);
  return true;
}

std::optional<SchartCityChoice> ChooseSchartCity(std::size_t index) {
  if (index >= kSchartCities.size()) return std::nullopt;
  if (index == kSchartOtherIndex) return SchartCityChoice{"", true};
  return SchartCityChoice{std::string(kSchartCities[index].latitudeText), false};
}

}  // namespace vlm
