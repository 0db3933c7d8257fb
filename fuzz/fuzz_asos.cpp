// Fuzzes the ASOS hourly CSV import from memory.
//
// The first byte chooses how the rest is read: as the whole file, or (when
// its low three bits are 001) as a header line and one data line that is
// repeated for every hour of 2016 with that hour's time in the 일시 column
// (the third), followed by whatever bytes come after the data line, so that
// the fuzzer reaches the conversion of whole years. Bits 4–5 pick the
// station-year asked for: none, the station 108, the year 2016, or both.
//
// Besides the sanitizers, the target checks what an import promises: either
// one error box, or 8760 records numbered k + 123 whose wind codes, cloud
// covers and radiation are .cly values, with the missing hours counted.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/asos_import.h"
#include "core/common/message.h"
#include "fuzz/weather_fuzz_input.h"

namespace {

using vlm::fuzz::require;

std::string expandedYear(std::string_view input) {
  bool ended = false;
  const std::string_view header = vlm::fuzz::takeLine(input, ended);
  std::vector<std::string> fields = vlm::fuzz::commaFields(vlm::fuzz::takeLine(input, ended));
  if (fields.size() < 3) fields.resize(3);
  std::string text = std::string(header) + "\r\n";
  constexpr std::array<int, 12> days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  char time[32];
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= days[static_cast<std::size_t>(month - 1)]; ++day)
      for (int hour = 0; hour < 24; ++hour) {
        std::snprintf(time, sizeof time, "2016-%02d-%02d %02d:00", month, day, hour);
        fields[2] = time;
        vlm::fuzz::appendLine(text, fields);
      }
  text += input;
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const bool year = (data[0] & 7) == 1;
  vlm::AsosChoice choice;
  if (data[0] & 0x10) choice.station = 108;
  if (data[0] & 0x20) choice.year = 2016;

  std::istringstream in(year ? expandedYear(input) : std::string(input));
  vlm::RecordingSink sink;
  const auto imported = vlm::ImportAsos(in, choice, sink);
  if (!imported) {
    require(sink.size() == 1);
    require(sink.last().lines.size() == 2);
    require(!sink.last().lines[1].empty() && sink.last().lines[1].front() == '[');
    return 0;
  }
  require(sink.empty());
  require(imported->records.size() == 8760);
  require(imported->source.hours >= 4380 && imported->source.hours <= 8760);
  std::int32_t missingDryBulb = 0;
  for (std::size_t i = 0; i < imported->records.size(); ++i) {
    const vlm::ClimateFileRecord& r = imported->records[i];
    require(r.RecIndex == static_cast<int16_t>(i + 124));
    require(vlm::fuzz::isWindCode(r.WindDir));
    require((r.Cloud >= 0 && r.Cloud <= 10) || r.Cloud == 99);
    require(r.Radiation == 9999.0f || (r.Radiation >= 0 && r.Radiation == std::round(r.Radiation)));
    missingDryBulb += r.DBT == 999.0f;
  }
  require(imported->missing.dryBulb == missingDryBulb);
  require(missingDryBulb >= 8760 - imported->source.hours);
  return 0;
}
