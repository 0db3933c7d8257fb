#include "core/climate/check_climate_file.h"

#include "core/climate/climate_record.h"
#include "core/climate/cly_file.h"

namespace vlm {
namespace {

bool hasClimateExtension(std::string_view trimmed) {
  return trimmed.size() >= 3 && trimmed.substr(trimmed.size() - 3) == "cly";
}

// The first record k whose RecIndex is not k + 123, or 0 when all 8760 agree
// (the reader holds at least 8760 records).
int firstBadRecord(const ClyFileReader& reader) {
  for (int k = 1; k <= kHoursPerYear; ++k) {
    if (reader.recIndex(k) != k + kRecIndexOffset) return k;
  }
  return 0;
}

// The rules on a file's bytes, the path's rules already passed. The size is
// taken again from the bytes: a file that changed after its size was taken
// must not be decoded past its end.
ClimateFileCheck checkRecords(const ClyFileReader& reader) {
  if (reader.sizeInBytes() != static_cast<std::size_t>(kClimateFileSize)) {
    return {ClimateFileViolation::Size, 0};
  }
  const int bad = firstBadRecord(reader);
  if (bad != 0) return {ClimateFileViolation::RecIndex, bad};
  return {ClimateFileViolation::None, kHoursPerYear};
}

// The extension and size rules, before anything is read; None when both pass.
ClimateFileViolation pathViolation(const std::string& file) {
  const std::uintmax_t size = climateFileSize(file);
  if (!hasClimateExtension(file)) return ClimateFileViolation::Extension;
  if (size != static_cast<std::uintmax_t>(kClimateFileSize)) return ClimateFileViolation::Size;
  return ClimateFileViolation::None;
}

}  // namespace

std::string climateFilePathOf(std::string_view path) {
  const auto end = path.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : path.substr(0, end + 1));
}

ClimateFileCheck checkClimateFileRules(const std::string& path) {
  const std::string file = climateFilePathOf(path);
  const ClimateFileViolation violation = pathViolation(file);
  if (violation != ClimateFileViolation::None) return {violation, 0};
  return checkRecords(ClyFileReader(file));
}

Message climateFileViolationMessage(ClimateFileViolation violation) {
  const char* rule = "";
  switch (violation) {
    case ClimateFileViolation::Extension:
      rule = "[확장자(cly) 위반]";
      break;
    case ClimateFileViolation::Size:
      rule = "[파일크기(227,760byte) 위반]";
      break;
    case ClimateFileViolation::RecIndex:
      rule = "[레코드인덱스 위반]";
      break;
    case ClimateFileViolation::None:
      break;
  }
  return errorMessage({"대상 지역의 기후파일이 유효하지 않습니다.", rule});
}

std::optional<ClyFileReader> readCheckedClimateFile(const std::string& path, MessageSink& sink,
                                                    std::pmr::memory_resource* memory) {
  const std::string file = climateFilePathOf(path);
  ClimateFileViolation violation = pathViolation(file);
  if (violation == ClimateFileViolation::None) {
    ClyFileReader reader(file, memory);
    violation = checkRecords(reader).violation;
    if (violation == ClimateFileViolation::None) return reader;
  }
  sink.show(climateFileViolationMessage(violation));
  return std::nullopt;
}

bool CheckClimateFile(const std::string& path, MessageSink& sink) {
  const ClimateFileCheck check = checkClimateFileRules(path);
  if (check.ok()) return true;
  sink.show(climateFileViolationMessage(check.violation));
  return false;
}

}  // namespace vlm
