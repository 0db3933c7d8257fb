#include "cli/site_arg.h"

#include <charconv>
#include <vector>

#include "cli/cli_context.h"

namespace vlm::cli {
namespace {

std::optional<double> siteNumberIn(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "LAT,LON" or "LAT,LON,UTC" within −90 < LAT < 90, −180 ≤ LON ≤ 180, −12 ≤ UTC ≤ 14.
std::optional<Site> readSiteText(std::string_view text) {
  std::vector<double> parts;
  while (true) {
    const auto comma = text.find(',');
    const auto value = siteNumberIn(text.substr(0, comma));
    if (!value) return std::nullopt;
    parts.push_back(*value);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  Site site{"", parts[0], parts[1], parts.size() == 3 ? parts[2] : 9.0};
  if (!(site.latitude > -90 && site.latitude < 90) ||
      !(site.longitude >= -180 && site.longitude <= 180) ||
      !(site.utcOffset >= -12 && site.utcOffset <= 14)) {
    return std::nullopt;
  }
  return site;
}

}  // namespace

void addSiteArgument(CLI::App& command, std::string& siteText) {
  command.add_option("--site", siteText,
                     "기후파일(.cly)의 위치: 위도,경도[,UTC 시차] (도, 시간; 시차 기본값 9)");
}

std::optional<Site> siteOf(Context& ctx, const ClimateData& data, const std::string& siteText) {
  if (!siteText.empty()) {
    const std::optional<Site> typed = readSiteText(siteText);
    if (!typed) {
      ctx.sink.show(errorMessage({"위치가 유효하지 않습니다.",
                                  "[위치는 위도,경도 혹은 위도,경도,UTC 시차로 주십시오.]"}));
      ctx.exitCode = kExitRefused;
    }
    return typed;
  }
  if (!data.site) {
    ctx.sink.show(
        errorMessage({"기후자료의 위치(위도, 경도, 표준시)를 알 수 없어 계산할 수 없습니다.",
                      "[명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]"}));
    ctx.exitCode = kExitRefused;
  }
  return data.site;
}

}  // namespace vlm::cli
