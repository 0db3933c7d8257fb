#include "core/climate/typical_year_texts.h"

#include "core/climate/typical_year.h"

namespace vlm {
namespace {

constexpr const char* kCannotBuild = "표준기상년을 만들 수 없습니다.";

std::string joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace

Message noCandidateMessage(const std::vector<int>& months) {
  std::vector<std::string> names;
  for (const int month : months) names.push_back(std::to_string(month) + "월");
  return errorMessage(
      {kCannotBuild, "[자료가 충분한 연도(1개 이상) 위반: " + joined(names) + "]",
       "(하루 평균이 그 달 날수의 90 % 이상에 있고 풍속이 시간의 90 % 이상에 있는 달만 "
       "후보가 됩니다.)"});
}

std::string fewYearsWarning(std::size_t years) {
  return "표준(ISO 15927-4)은 " + std::to_string(kStandardYears) +
         "년 이상의 자료를 요구합니다: " + std::to_string(years) + "년의 자료로 만들었습니다.";
}

std::string quantityLeftOutWarning(const char* quantity) {
  return std::string(quantity) + " 자료가 없어 선정에서 뺐습니다.";
}

Message typicalSourceKindMessage(const std::string& path) {
  return errorMessage(
      {"원본 파일이 ASOS 시간자료(csv) 혹은 EPW 파일이 아닙니다.", "[" + path + "]"});
}

Message mixedSourceKindsMessage() {
  return errorMessage({"원본 파일의 형식이 서로 다릅니다.",
                       "[ASOS 시간자료(csv)와 EPW 파일을 함께 쓸 수 없습니다.]"});
}

Message severalStationsMessage(const std::vector<std::string>& stations) {
  return errorMessage({"원본 파일에 여러 지점의 자료가 있습니다.",
                       "[지점을 하나 고르십시오: " + joined(stations) + "]"});
}

Message differentStationsMessage(const std::string& first, const std::string& other) {
  return errorMessage({"원본 파일들의 지점이 서로 다릅니다.", "[" + first + ", " + other + "]"});
}

Message stationNotInSourceMessage(const std::string& path, std::int32_t station) {
  return errorMessage({"선택한 지점의 자료가 원본 파일에 없습니다.",
                       "[" + path + ": 지점 " + std::to_string(station) + "]"});
}

Message notAnActualYearMessage(const std::string& file, const std::vector<int>& years) {
  std::vector<std::string> names;
  for (const int year : years) names.push_back(std::to_string(year));
  return errorMessage(
      {"원본 EPW 파일이 한 해의 실측 자료가 아닙니다.",
       "[" + file + "의 연도(한 해 혹은 이어진 두 해) 위반: " + joined(names) + "]"});
}

Message noYearsInRangeMessage(std::int16_t first, std::int16_t last) {
  return errorMessage({"선택한 기간의 자료가 원본 파일에 없습니다.",
                       "[" + std::to_string(first) + "-" + std::to_string(last) + "년]"});
}

Message typicalTargetMessage(std::string rule) {
  return errorMessage({"변환후 기후파일명이 유효하지 않습니다.", std::move(rule)});
}

Message typicalNoSourceMessage() {
  return errorMessage({"원본 기후파일명 혹은 변환후 기후파일명이 유효하지 않습니다.",
                       "[원본 기후파일명 혹은 변환후 기후파일명이 지정되지 않았습니다.]"});
}

std::string chosenMonthsText(const TypicalYear& year) {
  std::vector<std::string> parts;
  for (const TypicalMonth& month : year.months)
    parts.push_back(std::to_string(month.month) + "월 " + std::to_string(month.year));
  return joined(parts);
}

Message typicalYearCompleted(const std::string& station, const TypicalYear& year) {
  std::vector<std::string> lines = {"표준기상년(ISO 15927-4) 기후파일 저장이 완료되었습니다.",
                                    "지점: " + station};
  std::vector<std::string> years;
  for (const std::int16_t y : year.yearsUsed) years.push_back(std::to_string(y));
  lines.push_back("사용한 연도 (" + std::to_string(years.size()) + "년): " + joined(years));
  lines.push_back("선정된 달: " + chosenMonthsText(year));
  lines.insert(lines.end(), year.warnings.begin(), year.warnings.end());
  return infoMessage(std::move(lines));
}

}  // namespace vlm
