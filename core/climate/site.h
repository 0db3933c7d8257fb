// Where a climate year was observed: what placing each hour's sun needs.
#pragma once

#include <string>

namespace vlm {

struct Site {
  std::string name;      // the station's name as its source gives it
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  double utcOffset = 9;  // hours from UTC of the year's standard time
  // Hours by which the middle of each stored hour's radiation interval lies
  // after the interval itself: 0 where the source keeps to the hour's
  // interval, 0.5 where its generator centred each hour's radiation on the
  // hour's end (its time stamp).
  double radiationLag = 0;
  bool operator==(const Site&) const = default;
};

}  // namespace vlm
