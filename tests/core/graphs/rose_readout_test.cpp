// Reading the wind rose under the pointer: the direction whose spoke is
// nearest (calm in the centre circle), with its hours and share.
#include "core/graphs/rose_readout.h"

#include <gtest/gtest.h>

#include "core/graphs/rose_labels.h"

namespace vlm {
namespace {

const RoseGeometry kRose = RoseGeometry::ForPicture(600, 500);

TEST(RoseDirectionAt, EachSpokeCalmAndBeyond) {
  // Along every spoke, halfway out, reads that spoke's class; a little off it
  // (5°) still does.
  for (int16_t k = 1; k <= 16; ++k) {
    const RosePoint on = kRose.along(k, (kRose.r0 + kRose.R) / 2);
    EXPECT_EQ(RoseDirectionAt(kRose, on.x, on.y), k);
  }
  EXPECT_EQ(RoseDirectionAt(kRose, kRose.cx, kRose.cy), 0);
  EXPECT_EQ(RoseDirectionAt(kRose, kRose.cx + kRose.r0 / 2, kRose.cy), 0);
  // North is class 16, straight up; east class 4.
  EXPECT_EQ(RoseDirectionAt(kRose, kRose.cx + 5, kRose.cy + kRose.R / 2), 16);
  EXPECT_EQ(RoseDirectionAt(kRose, kRose.cx + kRose.R / 2, kRose.cy - 5), 4);
  EXPECT_EQ(RoseDirectionAt(kRose, kRose.cx + kRose.R + 2 * kRose.s, kRose.cy), -1);
  EXPECT_EQ(RoseDirectionAt(RoseGeometry{}, 0, 0), -1);
}

TEST(RoseReadout, NamesTheDirectionWithItsHoursAndShare) {
  RoseCounts counts;
  counts.c[1] = 12;
  counts.c[16] = 372;
  counts.c[kRoseCalmClass] = 360;
  counts.hours = 744;
  counts.B = 372;
  const RosePoint nne = kRose.along(1, kRose.R / 2);
  EXPECT_EQ(RoseReadout(kRose, counts, nne.x, nne.y), "북북동: 12시간, 1.6%");
  const RosePoint north = kRose.along(16, kRose.R);
  EXPECT_EQ(RoseReadout(kRose, counts, north.x, north.y), "북: 372시간, 50.0%");
  EXPECT_EQ(RoseReadout(kRose, counts, kRose.cx, kRose.cy), "무풍: 360시간, 48.4%");
  const RosePoint east = kRose.along(4, kRose.R / 2);
  EXPECT_EQ(RoseReadout(kRose, counts, east.x, east.y), "동: 0시간, 0.0%");
  EXPECT_EQ(RoseReadout(kRose, counts, 0, 0), "");
  EXPECT_EQ(RoseReadout(kRose, RoseCounts{}, nne.x, nne.y), "");
}

}  // namespace
}  // namespace vlm
