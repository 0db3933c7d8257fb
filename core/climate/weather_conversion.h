// Converting an hourly weather file into a .cly climate file: the WYEC/TRY
// 80-column text formats and, by the source's extension, EPW and the weather
// service's ASOS hourly CSV (one station-year of it, chosen by the caller). This is the
// whole command of the conversion page; the page passes its two texts and a
// sink and moves its progress bar and status label from the callbacks.
//
//   1. either name empty                  → error box, nothing touched
//   2. the same name (or the same file)   → error box, nothing touched
//   3. target extension not "cly"         → error box, nothing touched
//   4. target exists                      → Yes/No question; No ends here
//   5. the source is checked and converted in memory; a refusal is one box
//   6. the records are written to a temporary file beside the target, which
//      replaces the target only when complete
//   7. completion box
//
// A failed or refused conversion leaves an existing target as it was and no
// partial file. Blanks after a path are not part of the file name, as when a
// climate file is loaded ("seoul.cly  " writes seoul.cly). A file that cannot be read or written
// throws FileError, whose text the caller shows in an "에러" box.
#pragma once

#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/asos_import.h"
#include "core/climate/conversion_progress.h"
#include "core/climate/epw_import.h"
#include "core/common/message.h"

namespace vlm {

// Texts of the page's two file dialogs.
inline constexpr std::string_view kSourceDialogTitle = "원본 기후파일(WYEC 혹은 TRY 형식) 열기";
inline constexpr std::string_view kSourceDialogFilter =
    "WYEC 파일(*.wye)|*.wye|TRY 파일(*.try)|*.try|EPW 파일(*.epw)|*.epw|"
    "ASOS 시간자료(*.csv)|*.csv|Velmora용 기후파일(*.cly)|*.cly|모든 파일(*.*)|*.*";
inline constexpr std::string_view kTargetDialogTitle = "변환후 저장할 기후파일명";
inline constexpr std::string_view kTargetDialogFilter =
    "Velmora용 기후파일(*.cly)|*.cly|EPW 파일(*.epw)|*.epw|모든 파일(*.*)|*.*";

enum class WeatherSourceKind { WyecTry, Epw, Asos };
// EPW when the path ends in "epw", ASOS when it ends in "csv", in any case
// (trailing blanks ignored); WYEC/TRY otherwise.
[[nodiscard]] WeatherSourceKind weatherSourceKindOf(std::string_view sourcePath);

// The format a conversion writes: EPW when the target ends in "epw" in any
// case (trailing blanks ignored), else .cly, whose name rule asks for exactly "cly".
enum class TargetFormat { Cly, Epw };
[[nodiscard]] TargetFormat targetFormatOf(std::string_view targetPath);

enum class OverwritePolicy {
  Ask,      // an existing target is replaced only when the sink answers Yes
  Replace,  // replaced without a question (vlm-cli --yes)
};

enum class ConversionOutcome {
  Converted,  // the target holds the new file
  Refused,    // a name, the source's format or a field was refused with a message
  Declined,   // the user kept the existing target
};

// Steps 1–3 for a target of the given format: the box of the first broken
// name rule, or nothing.
[[nodiscard]] std::optional<Message> conversionNameFault(const std::string& sourcePath,
                                                         const std::string& targetPath,
                                                         TargetFormat format);
// Step 4: false when the user keeps an existing target. A folder at the
// target throws FileError without a question.
[[nodiscard]] bool mayWriteTarget(const std::string& targetPath, MessageSink& sink,
                                  OverwritePolicy policy);

// The boxes of the command, for the page's tests and for vlm-cli.
[[nodiscard]] Message conversionNameError(std::string rule);
[[nodiscard]] Message replaceTargetQuestion(const std::string& targetPath);
[[nodiscard]] Message conversionCompleted();
[[nodiscard]] Message epwConversionCompleted(const EpwYear& year);
// The completion box of an ASOS station-year: the station, the year and the
// missing hours of each field.
[[nodiscard]] Message asosConversionCompleted(const AsosYear& year);

// The station-years of an ASOS source file, for the page's choice; a refusal
// is reported to `sink` and gives nothing. Throws FileError.
[[nodiscard]] std::optional<std::vector<AsosStationYear>> asosStationYears(
    const std::string& sourcePath, MessageSink& sink);

// Runs the command (see above), the converted year's bytes held in memory from
// the given resource until they are written. Throws FileError for a platform
// failure.
[[nodiscard]] ConversionOutcome ConvertWeatherFile(
    const std::string& sourcePath, const std::string& targetPath, MessageSink& sink,
    OverwritePolicy policy = OverwritePolicy::Ask, const ConversionProgress& progress = {},
    const AsosChoice& asos = {},
    std::pmr::memory_resource* memory = std::pmr::get_default_resource());

}  // namespace vlm
