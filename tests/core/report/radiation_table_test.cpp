#include "core/report/radiation_table.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(RadiationTable, OneRowPerOrientationThenTheHorizontal) {
  RadiationYear r;
  r.orientations[OrientationIndex(-170)] = {812.34f, 210.45f, 301.25f, {}};
  r.orientations[OrientationIndex(-170)].months[11] = 40.06f;
  r.horizontal.year = 1528.7f;
  const TextTable t = RadiationTable(r);
  ASSERT_EQ(t.rows.size(), 38u);
  EXPECT_EQ(t.rows[0][0], "방위");
  EXPECT_EQ(t.rows[0][1], "연간");
  EXPECT_EQ(t.rows[0][3], "태양열차단");
  EXPECT_EQ(t.rows[0][15], "12월");
  EXPECT_EQ(t.rows[1], (std::vector<std::string>{"북10°동", "812.3", "210.5", "301.3", "0.0", "0.0",
                                                 "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0",
                                                 "0.0", "0.0", "40.1"}));
  EXPECT_EQ(t.rows[18][0], "남");
  EXPECT_EQ(t.rows[36][0], "북");
  EXPECT_EQ(t.rows[37][0], "수평면");
  EXPECT_EQ(t.rows[37][1], "1528.7");
}

}  // namespace
}  // namespace vlm
