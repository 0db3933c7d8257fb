#include "core/comfort/comfort_year.h"

#include <cmath>
#include <optional>

#include "core/climate/date_time.h"

namespace vlm {
namespace {

enum class Verdict { Below, Within, Above, Outside, Missing };

struct HourClass {
  Verdict verdict = Verdict::Missing;
  int narrowestBand = 0;  // for Within: the narrowest band holding the hour
};

HourClass classAgainst(const std::optional<AdaptiveBand>& band, double t) {
  if (!band) return {Verdict::Outside};
  const auto widest = static_cast<std::size_t>(band->bands - 1);
  if (band->upper[widest] && t > *band->upper[widest]) return {Verdict::Above};
  if (!band->lower[widest]) return {Verdict::Outside};  // no lower limit to judge by
  if (t < *band->lower[widest]) return {Verdict::Below};
  int narrowest = band->bands - 1;
  for (int i = band->bands - 1; i >= 0; --i) {
    const auto k = static_cast<std::size_t>(i);
    if (t >= *band->lower[k] && t <= *band->upper[k]) narrowest = i;
  }
  return {Verdict::Within, narrowest};
}

HourClass pmvClass(const HourRecord& hour, const ComfortSettings& s) {
  if (hour.DBT == kMissing || hour.VP == kMissing) return {Verdict::Missing};
  if (hour.DBT < 10.0f || hour.DBT > 30.0f) return {Verdict::Outside};
  const PmvInputs in{hour.DBT, hour.DBT, s.airSpeed, hour.VP, s.met, s.clo};
  const double pmv = ComputePmv(in).pmv;
  if (pmv < -0.5) return {Verdict::Below};
  if (pmv > 0.5) return {Verdict::Above};
  return {Verdict::Within, 0};
}

void count(ComfortTally& tally, const HourClass& c, int bands) {
  switch (c.verdict) {
    case Verdict::Below:
      ++tally.below;
      break;
    case Verdict::Above:
      ++tally.above;
      break;
    case Verdict::Outside:
      ++tally.outside;
      break;
    case Verdict::Missing:
      ++tally.missing;
      break;
    case Verdict::Within:
      for (int i = c.narrowestBand; i < bands; ++i) ++tally.within[static_cast<std::size_t>(i)];
      break;
  }
}

}  // namespace

int BandCount(ComfortModel model) {
  switch (model) {
    case ComfortModel::AshraeAdaptive:
      return 2;
    case ComfortModel::EnAdaptive:
      return 3;
    case ComfortModel::Pmv:
      return 1;
  }
  return 0;
}

ComfortYear ClassifyComfortYear(const ClimateData& climate, const ComfortSettings& settings) {
  ComfortYear result;
  result.model = settings.model;
  result.bands = BandCount(settings.model);
  const auto runningMean = RunningMeanOutdoor(DailyMeanDryBulb(climate));
  std::array<std::optional<AdaptiveBand>, kDaysPerYear> dayBands{};
  if (settings.model != ComfortModel::Pmv) {
    for (std::size_t d = 0; d < dayBands.size(); ++d) {
      dayBands[d] = settings.model == ComfortModel::AshraeAdaptive
                        ? AshraeAdaptiveBand(runningMean[d])
                        : EnAdaptiveBand(runningMean[d]);
    }
  }
  for (int16_t month = 1; month <= 12; ++month) {
    ComfortTally& tally = result.months[static_cast<std::size_t>(month - 1)];
    for (int h = firstHourOfMonth(month); h <= lastHourOfMonth(month); ++h) {
      const HourRecord& hour = climate.year[static_cast<std::size_t>(h)];
      HourClass c;
      if (settings.model == ComfortModel::Pmv) {
        c = pmvClass(hour, settings);
      } else if (hour.DBT != kMissing) {
        c = classAgainst(dayBands[static_cast<std::size_t>((h - 1) / 24)], hour.DBT);
      }
      count(tally, c, result.bands);
      count(result.year, c, result.bands);
    }
  }
  return result;
}

}  // namespace vlm
