// Shading masks of a window's shading device over the sun-path diagram: the bold
// outline encloses the sky from which the device keeps the sun off the window.
//
// Angles in degrees, azimuths from south, negative towards the east:
//   v   vertical shading angle (profile angle) of a horizontal shade;
//   hw  west horizontal shading angle of vertical fins, relative to the facade normal (≥ 0);
//   he  east horizontal shading angle (≤ 0);
//   s   facade azimuth, the azimuth of the facade's outward normal.
// Arcs follow the picture's circle-angle convention: counterclockwise from the
// rightward direction, so the direction of azimuth A has the circle-angle 270 − A.
//
// The mask tab reads its values from the summary captions, which the page fills
// when the user leaves the site tab (SummariseSite) and the input tab
// (SummariseShade); DrawShadingMask validates them and draws.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/message.h"
#include "core/draw/drawing.h"
#include "core/solar/sun_path.h"

namespace vlm {

inline constexpr int16_t kShadeHorizontal = 1;  // overhang (or a building's elevation)
inline constexpr int16_t kShadeVertical = 2;    // fins (or a building's plan)
inline constexpr int16_t kShadeCombined = 3;    // overhang between fins, the egg-crate

// The name of a shade type in the summary ("수평차양", "수직차양", "수평수직차양"), or ""
// for a number that is no shade type.
[[nodiscard]] std::string_view ShadeTypeName(int16_t shadeType);

// The texts of the input tab's nine boxes.
struct ShadeInputs {
  std::string hv{}, hs{};                    // horizontal shade: v, s
  std::string vhw{}, vhe{}, vs{};            // vertical fins: hw, he, s
  std::string hvv{}, hvhw{}, hvhe{}, hvs{};  // combined: v, hw, he, s
};

// The input boxes of one shade type holding these texts, the other types' empty.
[[nodiscard]] ShadeInputs InputsOfType(int16_t shadeType, const std::string& v,
                                       const std::string& hw, const std::string& he,
                                       const std::string& s);

// The captions of the mask tab's summary.
struct MaskSummary {
  std::string city, latitude, device, v, hw, he, s;
  bool operator==(const MaskSummary&) const = default;
};

// Leaving the site tab: the chosen list entry and the latitude text.
void SummariseSite(MaskSummary& summary, std::string_view city, std::string_view latitudeText);
// Leaving the input tab: the type's name and texts, "N/A" for the angles it does not
// use. A number that is no shade type leaves the summary as it was.
void SummariseShade(MaskSummary& summary, int16_t shadeType, const ShadeInputs& inputs);

struct ShadeAngles {
  float v = 0, hw = 0, he = 0, s = 0;
};

// The latitude caption's leading number; outside 25 … 55 the mask's latitude message.
[[nodiscard]] std::optional<float> ReadMaskLatitude(const MaskSummary& summary, MessageSink& sink);
// The angles the type uses, in the order v, hw, he, s: the first one not entered or
// out of its range reports its message and gives nullopt, as does an unknown type.
// A caption without a leading number reads as 0.
[[nodiscard]] std::optional<ShadeAngles> ReadShadeAngles(int16_t shadeType,
                                                         const MaskSummary& summary,
                                                         MessageSink& sink);

// The overhang's outline for vertical angle v (0 ≤ v < 90) between the
// azimuths p (≤ 0) and q (≥ 0) from the normal of a facade of azimuth s: the
// suns whose profile angle is v, α = arctan(tan v · cos γ), from p to q in
// equal steps of at most 1°. Drawn on the equidistant diagram it crosses the
// normal at altitude v, and a 90° sweep each side ends on the horizon at the
// facade's ends.
[[nodiscard]] std::vector<DiagramPoint> OverhangOutline(const SunPathGeometry& g, float v, float p,
                                                        float q, float s);
// That outline as a polyline; nothing for v = 90.
void DrawOverhangOutline(Drawing& drawing, const SunPathGeometry& g, float v, float p, float q,
                         float s);
// The two fin lines of a combined shade from the overhang's outline out to the
// horizon, west first; nothing for v = 90.
void DrawFinSegments(Drawing& drawing, const SunPathGeometry& g, float v, float he, float hw,
                     float s);
// The closed outline of a shade type (1, 2 or 3) in the drawing's current pen:
// what it encloses on the side of the diagram centre is the sky that ShadesSun
// (shade_predicate.h) calls shaded.
void DrawMaskOutline(Drawing& drawing, const SunPathGeometry& g, int16_t shadeType,
                     const ShadeAngles& angles);

// The mask tab's draw button: clears the picture, validates the latitude and the
// type's angles (each refusal reports its message and gives false with the picture
// clear), draws the sun-path diagram for the latitude and over it the outline with a
// pen of width 2. `underOutline`, when given, draws between the diagram and the
// outline (the climate year's hours).
bool DrawShadingMask(SunPathPicture& picture, const SunPathGeometry& g, int16_t shadeType,
                     const MaskSummary& summary, MessageSink& sink, const ProgressFn& progress = {},
                     const std::function<void(Drawing&)>& underOutline = {});

}  // namespace vlm
