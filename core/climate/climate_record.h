// One hour of climate: the 26-byte record of a .cly file and the in-memory hour
// with its four derived psychrometric fields.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vlm {

// Missing-value markers. A value is missing when it equals its marker exactly.
inline constexpr float kMissing = 999.0f;            // DBT, WBT, WindSpeed, AH, VP, RH, SpecV
inline constexpr float kMissingPressure = 9999.0f;   // Pressure
inline constexpr float kMissingRadiation = 9999.0f;  // Radiation (tenths of cal/cm²)
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
namespace record_bytes {

// On a little-endian machine the file's bytes are the value's own: one load.
template <typename T>
T loadLittleEndian(const char* at) {
  if constexpr (std::endian::native == std::endian::little) {
    T v{};
    std::memcpy(&v, at, sizeof v);
    return v;
  } else {
    uint32_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      v |= static_cast<uint32_t>(static_cast<uint8_t>(at[i])) << (8 * i);
    }
    return static_cast<T>(v);
  }
}
}  // namespace record_bytes

// The little-endian 16-bit integer at the given bytes (a record's RecIndex is
// at offset 0).
[[nodiscard]] inline int16_t getI16(const char* at) {
  return std::bit_cast<int16_t>(record_bytes::loadLittleEndian<uint16_t>(at));
}

// Unpacks 26 bytes (the caller guarantees the size); inline, because the load
// decodes 8760 of them.
[[nodiscard]] inline ClimateFileRecord decodeRecord(std::string_view bytes) {
  using record_bytes::loadLittleEndian;
  const char* b = bytes.data();
  const auto f32 = [b](int offset) {
    return std::bit_cast<float>(loadLittleEndian<uint32_t>(b + offset));
  };
  return ClimateFileRecord{getI16(b),      f32(2),  f32(6),         f32(10),
                           getI16(b + 14), f32(16), getI16(b + 20), f32(22)};
}

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
