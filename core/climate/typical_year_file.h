// The typical year as a command of the conversion page and of vlm-cli: the
// sources read, the year built and written, in this order:
//   1. no source or no target                    → error box, nothing touched
//   2. a source named as the target              → error box, nothing touched
//   3. target extension neither cly nor epw      → error box, nothing touched
//   4. target exists                             → Yes/No question; No ends here
//   5. the sources read and the year built; a refusal is one box
//   6. the year written through a temporary file renamed over the target
//   7. completion box naming the station, the years and each month's year
// Nothing is written until the whole year is built. A file that cannot be
// read or written throws FileError.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/typical_year.h"
#include "core/climate/typical_year_sources.h"
#include "core/climate/weather_conversion.h"

namespace vlm {

// The status line while the typical year is built.
inline constexpr std::string_view kTypicalStatusText = "표준기상년 만드는 중...";
// The source dialog's filter when the page builds a typical year.
inline constexpr std::string_view kTypicalSourceDialogFilter =
    "ASOS 시간자료(*.csv)|*.csv|EPW 파일(*.epw)|*.epw|모든 파일(*.*)|*.*";

struct TypicalYearRequest {
  std::vector<std::string> sources;
  std::string target;
  TypicalSourceChoice choice;
  OverwritePolicy policy = OverwritePolicy::Ask;
};

struct TypicalYearOutcome {
  ConversionOutcome outcome = ConversionOutcome::Refused;
  std::string station;
  std::optional<TypicalYear> year;  // when converted
};

[[nodiscard]] TypicalYearOutcome MakeTypicalYearFile(const TypicalYearRequest& request,
                                                     MessageSink& sink,
                                                     const ConversionProgress& progress = {});

}  // namespace vlm
