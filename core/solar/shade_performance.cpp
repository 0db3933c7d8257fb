#include "core/solar/shade_performance.h"

namespace vlm {
namespace {

constexpr double kJoulesPerKWh = 3.6e6;
constexpr int kLargestOverhangAngle = 90;

// Sums in J/m², kept in double until the tally is read.
struct Sums {
  ShadeTally tally;
  double unwantedBeam = 0, unwantedBlocked = 0, wantedBeam = 0, wantedAdmitted = 0;

  void add(const FacadeHour& h, bool shaded) {
    if (h.missing) ++tally.missingRadiation;
    if (h.wish == SunWish::Unwanted) {
      ++tally.unwantedHours;
      if (shaded) ++tally.unwantedShadedHours;
      unwantedBeam += h.beam;
      if (shaded) unwantedBlocked += h.beam;
    } else if (h.wish == SunWish::Wanted) {
      ++tally.wantedHours;
      if (!shaded) ++tally.wantedSunlitHours;
      wantedBeam += h.beam;
      if (!shaded) wantedAdmitted += h.beam;
    }
  }

  [[nodiscard]] ShadeTally read() const {
    ShadeTally t = tally;
    t.unwantedBeam = static_cast<float>(unwantedBeam / kJoulesPerKWh);
    t.unwantedBeamBlocked = static_cast<float>(unwantedBlocked / kJoulesPerKWh);
    t.wantedBeam = static_cast<float>(wantedBeam / kJoulesPerKWh);
    t.wantedBeamAdmitted = static_cast<float>(wantedAdmitted / kJoulesPerKWh);
    return t;
  }
};

// Where the hour's beam comes from.
SkyPosition beamSky(const HourSun& sun) { return SkyPosition{sun.upAzimuth, sun.upAltitude}; }

}  // namespace

std::vector<WishedHour> WishedHours(const ClimateData& climate, const std::vector<SunWish>& wishes,
                                    const SolarSite& site) {
  std::vector<WishedHour> hours;
  hours.reserve(kHoursPerYear / 2);
  ForEachHourSun(site, [&](int h, int8_t month, const HourSun& sun) {
    const SunWish wish = wishes[static_cast<std::size_t>(h)];
    if (wish == SunWish::Neither || !sun.sunUp()) return;
    const HourSplit split = SplitHour(climate.year[static_cast<std::size_t>(h)].Radiation, sun);
    const bool missing = split.kind == HourSplitKind::Missing;
    hours.push_back(
        {beamSky(sun), missing ? SkyHour{} : PrepareSkyHour(split, sun), month, wish, missing});
  });
  return hours;
}

std::vector<FacadeHour> FacadeHours(const std::vector<WishedHour>& hours, float s) {
  const Plane facade = MakePlane(s, 90.0);
  std::vector<FacadeHour> out;
  out.reserve(hours.size());
  for (const WishedHour& h : hours) {
    const FacadeSun sun = SeenFromFacade(h.sun, s);
    if (!sun.inFront()) continue;
    const double beam = Irradiate(h.sky, facade, SkyModel::Isotropic, 0.0).beam;
    out.push_back({sun, beam, h.month, h.wish, h.missing});
  }
  return out;
}

std::optional<double> ShareOf(double part, double whole) {
  if (!(whole > 0)) return std::nullopt;
  return 100.0 * part / whole;
}

ShadePerformance PerformanceOf(const std::vector<FacadeHour>& hours, const Shade& shade) {
  std::array<Sums, 12> months{};
  Sums year;
  for (const FacadeHour& h : hours) {
    const bool shaded = ShadesSun(shade, h.sun);
    months[static_cast<std::size_t>(h.month)].add(h, shaded);
    year.add(h, shaded);
  }
  ShadePerformance p;
  for (std::size_t m = 0; m < 12; ++m) p.months[m] = months[m].read();
  p.year = year.read();
  return p;
}

OverhangSuggestion SuggestOverhang(const std::vector<FacadeHour>& hours) {
  OverhangSuggestion best;
  double bestScore = 0;
  bool first = true;
  for (int v = kLargestOverhangAngle; v >= 0; --v) {
    const Shade shade = Shade::Of(kShadeHorizontal, ShadeAngles{static_cast<float>(v), 0, 0, 0});
    Sums sums;
    for (const FacadeHour& h : hours) sums.add(h, ShadesSun(shade, h.sun));
    const double wantedBlocked = sums.wantedBeam - sums.wantedAdmitted;
    const double score = sums.unwantedBlocked - wantedBlocked;
    if (first || score > bestScore) {
      first = false;
      bestScore = score;
      best.v = v;
      best.unwantedBeamBlocked = ShareOf(sums.unwantedBlocked, sums.unwantedBeam);
      best.wantedBeamAdmitted = ShareOf(sums.wantedAdmitted, sums.wantedBeam);
    }
  }
  return best;
}

}  // namespace vlm
