#include "cli/site_option.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <vector>

#include "cli/cli_context.h"

namespace vlm::cli {
namespace {

std::optional<double> siteNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

Message siteOptionMessage() {
  return errorMessage({"--site 는 위도,경도[,UTC 시차] 입니다.",
                       "(-90 < 위도 < 90, -180 <= 경도 <= 180, -12 <= UTC 시차 <= 14)"});
}

std::optional<Site> parseSiteOption(std::string_view text) {
  std::vector<double> parts;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto number = siteNumber(text.substr(0, comma));
    if (!number) return std::nullopt;
    parts.push_back(*number);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  Site site{"", parts[0], parts[1], parts.size() == 3 ? parts[2] : 9.0};
  const bool inRange = site.latitude > -90 && site.latitude < 90 && site.longitude >= -180 &&
                       site.longitude <= 180 && site.utcOffset >= -12 && site.utcOffset <= 14;
  return inRange ? std::optional<Site>(site) : std::nullopt;
}

void addSiteOption(CLI::App& command, std::string& site) {
  command.add_option("--site", site,
                     "위치가 없는 기후파일(.cly)의 위도,경도[,UTC 시차] (시차 기본값 9)");
}

bool readSiteOption(Context& ctx, const std::string& text, std::optional<Site>& site) {
  site.reset();
  if (text.empty()) return true;
  site = parseSiteOption(text);
  if (site) return true;
  ctx.sink.show(siteOptionMessage());
  ctx.exitCode = kExitRefused;
  return false;
}

void applySite(const std::optional<Site>& site, ClimateData& data) {
  if (!data.site) data.site = site;
}

}  // namespace vlm::cli
