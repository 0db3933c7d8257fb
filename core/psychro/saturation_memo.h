// Saturation pressures remembered by temperature over a run of many hours. An
// hourly weather file repeats a few hundred temperatures (read to a tenth of a
// degree) all year, and each hour's wet bulb is solved from its dry bulb and a
// tenth of a degree above it, so most of those pressures were computed before.
// A remembered pressure is the one computed, to the bit.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "core/psychro/property_kernels.h"

namespace vlm {

class SaturationMemo {
 public:
  // psatDBT(t), raising the flag of `ops` as computing it would. Only a
  // pressure computed without a fault is remembered.
  float psat(float t, psychro_detail::FlaggedOps& ops) {
    const auto key = std::bit_cast<std::uint32_t>(t);
    Slot& slot = slots_[(key * kMultiplier) >> (32 - kIndexBits)];
    if (slot.key == key) return slot.value;
    psychro_detail::FlaggedOps own;
    const float value = psychro_detail::psatDBT(t, own);
    if (own.fault) {
      ops.fault = true;
    } else {
      slot = {key, value};
    }
    return value;
  }

 private:
  static constexpr int kIndexBits = 11;
  static constexpr std::uint32_t kMultiplier = 0x9E3779B1u;  // Fibonacci hashing
  // A not-a-number, whose pressure is a fault and so never remembered.
  static constexpr std::uint32_t kNoTemperature = 0xFFFFFFFFu;
  struct Slot {
    std::uint32_t key = kNoTemperature;
    float value = 0.0f;
  };
  std::array<Slot, std::size_t{1} << kIndexBits> slots_{};
};

}  // namespace vlm
