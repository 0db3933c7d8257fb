// vlm-cli load CLIMATE [--region NAME] [--hourly]: the region page's load.
// JSON: the region, its file, the Patm the derivation left, the four monthly
// statistics tables and the wind-direction counts; with --hourly a CSV of the
// 8760 hours with their derived fields instead, with --solar also each hour's
// sun and radiation parts (the year's site, or --site for a .cly).
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/solar_columns.h"
#include "core/common/format.h"
#include "core/solar/radiation_site.h"

namespace vlm::cli {
namespace {

// Keys in the order a reader expects them, not sorted.
using Json = nlohmann::ordered_json;

struct LoadArgs {
  ClimateArgs climate;
  bool hourly = false;
  bool solar = false;
};

Json cell(const std::optional<float>& value) {
  return value ? Json(jsonFloat(*value)) : Json(nullptr);
}

Json statTable(const MonthStatTable& table) {
  Json rows = Json::array();
  rows.push_back(MonthStatTable::kHeadings);
  for (std::size_t r = 1; r < table.rows.size(); ++r) {
    const MonthStatRow& row = table.rows[r];
    rows.push_back({row.label, cell(row.max), cell(row.mean), cell(row.min)});
  }
  return rows;
}

Json windTable(const WindDirTable& table) {
  Json rows = Json::array();
  for (std::size_t period = 1; period < table.size(); ++period) {
    rows.push_back(std::vector<int16_t>(table[period].begin() + 1, table[period].end()));
  }
  return rows;
}

void printSummary(std::ostream& out, const LoadedClimate& loaded) {
  const ClimateData& data = loaded.data;
  const Json summary = {
      {"region", data.RegionName},
      {"file", data.sourcePath()},
      {"patm", Json(jsonFloat(loaded.psychro.Patm))},
      {"monthStats",
       {{"DBT", statTable(data.MonthStatDBT)},
        {"RH", statTable(data.MonthStatRH)},
        {"Rad", statTable(data.MonthStatRad)},
        {"WS", statTable(data.MonthStatWS)}}},
      {"windDirCount", windTable(data.WindDirCount)},
  };
  out << jsonText(summary) << '\n';
}

void printHourly(std::ostream& out, const ClimateData& data, const std::optional<SolarSite>& sun) {
  std::string text = "hour,RecIndex,DBT,WBT,Pressure,WindDir,WindSpeed,Cloud,Radiation,AH,VP,RH,SpecV";
  if (sun) text += kSolarColumnsHeader;
  text += '\n';
  text.reserve(static_cast<std::size_t>(kHoursPerYear) * 96);
  for (int k = 1; k <= kHoursPerYear; ++k) {
    const HourRecord& h = data.year[static_cast<std::size_t>(k)];
    const auto add = [&text](const std::string& field) {
      text += field;
      text += ',';
    };
    add(std::to_string(k));
    add(std::to_string(h.RecIndex));
    add(ShortestText(h.DBT));
    add(ShortestText(h.WBT));
    add(ShortestText(h.Pressure));
    add(std::to_string(h.WindDir));
    add(ShortestText(h.WindSpeed));
    add(std::to_string(h.Cloud));
    add(ShortestText(h.Radiation));
    add(ShortestText(h.AH));
    add(ShortestText(h.VP));
    add(ShortestText(h.RH));
    text += ShortestText(h.SpecV);
    if (sun) text += solarColumns(k, h.Radiation, *sun);
    text += '\n';
  }
  out << text;
}

}  // namespace

void registerLoad(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<LoadArgs>();
  CLI::App* command =
      app.add_subcommand("load", "기후파일을 읽어 월별 통계와 풍향별 시간수를 계산합니다");
  addClimateArguments(*command, args->climate);
  command->add_flag("--hourly", args->hourly, "8760시간의 자료를 CSV로 출력합니다");
  command
      ->add_flag("--solar", args->solar,
                 "--hourly에 시간별 태양시, 태양 고도와 방위각, 수평면 전일사, 법선면 직달일사, "
                 "수평면 확산일사(W/m²) 열을 덧붙입니다")
      ->needs("--hourly");
  addSiteOption(*command, args->climate);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const auto loaded = loadClimate(ctx, args->climate);
      if (!loaded) return;
      std::optional<SolarSite> sun;
      if (args->solar) {
        sun = SolarSiteOf(loaded->data, ctx.sink);
        if (!sun) {
          ctx.exitCode = kExitRefused;
          return;
        }
      }
      if (args->hourly) {
        printHourly(ctx.out, loaded->data, sun);
      } else {
        printSummary(ctx.out, *loaded);
      }
    });
  });
}

}  // namespace vlm::cli
