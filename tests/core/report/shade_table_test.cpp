// The performance table: its headings, a row a month and the year's, the
// shares recomputed from the tally, "-" where a share has no whole.
#include "core/report/shade_table.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(ShadePerformanceTable, RowsOfMonthsAndYearWithTheirShares) {
  ShadePerformance p;
  p.months[6] = ShadeTally{40, 10, 80.0f, 60.0f, 0, 0, 0.0f, 0.0f, 2};
  p.year = ShadeTally{300, 150, 500.0f, 125.0f, 200, 50, 250.0f, 200.0f, 2};
  const TextTable t = ShadePerformanceTable(p);
  ASSERT_EQ(t.rows.size(), 14u);
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{
                           "월", "태양열차단\n시간", "음영\n(%)", "태양열차단 직달일사\n(kWh/m²)",
                           "차단\n(%)", "태양열획득\n시간", "일조\n(%)",
                           "태양열획득 직달일사\n(kWh/m²)", "투과\n(%)", "일사 결측\n시간"}));
  EXPECT_EQ(t.rows[7], (std::vector<std::string>{"7월", "40", "25.0", "80.0", "75.0", "0", "-",
                                                 "0.0", "-", "2"}));
  EXPECT_EQ(t.rows[13], (std::vector<std::string>{"연간", "300", "50.0", "500.0", "25.0", "200",
                                                  "25.0", "250.0", "80.0", "2"}));
}

}  // namespace
}  // namespace vlm
