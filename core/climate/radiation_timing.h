// When in its hour an EPW file's radiation was received. The format says over
// the hour before each time stamp, yet generators of typical years also centre
// each hour's value on its stamp. The file's own extraterrestrial field tells
// which: over a year, its weighted mean time of day lies at solar noon (the
// equation of time averages out) for the one reading or half an hour earlier
// for the other.
#pragma once

#include "core/climate/site.h"

namespace vlm {

class RadiationTiming {
 public:
  // One hour's stamp (1 … 24) and extraterrestrial horizontal irradiation;
  // a value that is missing, not a number or not positive tells nothing.
  void add(float stamp, float extraterrestrial);
  // The site's radiation lag (0 or 0.5 h): 0 when nothing told otherwise.
  [[nodiscard]] double lag(const Site& site) const;

 private:
  double weight_ = 0;
  double weightedMiddle_ = 0;  // Σ E · (stamp − 0.5), hours
};

}  // namespace vlm
