// The load of the 13 built-in years against the golden fingerprints made with
// the checked derivation, and hour by hour against the checked derivation
// itself: the fast load must not change one bit of a derived field, wherever
// the caller has the file's bytes held.
#include "tests/core/climate/load_golden.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <memory_resource>
#include <string>
#include <vector>

#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/region_catalog.h"

namespace vlm {
namespace {

const std::string kResources = std::string(VLM_TEST_DATA_DIR) + "/../../resources";

std::vector<std::string> goldenLines() {
  std::ifstream in(std::string(VLM_TEST_DATA_DIR) + "/load_golden.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

// Heap memory that counts what it hands out.
class CountedMemory final : public std::pmr::memory_resource {
 public:
  std::size_t given = 0;

 private:
  void* do_allocate(std::size_t bytes, std::size_t alignment) override {
    given += bytes;
    return std::pmr::new_delete_resource()->allocate(bytes, alignment);
  }
  void do_deallocate(void* p, std::size_t bytes, std::size_t alignment) override {
    std::pmr::new_delete_resource()->deallocate(p, bytes, alignment);
  }
  bool do_is_equal(const memory_resource& other) const noexcept override { return this == &other; }
};

TEST(LoadGolden, EveryDerivedFieldOfTheBuiltInYearsMatchesBitForBit) {
  const std::vector<std::string> golden = goldenLines();
  ASSERT_EQ(golden.size(), kBuiltInRegions.size() * 10) << "tests/data/load_golden.txt";
  std::size_t next = 0;
  for (const Region& region : kBuiltInRegions) {
    auto data = std::make_unique<ClimateData>();
    Psychrometrics psychro;
    SilentSink sink;
    CountedMemory fileMemory;
    ASSERT_TRUE(
        LoadClimateYear(*data, builtInChoice(region, kResources), psychro, sink, {}, &fileMemory));
    EXPECT_GE(fileMemory.given, static_cast<std::size_t>(kClimateFileSize)) << region.fileStem;
    for (const auto& line :
         golden::fingerprint(std::string(region.fileStem), *data, psychro.Patm)) {
      EXPECT_EQ(line, golden[next++]);
    }
  }
}

TEST(LoadGolden, FastLoadEqualsTheCheckedDerivationHourByHour) {
  for (const Region& region : kBuiltInRegions) {
    const ClimateChoice choice = builtInChoice(region, kResources);
    auto fast = std::make_unique<ClimateData>();
    auto checked = std::make_unique<ClimateData>();
    Psychrometrics fastPsychro;
    Psychrometrics checkedPsychro;
    readClimateYear(*fast, choice.filePath, fastPsychro);
    readClimateYearChecked(*checked, choice.filePath, checkedPsychro);
    EXPECT_EQ(fastPsychro.Patm, checkedPsychro.Patm) << region.fileStem;
    int differing = 0;
    for (int k = 1; k <= kHoursPerYear; ++k) {
      if (!(fast->year[static_cast<std::size_t>(k)] ==
            checked->year[static_cast<std::size_t>(k)])) {
        ++differing;
      }
    }
    EXPECT_EQ(differing, 0) << region.fileStem;
  }
}

}  // namespace
}  // namespace vlm
