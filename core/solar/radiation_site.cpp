#include "core/solar/radiation_site.h"

namespace vlm {

Message NoRadiationRegionMessage() {
  return errorMessage(
      {"일사 분석을 위한 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

Message radiationNoSiteMessage() {
  return errorMessage({"기후자료의 위치(위도, 경도, 표준시)를 알 수 없어 계산할 수 없습니다.",
                       "[지역선택 메뉴에서 기타 지역의 위치를 고르거나 직접 입력한 후",
                       "지역선택 확인 버튼을 다시 클릭하세요.",
                       "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]"});
}

std::optional<SolarSite> SolarSiteOf(const ClimateData& climate, MessageSink& sink) {
  if (!climate.site) {
    sink.show(radiationNoSiteMessage());
    return std::nullopt;
  }
  const Site& site = *climate.site;
  SolarSite solar{site.latitude, site.longitude, site.utcOffset};
  solar.radiationLag = 0;  // LEAD: the site's radiation lag, once Site carries it
  return solar;
}

}  // namespace vlm
