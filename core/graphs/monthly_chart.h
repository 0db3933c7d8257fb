// The monthly chart of one climate element: a statistics table of the climate
// load turned into the 13 categories and three series that the chart shows,
// with its title, value-axis title and the value labels of its points.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace vlm {

enum class MonthlyElement { DBT, RH, Rad, WS };

// The texts of one element's option button and chart.
struct MonthlyElementText {
  std::string_view option;     // object name of its option button
  std::string_view caption;    // the option's caption
  std::string_view titleText;  // follows the region name in the chart title
  std::string_view axisTitle;  // title of the value axis
};

// In the order the draw button tests the options.
inline constexpr std::array<MonthlyElement, 4> kMonthlyElements = {
    MonthlyElement::DBT, MonthlyElement::RH, MonthlyElement::Rad, MonthlyElement::WS};

[[nodiscard]] const MonthlyElementText& ElementText(MonthlyElement element);
// The statistics table that the element's chart shows.
[[nodiscard]] const MonthStatTable& MonthlyTable(const ClimateData& climate,
                                                 MonthlyElement element);

// The months and the year: categories 0 … 11 are "1월" … "12월", 12 is "년간".
inline constexpr std::size_t kMonthlyCategories = 13;
inline constexpr std::size_t kMonthlySeries = 3;
// The value labels' number pattern.
inline constexpr std::string_view kMonthlyLabelPattern = "#0.0";

struct MonthlySeries {
  std::string name;  // "최대값", "평균", "최소값"
  // Empty where the period has no valid hour: no bar and no label.
  std::array<std::optional<float>, kMonthlyCategories> values{};
  // The text shown on each point, "" where no label shows.
  std::array<std::string, kMonthlyCategories> labels{};
  bool operator==(const MonthlySeries&) const = default;
};

struct MonthlyChart {
  std::string title;
  std::string axisTitle;
  std::array<std::string, kMonthlyCategories> categories{};
  std::array<MonthlySeries, kMonthlySeries> series{};
  bool numbers = false;  // whether the value labels are on
  bool operator==(const MonthlyChart&) const = default;
};

// The chart of `table`: row 0's headings name the series, column 0's labels the
// categories (rows 1 … 13, the year last); the title is the region name
// followed by the element's title text. With `numbers` every point that has a
// value carries its "#0.0" text.
[[nodiscard]] MonthlyChart BuildMonthlyChart(const MonthStatTable& table,
                                             std::string_view regionName, MonthlyElement element,
                                             bool numbers);

// The chart's draw button: refuses with its message while `regionLabel` (the
// screen's region label, empty until a load has succeeded) is empty or no
// element is chosen; otherwise the chart of the chosen element's table.
//
// The title takes its region name from `regionLabel`, not from the climate
// data's RegionName: a refused load renames RegionName while the tables still
// hold the previously loaded region, and the chart must name the region whose
// figures it shows.
[[nodiscard]] std::optional<MonthlyChart> PrepareMonthlyChart(std::string_view regionLabel,
                                                              std::optional<MonthlyElement> element,
                                                              const ClimateData& climate,
                                                              bool numbers, MessageSink& sink);

}  // namespace vlm
