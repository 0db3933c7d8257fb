// The classes an hour falls into under a comfort model, in the order the
// table's columns and the bars' segments take them from the bottom: below the
// widest band, each band's own hours narrowest first (an hour counts in the
// narrowest band holding it), above, and where the model does not apply.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/comfort/comfort_year.h"
#include "core/draw/drawing.h"

namespace vlm {

struct ComfortClass {
  std::string name;
  int hours = 0;
  int16_t color = 0;  // palette index of its bar segment and legend row
};

// The model's name as the page's choice shows it.
[[nodiscard]] std::string ComfortModelName(ComfortModel model);

// The classes of one month's or the year's tally; hours without the inputs
// the model needs are no class (the table shows them apart).
[[nodiscard]] std::vector<ComfortClass> ComfortClasses(ComfortModel model, const ComfortTally& t);

}  // namespace vlm
