// Fanger's predicted mean vote and predicted percentage dissatisfied, by the
// heat balance of ISO 7730:2005 (clause 4 and Annex D): the clothing surface
// temperature solved by iteration, the convective coefficient the larger of
// natural and forced convection, no external work.
#pragma once

#include <optional>
#include <string_view>

#include "core/common/message.h"

namespace vlm {

struct PmvInputs {
  double airTemperature = 0;      // °C
  double radiantTemperature = 0;  // mean radiant temperature, °C
  double airSpeed = 0.1;          // relative air velocity, m/s
  double vapourPressure = 0;      // partial pressure of water vapour, kPa
  double met = 1.1;               // metabolic rate, met (58.15 W/m²)
  double clo = 0.5;               // clothing insulation, clo (0.155 m²K/W)
};

struct PmvResult {
  double pmv = 0;
  double ppd = 0;  // %
};

// The saturation pressure ISO 7730 states with its equations (kPa), so that
// a relative humidity turns into the vapour pressure the standard's tables use.
[[nodiscard]] double Iso7730SaturationPressure(double airTemperature);

// The vote for inputs already checked; no range test.
[[nodiscard]] PmvResult ComputePmv(const PmvInputs& in);

// The percentage dissatisfied at a given vote.
[[nodiscard]] double PpdOfPmv(double pmv);

// The ranges of the standard (air 10–30 °C, mean radiant 10–40 °C, air speed
// 0–1 m/s, 0.8–4 met, 0–2 clo); outside one, its message and false.
[[nodiscard]] bool CheckPmvInputs(const PmvInputs& in, MessageSink& sink);

enum class PmvBox { AirTemperature, RadiantTemperature, AirSpeed, Met, Clo, Humidity };

// The refusal of a value outside its box's range.
[[nodiscard]] Message PmvRangeMessage(PmvBox box);
// A box read by the lenient number rule and checked against its range.
[[nodiscard]] std::optional<double> ReadPmvBox(PmvBox box, std::string_view text,
                                               MessageSink& sink);

}  // namespace vlm
