// Fuzzes CheckWeatherText and the WYEC/TRY conversion from memory.
//
// The first byte chooses how the rest is read: as the whole file, or (when
// its low three bits are 001) as one line that is repeated for the 8760 hours
// of a year, each copy with its hour's stamp in columns 74–79, followed by
// whatever bytes come after that line. The second form lets the fuzzer reach
// the conversion of whole years with any field contents; it is kept to one
// input in eight because a year costs far more than a short text.
//
// Besides the sanitizers, the target checks that the check and the one-pass
// conversion agree: the same refusal for a refused file, and for an accepted
// file either 8760 records numbered k + 123 or one box naming a line.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

#include "core/climate/weather_text_check.h"
#include "core/climate/wyec_conversion.h"
#include "core/common/message.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

// Reads the text in place: a year is large, and a string stream would copy it.
class MemoryText : public std::streambuf {
 public:
  explicit MemoryText(const std::string& text) {
    char* begin = const_cast<char*>(text.data());
    setg(begin, begin, begin + text.size());
  }
};

std::string twoDigits(int v) {
  return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

std::string expandedYear(std::string_view input) {
  const auto newline = input.find('\n');
  const std::string_view pattern = input.substr(0, newline);
  const std::string_view tail = newline == std::string_view::npos ? "" : input.substr(newline + 1);
  constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::string text;
  text.reserve((pattern.size() + 2) * 8760 + tail.size());
  int month = 1, day = 1, hour = 0;
  for (int k = 1; k <= 8760; ++k) {
    const std::size_t start = text.size();
    text += pattern;
    if (pattern.size() >= 79) {
      text.replace(start + 73, 6, twoDigits(month) + twoDigits(day) + twoDigits(hour));
    }
    text += "\r\n";
    if (++hour == 24) {
      hour = 0;
      if (++day > days[static_cast<std::size_t>(month - 1)]) {
        day = 1;
        ++month;
      }
    }
  }
  text += tail;
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string text = (data[0] & 7) == 1 ? expandedYear(input) : std::string(input);

  vlm::RecordingSink checkSink;
  MemoryText checkedText(text);
  std::istream checked(&checkedText);
  const bool passes = vlm::CheckWeatherText(checked, checkSink);
  require(passes == checkSink.empty());
  require(checkSink.size() <= 1);

  vlm::RecordingSink convertSink;
  MemoryText convertedText(text);
  std::istream converted(&convertedText);
  const auto records = vlm::convertWeatherText(converted, convertSink);
  if (!passes) {
    require(!records.has_value());
    require(convertSink.messages() == checkSink.messages());
  } else if (records) {
    require(convertSink.empty());
    require(records->size() == 8760);
    for (std::size_t i = 0; i < records->size(); ++i)
      require((*records)[i].RecIndex == static_cast<int16_t>(i + 124));
  } else {
    require(convertSink.size() == 1);
    require(convertSink.last().title == "에러");
    require(convertSink.last().lines.size() == 2);
    require(convertSink.last().lines[0].rfind("원본 파일의 ", 0) == 0);
  }

  // Every line of the raw input through the line conversion, whatever its length.
  std::string_view rest = input;
  for (int n = 0; n < 64 && !rest.empty(); ++n) {
    const auto newline = rest.find('\n');
    const auto result = vlm::convertWeatherLine(rest.substr(0, newline), 1);
    require(result.record.RecIndex == 124);
    if (newline == std::string_view::npos) break;
    rest.remove_prefix(newline + 1);
  }
  return 0;
}
