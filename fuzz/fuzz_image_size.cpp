// Fuzzes vlm-cli's --size parser. Besides the sanitizers, the target checks
// what it promises: a size it accepts has both sides from 1 to 20000 and at
// most 64 million pixels, and reads back from its own "WxH" text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/picture_file.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto parsed = vlm::cli::parseImageSize(text);
  if (!parsed) return 0;
  require(parsed->width >= 1 && parsed->width <= 20000);
  require(parsed->height >= 1 && parsed->height <= 20000);
  require(static_cast<long long>(parsed->width) * parsed->height <= 64'000'000);
  const auto again = vlm::cli::parseImageSize(std::to_string(parsed->width) + "x" +
                                              std::to_string(parsed->height));
  require(again && again->width == parsed->width && again->height == parsed->height);
  return 0;
}
