// Loading a climate year: the region page's confirm command and its steps.
//
// LoadClimateYear runs, in order:
//   1. "기타" without a picked file     → otherFileMissingMessage(), false
//   2. CheckClimateFile refuses the file → its error, then climateFileAdviceMessage(), false;
//      an EPW file (by its extension) is instead imported in memory with the
//      conversion's checks, and a refusal is the import's one box, false
//   3. RegionName and ClimateFilePath take the choice, data.site the year's
//      site: an EPW file's LOCATION line, else the choice's (or none)
//   4. the 8760 records are read into data.year, each hour's AH, VP, RH and
//      SpecV derived at that hour's station pressure; progress(k) after record k
//   5. ComputeMonthStats, CountWindDirs
//   6. loadCompletionMessage(RegionName), true
// The page then resets its bar and label and publishes RegionName and
// data.sourcePath() to the other pages.
//
// A refused choice changes nothing: the strings keep naming the year that is
// in memory, so no screen labels an old year with the refused region's name.
// A platform failure (FileError) or a floating-point fault (ComputeError)
// while reading or deriving stops the load at that hour and propagates to the
// caller, who shows it. The hours read so far stay in data.year; RegionName is
// cleared, because the year now mixes two files and must not be analysed as
// either, and the tables keep the previous year's figures.
#pragma once

#include <cstdint>
#include <functional>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/climate/cly_file.h"
#include "core/climate/region_catalog.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

// Called after record k (1 … 8760) has been read, before it is stored.
using LoadProgress = std::function<void(int16_t hour)>;

// What the user confirmed: a region name (a built-in Korean name, "기타", or a
// name of the caller's choosing) and the full path of its file.
struct ClimateChoice {
  std::string regionName;
  std::string filePath;  // "" when nothing has been picked for "기타"
  // The site of a file that does not record one (a .cly); an EPW file's own
  // LOCATION line comes first.
  std::optional<Site> site = std::nullopt;
};

// A built-in region: its Korean name, the file in the program's weather
// folder and the site of its station.
[[nodiscard]] ClimateChoice builtInChoice(const Region& region, std::string_view programDir);
// "기타" with the path last picked in the file dialog (OtherFilePath).
[[nodiscard]] ClimateChoice otherChoice(const std::string& otherFilePath);

// The eight observed fields of a file record, with the derived fields missing.
[[nodiscard]] HourRecord hourOf(const ClimateFileRecord& record);

// Derives AH, VP, RH and SpecV of one hour. Patm is set to the hour's
// Pressure first, even when that is the marker 9999; a missing input makes
// the fields depending on it 999. No range check: supersaturated air has RH > 100.
void deriveHour(HourRecord& hour, Psychrometrics& psychro);

// Step 4 alone: reads the file's 8760 records into data.year and derives
// every hour. Throws FileError or ComputeError, leaving the hours before the
// failing one in place.
void readClimateYear(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                     const LoadProgress& progress = {});

// The same from records already in memory (a file read once, or a year
// converted in memory); a reader with fewer than 8760 records throws FileError
// after deriving the hours it holds.
void readClimateYear(ClimateData& data, const ClyFileReader& reader, Psychrometrics& psychro,
                     const LoadProgress& progress = {});

// Step 4 for hours already in memory (an imported EPW year): stores the 8760
// records into data.year and derives every hour, with the same progress.
void storeClimateYear(ClimateData& data, const std::vector<ClimateFileRecord>& records,
                      Psychrometrics& psychro, const LoadProgress& progress = {});

// What the region page shows beside a file picked for "기타": the path, and
// for an EPW file whose LOCATION line reads, a second line with the station's
// name and latitude (epwStationText). Reads nothing but that first line and
// reports nothing: the checks come with the confirmation.
[[nodiscard]] std::string pickedFileText(const std::string& path);

// The same, record by record through deriveHour, every operation guarded: the
// reference the golden fingerprints of the built-in years are made with.
void readClimateYearChecked(ClimateData& data, const std::string& path, Psychrometrics& psychro,
                            const LoadProgress& progress = {});

// The whole confirm command; see the top of this header. A .cly file's bytes
// are held, while the year is derived, in memory from the given resource.
[[nodiscard]] bool LoadClimateYear(
    ClimateData& data, const ClimateChoice& choice, Psychrometrics& psychro, MessageSink& sink,
    const LoadProgress& progress = {},
    std::pmr::memory_resource* fileMemory = std::pmr::get_default_resource());

}  // namespace vlm
