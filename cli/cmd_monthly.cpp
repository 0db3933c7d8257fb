// vlm-cli monthly CLIMATE --element dbt|rh|rad|ws [--numbers] -o FILE: the monthly
// chart of one climate element, drawn by the same chart code as the page.
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/output_file.h"
#include "cli/picture_file.h"
#include "core/graphs/monthly_chart.h"

#ifdef VLM_HAVE_RENDER
#include "render/monthly_chart.h"
#endif

namespace vlm::cli {
namespace {

struct MonthlyArgs {
  ClimateArgs climate;
  std::string element;  // empty: no element chosen
  bool numbers = false;
  std::string path;
  std::string size = "1200x900";
  bool yes = false;
};

const std::map<std::string, MonthlyElement> kElementKeys = {
    {"dbt", MonthlyElement::DBT},
    {"rh", MonthlyElement::RH},
    {"rad", MonthlyElement::Rad},
    {"ws", MonthlyElement::WS},
};

std::optional<MonthlyElement> elementOf(const std::string& key) {
  const auto found = kElementKeys.find(key);
  if (found == kElementKeys.end()) return std::nullopt;
  return found->second;
}

void saveChart(const MonthlyChart& chart, const std::string& path, ImageSize size) {
#ifdef VLM_HAVE_RENDER
  render::ensureWidgetsApplication();
  render::saveMonthlyChart(chart, path, size.width, size.height);
#else
  (void)chart;
  (void)size;
  throw std::invalid_argument("이 vlm-cli는 그림 파일(png, svg, pdf) 없이 만들어졌습니다. (" +
                              path + ")");
#endif
}

void runMonthly(Context& ctx, const MonthlyArgs& args) {
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  const ClimateData& data = loaded->data;
  const auto chart =
      PrepareMonthlyChart(data.RegionName, elementOf(args.element), data, args.numbers, ctx.sink);
  if (!chart) {
    ctx.exitCode = kExitRefused;
    return;
  }
  if (!mayWrite(ctx, args.path, args.yes, overwriteQuestion(args.path))) return;
  saveChart(*chart, args.path, parseImageSize(args.size).value_or(ImageSize{}));
}

}  // namespace

void registerMonthly(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<MonthlyArgs>();
  CLI::App* command =
      app.add_subcommand("monthly", "월별 최대·평균·최소값 그래프를 그림 파일로 저장합니다");
  addClimateArguments(*command, args->climate);
  command
      ->add_option("--element", args->element,
                   "대상요소: dbt 건구온도, rh 상대습도, rad 일사량, ws 풍속")
      ->check(CLI::IsMember({"dbt", "rh", "rad", "ws"}));
  command->add_flag("--numbers", args->numbers, "그래프상에 데이터 숫자를 표시합니다");
  command->add_option("-o,--output", args->path, "그림 파일 (.png, .svg, .pdf)")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& path) {
            const std::string ext = lowerExtension(path);
            return ext == "png" || ext == "svg" || ext == "pdf"
                       ? std::string()
                       : "그림 파일의 형식(png, svg, pdf)을 알 수 없습니다. (" + path + ")";
          },
          "FILE"));
  addImageSizeOption(*command, args->size);
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runMonthly(ctx, *args); }); });
}

}  // namespace vlm::cli
