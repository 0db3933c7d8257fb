#include "core/psychro/pair_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/common/compute_error.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

CalcInputs tick(std::initializer_list<std::pair<CalcInput, std::string>> boxes) {
  CalcInputs inputs;
  for (const auto& [which, text] : boxes) {
    inputs[which].ticked = true;
    inputs[which].text = text;
  }
  return inputs;
}

std::optional<AirState> solve(const CalcInputs& inputs, RecordingSink& sink) {
  Psychrometrics p;
  return SolveAirState(inputs, p, sink);
}

std::string text(float value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
  return buffer;
}

TEST(CalculatorSelection, CodeIsTheSumOfTheTickedBits) {
  EXPECT_EQ(SelectionCode(CalcInputs{}), 0);
  EXPECT_EQ(SelectionCode(tick({{CalcInput::DryBulb, ""}})), 1);
  EXPECT_EQ(SelectionCode(tick({{CalcInput::WetBulb, ""}, {CalcInput::Enthalpy, ""}})), 18);
  EXPECT_EQ(SelectionCode(tick({{CalcInput::AbsHumid, ""}, {CalcInput::RelHumid, ""}})), 12);
  // Text in a box that is not ticked does not count.
  CalcInputs inputs;
  inputs[CalcInput::DryBulb].text = "25";
  EXPECT_EQ(SelectionCode(inputs), 0);
}

TEST(CalculatorSelection, MessagesForNoneOneAndThreeOrMore) {
  const std::string none = "입력항목 중 선택된 것이 없습니다.";
  const std::string one = "입력항목 중 하나만 선택되었습니다.";
  const std::string many = "입력항목 중 세개 이상 선택되었습니다.";
  const struct {
    CalcInputs inputs;
    std::string message;
  } cases[] = {
      {CalcInputs{}, none},
      {tick({{CalcInput::DryBulb, "25"}}), one},
      {tick({{CalcInput::WetBulb, "18"}}), one},
      {tick({{CalcInput::AbsHumid, "0.01"}}), one},
      {tick({{CalcInput::RelHumid, "50"}}), one},
      {tick({{CalcInput::Enthalpy, "50000"}}), one},
      // Three ticked boxes refuse even when only two texts are filled.
      {tick({{CalcInput::DryBulb, "25"}, {CalcInput::WetBulb, "18"}, {CalcInput::RelHumid, ""}}),
       many},
      {tick({{CalcInput::DryBulb, "1"},
             {CalcInput::WetBulb, "1"},
             {CalcInput::AbsHumid, "1"},
             {CalcInput::RelHumid, "1"},
             {CalcInput::Enthalpy, "1"}}),
       many},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    EXPECT_FALSE(solve(c.inputs, sink).has_value()) << c.message;
    ASSERT_EQ(sink.size(), 1u);
    EXPECT_EQ(sink.last(), errorMessage({"정보입력이 유효하지 않습니다.", "", c.message,
                                         "입력항목 중 두개를 선택한 후 값을 입력하세요."}));
  }
}

TEST(CalculatorSelection, EmptyTextOfAPairNamesThePair) {
  const struct {
    CalcInput first, second;
    std::string message;
  } pairs[] = {
      {CalcInput::DryBulb, CalcInput::WetBulb, "건구온도 혹은 습구온도의 입력값이 없습니다."},
      {CalcInput::DryBulb, CalcInput::AbsHumid, "건구온도 혹은 절대습도의 입력값이 없습니다."},
      {CalcInput::WetBulb, CalcInput::AbsHumid, "습구온도 혹은 절대습도의 입력값이 없습니다."},
      {CalcInput::DryBulb, CalcInput::RelHumid, "건구온도 혹은 상대습도의 입력값이 없습니다."},
      {CalcInput::WetBulb, CalcInput::RelHumid, "습구온도 혹은 상대습도의 입력값이 없습니다."},
      {CalcInput::AbsHumid, CalcInput::RelHumid, "절대습도 혹은 상대습도의 입력값이 없습니다."},
      {CalcInput::DryBulb, CalcInput::Enthalpy, "건구온도 혹은 엔탈피의 입력값이 없습니다."},
      {CalcInput::WetBulb, CalcInput::Enthalpy, "습구온도 혹은 엔탈피의 입력값이 없습니다."},
      {CalcInput::AbsHumid, CalcInput::Enthalpy, "절대습도 혹은 엔탈피의 입력값이 없습니다."},
      {CalcInput::RelHumid, CalcInput::Enthalpy, "상대습도 혹은 엔탈피의 입력값이 없습니다."},
  };
  for (const auto& pair : pairs) {
    for (const bool firstEmpty : {true, false}) {
      RecordingSink sink;
      const auto state =
          solve(tick({{pair.first, firstEmpty ? "" : "20"}, {pair.second, firstEmpty ? "20" : ""}}),
                sink);
      EXPECT_FALSE(state.has_value()) << pair.message;
      ASSERT_EQ(sink.size(), 1u);
      EXPECT_EQ(sink.last(), errorMessage({"정보입력이 유효하지 않습니다.", "", pair.message}));
    }
  }
}

