// Writes the golden fingerprints of the 13 built-in years to stdout, loaded
// through the checked derivation (every operation guarded, hour by hour), the
// reference that the fast load must match bit for bit:
//
//   cmake --build build/release --target make_load_golden
//   build/release/bin/make_load_golden resources/weather > tests/data/load_golden.txt
//
// Run it again whenever the built-in weather files are regenerated.
#include <iostream>
#include <memory>
#include <string>

#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/region_catalog.h"
#include "core/common/compute_error.h"
#include "core/common/file_error.h"
#include "tests/core/climate/load_golden.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_load_golden WEATHER_FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  std::cout << "# Fingerprints of the built-in years: stem, field, FNV-1a of the 8760 values'\n"
               "# bits, then the bits of hours 1, 2190, 4380, 6570 and 8760. Regenerate with\n"
               "# tests/tools/make_load_golden (see its header) after changing a weather file.\n";
  try {
    for (const vlm::Region& region : vlm::kBuiltInRegions) {
      const std::string stem(region.fileStem);
      auto data = std::make_unique<vlm::ClimateData>();
      vlm::Psychrometrics psychro;
      vlm::readClimateYearChecked(*data, folder + "/" + stem + ".cly", psychro);
      vlm::ComputeMonthStats(*data);
      vlm::CountWindDirs(*data);
      for (const auto& line : vlm::golden::fingerprint(stem, *data, psychro.Patm)) {
        std::cout << line << '\n';
      }
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
