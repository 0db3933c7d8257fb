#include "core/climate/weather_conversion.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "core/climate/check_climate_file.h"
#include "core/climate/cly_file.h"
#include "core/climate/text_line_reader.h"
#include "core/climate/weather_text_check.h"
#include "core/climate/wyec_conversion.h"
#include "core/common/file_error.h"
#include "core/common/format.h"

namespace vlm {
namespace {

constexpr const char* kNameHeadline = "원본 기후파일명 혹은 변환후 기후파일명이 유효하지 않습니다.";

// The last three characters of a path after trailing blanks are removed.
std::string_view extensionOf(std::string_view path) {
  while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
  return path.size() < 3 ? path : path.substr(path.size() - 3);
}

// Two different spellings of one existing file ("a.cly", "./a.cly") are the same file.
bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(climateFilePathOf(a), climateFilePathOf(b), error) && !error;
}

}  // namespace

WeatherSourceKind weatherSourceKindOf(std::string_view sourcePath) {
  if (hasEpwExtension(sourcePath)) return WeatherSourceKind::Epw;
  std::string ext(extensionOf(sourcePath));
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "csv" ? WeatherSourceKind::Asos : WeatherSourceKind::WyecTry;
}

TargetFormat targetFormatOf(std::string_view targetPath) {
  return hasEpwExtension(targetPath) ? TargetFormat::Epw : TargetFormat::Cly;
}

std::optional<Message> conversionNameFault(const std::string& source, const std::string& target,
                                           TargetFormat format) {
  if (source.empty() || target.empty())
    return conversionNameError("[원본 기후파일명 혹은 변환후 기후파일명이 지정되지 않았습니다.]");
  if (source == target || sameFile(source, target))
    return conversionNameError("[원본 기후파일명과 변환후 기후파일명이 같습니다.]");
  if (format == TargetFormat::Cly && extensionOf(target) != "cly")
    return conversionNameError("[변환후 기후파일명의 확장자가 cly가 아닙니다.]");
  return std::nullopt;
}

bool mayWriteTarget(const std::string& targetPath, MessageSink& sink, OverwritePolicy policy) {
  const std::string targetFile = climateFilePathOf(targetPath);
  std::error_code error;
  // A folder of that name cannot be replaced by a file: no question about it.
  if (std::filesystem::is_directory(targetFile, error)) throwFileError(EISDIR, targetFile);
  return policy == OverwritePolicy::Replace || !std::filesystem::exists(targetFile, error) ||
         sink.show(replaceTargetQuestion(targetPath)) == MessageAnswer::Yes;
}

Message conversionNameError(std::string rule) {
  return errorMessage({kNameHeadline, std::move(rule)});
}

Message replaceTargetQuestion(const std::string& targetPath) {
  return Message{
      std::string(kTargetDialogTitle),
      MessageIcon::Exclamation,
      {targetPath, "같은 이름의 파일이 이미 존재합니다.", "기존 파일을 이 파일로 대체하겠습니까?"},
      MessageButtons::YesNo,
      false};
}

Message conversionCompleted() { return infoMessage({"기후파일 변환후 저장이 완료되었습니다."}); }

Message epwConversionCompleted(const EpwYear& year) {
  Message message = conversionCompleted();
  message.lines.push_back("관측소: " + year.station.name + " (위도 " +
                          ShortestText(year.station.latitude) + "°, 표고 " +
                          ShortestText(year.station.elevation) + " m)");
  if (year.leapDayDropped) message.lines.push_back("윤년의 2월 29일 24시간은 제외되었습니다.");
  const EpwDewPointFaults& dew = year.dewPointAboveDryBulb;
  if (dew.fromHumidity + dew.missing > 0)
    message.lines.push_back("이슬점온도가 건구온도보다 0.5℃ 넘게 높은 시간: " +
                            std::to_string(dew.fromHumidity + dew.missing) +
                            "시간 (상대습도로 계산 " + std::to_string(dew.fromHumidity) +
                            "시간, 습구온도 결측 " + std::to_string(dew.missing) + "시간)");
  return message;
}

