#include "core/seasonal/climate_comparison.h"

#include <string>
#include <utility>

#include "core/climate/load_texts.h"

namespace vlm {
namespace {

std::array<MeanPair, 12> means(const MonthStatTable& a, const MonthStatTable& b) {
  std::array<MeanPair, 12> pairs{};
  for (std::size_t m = 0; m < pairs.size(); ++m)
    pairs[m] = {a.rows[m + 1].mean, b.rows[m + 1].mean};
  return pairs;
}

// Passes every message on except the region page's completion notice, which
// would send the user to other pages for a year that was not loaded there.
class WithoutCompletion final : public MessageSink {
 public:
  WithoutCompletion(MessageSink& inner, Message completion)
      : inner_(inner), completion_(std::move(completion)) {}
  MessageAnswer show(const Message& message) override {
    if (message == completion_) return MessageAnswer::Ok;
    return inner_.show(message);
  }

 private:
  MessageSink& inner_;
  Message completion_;
};

}  // namespace

ClimateComparison CompareClimates(const ClimateData& a, const ClimateData& b,
                                  const PsychroChart& chart, MessageSink& sink) {
  constexpr auto kLastHour = static_cast<int16_t>(kHoursPerYear);
  ClimateComparison c;
  c.a = ShowAnalysis(a, 1, kLastHour, chart, sink);
  c.b = ShowAnalysis(b, 1, kLastHour, chart, sink);
  c.meanDBT = means(a.MonthStatDBT, b.MonthStatDBT);
  c.meanRH = means(a.MonthStatRH, b.MonthStatRH);
  return c;
}

bool LoadComparisonClimate(ClimateData& second, const ClimateChoice& choice, MessageSink& sink,
                           const LoadProgress& progress) {
  WithoutCompletion quiet(sink, loadCompletionMessage(choice.regionName));
  Psychrometrics ownPressure;
  if (choice.regionName == kOtherRegionName) second.OtherFilePath = choice.filePath;
  return LoadClimateYear(second, choice, ownPressure, quiet, progress);
}

}  // namespace vlm
