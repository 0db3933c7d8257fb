#include "core/climate/typical_year_file.h"

#include <algorithm>
#include <filesystem>

#include "core/climate/check_climate_file.h"
#include "core/climate/cly_file.h"
#include "core/climate/epw_import.h"
#include "core/climate/typical_year_texts.h"
#include "core/common/file_error.h"

namespace vlm {
namespace {

enum class TargetKind { Cly, Epw };

std::optional<TargetKind> targetKindOf(std::string_view path) {
  while (!path.empty() && path.back() == ' ') path.remove_suffix(1);
  if (path.ends_with("cly")) return TargetKind::Cly;
  if (hasEpwExtension(path)) return TargetKind::Epw;
  return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return a == b ||
         (std::filesystem::equivalent(climateFilePathOf(a), climateFilePathOf(b), error) && !error);
}

std::optional<Message> requestError(const TypicalYearRequest& request) {
  if (request.sources.empty() || request.target.empty() ||
      std::any_of(request.sources.begin(), request.sources.end(),
                  [](const std::string& s) { return s.empty(); }))
    return typicalNoSourceMessage();
  for (const std::string& source : request.sources)
    if (sameFile(source, request.target))
      return conversionNameError("[원본 기후파일명과 변환후 기후파일명이 같습니다.]");
  const auto kind = targetKindOf(request.target);
  if (!kind) return typicalTargetMessage("[변환후 기후파일명의 확장자가 cly 혹은 epw가 아닙니다.]");
  if (*kind == TargetKind::Epw)
    return typicalTargetMessage(
        "[EPW 파일로 저장하는 기능은 아직 준비되지 않았습니다. cly로 저장하십시오.]");
  return std::nullopt;
}

}  // namespace

TypicalYearOutcome MakeTypicalYearFile(const TypicalYearRequest& request, MessageSink& sink,
                                       const ConversionProgress& progress) {
  TypicalYearOutcome result;
  if (auto error = requestError(request)) {
    sink.show(*error);
    return result;
  }
  const std::string targetFile = climateFilePathOf(request.target);
  std::error_code error;
  if (std::filesystem::is_directory(targetFile, error)) throwFileError(EISDIR, targetFile);
  if (request.policy == OverwritePolicy::Ask && std::filesystem::exists(targetFile, error) &&
      sink.show(replaceTargetQuestion(request.target)) != MessageAnswer::Yes) {
    result.outcome = ConversionOutcome::Declined;
    return result;
  }
  struct Reset {
    const ConversionProgress& progress;
    ~Reset() {
      if (progress.percent) progress.percent(0);
      if (progress.status) progress.status("");
    }
  } reset{progress};
  if (progress.status) progress.status(kTypicalStatusText);
  const auto record = ReadTypicalSources(
      request.sources, request.choice, sink, [&progress](std::size_t done, std::size_t total) {
        if (progress.percent) progress.percent(static_cast<int16_t>(done * 90 / total));
      });
  if (!record) return result;
  auto year = BuildTypicalYear(record->years, sink);
  if (!year) return result;
  writeClyFile(targetFile, year->records);
  sink.show(typicalYearCompleted(record->station, *year));
  result.outcome = ConversionOutcome::Converted;
  result.station = record->station;
  result.year = std::move(year);
  return result;
}

}  // namespace vlm