Message asosConversionCompleted(const AsosYear& year) {
  Message message = conversionCompleted();
  const AsosStationYear& s = year.source;
  message.lines.push_back("지점: " + std::to_string(s.station) +
                          (s.stationName.empty() ? "" : " " + s.stationName) + ", " +
                          std::to_string(s.year) + "년 (" + std::to_string(s.hours) + "시간)");
  const AsosMissingHours& m = year.missing;
  message.lines.push_back("결측 시간 수: 건구온도 " + std::to_string(m.dryBulb) + ", 습구온도 " +
                          std::to_string(m.wetBulb) + ", 기압 " + std::to_string(m.pressure) +
                          ", 풍향 " + std::to_string(m.windDirection) + ", 풍속 " +
                          std::to_string(m.windSpeed) + ", 운량 " + std::to_string(m.cloud) +
                          ", 일사량 " + std::to_string(m.radiation));
  if (year.leapDayDropped) message.lines.push_back("윤년의 2월 29일 24시간은 제외되었습니다.");
  return message;
}

std::optional<std::vector<AsosStationYear>> asosStationYears(const std::string& sourcePath,
                                                             MessageSink& sink) {
  std::ifstream source;
  openForReading(source, climateFilePathOf(sourcePath));
  return ScanAsos(source, sink);
}

ConversionOutcome ConvertWeatherFile(const std::string& sourcePath, const std::string& targetPath,
                                     MessageSink& sink, OverwritePolicy policy,
                                     const ConversionProgress& progress, const AsosChoice& asos,
                                     std::pmr::memory_resource* memory) {
  if (auto error = conversionNameFault(sourcePath, targetPath, TargetFormat::Cly)) {
    sink.show(*error);
    return ConversionOutcome::Refused;
  }
  if (!mayWriteTarget(targetPath, sink, policy)) return ConversionOutcome::Declined;
  // Trailing blanks are not part of a file name, as when the file is loaded.
  const std::string targetFile = climateFilePathOf(targetPath);

  std::ifstream source;
  openForReading(source, climateFilePathOf(sourcePath));
  std::pmr::string bytes(memory);  // of the .cly file
  Message completed = conversionCompleted();
  // The source passes its checks before the page says it is saving: a file
  // refused at its last line never shows "저장중..." behind the refusal.
  const WeatherSourceKind kind = weatherSourceKindOf(sourcePath);
  if (kind == WeatherSourceKind::Epw) {
    // Encoded hour by hour: the year is held once, as the bytes to write.
    bytes.resize(kClimateFileSize);
    const auto encode = [&bytes](int16_t k, const ClimateFileRecord& record) {
      const auto encoded = encodeRecord(record);
      std::copy(encoded.begin(), encoded.end(),
                bytes.begin() + static_cast<std::ptrdiff_t>(k - 1) * kRecordSize);
    };
    const auto year = ImportEpwRecords(source, sink, encode, {}, EpwCores::Two, memory);
    if (!year) return ConversionOutcome::Refused;
    completed = epwConversionCompleted(*year);
  } else if (kind == WeatherSourceKind::Asos) {
    const auto year = ImportAsos(source, asos, sink);
    if (!year) return ConversionOutcome::Refused;
    completed = asosConversionCompleted(*year);
    bytes.assign(encodeClyFile(year->records));
  } else {
    if (!CheckWeatherText(source, sink)) return ConversionOutcome::Refused;
    source.clear();
    source.seekg(0);
  }
  const ConversionProgressReset reset(progress);
  if (kind == WeatherSourceKind::WyecTry) {
    const auto converted = convertWeatherText(source, sink, progress);
    if (!converted) return ConversionOutcome::Refused;
    bytes.assign(encodeClyFile(*converted));
  } else {
    progress.hourDone(static_cast<int16_t>(bytes.size() / kRecordSize));
  }
  source.close();
  writeClyFile(targetFile, std::string_view(bytes));
  sink.show(completed);
  return ConversionOutcome::Converted;
}

}  // namespace vlm
