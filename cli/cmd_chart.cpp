// vlm-cli chart CLIMATE --from --to --mode hour|day|month -o FILE: the building
// bioclimatic chart as the draw command composes it, saved as an image (.png,
// .svg, .pdf) or as its display list (.txt).
#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/output_file.h"
#include "cli/period_arg.h"
#include "core/analysis/chart_drawing.h"
#include "core/analysis/zone.h"
#include "core/common/atomic_file.h"
#include "core/psychro/psychro_chart.h"

#ifdef VLM_HAVE_RENDER
#include "render/drawing_export.h"
#endif

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

struct PixelSize {
  int width, height;
};

std::optional<int> side(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > 20000) {
    return std::nullopt;
  }
  return value;
}

std::optional<PixelSize> pixelSize(const std::string& text) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto w = side(std::string_view(text).substr(0, x));
  const auto h = side(std::string_view(text).substr(x + 1));
  if (!w || !h) return std::nullopt;
  return PixelSize{*w, *h};
}

std::string extensionOf(const std::string& path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

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

void saveChart(const Drawing& drawing, const std::string& path, const std::string& ext,
               PixelSize size) {
  if (ext == "txt") {
    writeFileAtomically(path, drawing.serialize());
    return;
  }
#ifdef VLM_HAVE_RENDER
  render::ensureGuiApplication();
  render::saveDrawing(drawing, path, size.width, size.height);
#else
  (void)size;
  throw std::invalid_argument("이 vlm-cli는 그림 파일(png, svg, pdf) 없이 만들어졌습니다. (" +
                              path + ")");
#endif
}

void runChart(Context& ctx, const ChartArgs& args) {
  const std::string ext = extensionOf(args.path);
  if (ext != "png" && ext != "svg" && ext != "pdf" && ext != "txt") {
    throw std::invalid_argument("그림 파일의 형식(png, svg, pdf, txt)을 알 수 없습니다. (" +
                                args.path + ")");
  }
  ChartContent content;
  content.grid = !args.noGrid;
  content.data = !args.noData;
  content.labels = !args.noLabels;
  content.need = zoneList(args.need, kNeedZones, "--need");
  content.guide = zoneList(args.guide, kGuideZones, "--guide");
  content.needZones = args.need != "none";
  content.guideZones = args.guide != "none";
  const PixelSize size = pixelSize(args.size).value_or(PixelSize{1200, 900});

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
  saveChart(drawing, args.path, ext, size);
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
  command->add_option("--size", args->size, "그림 크기 WxH 픽셀")
      ->check(CLI::Validator(
          [](const std::string& text) {
            return pixelSize(text) ? std::string() : "크기는 WxH 형식입니다 (예: 1200x900)";
          },
          "WxH"))
      ->capture_default_str();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runChart(ctx, *args); }); });
}

}  // namespace vlm::cli
