// The user-visible texts of the comfort models, in one place.
#pragma once

namespace vlm::comfort_texts {

inline constexpr const char* kAirTemperature = "기온";
inline constexpr const char* kRadiantTemperature = "평균복사온도";
inline constexpr const char* kAirSpeed = "기류속도";
inline constexpr const char* kHumidity = "상대습도";
inline constexpr const char* kMetabolicRate = "대사량";
inline constexpr const char* kClothing = "착의량";
inline constexpr const char* kInvalidInput = " 입력이 유효하지 않습니다.";

inline constexpr const char* kAshraeAdaptive = "ASHRAE 55 적응형";
inline constexpr const char* kEnAdaptive = "EN 16798-1 적응형";
inline constexpr const char* kPmv = "PMV";

// The classes of an hour, for the table, the bars and their legends.
inline constexpr const char* kBelow = "기준 미만";
inline constexpr const char* kAbove = "기준 초과";
inline constexpr const char* kOutside = "적용범위 밖";
inline constexpr const char* kMissingHours = "결측";
inline constexpr const char* kAshrae90 = "90% 만족";
inline constexpr const char* kAshrae80 = "80% 만족";
inline constexpr const char* kEnCategoryI = "I 등급";
inline constexpr const char* kEnCategoryII = "II 등급";
inline constexpr const char* kEnCategoryIII = "III 등급";
inline constexpr const char* kPmvBelow = "PMV < -0.5";
inline constexpr const char* kPmvWithin = "|PMV| <= 0.5";
inline constexpr const char* kPmvAbove = "PMV > +0.5";
inline constexpr const char* kComfortTemperature = "쾌적온도";

// The outline on the bioclimatic chart.
inline constexpr const char* kPmvOutlineCaption = "PMV 쾌적범위";

// The adaptive chart's axes.
inline constexpr const char* kRunningMeanAxis = "외기 지수가중 이동평균온도(°C)";
inline constexpr const char* kDryBulbAxis = "건구온도(°C)";

}  // namespace vlm::comfort_texts
