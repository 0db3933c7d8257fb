#include "core/analysis/zone.h"

#include <algorithm>

#include "core/psychro/psychro_chart.h"

namespace vlm {
namespace {

constexpr float kMissing = 999.0f;
constexpr double kComfortSlope = -0.008703;
constexpr double kComfortIntercept = 0.229077;

bool contains(std::span<const int16_t> codes, int16_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The tests above the heating limit, each written as its comparisons read
// (a not-a-number fails every one of them and falls through to −1). Every step
// evaluates all of its comparisons (no short-circuit), so only the order of
// the steps decides.
int16_t warmZone(float dbt, float wbt, float ah, float rh, float sv, float h) {
  const bool aboveHeating = dbt > kZoneDBT67_5F;
  if (aboveHeating & (ah <= kZoneAHLow) & (wbt <= kZoneWBT51_5F) & (ah <= h)) return 61;
  if ((ah <= kZoneAHLow) & (ah <= h) & (wbt > kZoneWBT51_5F)) return 62;
  if (aboveHeating & (rh <= kZoneRHHigh) & (ah <= h) & (ah > kZoneAHLow)) return 7;
  if (aboveHeating & (ah <= h) & (rh > kZoneRHHigh)) return 8;
  if ((ah > h) & (rh <= kZoneRHHigh) & (sv <= kZoneSVHigh) & (dbt <= kZoneDBT89_5F) &
      (ah > kZoneAHHigh)) {
    return 9;
  }
  if ((ah <= kZoneAHHigh) & (dbt <= kZoneDBT89_5F) & (wbt > kZoneWBT71_5F)) return 10;
  if ((ah > h) & (ah <= kZoneAHHigh) & (wbt <= kZoneWBT71_5F) & (dbt <= kZoneDBT89_5F) &
      (rh > kZoneRHLow)) {
    return 11;
  }
  if ((dbt > kZoneDBT89_5F) & (sv <= kZoneSVLow) & (wbt > kZoneWBT71_5F)) return 12;
  if (((rh <= kZoneRHLow) & (dbt <= kZoneDBT89_5F) & (ah > kZoneAHLow)) |
      ((dbt > kZoneDBT89_5F) & (wbt <= kZoneWBT71_5F) & (sv <= kZoneSVLow) & (ah > kZoneAHLow))) {
    return 13;
  }
  if (((sv > kZoneSVLow) & (wbt <= kZoneWBT71_5F) & (dbt <= kZoneDBT104_5F) & (ah > kZoneAHLow)) |
      ((ah > h) & (ah <= kZoneAHLow) & (dbt <= kZoneDBT104_5F))) {
    return 14;
  }
  if ((ah > h) & (sv <= kZoneSVHigh) & (rh > kZoneRHHigh)) return 15;
  if (((dbt > kZoneDBT89_5F) & (ah > kZoneAHHigh)) | ((sv > kZoneSVHigh) & (dbt <= kZoneDBT89_5F))) {
    return 16;
  }
  if (((sv > kZoneSVLow) & (ah <= kZoneAHHigh) & (dbt <= kZoneDBT104_5F) & (wbt > kZoneWBT71_5F)) |
      ((dbt > kZoneDBT104_5F) & (ah <= kZoneAHHigh))) {
    return 17;
  }
  return kZoneNoTest;
}

}  // namespace

float ComfortRightLine(float dbt) {
  return static_cast<float>(static_cast<double>(dbt) * kComfortSlope + kComfortIntercept);
}

int16_t GetZone(float dbt, float wbt, float ah, float rh, float specV, const PsychroChart& chart) {
  if (dbt == kMissing || wbt == kMissing || ah == kMissing) return kZoneMissing;
  if (!(chart.DBTmin <= dbt && dbt <= chart.DBTmax)) return kZoneDBTOutOfRange;
  if (!(chart.AHmin <= ah && ah <= chart.AHmax)) return kZoneAHOutOfRange;
  const float h = ComfortRightLine(dbt);
  // Heating bands, one per 5 °F.
  if (dbt <= kZoneDBT44_5F) return 1;
  if ((dbt > kZoneDBT44_5F) & (dbt <= kZoneDBT49_5F)) return 2;
  if ((dbt > kZoneDBT49_5F) & (dbt <= kZoneDBT54_5F)) return 3;
  if ((dbt > kZoneDBT54_5F) & (dbt <= kZoneDBT59_5F)) return 4;
  if ((dbt > kZoneDBT59_5F) & (dbt <= kZoneDBT67_5F)) return 5;
  return warmZone(dbt, wbt, ah, rh, specV, h);
}

int NeedZoneIndex(int16_t code) {
  for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
    if (contains(kNeedZones[i].codes, code)) return static_cast<int>(i);
  }
  return -1;
}

bool GuideZoneCounts(std::size_t guideIndex, int16_t code) {
  return guideIndex < kGuideZones.size() && contains(kGuideZones[guideIndex].codes, code);
}

}  // namespace vlm
