// The registration functions of the subcommands, one per file of cli/.
#pragma once

#include <CLI/CLI.hpp>

namespace vlm::cli {

struct Context;

void registerCalendar(CLI::App& app, Context& ctx);
void registerCheck(CLI::App& app, Context& ctx);
void registerLoad(CLI::App& app, Context& ctx);

void registerConvert(CLI::App& app, Context& ctx);

void registerPsychro(CLI::App& app, Context& ctx);
void registerZone(CLI::App& app, Context& ctx);

void registerAnalyse(CLI::App& app, Context& ctx);
void registerExtract(CLI::App& app, Context& ctx);
void registerChart(CLI::App& app, Context& ctx);
void registerReport(CLI::App& app, Context& ctx);

void registerSolar(CLI::App& app, Context& ctx);
void registerSunpath(CLI::App& app, Context& ctx);
void registerMask(CLI::App& app, Context& ctx);

void registerMonthly(CLI::App& app, Context& ctx);
void registerRose(CLI::App& app, Context& ctx);

void registerMonths(CLI::App& app, Context& ctx);
void registerCarpet(CLI::App& app, Context& ctx);
void registerDegreeDays(CLI::App& app, Context& ctx);
void registerCompare(CLI::App& app, Context& ctx);

}  // namespace vlm::cli
