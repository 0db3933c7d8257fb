// The moist-air calculator's computation: from two of the five input
// properties (dry bulb, wet bulb, absolute humidity, relative humidity,
// enthalpy) to the full state of the air at 101.325 kPa, with the selection
// and missing-value messages, and the display formats of the eight results.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/message.h"

namespace vlm {

class ComputeError;
class Psychrometrics;

// The five inputs in the order of their check boxes; the selection code is the
// sum of the ticked bits (1, 2, 4, 8, 16).
enum class CalcInput : int16_t {
  DryBulb = 0,
  WetBulb = 1,
  AbsHumid = 2,
  RelHumid = 3,
  Enthalpy = 4
};
inline constexpr std::size_t kCalcInputCount = 5;

struct CalcInputBox {
  bool ticked = false;
  std::string text;  // only an empty text is missing; other texts read leniently
};

struct CalcInputs {
  std::array<CalcInputBox, kCalcInputCount> boxes;

  CalcInputBox& operator[](CalcInput which) { return boxes[static_cast<std::size_t>(which)]; }
  const CalcInputBox& operator[](CalcInput which) const {
    return boxes[static_cast<std::size_t>(which)];
  }
};

// The eight properties of a solved state (°C, °C, kg/kg', %, J/kg', °C, kPa, m³/kg').
struct AirState {
  float dbt = 0.0f;
  float wbt = 0.0f;
  float ah = 0.0f;
  float rh = 0.0f;
  float enth = 0.0f;
  float dpt = 0.0f;
  float vp = 0.0f;
  float sv = 0.0f;
  bool operator==(const AirState&) const = default;
};

// Sum of the ticked bits: dry bulb 1, wet bulb 2, absolute humidity 4,
// relative humidity 8, enthalpy 16.
[[nodiscard]] int16_t SelectionCode(const CalcInputs& inputs);

// Sets Patm to 101.325 kPa and solves the ticked pair. A selection that is not
// a pair, a pair with an empty text, or a typed absolute humidity below 0 or
// relative humidity outside 0 … 100 % reports its "에러" message to the sink
// and gives nullopt. A floating-point fault throws ComputeError.
std::optional<AirState> SolveAirState(const CalcInputs& inputs, Psychrometrics& psychro,
                                      MessageSink& sink);

// As SolveAirState, but a ComputeError is reported as the calculator's error box
// (CalculationErrorMessage) and gives nullopt, so the stored state is kept whole.
std::optional<AirState> CalculateAirState(const CalcInputs& inputs, Psychrometrics& psychro,
                                          MessageSink& sink);

// The "에러" box of a run-time fault: its description, then the advice to check
// the values and their units.
[[nodiscard]] Message CalculationErrorMessage(const ComputeError& error);

// The line the calculator shows under a result that no air can have (relative
// humidity over 100 %, a wet bulb or a dew point above the dry bulb), naming
// each impossibility; "" for a possible state. The result itself stands: the
// calculator computes such pairs without refusing them.
[[nodiscard]] std::string ImpossibleStateWarning(const AirState& state);

// The calculator's red line: the impossibilities of the solved state (none
// when nothing was solved), then, one a line, each box of the ticked pair whose
// text is not a plain number with the value it was read as ("건구온도: 'abc' → 0").
[[nodiscard]] std::string CalculatorWarningLine(const CalcInputs& inputs,
                                                const std::optional<AirState>& solved);

// The eight outputs in the order of their labels and sliders.
enum class CalcOutput : int16_t {
  DryBulb = 0,
  WetBulb,
  AbsHumid,
  RelHumid,
  Enthalpy,
  DewPoint,
  VapourPressure,
  SpecificVolume
};
inline constexpr std::size_t kCalcOutputCount = 8;
// Decimals of each slider when the screen opens or is reset.
inline constexpr std::array<int, kCalcOutputCount> kDefaultDecimals{1, 1, 4, 1, 1, 1, 4, 4};
inline constexpr int kMaxDecimals = 6;

// The value of one output in a state.
[[nodiscard]] float OutputValue(const AirState& state, CalcOutput which);
// The format pattern of a slider value: "0" for 0, "0.0" … "0.000000" for 1 … 6
// (values outside 0 … 6 are held at the nearer end).
[[nodiscard]] std::string DecimalsPattern(int decimals);
// An output label's text: the value in its slider's format.
[[nodiscard]] std::string FormatOutput(float value, int decimals);

}  // namespace vlm
