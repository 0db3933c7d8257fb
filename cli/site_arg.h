// The site of a subcommand that places the year's sun: --site LAT,LON[,UTC]
// (UTC offset in hours, default 9) or, without it, the loaded year's own.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "core/climate/climate_data.h"
#include "core/climate/site.h"

namespace vlm::cli {

struct Context;

void addSiteArgument(CLI::App& command, std::string& siteText);

// The site to use; after its message (and exit status 1) nothing, when the
// text does not read or the year has none.
[[nodiscard]] std::optional<Site> siteOf(Context& ctx, const ClimateData& data,
                                         const std::string& siteText);

}  // namespace vlm::cli
