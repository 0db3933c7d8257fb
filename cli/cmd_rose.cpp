// vlm-cli rose CLIMATE --month M | --season 봄|여름|가을|겨울 | --year [--numbers]
// -o FILE: the wind rose of a month, a season or the year with the labels the
// tab shows, laid out for the image's own size.
#include <algorithm>
#include <memory>
#include <optional>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "core/graphs/rose_view.h"

#ifdef VLM_HAVE_RENDER
#include "render/drawing_export.h"
#include "render/text_extent.h"
#endif

namespace vlm::cli {
namespace {

struct RoseArgs {
  ClimateArgs climate;
  int16_t month = 0;
  std::string season;
  bool year = false;
  bool numbers = false;
  PictureFileArgs file;
};

std::optional<RosePeriod> periodOf(const RoseArgs& args) {
  if (args.month != 0) return RosePeriod::Month(args.month);
  for (std::size_t i = 0; i < kRoseSeasonItems.size(); ++i) {
    if (args.season == kRoseSeasonItems[i]) return RosePeriod::Season(static_cast<int16_t>(i + 1));
  }
  if (args.year) return RosePeriod::Year();
  return std::nullopt;
}

// A display list must not depend on the fonts of the machine that wrote it:
// its labels are laid out with a fixed advance per character and line.
TextExtent fixedExtent(const std::string& text, float pointSize, bool /*bold*/) {
  const float pixels = pointSize * 96.0f / 72.0f;
  float widest = 0, width = 0, lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++lines;
      width = 0;
    } else if (c != '\r' && (c & 0xC0) != 0x80) {
      // A Hangul syllable is three bytes of UTF-8 and about one em wide.
      width += c >= 0xE0 ? pixels : pixels * 0.55f;
    }
    widest = std::max(widest, width);
  }
  return TextExtent{widest, lines * pixels * 1.2f};
}

TextMeasure measureFor(const std::string& path) {
#ifdef VLM_HAVE_RENDER
  const bool list = path.size() >= 4 && (path.compare(path.size() - 4, 4, ".txt") == 0 ||
                                         path.compare(path.size() - 4, 4, ".TXT") == 0);
  if (!list) {
    render::ensureGuiApplication();
    return [](const std::string& text, float pointSize, bool bold) {
      const QSizeF size = render::textExtent(text, pointSize, bold);
      return TextExtent{static_cast<float>(size.width()), static_cast<float>(size.height())};
    };
  }
#else
  (void)path;
#endif
  return fixedExtent;
}

void runRose(Context& ctx, const RoseArgs& args) {
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  // The picture is the image itself: one user unit is one pixel, so the labels
  // measured in pixels sit where the tab would put them.
  const ImageSize size = parseImageSize(args.file.size).value_or(ImageSize{});
  WindRoseView view(
      RoseGeometry::ForPicture(static_cast<float>(size.width), static_cast<float>(size.height)));
  if (!view.draw(loaded->data.RegionName, periodOf(args), loaded->data.WindDirCount, args.numbers,
                 ctx.sink)) {
    ctx.exitCode = kExitRefused;
    return;
  }
  writePictureFile(ctx, view.withLabels(measureFor(args.file.path)), args.file);
}

}  // namespace

void registerRose(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<RoseArgs>();
  CLI::App* command =
      app.add_subcommand("rose", "월별, 계절별 또는 년간 풍향도를 그림 파일로 저장합니다");
  addClimateArguments(*command, args->climate);
  CLI::Option* month =
      command->add_option("--month", args->month, "대상기간: 월 (1~12)")->check(CLI::Range(1, 12));
  CLI::Option* season = command->add_option("--season", args->season, "대상기간: 계절")
                            ->check(CLI::IsMember({"봄", "여름", "가을", "겨울"}));
  CLI::Option* year = command->add_flag("--year", args->year, "대상기간: 년간");
  month->excludes(season)->excludes(year);
  season->excludes(year);
  command->add_flag("--numbers", args->numbers, "그래프상에 데이터 숫자를 표시합니다");
  addPictureFileOptions(*command, args->file);
  command->callback([&ctx, args] { guarded(ctx, [&] { runRose(ctx, *args); }); });
}

}  // namespace vlm::cli
