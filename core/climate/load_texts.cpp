#include "core/climate/load_texts.h"

#include "core/climate/climate_record.h"
#include "core/climate/region_catalog.h"
#include "core/common/format.h"

namespace vlm {

std::string loadProgressText(std::string_view regionName, std::string_view climateFilePath) {
  if (regionName == kOtherRegionName) {
    return "기타 지역의 기후파일(" + std::string(climateFilePath) + ") 읽는 중...";
  }
  return std::string(regionName) + " 지역의 기후파일 읽는 중...";
}

float loadProgressPercent(int16_t hour) {
  return static_cast<float>(static_cast<double>(hour) / kHoursPerYear * 100.0);
}

Message loadCompletionMessage(std::string_view regionName) {
  return infoMessage({std::string(regionName) + " 지역의 기후파일 읽기가 완료되었습니다.",
                      "기후분석 혹은 월별 기후표현 메뉴로 이동하세요."});
}

Message otherFileMissingMessage() {
  return errorMessage({"기타 지역의 기후파일이 유효하지 않습니다.",
                       "[기타 지역의 기후파일이 선택되지 않았습니다.",
                       "확인한 후 다시 시도하시기 바랍니다.]"});
}

Message climateFileAdviceMessage() {
  return infoMessage({
      "대상 지역의 기후파일이 유효하지 않습니다.",
      "Velmora용 기후파일(*.cly)인지 확인한 후 다시 시도하기 바랍니다.",
      "",
      "[참고 1]",
      "기타 지역의 경우, WYEC(혹은 TRY) 형식의 기후파일이 있으면 추가기능 - 기후파일",
      "변환에서 Velmora용 기후파일(*.cly)로 변환할 수 있습니다.",
      "",
      "[참고 2]",
      "기타 지역을 제외한 지역의 기후파일은 반드시 Velmora의",
      "실행 프로그램인 vlm.exe 파일이 위치한 디렉토리 하의 weather 디렉토리내에",
      "프로그램 설치시의 파일명(지역명.cly)대로 있어야 합니다.",
  });
}

std::string epwStationText(std::string_view name, float latitude) {
  return "관측소: " + std::string(name) + " (위도 " + ShortestText(latitude) + "°)";
}

std::string drawOptionCaption(std::string_view regionName) {
  const std::string_view shown = regionName.empty() ? std::string_view("없음") : regionName;
  return "그림종류 선택(대상지역 : " + std::string(shown) + ")";
}

}  // namespace vlm
