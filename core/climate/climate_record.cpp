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
void putI16(char* at, int16_t v) { putU16(at, std::bit_cast<uint16_t>(v)); }
void putF32(char* at, float v) { putU32(at, std::bit_cast<uint32_t>(v)); }

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

}  // namespace vlm
