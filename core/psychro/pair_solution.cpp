#include "core/psychro/pair_solution.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/common/compute_error.h"
#include "core/common/format.h"
#include "core/common/number_parse.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

constexpr const char* kInvalidInput = "정보입력이 유효하지 않습니다.";
constexpr const char* kTickTwo = "입력항목 중 두개를 선택한 후 값을 입력하세요.";
constexpr const char* kCheckValues =
    "입력값이 일반적으로 존재 가능한 값인지 혹은 입력단위 등을 체크하시기 바랍니다.";

constexpr int16_t kDry = 1;
constexpr int16_t kWet = 2;
constexpr int16_t kAbs = 4;
constexpr int16_t kRel = 8;
constexpr int16_t kEnth = 16;

// The two given values of a pair, by property.
struct Given {
  float dbt = 0.0f, wbt = 0.0f, ah = 0.0f, rh = 0.0f, enth = 0.0f;
};

using Solver = void (*)(const Psychrometrics&, AirState&);

struct Pair {
  int16_t code;
  CalcInput first;
  CalcInput second;
  const char* missingMessage;
  Solver solve;  // the steps before vapour pressure, dew point and specific volume
};

// Each solver receives the entered values in place and fills the rest.
constexpr std::array<Pair, 10> kPairs{{
    {kDry | kWet, CalcInput::DryBulb, CalcInput::WetBulb,
     "건구온도 혹은 습구온도의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.ah = p.GetAH_DBTWBT(s.dbt, s.wbt);
       s.rh = p.GetRH_DBTAH(s.dbt, s.ah);
       s.enth = p.GetEnth_DBTAH(s.dbt, s.ah);
     }},
    {kDry | kAbs, CalcInput::DryBulb, CalcInput::AbsHumid,
     "건구온도 혹은 절대습도의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.rh = p.GetRH_DBTAH(s.dbt, s.ah);
       s.enth = p.GetEnth_DBTAH(s.dbt, s.ah);
       s.wbt = p.GetWBT_DBTAH(s.dbt, s.ah);
     }},
    {kWet | kAbs, CalcInput::WetBulb, CalcInput::AbsHumid,
     "습구온도 혹은 절대습도의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.dbt = p.GetDBT_AHWBT(s.ah, s.wbt);
       s.rh = p.GetRH_DBTAH(s.dbt, s.ah);
       s.enth = p.GetEnth_DBTAH(s.dbt, s.ah);
     }},
    {kDry | kRel, CalcInput::DryBulb, CalcInput::RelHumid,
     "건구온도 혹은 상대습도의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.ah = p.GetAH_DBTRH(s.dbt, s.rh);
       s.enth = p.GetEnth_DBTAH(s.dbt, s.ah);
       s.wbt = p.GetWBT_DBTAH(s.dbt, s.ah);
     }},
    {kWet | kRel, CalcInput::WetBulb, CalcInput::RelHumid,
     "습구온도 혹은 상대습도의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.dbt = p.GetDBT_RHWBT(s.rh, s.wbt);
       s.ah = p.GetAH_DBTRH(s.dbt, s.rh);
       s.enth = p.GetEnth_DBTAH(s.dbt, s.ah);
     }},
    {kAbs | kRel, CalcInput::AbsHumid, CalcInput::RelHumid,
     "절대습도 혹은 상대습도의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.dbt = p.GetDBT_AHRH(s.ah, s.rh);
       s.enth = p.GetEnth_DBTAH(s.dbt, s.ah);
       s.wbt = p.GetWBT_DBTAH(s.dbt, s.ah);
     }},
    {kDry | kEnth, CalcInput::DryBulb, CalcInput::Enthalpy,
     "건구온도 혹은 엔탈피의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.ah = p.GetAH_DBTEnth(s.dbt, s.enth);
       s.rh = p.GetRH_DBTAH(s.dbt, s.ah);
       s.wbt = p.GetWBT_DBTAH(s.dbt, s.ah);
     }},
    {kWet | kEnth, CalcInput::WetBulb, CalcInput::Enthalpy,
     "습구온도 혹은 엔탈피의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.dbt = p.GetDBT_EnthWBT(s.enth, s.wbt);
       s.ah = p.GetAH_DBTWBT(s.dbt, s.wbt);
       s.rh = p.GetRH_DBTAH(s.dbt, s.ah);
     }},
    {kAbs | kEnth, CalcInput::AbsHumid, CalcInput::Enthalpy,
     "절대습도 혹은 엔탈피의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.dbt = p.GetDBT_AHEnth(s.ah, s.enth);
       s.rh = p.GetRH_DBTAH(s.dbt, s.ah);
       s.wbt = p.GetWBT_DBTAH(s.dbt, s.ah);
     }},
    {kRel | kEnth, CalcInput::RelHumid, CalcInput::Enthalpy,
     "상대습도 혹은 엔탈피의 입력값이 없습니다.",
     [](const Psychrometrics& p, AirState& s) {
       s.dbt = p.GetDBT_RHEnth(s.rh, s.enth);
       s.ah = p.GetAH_DBTEnth(s.dbt, s.enth);
       s.wbt = p.GetWBT_DBTAH(s.dbt, s.ah);
     }},
}};

