// Classification of one climate hour on the building bioclimatic chart, and the
// five need zones and nine guideline zones that the zone codes are summed into.
//
// The dry-bulb and wet-bulb thresholds are the Celsius values of Fahrenheit
// limits at half degrees; every threshold is a 32-bit float and every
// comparison is made between floats.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace vlm {

class PsychroChart;

// Codes that are not zones.
inline constexpr int16_t kZoneNoTest = -1;        // no test held (a not-a-number input)
inline constexpr int16_t kZoneAHOutOfRange = -2;  // absolute humidity outside the chart
inline constexpr int16_t kZoneDBTOutOfRange = -3; // dry-bulb outside the chart
inline constexpr int16_t kZoneMissing = -4;       // DBT, WBT or AH is the marker 999

// Boundary constants, shared with the zone outlines of the chart.
inline constexpr float kZoneDBT44_5F = 6.944444f;
inline constexpr float kZoneDBT49_5F = 9.722222f;
inline constexpr float kZoneDBT54_5F = 12.5f;
inline constexpr float kZoneDBT59_5F = 15.277778f;
inline constexpr float kZoneDBT67_5F = 19.722221f;   // heating limit
inline constexpr float kZoneDBT89_5F = 31.944445f;
inline constexpr float kZoneDBT104_5F = 40.27778f;
inline constexpr float kZoneWBT51_5F = 10.833333f;
inline constexpr float kZoneWBT71_5F = 21.944445f;
inline constexpr float kZoneAHLow = 0.004119f;
inline constexpr float kZoneAHHigh = 0.014231035f;
inline constexpr float kZoneRHHigh = 80.0f;
inline constexpr float kZoneRHLow = 20.0f;
inline constexpr float kZoneSVLow = 0.883356f;
inline constexpr float kZoneSVHigh = 0.886477f;

// The comfort zone's right boundary AH = 0.229077 − 0.008703 × DBT, computed in
// double and rounded to float. Left of it is AH ≤ H.
[[nodiscard]] float ComfortRightLine(float dbt);

// The zone code of one hour: 1 … 5, 61, 62, 7 … 17, or one of the negative codes
// above (missing before dry-bulb range before humidity range). The chart ranges
// are read from `chart` (DBTmin, DBTmax, AHmin, AHmax), inclusive at both ends.
[[nodiscard]] int16_t GetZone(float dbt, float wbt, float ah, float rh, float specV,
                              const PsychroChart& chart);

// Every zone code in the order the tally lists them, and the non-zone codes.
inline constexpr std::array<int16_t, 18> kZoneCodes{1, 2, 3, 4, 5, 61, 62, 7, 8,
                                                    9, 10, 11, 12, 13, 14, 15, 16, 17};
inline constexpr std::array<int16_t, 4> kNonZoneCodes{kZoneNoTest, kZoneAHOutOfRange,
                                                      kZoneDBTOutOfRange, kZoneMissing};

namespace zone_detail {
inline constexpr std::array<int16_t, 5> kHeating{1, 2, 3, 4, 5};
inline constexpr std::array<int16_t, 9> kCooling{9, 10, 11, 12, 13, 14, 15, 16, 17};
inline constexpr std::array<int16_t, 1> kComfortShade{7};
inline constexpr std::array<int16_t, 1> kDehumidify{8};
inline constexpr std::array<int16_t, 2> kHumidify{61, 62};

inline constexpr std::array<int16_t, 11> kRC{1, 2, 3, 4, 5, 9, 10, 11, 15, 16, 17};
inline constexpr std::array<int16_t, 7> kRI{1, 2, 3, 4, 5, 16, 17};
inline constexpr std::array<int16_t, 5> kPSG{1, 2, 3, 4, 5};
inline constexpr std::array<int16_t, 13> kRSG{61, 62, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
inline constexpr std::array<int16_t, 3> kPV{9, 10, 11};
inline constexpr std::array<int16_t, 4> kPEC{11, 62, 13, 14};
inline constexpr std::array<int16_t, 4> kPRC{10, 11, 12, 13};
inline constexpr std::array<int16_t, 1> kMC{17};
inline constexpr std::array<int16_t, 2> kMCD{15, 16};
}  // namespace zone_detail

// A bioclimatic-need zone (생체기후적 요구 죤): its name, the key of its check box
// (chk12a + key) and the zone codes it sums.
struct NeedZone {
  std::string_view name;
  std::string_view key;
  std::span<const int16_t> codes;
};

// A climatic-design guideline zone (기후설계 지침 죤): the short name used when
// naming the most important guideline, the caption of its check box and result
// row ('\n' a line break), its check-box key and its codes.
struct GuideZone {
  std::string_view shortName;
  std::string_view caption;
  std::string_view key;
  std::span<const int16_t> codes;
};

// The fixed orders: screen rows and the tie-break of the rankings.
inline constexpr std::array<NeedZone, 5> kNeedZones{{
    {"난방 필요", "TH", zone_detail::kHeating},
    {"냉방 필요", "TC", zone_detail::kCooling},
    {"쾌적(그늘 필요)", "TCT", zone_detail::kComfortShade},
    {"제습만 필요", "DH", zone_detail::kDehumidify},
    {"가습만 필요", "HU", zone_detail::kHumidify},
}};

inline constexpr std::array<GuideZone, 9> kGuideZones{{
    {"단열", "단열\n(Restrict Conduction)", "RC", zone_detail::kRC},
    {"침기차단", "침기차단\n(Restrict Infiltration)", "RI", zone_detail::kRI},
    {"태양열획득", "태양열획득\n(Promote Solar Gain)", "PSG", zone_detail::kPSG},
    {"태양열차단", "태양열차단\n(Restrict Solar Gain)", "RSG", zone_detail::kRSG},
    {"통풍·환기", "통풍, 환기\n(Promote Ventilation)", "PV", zone_detail::kPV},
    {"증발냉각", "증발냉각\n(Promote Evaporative\nCooling)", "PEC", zone_detail::kPEC},
    {"복사냉방(중량구조화)", "복사냉방(중량구조화)\n(Promote Radiant\nCooling)", "PRC",
     zone_detail::kPRC},
    {"기계냉방", "기계냉방\n(Mechanical Cooling)", "MC", zone_detail::kMC},
    {"기계냉방·제습", "기계냉방, 제습\n(Mechanical Cooling\nand Dehumidification)", "MCD",
     zone_detail::kMCD},
}};

// Index into kNeedZones of the need zone that holds a code, or −1 for a
// non-zone code.
[[nodiscard]] int NeedZoneIndex(int16_t code);
// Whether guideline zone `guideIndex` (0 … 8) counts a code.
[[nodiscard]] bool GuideZoneCounts(std::size_t guideIndex, int16_t code);

}  // namespace vlm
