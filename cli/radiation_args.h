// What vlm-cli radiation and radiation-rose share: the climate, its site, the
// plane and sky options, and the analysis run as the page runs it.
#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>

#include "cli/climate_arg.h"
#include "core/solar/radiation_year.h"

namespace vlm::cli {

struct Context;

struct RadiationArgs {
  ClimateArgs climate;
  double tilt = kDefaultTilt;
  double albedo = kDefaultAlbedo;
  std::string model = "perez";
};

void addRadiationArguments(CLI::App& command, RadiationArgs& args);

// The loaded year and its analysis.
struct RadiationRun {
  std::unique_ptr<LoadedClimate> loaded;
  RadiationYear result;
};

// Nothing, with exit status 1 after the refusal's box, when the site, an
// option or the year's radiation is refused.
[[nodiscard]] std::optional<RadiationRun> runRadiation(Context& ctx, const RadiationArgs& args);

}  // namespace vlm::cli
