// The conversion page's command for an EPW target: any climate source — a
// .cly file (a built-in region's among them), an EPW file, one station-year of
// an ASOS hourly CSV, or a WYEC/TRY text — written as an EPW file.
//
//   1–3. the name rules of the .cly conversion (the target's extension aside)
//   4.   a source that never records a site (.cly, WYEC/TRY) without one
//        given → epwNoSiteMessage(), nothing read
//   5.   the target exists → the replace question; No ends here
//   6.   the source is checked and read as its own conversion reads it; an
//        EPW or ASOS source without a site of its own and none given →
//        epwNoSiteMessage()
//   7.   the EPW text is built whole, then written to a temporary file that
//        replaces the target only when complete
//   8.   completion box: the source's lines and the site written
//
// A refusal leaves an existing target as it was. A file that cannot be read
// or written throws FileError, whose text the caller shows.
#pragma once

#include <optional>
#include <string>

#include "core/climate/asos_import.h"
#include "core/climate/conversion_progress.h"
#include "core/climate/site.h"
#include "core/climate/weather_conversion.h"
#include "core/common/message.h"

namespace vlm {

struct EpwConversionChoice {
  AsosChoice asos;  // the station-year of an ASOS source
  // The site of a source that records none; a source's own comes first.
  std::optional<Site> site;
  // The Korean name of a built-in region whose file is the source, for the
  // file's comment ("" for a file of the user's).
  std::string regionName;
};

// The completion box: the conversion's own, then "EPW 파일의 위치: " and the site.
[[nodiscard]] Message epwWrittenMessage(Message completed, const Site& site);

[[nodiscard]] ConversionOutcome ConvertToEpw(const std::string& sourcePath,
                                             const std::string& targetPath, MessageSink& sink,
                                             OverwritePolicy policy = OverwritePolicy::Ask,
                                             const ConversionProgress& progress = {},
                                             const EpwConversionChoice& choice = {});

}  // namespace vlm
