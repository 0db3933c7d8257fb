#include "core/report/comfort_table.h"

#include "core/comfort/comfort_classes.h"
#include "core/comfort/comfort_texts.h"
#include "core/report/figure_caption.h"

namespace vlm {
namespace {

std::vector<std::string> row(std::string name, ComfortModel model, const ComfortTally& t) {
  std::vector<std::string> cells{std::move(name)};
  for (const ComfortClass& c : ComfortClasses(model, t)) cells.push_back(std::to_string(c.hours));
  cells.push_back(std::to_string(t.missing));
  return cells;
}

}  // namespace

TextTable ComfortTable(const ComfortYear& year) {
  TextTable table;
  std::vector<std::string> heading{kComfortTableMonth};
  for (const ComfortClass& c : ComfortClasses(year.model, ComfortTally{})) heading.push_back(c.name);
  heading.emplace_back(comfort_texts::kMissingHours);
  table.rows.push_back(std::move(heading));
  for (int m = 1; m <= 12; ++m)
    table.rows.push_back(row(std::to_string(m) + "월", year.model,
                             year.months[static_cast<std::size_t>(m - 1)]));
  table.rows.push_back(row("년간", year.model, year.year));
  return table;
}

std::string ComfortCaption(std::string_view region, ComfortModel model, std::string_view kind) {
  return JoinCaption(region, "1월~12월, 년간", ComfortModelName(model) + " " + std::string(kind));
}

}  // namespace vlm
