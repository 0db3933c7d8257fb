// What the fuzz targets of the climate file share: the input written as a
// file for the checks, and the input's whole 26-byte records derived as the
// first hours of a year from memory, which costs a few of the load's hours
// rather than all 8760 of them.
#pragma once

#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/climate/climate_load.h"
#include "core/climate/cly_file.h"
#include "core/common/compute_error.h"
#include "core/common/file_error.h"
#include "core/psychro/psychrometrics.h"
#include "fuzz/weather_fuzz_input.h"

namespace vlm::fuzz {

// One file per process, in memory when the system has a memory file system:
// on a disk, writing and closing a file for every input costs more than the
// rest of a short input.
inline const std::string& scratchClyPath() {
  static const std::string path = [] {
    const bool inMemory = ::access("/dev/shm", W_OK) == 0;
    return std::string(inMemory ? "/dev/shm" : "/tmp") + "/vlm_fuzz_cly_" +
           std::to_string(::getpid()) + ".cly";
  }();
  return path;
}

// True for one input in `share`, chosen by a hash of the input: the share
// stays the same however the corpus grows, and an input always takes the same
// path. For work that passes over all 8760 hours whatever the input holds.
inline bool inShare(std::string_view input, std::size_t share) {
  return std::hash<std::string_view>{}(input) % share == 0;
}

inline void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The input's whole records (at most a year) read into data.year from hour 1
// with each hour derived, as the load reads a file that shrank after its
// check: the hours it holds are stored, then the first one it lacks fails.
// Returns the hours stored; a fault in the derivation stops there too.
inline int deriveInputHours(ClimateData& data, std::string_view input, Psychrometrics& psychro) {
  const ClyFileReader reader(scratchClyPath(), input);
  const int held = reader.recordCount() < kHoursPerYear ? reader.recordCount() : kHoursPerYear;
  int stored = 0;
  const LoadProgress counted = [&stored](int16_t hour) { stored = hour; };
  try {
    readClimateYear(data, reader, psychro, counted);
    require(held == kHoursPerYear);
  } catch (const FileError&) {
    require(held < kHoursPerYear && stored == held);
  } catch (const ComputeError&) {
    require(stored <= held);
  }
  for (int k = 1; k <= stored; ++k)
    require(data.year[static_cast<std::size_t>(k)].RecIndex == reader.recIndex(k));
  return stored;
}

}  // namespace vlm::fuzz
