// One hour of climate: the 26-byte record of a .cly file and the in-memory hour
// with its four derived psychrometric fields.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vlm {

// Missing-value markers. A value is missing when it equals its marker exactly.
inline constexpr float kMissing = 999.0f;          // DBT, WBT, WindSpeed, AH, VP, RH, SpecV
inline constexpr float kMissingPressure = 9999.0f;  // Pressure
inline constexpr float kMissingRadiation = 9999.0f; // Radiation (tenths of cal/cm²)
inline constexpr int16_t kMissingWindDir = 999;
inline constexpr int16_t kMissingCloud = 99;
inline constexpr int16_t kCalm = 0;

inline constexpr int kHoursPerYear = 8760;
inline constexpr int kRecordSize = 26;
inline constexpr int kClimateFileSize = kHoursPerYear * kRecordSize;  // 227,760 bytes
// Record k of a valid file carries RecIndex = k + kRecIndexOffset.
inline constexpr int kRecIndexOffset = 123;

struct ClimateFileRecord {
  int16_t RecIndex = 0;
  float DBT = 0, WBT = 0, Pressure = 0;
  int16_t WindDir = 0;
  float WindSpeed = 0;
  int16_t Cloud = 0;
  float Radiation = 0;  // tenths of cal/cm²
  bool operator==(const ClimateFileRecord&) const = default;
};

// Packs the record little-endian, field by field, at offsets 0, 2, 6, 10, 14, 16, 20, 22.
[[nodiscard]] std::array<char, kRecordSize> encodeRecord(const ClimateFileRecord& record);
// Unpacks 26 bytes (the caller guarantees the size).
[[nodiscard]] ClimateFileRecord decodeRecord(std::string_view bytes);

struct HourRecord {
  int16_t RecIndex = 0;
  float DBT = 0, WBT = 0, Pressure = 0;
  int16_t WindDir = 0;
  float WindSpeed = 0;
  int16_t Cloud = 0;
  float Radiation = 0;
  float AH = 0, VP = 0, RH = 0, SpecV = 0;
  bool operator==(const HourRecord&) const = default;
};

}  // namespace vlm
