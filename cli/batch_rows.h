// The rows of vlm-cli batch: for each subcommand it can repeat over many
// climate files, the CSV header and the row of one loaded year. A new
// subcommand joins the batch with one entry in batchTableOf.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/climate/climate_record.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::cli {

struct BatchTable {
  // The columns after "file" and "region", before "error".
  std::vector<std::string> header;
  // The cells of one loaded year, as many as the header has; a refusal is
  // reported to the sink and gives nullopt.
  std::function<std::optional<std::vector<std::string>>(const ClimateData&, Psychrometrics&,
                                                        MessageSink&)>
      row;
};

// The subcommands the batch knows, in the order the help lists them.
inline constexpr std::string_view kBatchCommands[] = {"analyse", "months", "degree-days"};

// What a batch subcommand takes besides the files, already checked: the
// degree-day bases and the hours analyse counts (the whole year by default).
struct BatchOptions {
  float heatingBase = 18.0f;
  float coolingBase = 24.0f;
  int16_t from = 1;
  int16_t to = kHoursPerYear;
};

// The table of a subcommand, or nullopt for a name the batch does not know.
[[nodiscard]] std::optional<BatchTable> batchTableOf(std::string_view command,
                                                     const BatchOptions& options = {});

// One CSV line: cells separated by commas, a cell holding a comma, a quote or
// a line break quoted with its quotes doubled.
[[nodiscard]] std::string csvLine(const std::vector<std::string>& cells);

}  // namespace vlm::cli
