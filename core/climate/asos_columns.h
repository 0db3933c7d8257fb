// The header line of the weather service's ASOS hourly CSV: which column holds
// which observation, found by name whatever the order and whatever columns the
// user ticked when downloading, and in which encoding the file is written.
//
// A name is compared without its unit in brackets and without spaces, so
// "기온(°C)", "기온 (°C)" and "기온" are the same column; "기온 QC플래그"
// (the quality flag) is another column, and is not read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vlm {

enum class TextEncoding { Utf8, Cp949 };

struct AsosColumns {
  static constexpr int kAbsent = -1;
  TextEncoding encoding = TextEncoding::Utf8;
  int station = kAbsent;        // 지점
  int stationName = kAbsent;    // 지점명
  int time = kAbsent;           // 일시
  int dryBulb = kAbsent;        // 기온(°C)
  int windSpeed = kAbsent;      // 풍속(m/s)
  int windDirection = kAbsent;  // 풍향(16방위)
  int humidity = kAbsent;       // 습도(%)
  int dewPoint = kAbsent;       // 이슬점온도(°C)
  int pressure = kAbsent;       // 현지기압(hPa)
  int radiation = kAbsent;      // 일사(MJ/m2)
  int cloud = kAbsent;          // 전운량(10분위)
  // One past the highest column read: a data line needs no more fields than this.
  [[nodiscard]] int fieldsNeeded() const;
};

// "기온 (°C)" → "기온": the name without any bracketed part and without blanks.
[[nodiscard]] std::string asosColumnKey(std::string_view name);

// Reads the header line (its byte-order mark, if any, still in place). Nothing
// when the line cannot be decoded or lacks 지점, 일시 or 기온.
[[nodiscard]] std::optional<AsosColumns> parseAsosHeader(std::string_view line);

// A field of the file's encoding as UTF-8 ("" when it cannot be decoded).
[[nodiscard]] std::string asosText(std::string_view field, TextEncoding encoding);

}  // namespace vlm
