#include "core/comfort/comfort_messages.h"

namespace vlm {

Message NoComfortRegionMessage() {
  return errorMessage(
      {"열쾌적 분석을 위한 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

}  // namespace vlm