const Pair* findPair(int16_t code) {
  const auto it = std::find_if(kPairs.begin(), kPairs.end(),
                               [code](const Pair& pair) { return pair.code == code; });
  return it == kPairs.end() ? nullptr : &*it;
}

Message selectionMessage(const char* problem) {
  return errorMessage({kInvalidInput, "", problem, kTickTwo});
}

// The lenient read of an input box. A number beyond the float range cannot be
// held by the calculator and is an overflow, not an infinity.
float readValue(const std::string& text) {
  const double value = LeadingNumber(text);
  if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) {
    throw ComputeError("오버플로입니다. (입력값)");
  }
  return static_cast<float>(value);
}

// The caption of each input box, in the order of CalcInput.
constexpr std::array<const char*, kCalcInputCount> kInputCaptions{"건구온도", "습구온도", "절대습도",
                                                                  "상대습도", "엔탈피"};

// A typed humidity that no air can have is refused before it reaches the
// formulas, whose fault would name an internal function instead.
std::optional<Message> rangeRefusal(const AirState& given, int16_t code) {
  if ((code & kAbs) != 0 && given.ah < 0.0f) {
    return errorMessage({"절대습도의 입력값이 유효하지 않습니다.", "", "[0 kg/kg' <= 절대습도]"});
  }
  if ((code & kRel) != 0 && !(given.rh >= 0.0f && given.rh <= 100.0f)) {
    return errorMessage(
        {"상대습도의 입력값이 유효하지 않습니다.", "", "[0% <= 상대습도 <= 100%]"});
  }
  return std::nullopt;
}

// "건구온도: 'abc' → 0" for a box that the lenient read took liberties with;
// none for a number beyond the float range, which the overflow fault names.
std::optional<std::string> readNote(CalcInput which, const std::string& text) {
  if (text.empty() || IsPlainNumber(text)) return std::nullopt;
  const double value = LeadingNumber(text);
  if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) return std::nullopt;
  return std::string(kInputCaptions[static_cast<std::size_t>(which)]) + ": '" + text + "' → " +
         ShortestText(static_cast<float>(value));
}

float& slot(AirState& state, CalcInput which) {
  switch (which) {
    case CalcInput::DryBulb:
      return state.dbt;
    case CalcInput::WetBulb:
      return state.wbt;
    case CalcInput::AbsHumid:
      return state.ah;
    case CalcInput::RelHumid:
      return state.rh;
    case CalcInput::Enthalpy:
      break;
  }
  return state.enth;
}

}  // namespace

int16_t SelectionCode(const CalcInputs& inputs) {
  int16_t code = 0;
  for (std::size_t i = 0; i < kCalcInputCount; ++i) {
    if (inputs.boxes[i].ticked) code = static_cast<int16_t>(code | (1 << i));
  }
  return code;
}

