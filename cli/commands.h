// The registration functions of the subcommands, one per file of cli/, and
// the two lists they are registered from: the commands that draw nothing
// (vlm-cli itself, without Qt) and the commands that draw (vlm-cli-draw,
// linked with the render layer, to which vlm-cli hands them).
#pragma once

#include <CLI/CLI.hpp>
#include <span>
#include <string_view>

#include "cli/cli_context.h"

namespace vlm::cli {

// A subcommand that draws nothing, by the name it registers.
struct TextCommand {
  std::string_view name;
  CommandRegistrar add;
};

// The subcommands that draw nothing; one line per subcommand (commands.cpp).
[[nodiscard]] std::span<const TextCommand> textCommands();
// The registrar of the text command of that name; nullptr for any other name.
// vlm-cli builds only the command it is asked for.
[[nodiscard]] CommandRegistrar textCommandNamed(std::string_view name);

// Adds every subcommand that draws nothing.
void registerTextCommands(CLI::App& app, Context& ctx);
// Adds every subcommand that draws; one line per subcommand (drawing_commands.cpp).
void registerDrawingCommands(CLI::App& app, Context& ctx);

void registerCalendar(CLI::App& app, Context& ctx);
void registerCheck(CLI::App& app, Context& ctx);
void registerLoad(CLI::App& app, Context& ctx);

void registerConvert(CLI::App& app, Context& ctx);
void registerTypicalYear(CLI::App& app, Context& ctx);

void registerPsychro(CLI::App& app, Context& ctx);
void registerZone(CLI::App& app, Context& ctx);

void registerAnalyse(CLI::App& app, Context& ctx);
void registerExtract(CLI::App& app, Context& ctx);
void registerChart(CLI::App& app, Context& ctx);
void registerReport(CLI::App& app, Context& ctx);

void registerSolar(CLI::App& app, Context& ctx);
void registerBatch(CLI::App& app, Context& ctx);
void registerSunpath(CLI::App& app, Context& ctx);
void registerMask(CLI::App& app, Context& ctx);
void registerShading(CLI::App& app, Context& ctx);

void registerMonthly(CLI::App& app, Context& ctx);
void registerRose(CLI::App& app, Context& ctx);

void registerMonths(CLI::App& app, Context& ctx);
void registerCarpet(CLI::App& app, Context& ctx);
void registerDegreeDays(CLI::App& app, Context& ctx);
void registerCompare(CLI::App& app, Context& ctx);
void registerComfort(CLI::App& app, Context& ctx);
void registerPmv(CLI::App& app, Context& ctx);
void registerWind(CLI::App& app, Context& ctx);

void registerRadiation(CLI::App& app, Context& ctx);
void registerRadiationRose(CLI::App& app, Context& ctx);

}  // namespace vlm::cli
