#include "core/climate/weather_text_check.h"

#include <fstream>

#include "core/climate/text_line_reader.h"

namespace vlm {
namespace {

// Columns 74–75, 76–77 and 78–79, counted from 1.
bool stampIs(std::string_view line, std::string_view month, std::string_view day,
             std::string_view hour) {
  return line.substr(73, 2) == month && line.substr(75, 2) == day && line.substr(77, 2) == hour;
}

}  // namespace

Message weatherTextRefusal(std::string rule) {
  return errorMessage({"원본 파일이 WYEC(혹은 TRY) 형식의 파일이 아닙니다.", std::move(rule)});
}

std::optional<std::string> weatherLineViolation(std::int64_t lineNumber, std::string_view line) {
  if (line.size() != kWeatherLineLength) return "[행길이(80열) 위반]";
  if (lineNumber == 1 && !stampIs(line, "01", "01", "00"))
    return "[1행의 월(01), 일(01), 시각(00) 데이터위반]";
  if (lineNumber == kWeatherLineCount && !stampIs(line, "12", "31", "23"))
    return "[8760행의 월(12), 일(31), 시각(23) 데이터위반]";
  return std::nullopt;
}

std::optional<std::string> weatherLineCountViolation(std::int64_t lines) {
  if (lines != kWeatherLineCount) return "[총 행수(8760행) 위반]";
  return std::nullopt;
}

bool CheckWeatherText(std::istream& in, MessageSink& sink) {
  TextLineReader reader(in, kWeatherLineLength);
  std::string_view line;
  for (;;) {
    const auto status = reader.next(line);
    if (status == TextLineReader::Status::End) break;
    if (auto rule = weatherLineViolation(reader.lineNumber(), line)) {
      sink.show(weatherTextRefusal(std::move(*rule)));
      return false;
    }
  }
  if (auto rule = weatherLineCountViolation(reader.lineNumber())) {
    sink.show(weatherTextRefusal(std::move(*rule)));
    return false;
  }
  return true;
}

bool CheckWeatherText(const std::string& path, MessageSink& sink) {
  std::ifstream in;
  openForReading(in, path);
  return CheckWeatherText(in, sink);
}

}  // namespace vlm
