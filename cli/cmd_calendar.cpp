// vlm-cli calendar: the hour of the year of a month, day and hour, or the
// month, day and hour of an hour of the year.
#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/climate/date_time.h"

namespace vlm::cli {
namespace {

struct CalendarArgs {
  int16_t month = 0, day = 0, hour = 0, hourOfYear = 0;
  CLI::Option* monthOption = nullptr;
  CLI::Option* hourOfYearOption = nullptr;
};

void toHourOfYear(Context& ctx, const CalendarArgs& args) {
  const int16_t h = GetHourOfYear(args.month, args.day, args.hour, ctx.sink);
  if (h < 0) {
    ctx.exitCode = kExitRefused;
    return;
  }
  ctx.out << jsonText(nlohmann::ordered_json{{"hourOfYear", h}}) << '\n';
}

// Each conversion checks the hour itself; the first refusal ends the command.
void toCalendar(Context& ctx, const CalendarArgs& args) {
  const int16_t month = GetMonth(args.hourOfYear, ctx.sink);
  if (month < 0) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const int16_t day = GetDay(args.hourOfYear, ctx.sink);
  const int16_t hour = GetHour(args.hourOfYear, ctx.sink);
  ctx.out << jsonText(nlohmann::ordered_json{{"month", month}, {"day", day}, {"hour", hour}})
          << '\n';
}

}  // namespace

void registerCalendar(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<CalendarArgs>();
  CLI::App* command = app.add_subcommand("calendar", "월, 일, 시와 1년중 시간수를 서로 변환합니다");
  args->monthOption = command->add_option("--month", args->month, "월 (1 … 12)");
  CLI::Option* day = command->add_option("--day", args->day, "일 (1 … 31)");
  CLI::Option* hour = command->add_option("--hour", args->hour, "시 (0 … 23)");
  args->hourOfYearOption =
      command->add_option("--hour-of-year", args->hourOfYear, "1년중 시간수 (1 … 8760)");
  args->monthOption->needs(day, hour);
  day->needs(args->monthOption, hour);
  hour->needs(args->monthOption, day);
  args->hourOfYearOption->excludes(args->monthOption, day, hour);
  command->require_option(1, 3);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      if (args->hourOfYearOption->count() > 0) {
        toCalendar(ctx, *args);
      } else {
        toHourOfYear(ctx, *args);
      }
    });
  });
}

}  // namespace vlm::cli
