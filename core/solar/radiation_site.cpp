#include "core/solar/radiation_site.h"

#include "core/climate/site_rules.h"

namespace vlm {

Message NoRadiationRegionMessage() {
  return errorMessage(
      {"일사 분석을 위한 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

std::optional<SolarSite> SolarSiteOf(const ClimateData& climate, MessageSink& sink) {
  const Site* site = requireSite(climate, sink);
  if (site == nullptr) return std::nullopt;
  return SolarSite{site->latitude, site->longitude, site->utcOffset, site->radiationLag};
}

}  // namespace vlm
