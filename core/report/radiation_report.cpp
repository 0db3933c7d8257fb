#include "core/report/radiation_report.h"

#include "core/psychro/psychro_chart.h"
#include "core/solar/radiation_figures.h"
#include "core/solar/radiation_site.h"
#include "core/solar/radiation_texts.h"

namespace vlm {

std::optional<ReportRadiation> ReportRadiationOf(const ClimateData& climate, std::string& why) {
  SilentSink quiet;
  const auto site = SolarSiteOf(climate, quiet);
  if (!site) {
    why = kReportRadiationNoSite;
    return std::nullopt;
  }
  const auto result = AnalyseRadiation(climate, PsychroChart{}, *site, RadiationOptions{}, quiet);
  if (!result) {
    why = kReportRadiationMissing;
    return std::nullopt;
  }
  const std::string& region = climate.RegionName;
  return ReportRadiation{RadiationRoseDrawing(*result, region),
                         RadiationMonthlyDrawing(*result, region),
                         region + " " + std::string(kRoseTitle),
                         region + " " + std::string(kMonthlyTitle)};
}

}  // namespace vlm
