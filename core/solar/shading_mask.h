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
#include <optional>
#include <string>
#include <string_view>

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

// The circle that a horizontal shade's plane gives for vertical angle v (0 < v < 90):
// centre at distance D = R·tan v from the diagram centre, away from the facade's
// outward normal, radius ρ = R/cos v. It meets the horizon at the facade's two ends.
struct ShadingCircle {
  float cx = 0, cy = 0;
  float distance = 0;  // D
  float radius = 0;    // ρ
};
[[nodiscard]] ShadingCircle GetShadingCircle(const SunPathGeometry& g, float v, float s);

// The distance from the diagram centre to the shading circle along the ray at angle λ
// from the facade normal: D·cos k + √(D²·cos²k − D² + ρ²) with k = 180 − λ. A negative
// discriminant beeps, reports "계산 오류! 허근 발생" and gives nullopt.
[[nodiscard]] std::optional<float> GetShadingDistance(const ShadingCircle& circle, float lambda,
                                                      MessageSink& sink);

// The shading circle's arc from the east limit p (≤ 0) to the west limit q (≥ 0),
// both relative to the facade normal; nothing for v = 90.
void DrawOverhangArc(Drawing& drawing, const SunPathGeometry& g, float v, float p, float q, float s,
                     MessageSink& sink);
// The two fin lines of a combined shade from the shading circle out to the horizon;
// nothing for v = 90.
void DrawFinSegments(Drawing& drawing, const SunPathGeometry& g, float v, float he, float hw,
                     float s, MessageSink& sink);
// The closed outline of a shade type (1, 2 or 3) in the drawing's current pen.
void DrawMaskOutline(Drawing& drawing, const SunPathGeometry& g, int16_t shadeType,
                     const ShadeAngles& angles, MessageSink& sink);

// The mask tab's draw button: clears the picture, validates the latitude and the
// type's angles (each refusal reports its message and gives false with the picture
// clear), draws the sun-path diagram for the latitude and over it the outline with a
// pen of width 2.
bool DrawShadingMask(SunPathPicture& picture, const SunPathGeometry& g, int16_t shadeType,
                     const MaskSummary& summary, MessageSink& sink,
                     const ProgressFn& progress = {});

}  // namespace vlm
