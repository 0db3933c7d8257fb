// vlm-cli typical-year SOURCE… -o TARGET.cly|.epw [--station N] [--years Y1-Y2]
// [--site] [--yes]: an ISO 15927-4 typical year from several years of one
// station (ASOS hourly CSV files, or EPW files of actual years), written as
// the conversion page writes it; on stdout each month's candidates with their
// statistics, the year chosen and the warnings.
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/climate/site_rules.h"
#include "core/climate/typical_year_file.h"

namespace vlm::cli {
namespace {

struct TypicalArgs {
  std::vector<std::string> sources;
  std::string target;
  std::optional<std::int32_t> station;
  std::string years;
  std::string site;
  bool yes = false;
};

// "2011-2020" → {2011, 2020}, the first not after the last.
std::optional<std::pair<std::int16_t, std::int16_t>> yearRange(const std::string& text) {
  const std::size_t dash = text.find('-', 1);
  if (dash == std::string::npos) return std::nullopt;
  std::int16_t first = 0, last = 0;
  const char* end = text.data() + text.size();
  const auto a = std::from_chars(text.data(), text.data() + dash, first);
  const auto b = std::from_chars(text.data() + dash + 1, end, last);
  if (a.ec != std::errc() || b.ec != std::errc() || a.ptr != text.data() + dash || b.ptr != end ||
      first > last)
    return std::nullopt;
  return std::pair{first, last};
}

nlohmann::json optionalFloat(const std::optional<float>& value) {
  return value ? jsonFloat(*value) : nlohmann::json(nullptr);
}

nlohmann::json typicalJson(const std::string& station, const TypicalYear& year) {
  nlohmann::json months = nlohmann::json::array();
  for (const TypicalMonth& month : year.months) {
    nlohmann::json candidates = nlohmann::json::array();
    for (const TypicalCandidate& c : month.candidates)
      candidates.push_back({{"year", c.year},
                            {"fs",
                             {{"dbt", jsonFloat(c.fsDryBulb)},
                              {"rh", optionalFloat(c.fsHumidity)},
                              {"ghi", optionalFloat(c.fsRadiation)}}},
                            {"rankSum", c.rankSum},
                            {"windDeviation", optionalFloat(c.windDeviation)}});
    months.push_back({{"month", month.month}, {"year", month.year}, {"candidates", candidates}});
  }
  return {{"station", station},
          {"years", year.yearsUsed},
          {"months", months},
          {"warnings", year.warnings}};
}

void runTypicalYear(Context& ctx, const TypicalArgs& args) {
  TypicalYearRequest request;
  request.sources = args.sources;
  request.target = args.target;
  request.choice.station = args.station;
  if (!args.years.empty()) {
    const auto range = yearRange(args.years);
    request.choice.firstYear = range->first;
    request.choice.lastYear = range->second;
  }
  // A site given for an EPW target is checked as every command checks one.
  if (!args.site.empty() && !ReadSiteArgument(args.site, ctx.sink)) {
    ctx.exitCode = kExitRefused;
    return;
  }
  request.policy = args.yes ? OverwritePolicy::Replace : OverwritePolicy::Ask;
  const TypicalYearOutcome result = MakeTypicalYearFile(request, ctx.sink);
  if (result.outcome != ConversionOutcome::Converted) {
    ctx.exitCode = kExitRefused;
    return;
  }
  ctx.out << jsonText(typicalJson(result.station, *result.year)) << '\n';
}

}  // namespace

void registerTypicalYear(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<TypicalArgs>();
  CLI::App* command = app.add_subcommand(
      "typical-year",
      "한 지점의 여러 해 시간자료(ASOS csv 또는 EPW)로 표준기상년(ISO 15927-4)을 만듭니다");
  command
      ->add_option("SOURCE", args->sources, "원본 시간자료 (ASOS 시간자료 .csv 또는 실측년 .epw)")
      ->required();
  command->add_option("-o,--output", args->target, "표준기상년 기후파일 (.cly)")->required();
  command->add_option("--station", args->station, "여러 지점이 든 ASOS 시간자료에서 쓸 지점 번호");
  command->add_option("--years", args->years, "쓸 기간 Y1-Y2 (양끝 포함)")
      ->check(CLI::Validator(
          [](const std::string& s) {
            return yearRange(s) ? std::string() : std::string("연도 범위 Y1-Y2가 아닙니다");
          },
          "Y1-Y2"));
  command->add_option("--site", args->site,
                      "EPW로 저장할 때의 지점 위치 LAT,LON[,UTC] (지점 목록에 없을 때)");
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runTypicalYear(ctx, *args); }); });
}

}  // namespace vlm::cli
