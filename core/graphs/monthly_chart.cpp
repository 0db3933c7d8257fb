#include "core/graphs/monthly_chart.h"

#include <cmath>

#include "core/common/format.h"
#include "core/graphs/graph_messages.h"

namespace vlm {
namespace {

constexpr std::array<MonthlyElementText, 4> kElementTexts = {{
    {"opt131DBT", "건구온도", " 지역 건구온도, 단위 : ℃", "건구온도"},
    {"opt131RH", "상대습도", " 지역 상대습도, 단위 : %", "상대습도"},
    {"opt131RAD", "일사량", " 지역 일사량, 단위 : cal/cm^2", "일사량"},
    {"opt131WS", "풍속", " 지역 풍속, 단위 : m/s", "풍속"},
}};

std::optional<float> statistic(const MonthStatRow& row, std::size_t column) {
  switch (column) {
    case 0:
      return row.max;
    case 1:
      return row.mean;
    default:
      return row.min;
  }
}

// A .cly file's readings are never checked, so a NaN reading reaches the
// statistics; a bar cannot stand at NaN, and the cell shows none.
std::optional<float> cell(const MonthStatRow& row, std::size_t column) {
  const std::optional<float> value = statistic(row, column);
  if (value && !std::isfinite(*value)) return std::nullopt;
  return value;
}

}  // namespace

const MonthlyElementText& ElementText(MonthlyElement element) {
  return kElementTexts[static_cast<std::size_t>(element)];
}

const MonthStatTable& MonthlyTable(const ClimateData& climate, MonthlyElement element) {
  switch (element) {
    case MonthlyElement::DBT:
      return climate.MonthStatDBT;
    case MonthlyElement::RH:
      return climate.MonthStatRH;
    case MonthlyElement::Rad:
      return climate.MonthStatRad;
    case MonthlyElement::WS:
      break;
  }
  return climate.MonthStatWS;
}

MonthlyChart BuildMonthlyChart(const MonthStatTable& table, std::string_view regionName,
                               MonthlyElement element, bool numbers) {
  const MonthlyElementText& text = ElementText(element);
  MonthlyChart chart;
  chart.title = std::string(regionName) + std::string(text.titleText);
  chart.axisTitle = std::string(text.axisTitle);
  chart.numbers = numbers;
  for (std::size_t c = 0; c < kMonthlyCategories; ++c)
    chart.categories[c] = table.rows[c + 1].label;
  for (std::size_t s = 0; s < kMonthlySeries; ++s) {
    MonthlySeries& series = chart.series[s];
    series.name = MonthStatTable::kHeadings[s + 1];
    for (std::size_t c = 0; c < kMonthlyCategories; ++c) {
      const std::optional<float> value = cell(table.rows[c + 1], s);
      series.values[c] = value;
      if (numbers && value) series.labels[c] = Format(*value, kMonthlyLabelPattern);
    }
  }
  return chart;
}

std::optional<MonthlyChart> PrepareMonthlyChart(std::string_view regionLabel,
                                                std::optional<MonthlyElement> element,
                                                const ClimateData& climate, bool numbers,
                                                MessageSink& sink) {
  if (regionLabel.empty()) {
    sink.show(NoGraphRegionMessage());
    return std::nullopt;
  }
  if (!element) {
    sink.show(NoGraphElementMessage());
    return std::nullopt;
  }
  return BuildMonthlyChart(MonthlyTable(climate, *element), regionLabel, *element, numbers);
}

}  // namespace vlm
