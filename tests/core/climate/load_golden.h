// The fingerprint of a loaded year that the golden file of the built-in
// regions holds: for each derived hourly field a 64-bit FNV-1a hash of the
// 8760 values' bit patterns and the bit patterns of five sampled hours; for
// the pressure the derivation leaves, the statistics tables and the wind
// counts a hash. Any change of one bit in one hour changes its line.
#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/climate_data.h"

namespace vlm::golden {

class Fnv1a {
 public:
  void add(uint32_t word) {
    for (int i = 0; i < 4; ++i) {
      hash_ ^= (word >> (8 * i)) & 0xFFu;
      hash_ *= 0x100000001b3ull;
    }
  }
  void add(float value) { add(std::bit_cast<uint32_t>(value)); }
  void add(const std::optional<float>& cell) {
    // An empty cell hashes as a pattern no float reading of a file produces here.
    add(cell ? std::bit_cast<uint32_t>(*cell) : 0xFFFFFFFFu);
  }
  [[nodiscard]] uint64_t value() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ull;
};

inline std::string hex(uint64_t value, int digits) {
  char text[20];
  std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
  return text;
}

inline constexpr int kSampleHours[] = {1, 2190, 4380, 6570, 8760};

inline std::string hourlyLine(const std::string& stem, const char* name, const ClimateData& data,
                              float HourRecord::*field) {
  Fnv1a hash;
  for (int k = 1; k <= kHoursPerYear; ++k) hash.add(data.year[static_cast<std::size_t>(k)].*field);
  std::string line = stem + ' ' + name + ' ' + hex(hash.value(), 16);
  for (const int k : kSampleHours) {
    line += ' ' + hex(std::bit_cast<uint32_t>(data.year[static_cast<std::size_t>(k)].*field), 8);
  }
  return line;
}

inline std::string tableLine(const std::string& stem, const char* name,
                             const MonthStatTable& table) {
  Fnv1a hash;
  for (const MonthStatRow& row : table.rows) {
    hash.add(row.max);
    hash.add(row.mean);
    hash.add(row.min);
  }
  return stem + ' ' + name + ' ' + hex(hash.value(), 16);
}

// The lines of one region, in a fixed order.
inline std::vector<std::string> fingerprint(const std::string& stem, const ClimateData& data,
                                            float patm) {
  Fnv1a wind;
  for (const auto& row : data.WindDirCount) {
    for (const int16_t count : row) wind.add(static_cast<uint32_t>(static_cast<uint16_t>(count)));
  }
  return {hourlyLine(stem, "AH", data, &HourRecord::AH),
          hourlyLine(stem, "VP", data, &HourRecord::VP),
          hourlyLine(stem, "RH", data, &HourRecord::RH),
          hourlyLine(stem, "SpecV", data, &HourRecord::SpecV),
          stem + " Patm " + hex(std::bit_cast<uint32_t>(patm), 8),
          tableLine(stem, "MonthStatDBT", data.MonthStatDBT),
          tableLine(stem, "MonthStatRH", data.MonthStatRH),
          tableLine(stem, "MonthStatRad", data.MonthStatRad),
          tableLine(stem, "MonthStatWS", data.MonthStatWS),
          stem + " WindDirCount " + hex(wind.value(), 16)};
}

}  // namespace vlm::golden