std::optional<AirState> SolveAirState(const CalcInputs& inputs, Psychrometrics& psychro,
                                      MessageSink& sink) {
  psychro.SetPatm_Alt(0.0f);
  const int16_t code = SelectionCode(inputs);
  if (code == 0) {
    sink.show(selectionMessage("입력항목 중 선택된 것이 없습니다."));
    return std::nullopt;
  }
  if (code == kDry || code == kWet || code == kAbs || code == kRel || code == kEnth) {
    sink.show(selectionMessage("입력항목 중 하나만 선택되었습니다."));
    return std::nullopt;
  }
  const Pair* pair = findPair(code);
  if (pair == nullptr) {
    sink.show(selectionMessage("입력항목 중 세개 이상 선택되었습니다."));
    return std::nullopt;
  }
  const std::string& firstText = inputs[pair->first].text;
  const std::string& secondText = inputs[pair->second].text;
  if (firstText.empty() || secondText.empty()) {
    sink.show(errorMessage({kInvalidInput, "", pair->missingMessage}));
    return std::nullopt;
  }

  AirState state;
  slot(state, pair->first) = readValue(firstText);
  slot(state, pair->second) = readValue(secondText);
  if (const auto refusal = rangeRefusal(state, code)) {
    sink.show(*refusal);
    return std::nullopt;
  }
  pair->solve(psychro, state);
  state.vp = psychro.GetVP_AH(state.ah);
  state.dpt = psychro.GetDPT_VP(state.vp);
  state.sv = psychro.GetSV_DBTAH(state.dbt, state.ah);
  return state;
}

std::optional<AirState> CalculateAirState(const CalcInputs& inputs, Psychrometrics& psychro,
                                          MessageSink& sink) {
  try {
    return SolveAirState(inputs, psychro, sink);
  } catch (const ComputeError& error) {
    sink.show(CalculationErrorMessage(error));
    return std::nullopt;
  }
}

Message CalculationErrorMessage(const ComputeError& error) {
  return errorMessage({error.what(), kCheckValues});
}

std::string ImpossibleStateWarning(const AirState& state) {
  // Margins well above the solvers' own error, so that saturated air (wet bulb
  // and dew point equal to the dry bulb, 100 %) is never called impossible.
  constexpr float kDegrees = 0.05f;
  constexpr float kPercent = 0.05f;
  std::string found;
  const auto add = [&found](bool impossible, const char* what) {
    if (!impossible) return;
    found += found.empty() ? "" : ", ";
    found += what;
  };
  add(state.rh > 100.0f + kPercent, "상대습도가 100%를 넘습니다");
  add(state.wbt > state.dbt + kDegrees, "습구온도가 건구온도보다 높습니다");
  add(state.dpt > state.dbt + kDegrees, "노점온도가 건구온도보다 높습니다");
  return found.empty() ? found : "물리적으로 불가능한 상태입니다: " + found + ".";
}

std::string CalculatorWarningLine(const CalcInputs& inputs,
                                  const std::optional<AirState>& solved) {
  std::string line = solved ? ImpossibleStateWarning(*solved) : std::string();
  const Pair* pair = findPair(SelectionCode(inputs));
  if (pair == nullptr) return line;
  for (const CalcInput which : {pair->first, pair->second}) {
    if (const auto note = readNote(which, inputs[which].text))
      line += (line.empty() ? "" : "\n") + *note;
  }
  return line;
}

float OutputValue(const AirState& state, CalcOutput which) {
  switch (which) {
    case CalcOutput::DryBulb:
      return state.dbt;
    case CalcOutput::WetBulb:
      return state.wbt;
    case CalcOutput::AbsHumid:
      return state.ah;
    case CalcOutput::RelHumid:
      return state.rh;
    case CalcOutput::Enthalpy:
      return state.enth;
    case CalcOutput::DewPoint:
      return state.dpt;
    case CalcOutput::VapourPressure:
      return state.vp;
    case CalcOutput::SpecificVolume:
      break;
  }
  return state.sv;
}

std::string DecimalsPattern(int decimals) {
  const int places = std::clamp(decimals, 0, kMaxDecimals);
  if (places == 0) return "0";
  return "0." + std::string(static_cast<std::size_t>(places), '0');
}

std::string FormatOutput(float value, int decimals) {
  return Format(value, DecimalsPattern(decimals));
}

}  // namespace vlm
