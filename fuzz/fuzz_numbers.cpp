// Fuzzes the number readers of the input boxes and fields: the lenient
// leading-number parse, the whole-field parses of the weather columns and the
// period fields, and the period parser of the analysis tabs.
//
// The input is split at newlines into up to six period fields; each line is
// also read on its own. Besides the sanitizers, the target checks what the
// readers promise: the lenient parse gives a number or an infinity, never NaN;
// a whole-field parse that succeeds gives a finite value; the period parser
// either sets an ordered pair of hours of the year or shows one refusal, and
// refuses a field that is not a whole number by PeriodFieldError alone.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/analysis/period.h"
#include "core/climate/field_number.h"
#include "core/common/message.h"
#include "core/common/number_parse.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void readAlone(std::string_view line) {
  require(!std::isnan(vlm::LeadingNumber(line)));
  float single = 0.0f;
  if (vlm::parseSingleField(line, single) == vlm::FieldFault::None) require(std::isfinite(single));
  int16_t whole = 0;
  (void)vlm::parseInt16Field(line, whole);
  try {
    (void)vlm::PeriodFieldNumber(line);
  } catch (const vlm::PeriodFieldError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::array<std::string, 6> fields{"1", "1", "0", "12", "31", "23"};
  for (std::size_t i = 0; i < fields.size() && !input.empty(); ++i) {
    const auto newline = input.find('\n');
    fields[i] = std::string(input.substr(0, newline));
    readAlone(fields[i]);
    input = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
  }

  vlm::PeriodFields period;
  period.hourly = fields;
  period.daily = {fields[0], fields[1], fields[3], fields[4]};
  period.monthly = {fields[0], fields[3]};
  for (const auto mode :
       {vlm::PeriodMode::Hourly, vlm::PeriodMode::Daily, vlm::PeriodMode::Monthly}) {
    vlm::RecordingSink sink;
    int16_t start = 0, end = 0;
    try {
      if (vlm::SetPeriod("서울", mode, period, start, end, sink) == 1) {
        require(sink.empty());
        require(1 <= start && start <= end && end <= 8760);
      } else {
        require(!sink.empty());
      }
    } catch (const vlm::PeriodFieldError&) {
      require(sink.empty());
    }
  }
  return 0;
}
