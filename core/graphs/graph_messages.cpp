#include "core/graphs/graph_messages.h"

namespace vlm {

Message NoGraphRegionMessage() {
  return errorMessage(
      {"월별 기후표현을 위한 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

Message NoGraphElementMessage() {
  return errorMessage({"월별 기후표현을 위한 대상요소가 선택되지 않았습니다.", "",
                       "[정보요약에서 대상요소를 선택하세요.]"});
}

Message NoRosePeriodMessage() {
  return errorMessage({"월별 기후표현을 위한 대상기간이 선택되지 않았습니다.", "",
                       "[정보요약에서 대상기간을 선택하세요.]"});
}

Message RoseAllMissingMessage() {
  return errorMessage({"대상기간의 풍향 데이터가 모두 결측입니다."});
}

}  // namespace vlm
