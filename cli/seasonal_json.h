// The JSON of the seasonal analysis, one function per result so that the
// commands that print it and those that gather many files reuse the same.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "core/seasonal/climate_comparison.h"
#include "core/seasonal/degree_days.h"
#include "core/seasonal/monthly_zones.h"

namespace vlm::cli {

// {"region","months":[{"month","tally","need","guide","mostImportant"} … 12],
//  "year":{"tally","need","guide","mostImportant"}}
[[nodiscard]] nlohmann::ordered_json monthsJson(const MonthlyZones& zones, std::string_view region);

// {"heatingBase","coolingBase","months":[{"month","hdd","cdd","missingHours"} … 12],
//  "year":{"hdd","cdd","missingHours"}}
[[nodiscard]] nlohmann::ordered_json degreeDaysJson(const DegreeDayTable& table);

// {"a":{…analyse…},"b":{…analyse…},"monthlyMean":{"dbt":[[a,b] … 12],"rh":[[a,b] … 12]}}
[[nodiscard]] nlohmann::ordered_json compareJson(const ClimateComparison& comparison);

}  // namespace vlm::cli
