// Every text the typical year shows: its refusals, its warnings and the
// completion box of the conversion page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/message.h"

namespace vlm {

struct TypicalYear;

// Names of the quantities, as warnings and tables name them.
inline constexpr const char* kTypicalDryBulbName = "건구온도";
inline constexpr const char* kTypicalHumidityName = "상대습도";
inline constexpr const char* kTypicalRadiationName = "일사량";
inline constexpr const char* kTypicalWindName = "풍속";

// "[자료가 충분한 연도(1개 이상) 위반: 3월, 4월]": months without a candidate.
[[nodiscard]] Message noCandidateMessage(const std::vector<int>& months);
// "표준(ISO 15927-4)은 10년 이상의 자료를 요구합니다: 7년의 자료로 만들었습니다."
[[nodiscard]] std::string fewYearsWarning(std::size_t years);
// "일사량 자료가 없어 선정에서 뺐습니다."
[[nodiscard]] std::string quantityLeftOutWarning(const char* quantity);

// Refusals of the sources.
[[nodiscard]] Message typicalSourceKindMessage(const std::string& path);
[[nodiscard]] Message mixedSourceKindsMessage();
[[nodiscard]] Message severalStationsMessage(const std::vector<std::string>& stations);
[[nodiscard]] Message differentStationsMessage(const std::string& first, const std::string& other);
[[nodiscard]] Message stationNotInSourceMessage(const std::string& path, std::int32_t station);
// An EPW file whose hours come from many years: a typical year, not an actual one.
[[nodiscard]] Message notAnActualYearMessage(const std::string& file,
                                             const std::vector<int>& years);
[[nodiscard]] Message noYearsInRangeMessage(std::int16_t first, std::int16_t last);
[[nodiscard]] Message typicalTargetMessage(std::string rule);
[[nodiscard]] Message typicalNoSourceMessage();

// The completion box: the station, the years used and the year chosen for each month.
[[nodiscard]] Message typicalYearCompleted(const std::string& station, const TypicalYear& year);
// "1월 2013, 2월 2017, …": the year chosen for each month.
[[nodiscard]] std::string chosenMonthsText(const TypicalYear& year);

}  // namespace vlm
