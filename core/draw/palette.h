// The colours of the figures that the program adds beside the classic screens
// (carpet, share bars, comparison, radiation, comfort, wind), from one
// colour-blind-safe set: M. Okabe and K. Ito, "Color Universal Design (CUD):
// How to make figures and presentations that are friendly to colorblind
// people" (2008). The eight colours stay apart for the common forms of colour
// blindness; heating (vermillion) and cooling (blue) differ in hue and in
// lightness, so they stay apart in grey print too. The classic screens keep
// their own 16-colour palette.
#pragma once

#include <array>

#include "core/draw/drawing.h"

namespace vlm::palette {

inline constexpr Color kBlack{-1, 0, 0, 0};
inline constexpr Color kOrange{-1, 230, 159, 0};
inline constexpr Color kSkyBlue{-1, 86, 180, 233};
inline constexpr Color kBluishGreen{-1, 0, 158, 115};
inline constexpr Color kYellow{-1, 240, 228, 66};
inline constexpr Color kBlue{-1, 0, 114, 178};
inline constexpr Color kVermillion{-1, 213, 94, 0};
inline constexpr Color kReddishPurple{-1, 204, 121, 167};
// Hours that belong to no class, or are missing: a neutral grey.
inline constexpr Color kNeutral{-1, 187, 187, 187};

// What the colours stand for in every figure of the set.
inline constexpr Color kHeating = kVermillion;
inline constexpr Color kCooling = kBlue;
inline constexpr Color kComfort = kBluishGreen;
inline constexpr Color kDehumidify = kSkyBlue;
inline constexpr Color kHumidify = kYellow;

// The five bioclimatic needs in their fixed order (heating, cooling, comfort
// with shade, dehumidification only, humidification only).
inline constexpr std::array<Color, 5> kNeeds{kHeating, kCooling, kComfort, kDehumidify, kHumidify};

// The comfort bands from the narrowest (ASHRAE 90 %, 80 %; EN categories I,
// II, III), as bars and as band limits.
inline constexpr std::array<Color, 3> kComfortBands{kBluishGreen, kOrange, kReddishPurple};

// Series that are not heating or cooling: a figure's first, second, … series.
inline constexpr std::array<Color, 5> kSeries{kBlack, kOrange, kSkyBlue, kReddishPurple,
                                              kBluishGreen};

}  // namespace vlm::palette
