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

}  // namespace vlm::comfort_texts