TEST(CalculatorPairs, DryBulb25WetBulb18) {
  RecordingSink sink;
  const auto s = solve(tick({{CalcInput::DryBulb, "25"}, {CalcInput::WetBulb, "18"}}), sink);
  ASSERT_TRUE(s.has_value());
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(s->dbt, 25.0f);
  EXPECT_EQ(s->wbt, 18.0f);
  EXPECT_EQ(FormatOutput(s->ah, 4), "0.0100");
  EXPECT_EQ(FormatOutput(s->enth, 0), "50651");
  EXPECT_EQ(FormatOutput(s->sv, 4), "0.8583");
  EXPECT_EQ(FormatOutput(s->rh, 1), "50.7");
  EXPECT_NEAR(s->dpt, 14.0f, 0.1f);
  EXPECT_NEAR(s->vp, 1.6, 0.01);
}

TEST(CalculatorPairs, SaturatedAirAt20) {
  RecordingSink sink;
  const auto s = solve(tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "100"}}), sink);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(FormatOutput(s->wbt, 1), "20.0");
  EXPECT_EQ(FormatOutput(s->dpt, 1), "20.0");
}

// A result no air can have is computed all the same, and the warning names
// each impossibility; saturated and ordinary air get no warning.
TEST(CalculatorWarning, NamesWhatIsImpossible) {
  const struct {
    std::pair<CalcInput, const char*> first, second;
    const char* warning;
  } cases[] = {
      {{CalcInput::DryBulb, "25"}, {CalcInput::WetBulb, "18"}, ""},
      {{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "100"}, ""},
      {{CalcInput::DryBulb, "25"},
       {CalcInput::WetBulb, "30"},
       "물리적으로 불가능한 상태입니다: 상대습도가 100%를 넘습니다, 습구온도가 건구온도보다 "
       "높습니다, 노점온도가 건구온도보다 높습니다."},
      {{CalcInput::DryBulb, "20"},
       {CalcInput::AbsHumid, "0.02"},
       "물리적으로 불가능한 상태입니다: 상대습도가 100%를 넘습니다, 습구온도가 건구온도보다 "
       "높습니다, 노점온도가 건구온도보다 높습니다."},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    const auto s =
        solve(tick({{c.first.first, c.first.second}, {c.second.first, c.second.second}}), sink);
    ASSERT_TRUE(s.has_value()) << c.warning;
    EXPECT_EQ(ImpossibleStateWarning(*s), c.warning);
  }
  AirState hot{};
  hot.dbt = 20.0f;
  hot.wbt = 21.0f;
  hot.dpt = 19.0f;
  hot.rh = 90.0f;
  EXPECT_EQ(ImpossibleStateWarning(hot),
            "물리적으로 불가능한 상태입니다: 습구온도가 건구온도보다 높습니다.");
}

// Every pair taken from one known state gives back that state.
TEST(CalculatorPairs, EveryPairReproducesTheState) {
  Psychrometrics p;
  p.SetPatm_Alt(0.0f);
  const float w = p.GetAH_DBTWBT(25.0f, 18.0f);
  const AirState ref{25.0f, 18.0f, w,   p.GetRH_DBTAH(25.0f, w), p.GetEnth_DBTAH(25.0f, w),
                     0.0f,  0.0f,  0.0f};
  const std::pair<CalcInput, float> values[] = {{CalcInput::DryBulb, ref.dbt},
                                                {CalcInput::WetBulb, ref.wbt},
                                                {CalcInput::AbsHumid, ref.ah},
                                                {CalcInput::RelHumid, ref.rh},
                                                {CalcInput::Enthalpy, ref.enth}};
  for (std::size_t i = 0; i < 5; ++i) {
    for (std::size_t j = i + 1; j < 5; ++j) {
      RecordingSink sink;
      const auto s = solve(tick({{values[i].first, text(values[i].second)},
                                 {values[j].first, text(values[j].second)}}),
                           sink);
      const int code = (1 << i) | (1 << j);
      ASSERT_TRUE(s.has_value()) << "code " << code;
      EXPECT_NEAR(s->dbt, 25.0f, 0.01f) << "code " << code;
      EXPECT_NEAR(s->wbt, 18.0f, 0.01f) << "code " << code;
      EXPECT_NEAR(s->ah, w, 0.000005f) << "code " << code;
      EXPECT_NEAR(s->rh, ref.rh, 0.05f) << "code " << code;
      EXPECT_NEAR(s->enth, ref.enth, 10.0f) << "code " << code;
      EXPECT_NEAR(s->sv, 0.8583f, 0.0001f) << "code " << code;
      EXPECT_NEAR(s->vp, p.GetVP_AH(w), 0.0001f) << "code " << code;
      EXPECT_NEAR(s->dpt, p.GetDPT_VP(p.GetVP_AH(w)), 0.01f) << "code " << code;
    }
  }
}

