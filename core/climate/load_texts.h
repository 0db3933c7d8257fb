// The texts of the region page around a climate load: progress, completion,
// the two refusals of its own, and its file dialog. The page shows them as
// they are and builds no text itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/message.h"

namespace vlm {

// The file dialog of the "기타" choice.
inline constexpr std::string_view kOtherFileDialogTitle =
    "기타 지역인 경우 기후파일(*.cly) 선택하기";
inline constexpr std::string_view kOtherFileDialogFilter =
    "Velmora용 기후파일(*.cly)|*.cly|EPW 파일(*.epw)|*.epw|모든 파일(*.*)|*.*";

// Beside a picked EPW file: "관측소: Seoul.WS (위도 37.5714°)".
[[nodiscard]] std::string epwStationText(std::string_view name, float latitude);

// The progress label while reading: "서울 지역의 기후파일 읽는 중...", or for
// "기타" "기타 지역의 기후파일(<path>) 읽는 중...".
[[nodiscard]] std::string loadProgressText(std::string_view regionName,
                                           std::string_view climateFilePath);
// The progress bar (0 … 100) after hour k of 8760, in single precision.
[[nodiscard]] float loadProgressPercent(int16_t hour);

// "<region> 지역의 기후파일 읽기가 완료되었습니다." / "기후분석 혹은 월별 기후표현 메뉴로
// 이동하세요."
[[nodiscard]] Message loadCompletionMessage(std::string_view regionName);
// "기타" confirmed before a file was picked for it.
[[nodiscard]] Message otherFileMissingMessage();
// The advice that follows a refusal by CheckClimateFile: notes on converting a
// WYEC or TRY file and on where the built-in files must lie.
[[nodiscard]] Message climateFileAdviceMessage();

// The analysis page's frame caption naming the loaded region:
// "그림종류 선택(대상지역 : 서울)"; with no region loaded the region part reads "없음".
[[nodiscard]] std::string drawOptionCaption(std::string_view regionName);

}  // namespace vlm
