// Fuzzes the EPW import from memory.
//
// The first byte chooses how the rest is read: as the whole file, or (when
// its low three bits are 001, or 011 for a leap year of 8784 hours) as up to
// eight header lines and one data line that is repeated for every hour of a
// year with that hour's month, day and hour in fields 2–4, followed by
// whatever bytes come after the data line. Missing header lines are filled
// with the standard ones, so the fuzzer reaches the conversion of whole
// years; that form is kept to one input in four because a year costs far
// more than a short text.
//
// Besides the sanitizers, the target checks what an import promises: either
// one refusal box in the EPW form, or 8760 records numbered k + 123 whose
// wind codes and cloud covers are the .cly codes.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/epw_import.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"
#include "fuzz/weather_fuzz_input.h"

namespace {

using vlm::fuzz::require;

// Reads the text in place: a year is large, and a string stream would copy it.
class MemoryText : public std::streambuf {
 public:
  explicit MemoryText(const std::string& text) {
    char* begin = const_cast<char*>(text.data());
    setg(begin, begin, begin + text.size());
  }
};

constexpr std::array<std::string_view, 8> kStandardHeader = {
    "LOCATION,Fuzz,SO,KOR,SRC-TMYx,471080,37.5714,126.9658,9.0,87.1",
    "DESIGN CONDITIONS,0",
    "TYPICAL/EXTREME PERIODS,0",
    "GROUND TEMPERATURES,0",
    "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
    "COMMENTS 1,\"\"",
    "COMMENTS 2,\"\"",
    "DATA PERIODS,1,1,Data,Sunday,1/ 1,12/31"};

void requireRecord(const vlm::ClimateFileRecord& r) {
  require(vlm::fuzz::isWindCode(r.WindDir));
  require((r.Cloud >= 0 && r.Cloud <= 10) || r.Cloud == 99);
  require(r.Radiation == 9999.0f || r.Radiation == std::round(r.Radiation));
}

std::string expandedYear(std::string_view input, bool leap) {
  std::vector<std::string_view> lines;
  for (bool ended = false; lines.size() < 9 && !ended;)
    lines.push_back(vlm::fuzz::takeLine(input, ended));
  std::string text;
  for (std::size_t i = 0; i < 8; ++i) {
    text += i < lines.size() ? lines[i] : kStandardHeader[i];
    text += "\r\n";
  }
  std::vector<std::string> fields;
  if (lines.size() == 9) fields = vlm::fuzz::commaFields(lines[8]);
  if (fields.size() < 4) fields.resize(4);
  const std::array<int, 12> days = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= days[static_cast<std::size_t>(month - 1)]; ++day)
      for (int hour = 1; hour <= 24; ++hour) {
        fields[1] = std::to_string(month);
        fields[2] = std::to_string(day);
        fields[3] = std::to_string(hour);
        vlm::fuzz::appendLine(text, fields);
      }
  text += input;
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const int form = data[0] & 7;
  const std::string text =
      form == 1 || form == 3 ? expandedYear(input, form == 3) : std::string(input);

  vlm::RecordingSink sink;
  MemoryText memory(text);
  std::istream in(&memory);
  const auto year = vlm::ImportEpw(in, sink);
  if (year) {
    require(sink.empty());
    require(year->records.size() == 8760);
    for (std::size_t i = 0; i < year->records.size(); ++i) {
      require(year->records[i].RecIndex == static_cast<int16_t>(i + 124));
      requireRecord(year->records[i]);
    }
  } else {
    require(sink.size() == 1);
    require(sink.last().lines.size() == 2);
    require(sink.last().lines[0] == "원본 파일이 EPW 형식의 파일이 아닙니다.");
    require(!sink.last().lines[1].empty() && sink.last().lines[1].front() == '[');
  }

  // The raw input's lines one by one, as LOCATION and as data lines.
  vlm::Psychrometrics psychro;
  std::string_view rest = input;
  for (int n = 1; n <= 64 && !rest.empty(); ++n) {
    const auto newline = rest.find('\n');
    const std::string_view line = rest.substr(0, newline);
    vlm::EpwStation station;
    (void)vlm::parseEpwLocation(line, station);
    vlm::EpwHour hour;
    if (!vlm::parseEpwDataLine(line, n, hour)) requireRecord(vlm::convertEpwHour(hour, 1, psychro));
    if (newline == std::string_view::npos) break;
    rest.remove_prefix(newline + 1);
  }
  return 0;
}
