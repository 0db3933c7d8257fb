// Where a climate year was observed: what placing each hour's sun needs.
#pragma once

#include <string>

namespace vlm {

struct Site {
  std::string name;      // the station's name as its source gives it
  double latitude = 0;   // degrees, north positive
  double longitude = 0;  // degrees, east positive
  double utcOffset = 9;  // hours from UTC of the year's standard time
  bool operator==(const Site&) const = default;
};

}  // namespace vlm
