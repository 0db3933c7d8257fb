#include "cli/commands.h"

#include <algorithm>
#include <array>

namespace vlm::cli {
namespace {

// The subcommands that draw nothing: vlm-cli runs them without loading Qt.
// One line per subcommand; each lives in its own file and registers the name
// it has here.
constexpr std::array kTextCommands{
    TextCommand{"calendar", registerCalendar},
    TextCommand{"check", registerCheck},
    TextCommand{"load", registerLoad},
    TextCommand{"convert", registerConvert},
    TextCommand{"typical-year", registerTypicalYear},
    TextCommand{"psychro", registerPsychro},
    TextCommand{"zone", registerZone},
    TextCommand{"analyse", registerAnalyse},
    TextCommand{"extract", registerExtract},
    TextCommand{"solar", registerSolar},
    TextCommand{"months", registerMonths},
    TextCommand{"degree-days", registerDegreeDays},
    TextCommand{"compare", registerCompare},
    TextCommand{"batch", registerBatch},
    TextCommand{"comfort", registerComfort},
    TextCommand{"pmv", registerPmv},
    TextCommand{"radiation", registerRadiation},
    TextCommand{"shading", registerShading},
};

}  // namespace

std::span<const TextCommand> textCommands() { return kTextCommands; }

CommandRegistrar textCommandNamed(std::string_view name) {
  const auto* found = std::find_if(kTextCommands.begin(), kTextCommands.end(),
                                   [name](const TextCommand& c) { return c.name == name; });
  return found == kTextCommands.end() ? nullptr : found->add;
}

void registerTextCommands(CLI::App& app, Context& ctx) {
  for (const TextCommand& command : kTextCommands) command.add(app, ctx);
}

}  // namespace vlm::cli
