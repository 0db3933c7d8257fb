// Whether a .cly file may be loaded. Three structural rules, tested in this
// order and stopping at the first broken one:
//   1. the last three characters of the path, trailing blanks removed, are
//      exactly "cly" (case-sensitive: "CLY" is refused);
//   2. the file is exactly 227,760 bytes (8760 records of 26 bytes);
//   3. record k carries RecIndex = k + 123, for k = 1 … 8760 in order.
// The observations themselves are never checked. The size is taken before
// anything else, so a path that does not exist throws FileError before the
// extension is looked at.
#pragma once

#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>

#include "core/climate/cly_file.h"
#include "core/common/message.h"

namespace vlm {

enum class ClimateFileViolation { None, Extension, Size, RecIndex };

struct ClimateFileCheck {
  ClimateFileViolation violation = ClimateFileViolation::None;
  // Records read before the verdict: 8760 for a good file, k for a file whose
  // record k is the first with a wrong RecIndex, 0 when refused before reading.
  int recordsRead = 0;
  [[nodiscard]] bool ok() const { return violation == ClimateFileViolation::None; }
};

// The path as the file system sees it: trailing blanks are not part of a file
// name the user typed or picked, so "seoul.cly  " names seoul.cly.
[[nodiscard]] std::string climateFilePathOf(std::string_view path);

// The verdict without a message; throws FileError on a platform failure.
[[nodiscard]] ClimateFileCheck checkClimateFileRules(const std::string& path);

// The "에러" box of a violation: "대상 지역의 기후파일이 유효하지 않습니다." and the rule.
[[nodiscard]] Message climateFileViolationMessage(ClimateFileViolation violation);

// The file read once for both the check and the load, its bytes in memory
// from the given resource: its records when it may be loaded; otherwise
// reports the violation to the sink and returns nullopt. Throws FileError on a
// platform failure.
[[nodiscard]] std::optional<ClyFileReader> readCheckedClimateFile(
    const std::string& path, MessageSink& sink,
    std::pmr::memory_resource* memory = std::pmr::get_default_resource());

// True when the file may be loaded; otherwise reports the violation to the sink
// and returns false. Throws FileError on a platform failure.
[[nodiscard]] bool CheckClimateFile(const std::string& path, MessageSink& sink);

}  // namespace vlm
