#include "core/report/shade_table.h"

#include "core/common/format.h"
#include "core/solar/radiation_texts.h"
#include "core/solar/shading_texts.h"

namespace vlm {
namespace {

std::string share(double part, double whole) {
  const auto s = ShareOf(part, whole);
  return s ? Format(*s, "#0.0") : std::string(kNoShare);
}

std::vector<std::string> row(std::string name, const ShadeTally& t) {
  return {std::move(name),
          std::to_string(t.unwantedHours),
          share(t.unwantedShadedHours, t.unwantedHours),
          Format(t.unwantedBeam, "#0.0"),
          share(t.unwantedBeamBlocked, t.unwantedBeam),
          std::to_string(t.wantedHours),
          share(t.wantedSunlitHours, t.wantedHours),
          Format(t.wantedBeam, "#0.0"),
          share(t.wantedBeamAdmitted, t.wantedBeam),
          std::to_string(t.missingRadiation)};
}

}  // namespace

TextTable ShadePerformanceTable(const ShadePerformance& p) {
  TextTable table;
  std::vector<std::string> heading{std::string(kPerformanceTableCorner)};
  for (std::string_view c : kPerformanceColumns) heading.emplace_back(c);
  table.rows.push_back(std::move(heading));
  for (std::size_t m = 0; m < p.months.size(); ++m)
    table.rows.push_back(row(std::to_string(m + 1) + "월", p.months[m]));
  table.rows.push_back(row(std::string(kYearCaption), p.year));
  return table;
}

}  // namespace vlm
