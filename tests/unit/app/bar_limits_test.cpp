#include "app/bar_limits.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(BarLimits, ValuesInRangeAreKeptAndOthersBroughtIn) {
  BarSettings kept;
  kept.vertThick = 640;
  kept.bdThick = 0;
  kept.capThick = 16;
  BarSettings same = kept;
  KeepBarUsable(same);
  EXPECT_EQ(same.vertThick, 640);
  EXPECT_EQ(same.bdThick, 0);
  EXPECT_EQ(same.capThick, 16);
  EXPECT_EQ(same.widgetMinThick, 30);
  EXPECT_EQ(same.widgetMaxThick, 300);

  BarSettings damaged;
  damaged.vertThick = -50;
  damaged.horzThick = INT_MAX;
  damaged.bdThick = 100000;
  damaged.capThick = -3;
  damaged.splitThick = INT_MIN;
  damaged.tidgetSize = 0;
  damaged.tidgetGap = -1;
  damaged.widgetMinThick = 500;
  damaged.widgetMaxThick = 20;
  KeepBarUsable(damaged);
  EXPECT_EQ(damaged.vertThick, 100);
  EXPECT_EQ(damaged.horzThick, 640);
  EXPECT_EQ(damaged.bdThick, 20);
  EXPECT_EQ(damaged.capThick, 16);
  EXPECT_EQ(damaged.splitThick, 0);
  EXPECT_EQ(damaged.tidgetSize, 8);
  EXPECT_EQ(damaged.tidgetGap, 0);
  EXPECT_EQ(damaged.widgetMinThick, 500);
  EXPECT_EQ(damaged.widgetMaxThick, 500);
}

TEST(BarLimits, WidgetSizesAtTheIntLimitsStayWithinTheBarsLimits) {
  const BarSettings bar;
  WidgetInfo record = ParseWidgetLine(u"시계§Clock§Clock_1§1§2147483647§-2147483648§0§1§-2147483648");
  KeepWidgetUsable(record, bar);
  EXPECT_EQ(record.vertHeight, 300);
  EXPECT_EQ(record.horzWidth, 30);
  EXPECT_EQ(record.ratio, -640);
  // The stored line itself is untouched: it is written back only when it changes.
  EXPECT_EQ(*record.storedLine, u"시계§Clock§Clock_1§1§2147483647§-2147483648§0§1§-2147483648");
}

}  // namespace
