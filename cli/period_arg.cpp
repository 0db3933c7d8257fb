#include "cli/period_arg.h"

#include <CLI/CLI.hpp>
#include <stdexcept>

#include "cli/cli_context.h"

namespace vlm::cli {

void addPeriodOptions(CLI::App& command, PeriodArgs& args) {
  command.add_option("--from", args.from, "대상기간 시작 월/일/시 (예: 1/1/0)")
      ->capture_default_str();
  command.add_option("--to", args.to, "대상기간 끝 월/일/시 (예: 12/31/23)")->capture_default_str();
}

std::array<std::string, 3> splitMoment(const std::string& text) {
  std::array<std::string, 3> parts;
  std::size_t part = 0;
  for (const char c : text) {
    if (c != '/') {
      parts[part] += c;
      continue;
    }
    if (++part == parts.size()) {
      throw std::invalid_argument("대상기간은 월/일/시 형식입니다 (예: 12/31/23): " + text);
    }
  }
  return parts;
}

std::array<std::string, 6> periodFields(const PeriodArgs& args) {
  const auto from = splitMoment(args.from);
  const auto to = splitMoment(args.to);
  return {from[0], from[1], from[2], to[0], to[1], to[2]};
}

PeriodFields chartPeriodFields(const PeriodArgs& args) {
  const auto f = periodFields(args);
  PeriodFields fields;
  fields.hourly = f;
  fields.daily = {f[0], f[1], f[3], f[4]};
  fields.monthly = {f[0], f[3]};
  return fields;
}

std::optional<HourRange> checkedHourlyPeriod(Context& ctx, std::string_view region,
                                             const PeriodArgs& args) {
  PeriodFields fields;
  fields.hourly = periodFields(args);
  HourRange range;
  if (SetPeriod(region, PeriodMode::Hourly, fields, range.start, range.end, ctx.sink) != 1) {
    ctx.exitCode = kExitRefused;
    return std::nullopt;
  }
  return range;
}

}  // namespace vlm::cli
