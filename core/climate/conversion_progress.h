// How a conversion tells its page how far it has come: the status text while
// it works and the percentage of the 8760 hours converted.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace vlm {

// The status line of the conversion page while a conversion runs.
inline constexpr std::string_view kConversionStatusText = "기후파일 변환후 저장중...";

struct ConversionProgress {
  // Called with kConversionStatusText when the work starts and with "" when it ends.
  std::function<void(std::string_view text)> status;
  // Called with 0 … 100 as hours are converted, and with 0 when the work ends.
  std::function<void(int16_t percent)> percent;

  // Hour k (1 … 8760) is converted: k / 8760 × 100, truncated.
  void hourDone(int16_t k) const {
    if (percent) percent(static_cast<int16_t>(static_cast<int32_t>(k) * 100 / 8760));
  }
};

// Shows kConversionStatusText while it lives, and resets the status and the
// percentage however the work ends.
class ConversionProgressReset {
 public:
  explicit ConversionProgressReset(const ConversionProgress& progress) : progress_(progress) {
    if (progress_.status) progress_.status(kConversionStatusText);
  }
  ~ConversionProgressReset() {
    if (progress_.percent) progress_.percent(0);
    if (progress_.status) progress_.status("");
  }
  ConversionProgressReset(const ConversionProgressReset&) = delete;
  ConversionProgressReset& operator=(const ConversionProgressReset&) = delete;

 private:
  const ConversionProgress& progress_;
};

}  // namespace vlm
