#include "core/climate/wyec_conversion.h"

#include <string>
#include <type_traits>

#include "core/climate/text_line_reader.h"
#include "core/climate/weather_text_check.h"

namespace vlm {
namespace {

struct Columns {
  int16_t first, last;
  std::string_view name;
  // The field's text; columns beyond the end of a short line read as empty.
  [[nodiscard]] std::string_view of(std::string_view line) const {
    const auto start = static_cast<std::size_t>(first - 1);
    if (start > line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(last - first + 1));
  }
};

constexpr Columns kDryBulb{6, 8, "건구온도"};
constexpr Columns kWetBulb{9, 11, "습구온도"};
constexpr Columns kWindDir{15, 17, "풍향"};
constexpr Columns kWindSpeed{18, 20, "풍속"};
constexpr Columns kPressure{21, 24, "기압"};
constexpr Columns kCloud{26, 27, "운량"};
constexpr Columns kRadiation{56, 59, "일사량"};

constexpr double kKnotToMetrePerSecond = 0.5144444;
constexpr double kHundredthInHgToKPa = 0.03386388;

float celsiusOf(float fahrenheit) {
  return static_cast<float>((static_cast<double>(fahrenheit) - 32.0) * 5.0 / 9.0);
}

// Reads the columns into `value`; a fault names the field.
template <typename T>
std::optional<WeatherFieldFault> read(std::string_view line, const Columns& columns, T& value) {
  FieldFault fault;
  if constexpr (std::is_same_v<T, float>)
    fault = parseSingleField(columns.of(line), value);
  else
    fault = parseInt16Field(columns.of(line), value);
  if (fault == FieldFault::None) return std::nullopt;
  return WeatherFieldFault{columns.first, columns.last, columns.name, fault};
}

}  // namespace

WeatherLineConversion convertWeatherLine(std::string_view line, int16_t k) {
  WeatherLineConversion out;
  ClimateFileRecord& r = out.record;
  r.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
  float dryBulb = 0, wetBulb = 0, windSpeed = 0, pressure = 0;
  if ((out.fault = read(line, kDryBulb, dryBulb))) return out;
  if ((out.fault = read(line, kWetBulb, wetBulb))) return out;
  if ((out.fault = read(line, kWindDir, r.WindDir))) return out;
  if ((out.fault = read(line, kWindSpeed, windSpeed))) return out;
  if ((out.fault = read(line, kPressure, pressure))) return out;
  if ((out.fault = read(line, kCloud, r.Cloud))) return out;
  if ((out.fault = read(line, kRadiation, r.Radiation))) return out;
  r.DBT = dryBulb == kMissing ? kMissing : celsiusOf(dryBulb);
  r.WBT = wetBulb == kMissing ? kMissing : celsiusOf(wetBulb);
  r.WindSpeed = windSpeed == kMissing
                    ? kMissing
                    : static_cast<float>(static_cast<double>(windSpeed) * kKnotToMetrePerSecond);
  r.Pressure = pressure == kMissingPressure
                   ? kMissingPressure
                   : static_cast<float>(static_cast<double>(pressure) * kHundredthInHgToKPa);
  return out;
}

Message weatherFieldFaultMessage(std::int64_t lineNumber, const WeatherFieldFault& fault) {
  const std::string where = std::to_string(fault.firstColumn) + "~" +
                            std::to_string(fault.lastColumn) + "열(" + std::string(fault.name) +
                            ")";
  const std::string reason = fault.fault == FieldFault::OutOfRange
                                 ? "의 값이 허용 범위를 벗어납니다.]"
                                 : "의 값이 숫자가 아닙니다.]";
  return errorMessage({"원본 파일의 " + std::to_string(lineNumber) + "행을 변환할 수 없습니다.",
                       "[" + where + reason});
}

std::optional<std::vector<ClimateFileRecord>> convertWeatherText(
    std::istream& in, MessageSink& sink, const ConversionProgress& progress) {
  TextLineReader reader(in, kWeatherLineLength);
  std::vector<ClimateFileRecord> records;
  records.reserve(kHoursPerYear);
  std::optional<Message> firstFault;
  std::string_view line;
  while (reader.next(line) != TextLineReader::Status::End) {
    const std::int64_t n = reader.lineNumber();
    if (auto rule = weatherLineViolation(n, line)) {
      sink.show(weatherTextRefusal(std::move(*rule)));
      return std::nullopt;
    }
    // Past a faulty field or past hour 8760 only the structure still matters.
    if (firstFault || n > kWeatherLineCount) continue;
    const auto k = static_cast<int16_t>(n);
    WeatherLineConversion converted = convertWeatherLine(line, k);
    if (converted.fault) {
      firstFault = weatherFieldFaultMessage(n, *converted.fault);
      continue;
    }
    records.push_back(converted.record);
    progress.hourDone(k);
  }
  if (auto rule = weatherLineCountViolation(reader.lineNumber())) {
    sink.show(weatherTextRefusal(std::move(*rule)));
    return std::nullopt;
  }
  if (firstFault) {
    sink.show(*firstFault);
    return std::nullopt;
  }
  return records;
}

}  // namespace vlm
