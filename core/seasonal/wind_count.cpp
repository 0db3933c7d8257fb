#include "core/seasonal/wind_count.h"

#include <algorithm>
#include <cmath>

#include "core/climate/climate_stats.h"
#include "core/climate/date_time.h"
#include "core/common/format.h"
#include "core/graphs/rose_labels.h"
#include "core/seasonal/wind_classes.h"

namespace vlm {
namespace {

std::size_t speedClass(const std::vector<float>& edges, float speed) {
  const auto above = std::upper_bound(edges.begin(), edges.end(), speed);
  return static_cast<std::size_t>(above - edges.begin()) - 1;  // edges[0] <= speed here
}

void addHour(WindCounts& counts, const HourRecord& h) {
  if (h.WindDir == kCalm) {
    ++counts.hours;
    ++counts.calm;
    return;
  }
  const int16_t cls = windDirClass(h.WindDir);
  if (cls < 1 || cls > 16 || h.WindSpeed == kMissing) return;
  ++counts.hours;
  if (!(h.WindSpeed >= counts.edges.front())) {
    ++counts.calm;
    return;
  }
  WindDirection& d = counts.directions[static_cast<std::size_t>(cls - 1)];
  ++d.hours;
  ++d.classHours[speedClass(counts.edges, h.WindSpeed)];
  d.speedSum += h.WindSpeed;
}

std::string percent(float value) { return Format(value, "#0.0"); }

}  // namespace

float WindCounts::share(int hoursOf) const {
  return hours == 0 ? 0.0f : static_cast<float>(100.0 * hoursOf / hours);
}

std::optional<float> WindCounts::meanSpeed(std::size_t d) const {
  if (directions[d].hours == 0) return std::nullopt;
  return static_cast<float>(directions[d].speedSum / directions[d].hours);
}

std::optional<std::size_t> WindCounts::prevailing() const {
  const auto most = std::max_element(
      directions.begin(), directions.end(),
      [](const WindDirection& a, const WindDirection& b) { return a.hours < b.hours; });
  if (most->hours == 0) return std::nullopt;
  return static_cast<std::size_t>(most - directions.begin());
}

WindCounts CountWind(const ClimateData& climate, const WindFilter& filter,
                     const std::vector<float>& edges, const PsychroChart& chart) {
  WindCounts counts;
  counts.edges = edges;
  for (WindDirection& d : counts.directions) d.classHours.assign(edges.size(), 0);
  for (int16_t month = 1; month <= 12; ++month) {
    if (!filter.months[static_cast<std::size_t>(month - 1)]) continue;
    for (int h = firstHourOfMonth(month); h <= lastHourOfMonth(month); ++h) {
      const HourRecord& hour = climate.year[static_cast<std::size_t>(h)];
      if (filter.passes(month, static_cast<int16_t>((h - 1) % 24), hour, chart)) {
        addHour(counts, hour);
      }
    }
  }
  return counts;
}

WindRoseScale ScaleForShare(float largestShare) {
  constexpr std::array<float, 8> kSteps{1, 2, 2.5f, 5, 10, 20, 25, 50};
  for (const float step : kSteps) {
    const int rings = std::max(1, static_cast<int>(std::ceil(largestShare / step - 1e-4f)));
    if (rings <= 5) return {step, rings};
  }
  return {50, 2};
}

std::string PrevailingText(const WindCounts& counts) {
  const auto d = counts.prevailing();
  if (!d) {
    return counts.hours == 0 ? "주풍향 : 없음 (바람 데이터가 있는 시간이 없습니다)"
                             : "주풍향 : 없음 (모두 무풍)";
  }
  return "주풍향 : " + RoseDirectionName(*d + 1) + " (" + percent(counts.directionShare(*d)) +
         "%, 평균풍속 " + percent(*counts.meanSpeed(*d)) + " m/s)";
}

std::vector<std::vector<std::string>> WindTableRows(const WindCounts& counts) {
  const std::size_t classes = counts.edges.size();
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> heading{"풍향"};
  for (std::size_t c = 0; c < classes; ++c) heading.push_back(WindClassCaption(counts.edges, c));
  heading.insert(heading.end(), {"계(%)", "평균풍속(m/s)"});
  rows.push_back(std::move(heading));
  std::vector<int> classTotals(classes, 0);
  double speedSum = 0;
  for (std::size_t d = 0; d < counts.directions.size(); ++d) {
    std::vector<std::string> row{RoseDirectionName(d + 1)};
    for (std::size_t c = 0; c < classes; ++c) {
      row.push_back(percent(counts.classShare(d, c)));
      classTotals[c] += counts.directions[d].classHours[c];
    }
    row.push_back(percent(counts.directionShare(d)));
    const auto mean = counts.meanSpeed(d);
    row.push_back(mean ? percent(*mean) : "");
    speedSum += counts.directions[d].speedSum;
    rows.push_back(std::move(row));
  }
  std::vector<std::string> calm{WindCalmCaption(counts.edges)};
  calm.resize(classes + 1);
  calm.insert(calm.end(), {percent(counts.calmShare()), ""});
  rows.push_back(std::move(calm));
  std::vector<std::string> total{"계"};
  int moving = 0;
  for (const int n : classTotals) {
    total.push_back(percent(counts.share(n)));
    moving += n;
  }
  total.push_back(percent(counts.share(counts.hours)));
  total.push_back(moving == 0 ? "" : percent(static_cast<float>(speedSum / moving)));
  rows.push_back(std::move(total));
  return rows;
}

}  // namespace vlm
