#include "core/climate/site_rules.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vlm {
namespace {

constexpr const char* kSiteHeadline = "위치가 유효하지 않습니다.";
constexpr double kDefaultUtcOffset = 9;

Message siteError(std::string reason) { return errorMessage({kSiteHeadline, std::move(reason)}); }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A decimal number and nothing else (a leading "+" allowed); nothing otherwise.
std::optional<double> numberOf(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

// Four decimals are a tenth of a second of arc: more than any station list gives.
std::string degrees(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4f", std::fabs(value));
  return buffer;
}

std::string hours(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%+g", value);
  return buffer;
}

}  // namespace

std::optional<Message> siteFault(double latitude, double longitude, double utcOffset) {
  if (!(latitude > -90 && latitude < 90))
    return siteError("[위도는 -90°보다 크고 90°보다 작아야 합니다.]");
  if (!(longitude >= -180 && longitude <= 180))
    return siteError("[경도는 -180° 이상 180° 이하이어야 합니다.]");
  if (!(utcOffset >= -12 && utcOffset <= 14))
    return siteError("[표준시의 UTC 시차는 -12시간 이상 14시간 이하이어야 합니다.]");
  return std::nullopt;
}

std::optional<Site> ReadTypedSite(const SiteText& text, MessageSink& sink) {
  const auto latitude = numberOf(text.latitude);
  const auto longitude = numberOf(text.longitude);
  const auto utcOffset = numberOf(text.utcOffset);
  std::optional<Message> fault;
  if (!latitude)
    fault = siteError("[위도가 숫자가 아닙니다.]");
  else if (!longitude)
    fault = siteError("[경도가 숫자가 아닙니다.]");
  else if (!utcOffset)
    fault = siteError("[표준시의 UTC 시차가 숫자가 아닙니다.]");
  else
    fault = siteFault(*latitude, *longitude, *utcOffset);
  if (fault) {
    sink.show(*fault);
    return std::nullopt;
  }
  return Site{"", *latitude, *longitude, *utcOffset};
}

std::optional<Site> ReadSiteArgument(std::string_view text, MessageSink& sink) {
  std::vector<std::string> parts;
  for (;;) {
    const auto comma = text.find(',');
    parts.emplace_back(text.substr(0, comma));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (parts.size() == 2) parts.push_back(hours(kDefaultUtcOffset));
  if (parts.size() != 3) {
    sink.show(siteError("[위치는 위도,경도 혹은 위도,경도,UTC 시차로 주십시오.]"));
    return std::nullopt;
  }
  return ReadTypedSite({parts[0], parts[1], parts[2]}, sink);
}

std::optional<Site> siteOfTexts(std::string_view name, std::string_view latitude,
                                std::string_view longitude, std::string_view utcOffset) {
  const auto lat = numberOf(latitude);
  const auto lon = numberOf(longitude);
  const auto utc = numberOf(utcOffset);
  if (!lat || !lon || !utc || siteFault(*lat, *lon, *utc)) return std::nullopt;
  return Site{std::string(trimmed(name)), *lat, *lon, *utc};
}

Message noSiteMessage() {
  return errorMessage({"기후자료의 위치(위도, 경도, 표준시)를 알 수 없어 계산할 수 없습니다.",
                       "[지역선택 메뉴에서 기타 지역의 위치를 고르거나 직접 입력한 후",
                       "지역선택 확인 버튼을 다시 클릭하세요.",
                       "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]"});
}

const Site* requireSite(const ClimateData& data, MessageSink& sink) {
  if (data.site) return &*data.site;
  sink.show(noSiteMessage());
  return nullptr;
}

std::string siteText(const Site& site) {
  return degrees(site.latitude) + (site.latitude < 0 ? "°S, " : "°N, ") + degrees(site.longitude) +
         (site.longitude < 0 ? "°W, " : "°E, ") + "UTC" + hours(site.utcOffset);
}

}  // namespace vlm
