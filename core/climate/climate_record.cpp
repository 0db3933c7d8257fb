#include "core/climate/climate_record.h"

#include <bit>
#include <cstring>

namespace vlm {
namespace {

void putU16(char* at, uint16_t v) {
  at[0] = static_cast<char>(v & 0xFF);
  at[1] = static_cast<char>(v >> 8);
}
void putU32(char* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
uint16_t getU16(const char* at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(at[0]) |
                               (static_cast<uint16_t>(static_cast<uint8_t>(at[1])) << 8));
}
uint32_t getU32(const char* at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(at[i])) << (8 * i);
  return v;
}
void putI16(char* at, int16_t v) { putU16(at, std::bit_cast<uint16_t>(v)); }
void putF32(char* at, float v) { putU32(at, std::bit_cast<uint32_t>(v)); }
int16_t getI16(const char* at) { return std::bit_cast<int16_t>(getU16(at)); }
float getF32(const char* at) { return std::bit_cast<float>(getU32(at)); }

}  // namespace

std::array<char, kRecordSize> encodeRecord(const ClimateFileRecord& r) {
  std::array<char, kRecordSize> bytes{};
  putI16(&bytes[0], r.RecIndex);
  putF32(&bytes[2], r.DBT);
  putF32(&bytes[6], r.WBT);
  putF32(&bytes[10], r.Pressure);
  putI16(&bytes[14], r.WindDir);
  putF32(&bytes[16], r.WindSpeed);
  putI16(&bytes[20], r.Cloud);
  putF32(&bytes[22], r.Radiation);
  return bytes;
}

ClimateFileRecord decodeRecord(std::string_view bytes) {
  const char* b = bytes.data();
  return ClimateFileRecord{getI16(b),      getF32(b + 2),  getF32(b + 6),  getF32(b + 10),
                           getI16(b + 14), getF32(b + 16), getI16(b + 20), getF32(b + 22)};
}

}  // namespace vlm
