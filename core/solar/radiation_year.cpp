#include "core/solar/radiation_year.h"

#include <string>

#include "core/analysis/zone.h"
#include "core/climate/date_time.h"
#include "core/solar/radiation_texts.h"

namespace vlm {
namespace {

constexpr double kJoulesPerKWh = 3.6e6;

bool contains(std::span<const int16_t> codes, int16_t code) {
  for (int16_t c : codes) {
    if (c == code) return true;
  }
  return false;
}

void countHour(RadiationHourCounts& counts, const HourSun& sun, const HourSplit& split) {
  const bool missing = split.kind == HourSplitKind::Missing;
  if (missing) {
    ++counts.missingRadiation;
  } else {
    ++counts.used;
  }
  if (sun.sunUp()) {
    ++counts.daylight;
    if (missing) ++counts.daylightMissing;
  }
  if (split.kind == HourSplitKind::SunDownWithRadiation) ++counts.sunDownWithRadiation;
  if (split.kind == HourSplitKind::BeyondPhysical) ++counts.beyondPhysical;
}

int mostOf(const std::array<RadiationTotals, kRadiationOrientations>& o,
           float RadiationTotals::*f) {
  int best = 0;
  for (int i = 1; i < kRadiationOrientations; ++i) {
    if (o[static_cast<std::size_t>(i)].*f > o[static_cast<std::size_t>(best)].*f) best = i;
  }
  return OrientationAzimuth(best);
}

}  // namespace

std::vector<SunWish> SunWishes(const ClimateData& climate, const PsychroChart& chart) {
  std::vector<SunWish> wishes(kHoursPerYear + 1, SunWish::Neither);
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const HourRecord& r = climate.year[static_cast<std::size_t>(h)];
    const int16_t code = GetZone(r.DBT, r.WBT, r.AH, r.RH, r.SpecV, chart);
    if (contains(zone_detail::kPSG, code)) {
      wishes[static_cast<std::size_t>(h)] = SunWish::Wanted;
    } else if (contains(zone_detail::kRSG, code)) {
      wishes[static_cast<std::size_t>(h)] = SunWish::Unwanted;
    }
  }
  return wishes;
}

void ForEachHourSun(const SolarSite& site,
                    const std::function<void(int h, int8_t month, const HourSun& sun)>& visit) {
  int8_t month = 0;
  SunDay day;
  for (int h = 1; h <= kHoursPerYear; ++h) {
    if (h > lastHourOfMonth(static_cast<int16_t>(month + 1))) ++month;
    const int hourOfDay = (h - 1) % 24;
    if (hourOfDay == 0) {
      day = SunOfDay(static_cast<int16_t>((h - 1) / 24 + 1), site.latitude, site.longitude,
                     site.utcOffset, site.radiationLag);
    }
    visit(h, month, SunUpOfHour(day, hourOfDay));
  }
}

PreparedYear PrepareYear(const ClimateData& climate, const std::vector<SunWish>& wishes,
                         const SolarSite& site) {
  PreparedYear year;
  year.hours.reserve(kHoursPerYear / 2);
  ForEachHourSun(site, [&](int h, int8_t month, const HourSun& sun) {
    const HourSplit split = SplitHour(climate.year[static_cast<std::size_t>(h)].Radiation, sun);
    countHour(year.counts, sun, split);
    if (split.global <= 0) return;
    year.hours.push_back({PrepareSkyHour(split, sun), month, wishes[static_cast<std::size_t>(h)]});
  });
  return year;
}

RadiationTotals PlaneTotals(const PreparedYear& year, const Plane& plane, SkyModel model,
                            double albedo) {
  double wanted = 0, unwanted = 0;
  std::array<double, 12> months{};
  for (const PreparedYear::Hour& h : year.hours) {
    const double e = Irradiate(h.sky, plane, model, albedo).total();
    months[static_cast<std::size_t>(h.month)] += e;
    if (h.wish == SunWish::Wanted) wanted += e;
    if (h.wish == SunWish::Unwanted) unwanted += e;
  }
  RadiationTotals t;
  double all = 0;
  for (std::size_t m = 0; m < 12; ++m) {
    all += months[m];
    t.months[m] = static_cast<float>(months[m] / kJoulesPerKWh);
  }
  t.year = static_cast<float>(all / kJoulesPerKWh);
  t.wanted = static_cast<float>(wanted / kJoulesPerKWh);
  t.unwanted = static_cast<float>(unwanted / kJoulesPerKWh);
  return t;
}

bool CheckRadiationOptions(const RadiationOptions& options, MessageSink& sink) {
  const auto refuse = [&sink](std::string_view text) {
    Message m = errorMessage({std::string(text)});
    m.beep = true;
    sink.show(m);
    return false;
  };
  if (!(options.albedo >= 0 && options.albedo <= 1)) return refuse(kAlbedoRangeText);
  if (!(options.tilt >= 0 && options.tilt <= 90)) return refuse(kTiltRangeText);
  return true;
}

bool CheckRadiationCoverage(const RadiationHourCounts& counts, MessageSink& sink) {
  if (2 * counts.daylightMissing <= counts.daylight) return true;
  sink.show(errorMessage({std::string(kRadiationMissingText),
                          std::string(kDaylightHoursLead) + std::to_string(counts.daylight) +
                              std::string(kHoursOf) + std::to_string(counts.daylightMissing) +
                              std::string(kHoursClose)}));
  return false;
}

std::optional<RadiationYear> AnalyseRadiation(const ClimateData& climate, const PsychroChart& chart,
                                              const SolarSite& site,
                                              const RadiationOptions& options, MessageSink& sink) {
  if (!CheckRadiationOptions(options, sink)) return std::nullopt;
  const PreparedYear year = PrepareYear(climate, SunWishes(climate, chart), site);
  if (!CheckRadiationCoverage(year.counts, sink)) return std::nullopt;
  RadiationYear result;
  result.options = options;
  result.hours = year.counts;
  for (int i = 0; i < kRadiationOrientations; ++i) {
    result.orientations[static_cast<std::size_t>(i)] = PlaneTotals(
        year, MakePlane(OrientationAzimuth(i), options.tilt), options.model, options.albedo);
  }
  result.horizontal = PlaneTotals(year, MakePlane(0, 0), options.model, options.albedo);
  result.mostWanted = mostOf(result.orientations, &RadiationTotals::wanted);
  result.mostUnwanted = mostOf(result.orientations, &RadiationTotals::unwanted);
  return result;
}

std::array<float, 12> MonthlyDailyMeans(const RadiationTotals& totals) {
  std::array<float, 12> means{};
  for (std::size_t m = 0; m < 12; ++m) means[m] = totals.months[m] / kDaysInMonth[m];
  return means;
}

}  // namespace vlm
