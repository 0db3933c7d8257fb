#include "core/psychro/psychrometrics.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/common/compute_error.h"
#include "core/psychro/newton_solver.h"

namespace vlm {
namespace {

Psychrometrics atSeaLevel() {
  Psychrometrics p;
  p.SetPatm_Alt(0.0f);
  return p;
}

struct Reference {
  float input;
  float expected;
  float tolerance;
};

TEST(SaturationPressure, HylandWexlerOverWaterAndIce) {
  const Psychrometrics p = atSeaLevel();
  // 0 °C itself is taken over ice; just above it the water formula applies.
  const Reference cases[] = {
      {0.0f, 0.61115f, 0.00002f},   {0.01f, 0.61166f, 0.00002f}, {20.0f, 2.3388f, 0.0001f},
      {-10.0f, 0.25990f, 0.00002f}, {50.0f, 12.350f, 0.001f},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(p.GetPsat_DBT(c.input), c.expected, c.tolerance) << "t = " << c.input;
  }
  // Ice lies below water at the freezing point: the two branches differ there.
  EXPECT_LT(p.GetPsat_DBT(0.0f), p.GetPsat_DBT(0.0001f) - 0.00005f);
}

TEST(DewPoint, CubicFitInvertsSaturationPressure) {
  const Psychrometrics p = atSeaLevel();
  EXPECT_NEAR(p.GetDPT_VP(p.GetPsat_DBT(20.0f)), 19.997f, 0.001f);
  EXPECT_NEAR(p.GetDPT_VP(p.GetPsat_DBT(-10.0f)), -9.996f, 0.001f);
  for (float t = -20.0f; t <= 50.0f; t += 5.0f) {
    EXPECT_NEAR(p.GetDPT_VP(p.GetPsat_DBT(t)), t, 0.005f) << "t = " << t;
  }
}

TEST(DewPoint, TriplePointTestIsMadeInSinglePrecisionPascals) {
  const Psychrometrics p = atSeaLevel();
  // 0.6112 kPa is 611.19995 Pa as a float: below 611.2, the ice branch.
  const float ice = p.GetDPT_VP(0.6112f);
  EXPECT_NEAR(ice, -0.0021f, 0.00005f);
  EXPECT_GT(ice, -0.0022f);  // the water branch would give about −0.0023
  // The next float up is 611.2 Pa itself and takes the water branch.
  EXPECT_NEAR(p.GetDPT_VP(0.61120003f), -0.0023f, 0.00005f);
}

TEST(Enthalpy, CondensedWaterAndMoistAir) {
  const Psychrometrics p = atSeaLevel();
  EXPECT_EQ(p.GetEnthW_T(0.0f), 0.0f);
  EXPECT_EQ(p.GetEnthW_T(-1.0f), -335693.0f);
  EXPECT_EQ(p.GetEnthW_T(10.0f), 41860.0f);
  EXPECT_EQ(p.GetEnth_DBTAH(20.0f, 0.0f), 20100.0f);
  // Enthalpy and its two inverses agree.
  const float h = p.GetEnth_DBTAH(25.0f, 0.01f);
  EXPECT_NEAR(p.GetDBT_AHEnth(0.01f, h), 25.0f, 1e-4f);
  EXPECT_NEAR(p.GetAH_DBTEnth(25.0f, h), 0.01f, 1e-7f);
}

TEST(StandardState, DryBulb25WetBulb18) {
  const Psychrometrics p = atSeaLevel();
  const float w = p.GetAH_DBTWBT(25.0f, 18.0f);
  EXPECT_NEAR(w, 0.010021f, 0.000002f);
  EXPECT_NEAR(p.GetEnth_DBTAH(25.0f, w), 50651.0f, 2.0f);
  EXPECT_NEAR(p.GetSV_DBTAH(25.0f, w), 0.8583f, 0.0001f);
  EXPECT_NEAR(p.GetRH_DBTAH(25.0f, w), 50.70f, 0.01f);
  EXPECT_NEAR(p.GetVP_AH(0.03f), 4.6623f, 0.0001f);
  // Vapour pressure and absolute humidity are inverse conversions.
  EXPECT_NEAR(p.GetAH_VP(p.GetVP_AH(w)), w, 1e-8f);
  EXPECT_NEAR(p.GetDBT_AHWBT(w, 18.0f), 25.0f, 0.001f);
}

TEST(IterativeSolvers, ReturnToTheStartingState) {
  const Psychrometrics p = atSeaLevel();
  const float w = p.GetAH_DBTWBT(25.0f, 18.0f);
  const float h = p.GetEnth_DBTAH(25.0f, w);
  const float rh = p.GetRH_DBTAH(25.0f, w);
  EXPECT_NEAR(p.GetWBT_DBTAH(25.0f, w), 18.0f, 0.005f);
  EXPECT_NEAR(p.GetDBT_EnthWBT(h, 18.0f), 25.0f, 0.005f);
  EXPECT_NEAR(p.GetDBT_RHWBT(rh, 18.0f), 25.0f, 0.005f);
  EXPECT_NEAR(p.GetDBT_RHEnth(rh, h), 25.0f, 0.005f);
  EXPECT_NEAR(p.GetDBT_AHRH(w, rh), 25.0f, 0.01f);
  // The enthalpy solver starts from the smaller of h/1005 (here 50.4) and 30 °C.
  EXPECT_EQ(Psychrometrics::MinOf(h / 1005.0f, 30.0f), 30.0f);
  EXPECT_EQ(Psychrometrics::MinOf(20.0f, 30.0f), 20.0f);
  EXPECT_EQ(Psychrometrics::MinOf(30.0f, 30.0f), 30.0f);
  EXPECT_EQ(Psychrometrics::MaxOf(30.0f, 30.0f), 30.0f);
}

TEST(IterativeSolvers, SaturatedAirHasItsOwnWetBulb) {
  const Psychrometrics p = atSeaLevel();
  for (const float t : {-5.0f, 5.0f, 20.0f, 30.0f}) {
    EXPECT_FLOAT_EQ(p.GetWBT_DBTAH(t, p.GetAH_DBTRH(t, 100.0f)), t) << "t = " << t;
  }
  // At saturation the dew point of the air is its own temperature.
  EXPECT_NEAR(p.GetDBT_AHRH(p.GetAH_DBTRH(20.0f, 100.0f), 100.0f), 20.0f, 0.005f);
}

// Near 0 °C the Newton steps can stop on the wrong side of the switch from
// the water to the ice formulas, or leap out of the formulas' range across it;
// every state with a wet bulb must get one that gives back the humidity it was
// solved for and lies between dew point and dry bulb.
TEST(IterativeSolvers, WetBulbNearFreezingReproducesItsHumidity) {
  struct Air {
    float dryBulb;
    float pressure;  // kPa
    float dewPoint;  // °C, or NaN when w is given
    float w;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::vector<Air> states = {
      {1.4f, 101.124f, -2.2f, nan},       // Seoul, hour 1688 of the built-in year
      {1.4f, 101.325f, nan, 0.003147f},   // the calculator's pair
      {-0.1f, 94.91f, -1.7f, nan},        // an hour of an actual year of an alpine station
      {-0.1f, 101.325f, nan, 0.003208f},  // the calculator's pair of that hour
      {0.3f, 101.325f, -4.0f, nan},      {2.5f, 100.5f, -1.0f, nan},
      {-0.5f, 101.325f, -3.0f, nan},     {25.0f, 101.325f, 14.0f, nan},
  };
  // Dry bulbs −2 … 2 °C by 0.1 K, from nearly dry air to saturation, 85 … 105 kPa.
  for (int tenth = -20; tenth <= 20; ++tenth) {
    for (int percent = 1; percent <= 100; percent += percent < 10 ? 3 : 5) {
      for (float pressure = 85.0f; pressure <= 105.0f; pressure += 5.0f) {
        Psychrometrics p;
        p.Patm = pressure;
        const float t = static_cast<float>(tenth) / 10.0f;
        states.push_back({t, pressure, nan, p.GetAH_DBTRH(t, static_cast<float>(percent))});
      }
    }
  }
  constexpr float kDewPointFit = 0.005f;  // °C, the dew point's cubic fit
  int unsolved = 0;
  for (const Air& air : states) {
    Psychrometrics p;
    p.Patm = air.pressure;
    const float w = std::isnan(air.w) ? p.GetAH_VP(p.GetPsat_DBT(air.dewPoint)) : air.w;
    SCOPED_TRACE(testing::Message()
                 << "t = " << air.dryBulb << ", w = " << w << " at " << air.pressure << " kPa");
    float wetBulb = 0.0f;
    try {
      wetBulb = p.GetWBT_DBTAH(air.dryBulb, w);
    } catch (const ComputeError& e) {
      ADD_FAILURE() << e.what();
      if (++unsolved > 5) return;
      continue;
    }
    const float dewPoint = p.GetDPT_VP(p.GetVP_AH(w));
    EXPECT_NEAR(p.GetAH_DBTWBT(air.dryBulb, wetBulb), w, 0.001 * w);
    EXPECT_LE(wetBulb, air.dryBulb);
    EXPECT_GE(wetBulb, dewPoint - kDewPointFit) << "saturated air may sit just below the fit";
  }
}

// A memo of saturation pressures changes no result, not even the fault named:
// each case is asked twice, so that the second asks the memo.
TEST(SaturationMemo, GivesTheResultsComputedWithoutIt) {
  const auto outcome = [](auto call) -> std::string {
    try {
      return std::to_string(std::bit_cast<std::uint32_t>(call()));
    } catch (const ComputeError& e) {
      return e.what();
    }
  };
  struct Case {
    float patm, t, w;
  };
  const Case cases[] = {{101.325f, 25.0f, 0.01f},   {101.325f, 0.1f, 0.003f},
                        {100.2f, -12.3f, 0.001f},   {101.325f, 0.0f, 0.0038f},
                        {101.325f, -300.0f, 0.01f}, {2.3388f, 20.0f, 0.01f},
                        {101.325f, 1e30f, 0.01f}};
  SaturationMemo memo;
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      Psychrometrics p;
      p.Patm = c.patm;
      EXPECT_EQ(outcome([&] { return p.GetPsat_DBT(c.t, memo); }),
                outcome([&] { return p.GetPsat_DBT(c.t); }))
          << c.t;
      EXPECT_EQ(outcome([&] { return p.GetWBT_DBTAH(c.t, c.w, memo); }),
                outcome([&] { return p.GetWBT_DBTAH(c.t, c.w); }))
          << c.t << ' ' << c.w;
    }
  }
}

TEST(Newton, StopsAtTheHundredthEstimateWithoutRoot) {
  int evaluations = 0;
  // x² + 1 has no real root: the estimates wander and never settle.
  const auto noRoot = [&](float x) {
    ++evaluations;
    return static_cast<float>(static_cast<double>(x) * x + 1.0);
  };
  const float result = psychro_detail::SolveNewton(0.5f, noRoot, "test");
  EXPECT_TRUE(std::isfinite(result));
  EXPECT_EQ(evaluations, 2 * psychro_detail::kNewtonIterationLimit);
}

TEST(Newton, ToleranceBoundsTheLastStep) {
  int evaluations = 0;
  const auto linear = [&](float x) {
    ++evaluations;
    return static_cast<float>(2.0 * x - 10.0);
  };
  // A straight line is solved in one step; the second step confirms it.
  EXPECT_NEAR(psychro_detail::SolveNewton(0.0f, linear, "test"), 5.0f, 1e-4f);
  EXPECT_EQ(evaluations, 4);
}

TEST(Newton, FlatResidualIsAComputeError) {
  const auto flat = [](float) { return 3.0f; };
  EXPECT_THROW((void)psychro_detail::SolveNewton(1.0f, flat, "test"), ComputeError);
}

TEST(Pressure, StandardAtmosphere) {
  Psychrometrics p;
  EXPECT_EQ(p.Patm, 0.0f);
  p.SetPatm_Alt(0.0f);
  EXPECT_EQ(p.Patm, 101.325f);
  p.SetPatm_Alt(1000.0f);
  EXPECT_NEAR(p.Patm, 89.87f, 0.01f);
  // The pressure conversions read the current Patm.
  EXPECT_GT(p.GetAH_VP(2.0f), atSeaLevel().GetAH_VP(2.0f));
}

TEST(Pressure, AboveTheAtmosphereIsAnErrorNotNaN) {
  Psychrometrics p;
  p.SetPatm_Alt(0.0f);
  EXPECT_THROW(p.SetPatm_Alt(50000.0f), ComputeError);
  EXPECT_EQ(p.Patm, 101.325f);  // a failed call leaves the pressure alone
}

TEST(RelativeHumidity, DryAirAndRoundTrip) {
  const Psychrometrics p = atSeaLevel();
  EXPECT_EQ(p.GetRH_DBTVP(25.0f, 0.0f), 0.0f);
  EXPECT_NEAR(p.GetRH_DBTAH(30.0f, p.GetAH_DBTRH(30.0f, 65.0f)), 65.0f, 0.001f);
  EXPECT_NEAR(p.GetDBT_RHVP(50.0f, p.GetVP_DBTRH(25.0f, 50.0f)), 25.0f, 0.005f);
}

// Every floating-point fault is an exception, never a NaN or an infinity.
TEST(Faults, AreComputeErrors) {
  const Psychrometrics p = atSeaLevel();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW((void)p.GetAH_VP(p.Patm), ComputeError);         // division by zero
  EXPECT_THROW((void)p.GetDBT_RHVP(0.0f, 1.0f), ComputeError);  // RH 0
  EXPECT_THROW((void)p.GetDPT_VP(0.0f), ComputeError);          // log of 0
  EXPECT_THROW((void)p.GetDPT_VP(-1.0f), ComputeError);         // log of a negative
  EXPECT_THROW((void)p.GetPsat_DBT(-273.2f), ComputeError);     // below absolute zero
  EXPECT_THROW((void)p.GetPsat_DBT(-300.0f), ComputeError);
  EXPECT_THROW((void)p.GetPsat_DBT(1e30f), ComputeError);  // overflow
  EXPECT_THROW((void)p.GetPsat_DBT(nan), ComputeError);
  EXPECT_THROW((void)p.GetEnth_DBTAH(nan, 0.01f), ComputeError);
  EXPECT_THROW((void)p.GetEnth_DBTAH(3e38f, 3e38f), ComputeError);  // beyond float
  EXPECT_THROW((void)p.GetDBT_AHRH(0.01f, 0.0f), ComputeError);
  Psychrometrics unset;  // Patm still 0
  EXPECT_THROW((void)unset.GetSV_DBTAH(20.0f, 0.01f), ComputeError);
}

TEST(Faults, NameTheFunctionInTheDescription) {
  const Psychrometrics p = atSeaLevel();
  try {
    (void)p.GetAH_VP(p.Patm);
    FAIL() << "no error";
  } catch (const ComputeError& e) {
    EXPECT_STREQ(e.what(), "0으로 나누었습니다. (GetAH_VP)");
  }
  try {
    (void)p.GetPsat_DBT(1e30f);
    FAIL() << "no error";
  } catch (const ComputeError& e) {
    EXPECT_STREQ(e.what(), "오버플로입니다. (GetPsat_DBT)");
  }
}

// The functions the year's load and a conversion apply to every hour, each
// fault named after the formula where it first arises, whether the call is
// evaluated once or again after a fault.
TEST(Faults, OfTheHourlyPropertiesNameTheFirstFaultingFormula) {
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  const float psat20 = atSeaLevel().GetPsat_DBT(20.0f);
  struct Case {
    float patm;
    float (*call)(const Psychrometrics&);
    const char* message;
  };
  const Case cases[] = {
      {101.325f, [](const Psychrometrics& p) { return p.GetAH_DBTWBT(30.0f, nan); },
       "잘못된 프로시저 호출 또는 인수입니다. (GetEnthW_T)"},
      {101.325f, [](const Psychrometrics& p) { return p.GetAH_DBTWBT(30.0f, -300.0f); },
       "잘못된 프로시저 호출 또는 인수입니다. (GetPsat_DBT)"},
      {psat20,  // the pressure of saturation at the wet bulb: no dry air left
       [](const Psychrometrics& p) { return p.GetAH_DBTWBT(25.0f, 20.0f); },
       "0으로 나누었습니다. (GetAH_VP)"},
      {3e38f, [](const Psychrometrics& p) { return p.GetVP_AH(-0.6f); },
       "오버플로입니다. (GetVP_AH)"},
      {3e38f, [](const Psychrometrics& p) { return p.GetRH_DBTAH(20.0f, -0.6f); },
       "오버플로입니다. (GetVP_AH)"},
      {101.325f, [](const Psychrometrics& p) { return p.GetRH_DBTAH(-300.0f, 0.01f); },
       "잘못된 프로시저 호출 또는 인수입니다. (GetPsat_DBT)"},
      {101.325f,  // no saturation pressure left to divide by near absolute zero
       [](const Psychrometrics& p) { return p.GetRH_DBTAH(-270.0f, 0.01f); },
       "0으로 나누었습니다. (GetRH_DBTVP)"},
      {0.0f, [](const Psychrometrics& p) { return p.GetSV_DBTAH(20.0f, 0.01f); },
       "0으로 나누었습니다. (GetSV_DBTAH)"},
      {101.325f, [](const Psychrometrics& p) { return p.GetSV_DBTAH(3e38f, 3e38f); },
       "오버플로입니다. (GetSV_DBTAH)"},
      // The wet bulb of a converted hour: faults inside its Newton solve.
      {101.325f, [](const Psychrometrics& p) { return p.GetWBT_DBTAH(nan, 0.01f); },
       "잘못된 프로시저 호출 또는 인수입니다. (GetEnth_DBTAH)"},
      {101.325f, [](const Psychrometrics& p) { return p.GetWBT_DBTAH(-300.0f, 0.001f); },
       "잘못된 프로시저 호출 또는 인수입니다. (GetPsat_DBT)"},
      {psat20, [](const Psychrometrics& p) { return p.GetWBT_DBTAH(20.0f, 0.01f); },
       "0으로 나누었습니다. (GetAH_VP)"},
  };
  for (const Case& c : cases) {
    Psychrometrics p;
    p.Patm = c.patm;
    try {
      (void)c.call(p);
      ADD_FAILURE() << "no error: " << c.message;
    } catch (const ComputeError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace vlm
