// The CLIMATE argument shared by every subcommand that works on a climate
// year: a built-in region by its Korean name ("서울") or file stem ("seoul"),
// read from weather/<stem>.cly in the program directory, or the path of a
// .cly file or of an .epw file (imported in memory with the conversion's
// checks). The region name is the Korean name of a built-in region and
// "기타" for any other file, unless --region NAME gives another. A .cly file
// records no site; --site LAT,LON[,UTC] gives it where a subcommand places the
// sun (built-in regions and EPW files know their own).
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <string_view>

#include "cli/year_memory.h"
#include "core/climate/climate_data.h"
#include "core/climate/climate_load.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::cli {

struct Context;

struct ClimateArgs {
  std::string climate;
  std::string region;  // empty: the name that goes with the file
  std::string site{};  // empty: the file's own site, or none
};

// Adds the positional CLIMATE to a subcommand.
void addClimateArgument(CLI::App& command, ClimateArgs& args);
// Adds CLIMATE and --region NAME.
void addClimateArguments(CLI::App& command, ClimateArgs& args);
// Adds --site LAT,LON[,UTC] (UTC offset in hours, default 9).
void addSiteOption(CLI::App& command, ClimateArgs& args);

// The region name and file the arguments stand for.
[[nodiscard]] ClimateChoice resolveClimateChoice(const ClimateArgs& args,
                                                 std::string_view programDir);

// A loaded year with the psychrometric state its derivation left behind
// (Patm = the pressure of hour 8760). The year and the file's bytes are held
// in memory of their own, which goes with it.
class LoadedClimate {
 public:
  LoadedClimate();
  ~LoadedClimate();
  LoadedClimate(const LoadedClimate&) = delete;
  LoadedClimate& operator=(const LoadedClimate&) = delete;

  [[nodiscard]] std::pmr::memory_resource* memory() { return memory_.resource(); }

 private:
  YearMemory memory_;  // first: it outlives the year placed in it

 public:
  ClimateData& data;
  Psychrometrics psychro;
};

// Resolves, validates and loads the climate as the region page does, a
// --site given for a file of the user's first checked as the region page
// checks a typed site. After a refusal (its messages printed to stderr) it
// returns nullptr and sets exit status 1. FileError and ComputeError propagate: call it inside
// guarded().
[[nodiscard]] std::unique_ptr<LoadedClimate> loadClimate(Context& ctx, const ClimateArgs& args);

}  // namespace vlm::cli