TEST(CalculatorInput, LenientReadOfTheTexts) {
  RecordingSink sink;
  // Spaces are not empty: they read as 0 and are computed.
  const auto zero = solve(tick({{CalcInput::DryBulb, "   "}, {CalcInput::RelHumid, "50"}}), sink);
  ASSERT_TRUE(zero.has_value());
  EXPECT_EQ(zero->dbt, 0.0f);
  EXPECT_GT(zero->ah, 0.0f);
  // Digits followed by letters read as the leading number.
  const auto lead =
      solve(tick({{CalcInput::DryBulb, "25도"}, {CalcInput::WetBulb, "18abc"}}), sink);
  ASSERT_TRUE(lead.has_value());
  EXPECT_EQ(lead->dbt, 25.0f);
  EXPECT_EQ(lead->wbt, 18.0f);
  EXPECT_TRUE(sink.empty());
}

// The warning line names each box of the pair whose text the lenient read
// did not take whole, with what it made of it, after any impossibility.
TEST(CalculatorInput, TheWarningLineNamesTheBoxesReadLeniently) {
  const struct {
    CalcInputs inputs;
    const char* line;
  } cases[] = {
      {tick({{CalcInput::DryBulb, "abc"}, {CalcInput::RelHumid, "50"}}), "건구온도: 'abc' → 0"},
      {tick({{CalcInput::DryBulb, "   "}, {CalcInput::RelHumid, "50"}}), "건구온도: '   ' → 0"},
      {tick({{CalcInput::DryBulb, " 25 "}, {CalcInput::WetBulb, "1.8e1"}}), ""},
      {tick({{CalcInput::DryBulb, "25도"}, {CalcInput::WetBulb, "18.5abc"}}),
       "건구온도: '25도' → 25\n습구온도: '18.5abc' → 18.5"},
      {tick({{CalcInput::AbsHumid, "0.01kg"}, {CalcInput::Enthalpy, "50000"}}),
       "절대습도: '0.01kg' → 0.01"},
      {tick({{CalcInput::DryBulb, "25"}, {CalcInput::WetBulb, "30x"}}),
       "물리적으로 불가능한 상태입니다: 상대습도가 100%를 넘습니다, 습구온도가 건구온도보다 "
       "높습니다, 노점온도가 건구온도보다 높습니다.\n습구온도: '30x' → 30"},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    const auto s = solve(c.inputs, sink);
    ASSERT_TRUE(s.has_value()) << c.line;
    EXPECT_EQ(CalculatorWarningLine(c.inputs, s), c.line);
  }
  // A box that is not ticked plays no part; a refused pair still says what it read.
  CalcInputs untouched = tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "50"}});
  untouched[CalcInput::WetBulb].text = "zz";
  EXPECT_EQ(CalculatorWarningLine(untouched, std::nullopt), "");
  EXPECT_EQ(CalculatorWarningLine(
                tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "120%"}}), std::nullopt),
            "상대습도: '120%' → 120");
}

