// vlm-cli chart CLIMATE --from --to --mode hour|day|month -o FILE: the building
// bioclimatic chart as the draw command composes it, saved as an image (.png,
// .svg, .pdf) or as its display list (.txt).
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/output_file.h"
#include "cli/period_arg.h"
#include "cli/picture_file.h"
#include "core/analysis/chart_drawing.h"
#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"

namespace vlm::cli {
namespace {

struct ChartArgs {
  ClimateArgs climate;
  PeriodArgs period;
  std::string mode = "hour";
  bool noGrid = false;
  bool noData = false;
  bool noLabels = false;
  std::string need = "none";
  std::string guide = "none";
  std::string path;
  std::string size = "1200x900";
  bool yes = false;
};

// "all", "none" or check-box names without their prefix, e.g. "TH,DH".
template <typename Zones>
std::array<bool, std::tuple_size_v<Zones>> zoneList(const std::string& list, const Zones& zones,
                                                    const char* option) {
  std::array<bool, std::tuple_size_v<Zones>> ticked{};
  if (list == "all") ticked.fill(true);
  if (list == "all" || list == "none") return ticked;
  std::size_t from = 0;
  while (from <= list.size()) {
    const std::size_t comma = std::min(list.find(',', from), list.size());
    const std::string key = list.substr(from, comma - from);
    const auto found =
        std::find_if(zones.begin(), zones.end(), [&key](const auto& z) { return z.key == key; });
    if (found == zones.end()) {
      throw std::invalid_argument(std::string(option) + ": 알 수 없는 죤 이름입니다: " + key);
    }
    ticked[static_cast<std::size_t>(found - zones.begin())] = true;
    from = comma + 1;
  }
  return ticked;
}

PeriodMode modeOf(const std::string& mode) {
  if (mode == "day") return PeriodMode::Daily;
  if (mode == "month") return PeriodMode::Monthly;
  return PeriodMode::Hourly;
}

void runChart(Context& ctx, const ChartArgs& args) {
  (void)checkedPictureExtension(args.path);
  ChartContent content;
  content.grid = !args.noGrid;
  content.data = !args.noData;
  content.labels = !args.noLabels;
  content.need = zoneList(args.need, kNeedZones, "--need");
  content.guide = zoneList(args.guide, kGuideZones, "--guide");
  content.needZones = args.need != "none";
  content.guideZones = args.guide != "none";
  const ImageSize size = parseImageSize(args.size).value_or(ImageSize{});

  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  ChartPeriod period{modeOf(args.mode), 1, 8760};
  if (content.data) {
    const PeriodFields fields = chartPeriodFields(args.period);
    if (SetPeriod(loaded->data.RegionName, period.mode, fields, period.start, period.end,
                  ctx.sink) != 1) {
      ctx.exitCode = kExitRefused;
      return;
    }
  }
  if (!mayWrite(ctx, args.path, args.yes, overwriteQuestion(args.path))) return;
  PsychroChart chart;
  const Drawing drawing =
      BuildBioChart(loaded->psychro, chart, ctx.sink, content, loaded->data, period,
                    static_cast<float>(size.width), static_cast<float>(size.height));
  writeDrawingFile(drawing, args.path, size);
}

}  // namespace

void registerChart(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ChartArgs>();
  CLI::App* command = app.add_subcommand(
      "chart", "건물생체기후도를 그림 파일(png, svg, pdf, 목록 txt)로 저장합니다");
  addClimateArguments(*command, args->climate);
  addPeriodOptions(*command, args->period);
  command->add_option("--mode", args->mode, "기후데이터 표시: hour 시간별, day 일별, month 월별")
      ->check(CLI::IsMember({"hour", "day", "month"}))
      ->capture_default_str();
  command->add_flag("--no-grid", args->noGrid, "습공기선도를 그리지 않습니다");
  command->add_flag("--no-data", args->noData, "기후데이터를 표시하지 않습니다");
  command->add_flag("--no-labels", args->noLabels, "온습도값 라벨을 표시하지 않습니다");
  command->add_option("--need", args->need, "생체기후적 요구 죤: all, none, 또는 TH,TC,TCT,DH,HU")
      ->capture_default_str();
  command
      ->add_option("--guide", args->guide,
                   "기후설계 지침 죤: all, none, 또는 RC,RI,PSG,RSG,PV,PEC,PRC,MC,MCD")
      ->capture_default_str();
  command->add_option("-o,--output", args->path, "그림 파일 (.png, .svg, .pdf, 또는 목록 .txt)")
      ->required();
  addImageSizeOption(*command, args->size);
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runChart(ctx, *args); }); });
}

}  // namespace vlm::cli
