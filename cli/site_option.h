// --site LAT,LON[,UTC]: the site of a .cly year, which records none, for the
// subcommands that place the sun. A year that knows its own site keeps it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace CLI {
class App;
}  // namespace CLI

namespace vlm::cli {

struct Context;

// The box of a --site that does not read as LAT,LON[,UTC] within the ranges.
[[nodiscard]] Message siteOptionMessage();

// "37.57,126.97" or "37.57,126.97,9" (UTC offset 9 when left out); nothing
// unless −90 < LAT < 90, −180 ≤ LON ≤ 180, −12 ≤ UTC ≤ 14.
[[nodiscard]] std::optional<Site> parseSiteOption(std::string_view text);

void addSiteOption(CLI::App& command, std::string& site);

// The typed site, read before the year is loaded: false, after the box and
// with exit status 1, when the text is refused; `site` stays empty without --site.
[[nodiscard]] bool readSiteOption(Context& ctx, const std::string& text, std::optional<Site>& site);

// Gives the year the typed site when it has none of its own.
void applySite(const std::optional<Site>& site, ClimateData& data);

}  // namespace vlm::cli
