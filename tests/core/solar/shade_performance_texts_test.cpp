// The shade's performance as the mask tab shows it: the year's cells with
// their shares, a share without a whole, the missing-radiation line and the
// suggestion; the monthly chart's bars at the shares, none for a month
// without beam.
#include "core/solar/shade_performance_texts.h"

#include <gtest/gtest.h>

#include "core/solar/shade_performance_chart.h"
#include "tests/core/solar/drawing_probe.h"

namespace vlm {
namespace {

ShadeTally sample() {
  ShadeTally t;
  t.unwantedHours = 200;
  t.unwantedShadedHours = 150;
  t.unwantedBeam = 400.0f;
  t.unwantedBeamBlocked = 300.0f;
  t.wantedHours = 120;
  t.wantedSunlitHours = 30;
  t.wantedBeam = 210.0f;
  t.wantedBeamAdmitted = 70.0f;
  t.missingRadiation = 3;
  return t;
}

TEST(ShadePerformanceTexts, LinesSayTheSharesOfTheYear) {
  const struct {
    std::string text, expected;
  } cases[] = {
      {UnwantedHoursText(sample()), "200시간 중 75.0 % 음영"},
      {UnwantedBeamText(sample()), "400.0 kWh/m² 중 75.0 % 차단"},
      {WantedHoursText(sample()), "120시간 중 25.0 % 일조"},
      {WantedBeamText(sample()), "210.0 kWh/m² 중 33.3 % 투과"},
      {WantedHoursText(ShadeTally{}), "0시간 중 - 일조"},
      {WantedBeamText(ShadeTally{}), "0.0 kWh/m² 중 - 투과"},
      {MissingRadiationLine(sample()),
       "일사 결측 3시간: 시간 비율에는 들고 직달일사 비율에서는 빠짐"},
      {SuggestionLine(OverhangSuggestion{52, 78.14, 70.26}),
       "추천 수평차양 수직음영각 52° (차단 78.1 %, 투과 70.3 %)"},
      {SuggestionLine(OverhangSuggestion{90, std::nullopt, std::nullopt}),
       "추천 수평차양 수직음영각 90° (차단 -, 투과 -)"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(ShadePerformanceChart, BarsStandAtTheBeamSharesAndAMonthWithoutBeamHasNone) {
  ShadePerformance p;
  p.months[0] = sample();          // 75 % blocked, 33.3 % admitted
  p.months[5].unwantedBeam = 100;  // nothing blocked; no wanted beam at all
  const Drawing d = ShadePerformanceChart(p);
  std::vector<RectItem> blocked, admitted;
  for (const RectItem& r : testing_probe::itemsOf<RectItem>(d)) {
    if (r.y1 != 0) continue;  // the legend's swatches stand above the plot
    (r.pen.color == kBlockedBarColor ? blocked : admitted).push_back(r);
  }
  ASSERT_EQ(blocked.size(), 2u);
  ASSERT_EQ(admitted.size(), 1u);
  EXPECT_FLOAT_EQ(blocked[0].y2, 75.0f);
  EXPECT_NEAR(admitted[0].y2, 100.0 / 3, 1e-4);
  EXPECT_FLOAT_EQ(blocked[1].y2, 0.0f);
  EXPECT_GT(blocked[1].x1, 5.0f);  // June's bar stands in June's place
  EXPECT_LT(blocked[1].x2, 6.0f);
}

}  // namespace
}  // namespace vlm
