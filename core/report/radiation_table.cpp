#include "core/report/radiation_table.h"

#include "core/common/format.h"
#include "core/solar/radiation_figures.h"
#include "core/solar/radiation_texts.h"

namespace vlm {
namespace {

std::vector<std::string> row(std::string name, const RadiationTotals& t) {
  std::vector<std::string> cells{std::move(name), Format(t.year, "#0.0"), Format(t.wanted, "#0.0"),
                                 Format(t.unwanted, "#0.0")};
  for (float m : t.months) cells.push_back(Format(m, "#0.0"));
  return cells;
}

}  // namespace

TextTable RadiationTable(const RadiationYear& result) {
  TextTable table;
  std::vector<std::string> heading{kRadiationTableOrientation, std::string(kYearCaption),
                                   std::string(kWantedCaption), std::string(kUnwantedCaption)};
  for (int m = 1; m <= 12; ++m) heading.push_back(std::to_string(m) + "월");
  table.rows.push_back(std::move(heading));
  for (int i = 0; i < kRadiationOrientations; ++i) {
    table.rows.push_back(row(OrientationName(OrientationAzimuth(i)),
                             result.orientations[static_cast<std::size_t>(i)]));
  }
  table.rows.push_back(row(std::string(kHorizontalCaption), result.horizontal));
  return table;
}

}  // namespace vlm
