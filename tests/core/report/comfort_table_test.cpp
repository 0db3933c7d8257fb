#include <gtest/gtest.h>

#include "core/report/comfort_table.h"

namespace vlm {
namespace {

TEST(ComfortTable, RowsPerMonthAndYearWithEachClassAndTheMissingHours) {
  ComfortYear year;
  year.model = ComfortModel::EnAdaptive;
  year.bands = 3;
  year.months[2] = {5, {2, 7, 9}, 3, 4, 1};
  year.year = {50, {20, 70, 90}, 30, 40, 10};
  const TextTable t = ComfortTable(year);
  ASSERT_EQ(t.rows.size(), 14u);
  EXPECT_EQ(t.rows[0], (std::vector<std::string>{"월", "기준 미만", "I 등급", "II 등급", "III 등급",
                                                 "기준 초과", "적용범위 밖", "결측"}));
  EXPECT_EQ(t.rows[3], (std::vector<std::string>{"3월", "5", "2", "5", "2", "3", "4", "1"}));
  EXPECT_EQ(t.rows[13], (std::vector<std::string>{"년간", "50", "20", "50", "20", "30", "40", "10"}));
}

}  // namespace
}  // namespace vlm

namespace vlm {
namespace {

TEST(ComfortTable, FiguresLeaveWithRegionYearAndModel) {
  EXPECT_EQ(ComfortCaption("서울", ComfortModel::EnAdaptive, kAdaptiveChartKind),
            "서울 | 1월~12월, 년간 | EN 16798-1 적응형 쾌적범위 차트");
}

}  // namespace
}  // namespace vlm
