// The --from and --to options of the analysis commands: M/D/H texts split into
// the fields the analysis screen's period boxes hold, so that the same checks
// and messages apply to them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/analysis/period.h"

namespace CLI {
class App;
}  // namespace CLI

namespace vlm::cli {

struct Context;

struct PeriodArgs {
  std::string from = "1/1/0";
  std::string to = "12/31/23";
};

// Adds --from M/D/H and --to M/D/H with the whole year as default.
void addPeriodOptions(CLI::App& command, PeriodArgs& args);

// "3/2/13" → {"3", "2", "13"}; missing parts are empty fields, which the
// period check then refuses as blanks. More than three parts is a usage error
// (std::invalid_argument).
[[nodiscard]] std::array<std::string, 3> splitMoment(const std::string& text);

// The six month, day, hour fields of the two moments.
[[nodiscard]] std::array<std::string, 6> periodFields(const PeriodArgs& args);

struct HourRange {
  int16_t start = 0;
  int16_t end = 0;
};

// The hourly period of the options, checked for the loaded region as the
// analysis tab checks it; a refusal is shown, sets exit status 1 and gives
// nullopt.
[[nodiscard]] std::optional<HourRange> checkedHourlyPeriod(Context& ctx, std::string_view region,
                                                           const PeriodArgs& args);

// The chart tab's fields for a mode: hourly M/D/H, daily M/D, monthly M.
[[nodiscard]] PeriodFields chartPeriodFields(const PeriodArgs& args);

}  // namespace vlm::cli
