// What a site may be, how a typed one is read, and the refusal of a
// computation that needs the site of a year that has none. Every text of
// these messages lives here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/climate/site.h"
#include "core/common/message.h"

namespace vlm {

// The three boxes of a site typed on the region page (or the parts of --site).
struct SiteText {
  std::string latitude, longitude, utcOffset;
};

// The box of a site that breaks a range: −90 < latitude < 90 (the sun's
// azimuth is undefined at a pole), −180 ≤ longitude ≤ 180, −12 ≤ UTC offset ≤ 14
// (the time zones in use). Nothing when the site may be used.
[[nodiscard]] std::optional<Message> siteFault(double latitude, double longitude, double utcOffset);

// Reads the three texts (decimal degrees, hours; blanks around them allowed)
// and checks them. The first fault is reported to `sink` and gives nothing.
[[nodiscard]] std::optional<Site> ReadTypedSite(const SiteText& text, MessageSink& sink);

// "LAT,LON" or "LAT,LON,UTC" (UTC offset 9 when left out), read as ReadTypedSite reads.
[[nodiscard]] std::optional<Site> ReadSiteArgument(std::string_view text, MessageSink& sink);

// A site from a file's own texts (an EPW LOCATION line): nothing when a
// number does not read or breaks a range, and nothing is reported, since a
// year without a site still loads.
[[nodiscard]] std::optional<Site> siteOfTexts(std::string_view name, std::string_view latitude,
                                              std::string_view longitude,
                                              std::string_view utcOffset);

// The one refusal of every computation that places the sun when the loaded
// year has no site, saying how to give one.
[[nodiscard]] Message noSiteMessage();

// The site of the loaded year; without one, noSiteMessage() to `sink` and nothing.
[[nodiscard]] const Site* requireSite(const ClimateData& data, MessageSink& sink);

// "37.5714°N, 126.9658°E, UTC+9": how the page names a site.
[[nodiscard]] std::string siteText(const Site& site);

}  // namespace vlm
