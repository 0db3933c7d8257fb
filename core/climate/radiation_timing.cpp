#include "core/climate/radiation_timing.h"

#include <cmath>

namespace vlm {

void RadiationTiming::add(float stamp, float extraterrestrial) {
  if (!(extraterrestrial > 0.0f) || extraterrestrial >= 9999.0f) return;
  weight_ += extraterrestrial;
  weightedMiddle_ += extraterrestrial * (static_cast<double>(stamp) - 0.5);
}

double RadiationTiming::lag(const Site& site) const {
  if (weight_ <= 0) return 0;
  const double solarNoon = 12.0 + (15.0 * site.utcOffset - site.longitude) / 15.0;
  const double early = solarNoon - weightedMiddle_ / weight_;
  return early > 0.25 && early < 0.75 ? 0.5 : 0.0;
}

}  // namespace vlm
