// The horizontal-projection sun-path diagram: altitude circles and azimuth lines,
// nine date curves and fifteen hour lines in apparent solar time, drawn on an
// equidistant polar projection of the sky seen from above, north up. South
// (A = 0) lies straight below the centre, east to the right, west to the left;
// the zenith is the centre and the horizon a circle of radius R.
//
// The sun-path screen and the shading mask share this drawing: a page reads its
// controls, calls DrawSchart (or DrawShadingMask, shading_mask.h) with its
// SunPathPicture and shows the picture's drawing and labels.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/message.h"
#include "core/draw/drawing.h"

namespace vlm {

// Size of both diagram pictures, in twips.
inline constexpr float kSunPathPictureSize = 7000.0f;

// Centre and horizon radius of a diagram picture of width × height, whose user
// scale runs from (0, height) at the top left to (width, 0) at the bottom right.
struct SunPathGeometry {
  float width = kSunPathPictureSize;
  float height = kSunPathPictureSize;
  float cx = kSunPathPictureSize / 2;
  float cy = kSunPathPictureSize / 2;
  float radius = 2905.0f;  // R = W/2 − 1.7·(W/20) = 0.415·W

  [[nodiscard]] static SunPathGeometry ForPicture(float width, float height);
  [[nodiscard]] UserScale scale() const { return UserScale{0, width, 0, height}; }
};

struct DiagramPoint {
  float x = 0, y = 0;
  bool operator==(const DiagramPoint&) const = default;
};

// The picture position of the sun at azimuth A and altitude α: r = (90 − α)/90·R,
// x = cx − r·sin A, y = cy − r·cos A. α is clamped to 0 … 90 first, so a sun below
// the horizon lands on the horizon circle.
[[nodiscard]] DiagramPoint ProjectSunPos(const SunPathGeometry& g, float azimuth, float altitude);
// The point at distance d from the centre along azimuth a.
[[nodiscard]] DiagramPoint PointAlongAzimuth(const SunPathGeometry& g, float d, float azimuth);

// One black radius of the horizon circle at azimuth a + b.
void DrawAzimuthLine(Drawing& drawing, const SunPathGeometry& g, float a, float b);
// Nine thin black altitude circles (80°, 70°, … 0°) and 36 azimuth lines every 10°.
void DrawSunPathGrid(Drawing& drawing, const SunPathGeometry& g);

// A date curve of the diagram, with its legend entry. The declination repeats on a
// second date of the year, so the caption names the pair of dates.
struct SunPathDateCurve {
  int16_t month;
  int16_t day;
  Color line;
  std::string_view caption;
  Color swatch;
};

// The nine curves from the summer to the winter solstice, top to bottom of the legend.
inline constexpr std::array<SunPathDateCurve, 9> kSunPathDateCurves = {{
    {6, 21, Color{-1, 255, 0, 0}, "6월21일(하지)", Color{-1, 255, 0, 0}},
    {5, 21, Color{-1, 255, 128, 0}, "5월21일, 7월23일", Color{-1, 255, 128, 0}},
    {4, 20, Color{-1, 192, 192, 0}, "4월20일, 8월23일", Color{-1, 255, 255, 0}},
    {4, 5, Color{-1, 0, 255, 0}, "4월5일, 9월8일", Color{-1, 0, 255, 0}},
    {3, 21, Color{-1, 0, 255, 255}, "3월21일, 9월23일", Color{-1, 0, 255, 255}},
    {3, 5, Color{-1, 255, 128, 255}, "3월5일, 10월10일", Color{-1, 255, 128, 255}},
    {2, 19, Color{-1, 192, 0, 192}, "2월19일, 10월23일", Color{-1, 192, 0, 192}},
    {1, 20, Color{-1, 128, 128, 255}, "1월20일, 11월23일", Color{-1, 128, 128, 255}},
    {12, 22, Color{-1, 0, 0, 192}, "12월22일(동지)", Color{-1, 0, 0, 192}},
}};

// The legend's fixed texts around the swatches.
inline constexpr std::string_view kSunPathLegendDates = "(1) 날짜선 구분(위로 부터)";
inline constexpr std::string_view kSunPathLegendHours = "(2) 시간선 구분(태양시)";
inline constexpr std::string_view kSunPathLegendHourText =
    "우->좌 : 5시->19시\r\n12시 : 남중\r\n(태양방위각 0°)";
inline constexpr std::string_view kSunPathLegendAngles =
    "(3) 태양방위각 : -180~180°\r\n\r\n(4) 태양고도각 : 0~90°";

// Sunrise and sunset in whole solar hours and (fractional) minutes.
struct SunTimes {
  int16_t riseHour = 0;
  float riseMinute = 0;
  int16_t setHour = 0;
  float setMinute = 0;
};

// From the day length D: half-day h = D/2 with k whole hours and m minutes; sunrise
// at (11 − k):(60 − m), which becomes (12 − k):00 when m is 0; sunset at (12 + k):m.
[[nodiscard]] SunTimes GetSunTimes(float dayLength);

// One date curve for declination δ: a black dot at sunrise, then segments in `color`
// through every third minute of the day and a last one to the exact sunset.
void DrawDateCurve(Drawing& drawing, const SunPathGeometry& g, float lat, float decl, Color color);
// The black line of solar hour d through the sun's positions from 21 June (day 172)
// to 22 December (day 356), one point per day.
void DrawHourLine(Drawing& drawing, const SunPathGeometry& g, float lat, int16_t hour);

// A label that a diagram picture shows over its drawing.
struct PictureLabel {
  std::string key;     // "N", "S", "E", "W", "V0", "V20", "V40", "V60", "V80"
  std::string text;    // the caption, CR LF between its lines
  float x = 0, y = 0;  // anchor in user coordinates
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  bool operator==(const PictureLabel&) const = default;
};

// The direction labels around the horizon circle and the altitude labels beside
// the upper vertical radius where the 0°, 20°, 40°, 60° and 80° circles cross it.
[[nodiscard]] std::vector<PictureLabel> SunPathLabels(const SunPathGeometry& g);

// What one diagram picture shows: its drawing and, while a finished diagram is on
// it, its labels.
struct SunPathPicture {
  Drawing drawing;
  std::vector<PictureLabel> labels;  // empty while the labels are hidden

