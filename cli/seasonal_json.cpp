#include "cli/seasonal_json.h"

#include "cli/analysis_json.h"
#include "cli/json_output.h"

namespace vlm::cli {
namespace {

using nlohmann::ordered_json;

ordered_json optionalJson(const std::optional<float>& v) {
  return v ? ordered_json(jsonFloat(*v)) : ordered_json(nullptr);
}

ordered_json degreeDayJson(const DegreeDays& d) {
  return {{"hdd", optionalJson(d.hdd)},
          {"cdd", optionalJson(d.cdd)},
          {"missingHours", d.missingHours}};
}

ordered_json meansJson(const std::array<MeanPair, 12>& means) {
  ordered_json out = ordered_json::array();
  for (const MeanPair& pair : means) {
    ordered_json both = ordered_json::array();
    for (const auto& v : pair)
      both.push_back(optionalJson(v));
    out.push_back(both);
  }
  return out;
}

// The rows of one column of the monthly zone analysis, as analyse prints a period.
ordered_json zoneColumnJson(const AnalysisTexts& t) {
  return {{"tally", tallyJson(t.tally)},
          {"need", needRowsJson(t)},
          {"guide", guideRowsJson(t)},
          {"mostImportant", t.mostImportant}};
}

}  // namespace

ordered_json monthsJson(const MonthlyZones& zones, std::string_view region) {
  ordered_json out;
  out["region"] = region;
  out["months"] = ordered_json::array();
  for (std::size_t m = 0; m < kYearColumn; ++m) {
    ordered_json month = {{"month", m + 1}};
    month.update(zoneColumnJson(zones.columns[m]));
    out["months"].push_back(month);
  }
  out["year"] = zoneColumnJson(zones.columns[kYearColumn]);
  return out;
}

ordered_json degreeDaysJson(const DegreeDayTable& table) {
  ordered_json out;
  out["heatingBase"] = jsonFloat(table.heatingBase);
  out["coolingBase"] = jsonFloat(table.coolingBase);
  out["months"] = ordered_json::array();
  for (std::size_t m = 0; m < table.months.size(); ++m) {
    ordered_json month = {{"month", m + 1}};
    month.update(degreeDayJson(table.months[m]));
    out["months"].push_back(month);
  }
  out["year"] = degreeDayJson(table.year);
  return out;
}

ordered_json compareJson(const ClimateComparison& c) {
  ordered_json out;
  out["a"] = analysisJson(c.a);
  out["b"] = analysisJson(c.b);
  out["monthlyMean"] = {{"dbt", meansJson(c.meanDBT)}, {"rh", meansJson(c.meanRH)}};
  return out;
}

}  // namespace vlm::cli