// A typed humidity no air can have is refused before solving, with what is
// wrong and the accepted range, not with the fault of a formula.
TEST(CalculatorInput, HumiditiesOutsideTheirRangeAreRefusedBeforeSolving) {
  const Message ah =
      errorMessage({"절대습도의 입력값이 유효하지 않습니다.", "", "[0 kg/kg' <= 절대습도]"});
  const Message rh =
      errorMessage({"상대습도의 입력값이 유효하지 않습니다.", "", "[0% <= 상대습도 <= 100%]"});
  const struct {
    CalcInputs inputs;
    const Message* refusal;
  } cases[] = {
      {tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "120"}}), &rh},
      {tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "100.01"}}), &rh},
      {tick({{CalcInput::WetBulb, "15"}, {CalcInput::RelHumid, "-5"}}), &rh},
      {tick({{CalcInput::DryBulb, "20"}, {CalcInput::AbsHumid, "-0.001"}}), &ah},
      {tick({{CalcInput::AbsHumid, "-0.01"}, {CalcInput::RelHumid, "150"}}), &ah},
      {tick({{CalcInput::AbsHumid, "0.005"}, {CalcInput::Enthalpy, "30000"}}), nullptr},
      {tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "100"}}), nullptr},
      {tick({{CalcInput::DryBulb, "20"}, {CalcInput::RelHumid, "0.5"}}), nullptr},
  };
  for (const auto& c : cases) {
    RecordingSink sink;
    Psychrometrics p;
    const auto s = CalculateAirState(c.inputs, p, sink);
    EXPECT_EQ(s.has_value(), c.refusal == nullptr) << SelectionCode(c.inputs);
    if (c.refusal == nullptr) {
      EXPECT_TRUE(sink.empty());
    } else {
      ASSERT_EQ(sink.size(), 1u);
      EXPECT_EQ(sink.last(), *c.refusal);
    }
  }
}

TEST(CalculatorInput, WorksAtStandardPressureWhateverWasLeft) {
  Psychrometrics p;
  p.Patm = 90.0f;
  RecordingSink sink;
  const auto s =
      SolveAirState(tick({{CalcInput::DryBulb, "25"}, {CalcInput::WetBulb, "18"}}), p, sink);
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(p.Patm, 101.325f);
  EXPECT_EQ(FormatOutput(s->sv, 4), "0.8583");
}

TEST(CalculatorFaults, RelativeHumidityZeroWithAbsoluteHumidity) {
  const CalcInputs inputs = tick({{CalcInput::AbsHumid, "0.01"}, {CalcInput::RelHumid, "0"}});
  RecordingSink sink;
  EXPECT_THROW((void)solve(inputs, sink), ComputeError);

  Psychrometrics p;
  const auto s = CalculateAirState(inputs, p, sink);
  EXPECT_FALSE(s.has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(),
            errorMessage({"0으로 나누었습니다. (GetDBT_RHVP)",
                          "입력값이 일반적으로 존재 가능한 값인지 혹은 입력단위 등을 체크하시기 "
                          "바랍니다."}));
}

TEST(CalculatorFaults, NumbersBeyondSinglePrecisionAreOverflow) {
  Psychrometrics p;
  RecordingSink sink;
  const auto s =
      CalculateAirState(tick({{CalcInput::DryBulb, "1e39"}, {CalcInput::WetBulb, "18"}}), p, sink);
  EXPECT_FALSE(s.has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines.at(0), "오버플로입니다. (입력값)");
  // Beyond double range too, rather than solving with 0.
  sink.clear();
  EXPECT_FALSE(
      CalculateAirState(tick({{CalcInput::DryBulb, "1e400"}, {CalcInput::WetBulb, "18"}}), p, sink)
          .has_value());
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines.at(0), "오버플로입니다. (입력값)");
}

TEST(CalculatorFaults, ImpossibleButComputableStatesAreNotRefused) {
  RecordingSink sink;
  // A wet bulb above the dry bulb has no physical meaning but the formulas allow it.
  const auto s = solve(tick({{CalcInput::DryBulb, "20"}, {CalcInput::WetBulb, "25"}}), sink);
  ASSERT_TRUE(s.has_value());
  EXPECT_GT(s->rh, 100.0f);
  EXPECT_TRUE(sink.empty());
}

TEST(CalculatorDisplay, SliderFormats) {
  const std::string patterns[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"};
  for (int v = 0; v <= kMaxDecimals; ++v) EXPECT_EQ(DecimalsPattern(v), patterns[v]);
  EXPECT_EQ(DecimalsPattern(-1), "0");
  EXPECT_EQ(DecimalsPattern(9), "0.000000");
  // After a reset the stored value is 0 and a slider shows zero in its format.
  EXPECT_EQ(FormatOutput(0.0f, 1), "0.0");
  EXPECT_EQ(FormatOutput(0.010021f, 4), "0.0100");
  EXPECT_EQ(FormatOutput(0.010021f, 6), "0.010021");
  EXPECT_EQ(FormatOutput(50651.4f, 0), "50651");
  EXPECT_EQ(FormatOutput(-3.25f, 1), "-3.3");
  EXPECT_EQ(kDefaultDecimals, (std::array<int, 8>{1, 1, 4, 1, 1, 1, 4, 4}));
}

}  // namespace
}  // namespace vlm
