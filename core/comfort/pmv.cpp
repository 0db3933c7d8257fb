#include "core/comfort/pmv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/comfort/comfort_texts.h"
#include "core/common/number_parse.h"

namespace vlm {
namespace {

constexpr double kMetToWatts = 58.15;       // W/m² per met
constexpr double kCloToResistance = 0.155;  // m²K/W per clo
constexpr double kRadiation = 3.96e-8;  // σ · body emissivity · effective radiating area share

struct Clothing {
  double resistance;  // Icl, m²K/W
  double area;        // fcl, clothed over nude surface
};

Clothing clothingOf(double clo) {
  const double icl = kCloToResistance * clo;
  return {icl, icl <= 0.078 ? 1.0 + 1.29 * icl : 1.05 + 0.645 * icl};
}

// hc: natural convection at the surface's excess temperature, or forced
// convection at the air speed, whichever is larger.
double convection(double excess, double airSpeed) {
  return std::max(2.38 * std::pow(std::abs(excess), 0.25), 12.1 * std::sqrt(airSpeed));
}

// The clothing surface temperature balances the heat conducted through the
// clothing against radiation and convection from its surface. The residual
// rises strictly with tcl, so Newton's method from the standard's first guess
// finds the one root; the derivative of the natural branch is 1.25 · hc.
double clothingTemperature(const PmvInputs& in, double m, const Clothing& c) {
  const double target = 35.7 - 0.028 * m;
  const double tr4 = std::pow(in.radiantTemperature + 273.0, 4);
  double tcl = in.airTemperature + (35.5 - in.airTemperature) / (3.5 * c.resistance + 0.1);
  for (int i = 0; i < 100; ++i) {
    const double excess = tcl - in.airTemperature;
    const double hc = convection(excess, in.airSpeed);
    const bool natural = hc > 12.1 * std::sqrt(in.airSpeed);
    const double k = tcl + 273.0;
    const double loss = kRadiation * c.area * (k * k * k * k - tr4) + c.area * hc * excess;
    const double residual = tcl - target + c.resistance * loss;
    const double slope =
        1.0 + c.resistance * c.area * (4.0 * kRadiation * k * k * k + (natural ? 1.25 : 1.0) * hc);
    const double step = residual / slope;
    tcl -= step;
    if (std::abs(step) < 1e-7) break;
  }
  return tcl;
}

}  // namespace

double Iso7730SaturationPressure(double airTemperature) {
  return std::exp(16.6536 - 4030.183 / (airTemperature + 235.0));
}

double PpdOfPmv(double pmv) {
  const double p2 = pmv * pmv;
  return 100.0 - 95.0 * std::exp(-0.03353 * p2 * p2 - 0.2179 * p2);
}

PmvResult ComputePmv(const PmvInputs& in) {
  const double m = in.met * kMetToWatts;         // no external work
  const double pa = in.vapourPressure * 1000.0;  // Pa
  const Clothing c = clothingOf(in.clo);
  const double tcl = clothingTemperature(in, m, c);
  const double excess = tcl - in.airTemperature;
  const double hc = convection(excess, in.airSpeed);
  const double skinDiffusion = 3.05e-3 * (5733.0 - 6.99 * m - pa);
  const double sweating = std::max(0.0, 0.42 * (m - kMetToWatts));
  const double latentRespiration = 1.7e-5 * m * (5867.0 - pa);
  const double dryRespiration = 0.0014 * m * (34.0 - in.airTemperature);
  const double radiation =
      kRadiation * c.area * (std::pow(tcl + 273.0, 4) - std::pow(in.radiantTemperature + 273.0, 4));
  const double convective = c.area * hc * excess;
  const double load =
      m - skinDiffusion - sweating - latentRespiration - dryRespiration - radiation - convective;
  const double pmv = (0.303 * std::exp(-0.036 * m) + 0.028) * load;
  return {pmv, PpdOfPmv(pmv)};
}

namespace {

struct BoxRange {
  const char* name;
  double low, high;
  const char* unit;
};

BoxRange rangeOf(PmvBox box) {
  using namespace comfort_texts;
  switch (box) {
    case PmvBox::AirTemperature:
      return {kAirTemperature, 10, 30, "°C"};
    case PmvBox::RadiantTemperature:
      return {kRadiantTemperature, 10, 40, "°C"};
    case PmvBox::AirSpeed:
      return {kAirSpeed, 0, 1, "m/s"};
    case PmvBox::Met:
      return {kMetabolicRate, 0.8, 4, "met"};
    case PmvBox::Clo:
      return {kClothing, 0, 2, "clo"};
    case PmvBox::Humidity:
      return {kHumidity, 0, 100, "%"};
  }
  return {"", 0, 0, ""};
}

std::string number(double v) {
  std::string s = std::to_string(v);
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s;
}

}  // namespace

Message PmvRangeMessage(PmvBox box) {
  const BoxRange r = rangeOf(box);
  const std::string unit = r.unit;
  return errorMessage(
      {std::string(r.name) + comfort_texts::kInvalidInput, "",
       "[" + number(r.low) + unit + " <= " + r.name + " <= " + number(r.high) + unit + "]"});
}

std::optional<double> ReadPmvBox(PmvBox box, std::string_view text, MessageSink& sink) {
  const double v = LeadingNumber(text);
  const BoxRange r = rangeOf(box);
  if (!(v >= r.low && v <= r.high)) {
    sink.show(PmvRangeMessage(box));
    return std::nullopt;
  }
  return v;
}

bool CheckPmvInputs(const PmvInputs& in, MessageSink& sink) {
  const std::array<std::pair<PmvBox, double>, 5> values = {{
      {PmvBox::AirTemperature, in.airTemperature},
      {PmvBox::RadiantTemperature, in.radiantTemperature},
      {PmvBox::AirSpeed, in.airSpeed},
      {PmvBox::Met, in.met},
      {PmvBox::Clo, in.clo},
  }};
  for (const auto& [box, v] : values) {
    const BoxRange r = rangeOf(box);
    if (!(v >= r.low && v <= r.high)) {
      sink.show(PmvRangeMessage(box));
      return false;
    }
  }
  return true;
}

}  // namespace vlm
