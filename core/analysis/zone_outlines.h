// The outlines of the five bioclimatic-need zones and the nine climatic-design
// guideline zones, each drawn piece by piece from the classification's boundary
// constants with a doubled pen in the zone's legend colour.
#pragma once

#include <array>
#include <cstdint>

#include "core/analysis/bio_chart.h"
#include "core/common/message.h"

namespace vlm {

// Palette colours in the fixed zone orders of kNeedZones and kGuideZones; the
// legend shapes of the screen use the same.
inline constexpr std::array<int16_t, 5> kNeedZoneColors{1, 9, 2, 10, 3};
inline constexpr std::array<int16_t, 9> kGuideZoneColors{11, 4, 12, 5, 13, 6, 14, 0, 8};

// Reported when an end of the comfort zone's right line does not map.
[[nodiscard]] Message ComfortRightLineMessage();

// Need zones.
void DrawZoneTH(BioChart& c);   // 난방 필요
void DrawZoneTC(BioChart& c);   // 냉방 필요
void DrawZoneTCT(BioChart& c);  // 쾌적(그늘 필요)
void DrawZoneDH(BioChart& c);   // 제습만 필요
void DrawZoneHU(BioChart& c);   // 가습만 필요
// Guideline zones.
void DrawZoneRC(BioChart& c);   // 단열
void DrawZoneRI(BioChart& c);   // 침기차단
void DrawZonePSG(BioChart& c);  // 태양열획득
void DrawZoneRSG(BioChart& c);  // 태양열차단
void DrawZonePV(BioChart& c);   // 통풍, 환기
void DrawZonePEC(BioChart& c);  // 증발냉각
void DrawZonePRC(BioChart& c);  // 복사냉방(중량구조화)
void DrawZoneMC(BioChart& c);   // 기계냉방
void DrawZoneMCD(BioChart& c);  // 기계냉방, 제습

// Where one zone's outline lies in the chart's Drawing: items [first, last);
// empty when the zone was not drawn.
struct ZoneItems {
  std::size_t first = 0;
  std::size_t last = 0;
  bool operator==(const ZoneItems&) const = default;
};

// The ticked zones, in their fixed order (the order of kNeedZones / kGuideZones).
// With `items`, each zone's place in the drawing is noted there.
void DrawNeedZones(BioChart& c, const std::array<bool, 5>& ticked,
                   std::array<ZoneItems, 5>* items = nullptr);
void DrawGuideZones(BioChart& c, const std::array<bool, 9>& ticked,
                    std::array<ZoneItems, 9>* items = nullptr);

}  // namespace vlm
