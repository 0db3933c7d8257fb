// The name under which a loaded year leaves the program: in a figure's caption
// or title, a table's heading, a CSV row and the climate report. A built-in
// region is its Korean name; a year from a file the user chose keeps the
// program-wide "기타" and adds its station, or failing that its file name,
// so that two such years are told apart: "기타 (JEONJU)", "기타 (mine.cly)".
#pragma once

#include <string>
#include <string_view>

#include "core/climate/climate_data.h"

namespace vlm {

// `station` may be empty; `file` is the path that was read.
[[nodiscard]] std::string RegionDisplayName(std::string_view regionName, std::string_view station,
                                            std::string_view file);

// The loaded year's RegionName with its site's name or its source file.
[[nodiscard]] std::string RegionDisplayName(const ClimateData& climate);
// A screen's region label (the region of its last good load) named from the loaded year.
[[nodiscard]] std::string RegionDisplayName(std::string_view regionLabel,
                                            const ClimateData& climate);

}  // namespace vlm