  explicit SunPathPicture(const SunPathGeometry& g) : drawing(g.scale()) {}
  // Erases the drawing and hides the labels.
  void clear();
  // The drawing with the shown labels as texts, for an image file.
  [[nodiscard]] Drawing withLabels() const;
};

// Progress of a drawing, 0 … 100, for the page's progress bar.
using ProgressFn = std::function<void(int)>;

// The whole diagram for latitude φ on the picture: grid, the nine date curves
// (progress 100·i/9 after each), the fifteen hour lines 5 h … 19 h, then the labels
// shown and the progress back at 0. A fault in the solar functions throws
// ComputeError and leaves what was drawn so far.
void DrawSunPath(SunPathPicture& picture, const SunPathGeometry& g, float lat, MessageSink& sink,
                 const ProgressFn& progress = {});

// The latitude of the sun-path tab's text box: its leading number; outside 25 … 55
// the latitude message and nullopt.
[[nodiscard]] std::optional<float> ReadSchartLatitude(std::string_view text, MessageSink& sink);

// The sun-path tab's draw button: clears the picture and, when the latitude text is
// valid, draws the diagram. False after the latitude message (the picture stays clear).
bool DrawSchart(SunPathPicture& picture, const SunPathGeometry& g, std::string_view latitudeText,
                MessageSink& sink, const ProgressFn& progress = {});

// An entry of the city list: its name and the latitude text it puts in the box.
struct SchartCity {
  std::string_view name;
  std::string_view latitudeText;
};

inline constexpr std::size_t kSchartSeoulIndex = 8;
inline constexpr std::size_t kSchartOtherIndex = 17;
inline constexpr std::array<SchartCity, 18> kSchartCities = {{
    {"강릉", "37.45"},
    {"광주", "35.08"},
    {"군산", "35.59"},
    {"대구", "35.53"},
    {"대전", "36.18"},
    {"목포", "34.47"},
    {"부산", "35.06"},
    {"서산", "36.47"},
    {"서울", "37.34"},
    {"수원", "37.16"},
    {"인천", "37.29"},
    {"전주", "35.49"},
    {"제주", "33.31"},
    {"진주", "35.11"},
    {"청주", "36.38"},
    {"춘천", "37.54"},
    {"포항", "36.02"},
    {"기타 지역", ""},
}};

// The latitude box after a city is picked: a listed city writes its latitude and
// locks the box; "기타 지역" empties it and opens it for typing (and takes the focus).
struct SchartCityChoice {
  std::string latitudeText;
  bool latitudeEditable = false;
};
[[nodiscard]] std::optional<SchartCityChoice> ChooseSchartCity(std::size_t index);

// The sun-path tab's latitude message.
[[nodiscard]] Message SchartLatitudeMessage();

}  // namespace vlm
