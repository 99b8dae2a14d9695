#include "widgets/cpu/cpu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/unit/support/built_in_texts.h"

namespace {

// A 140 x 100 widget: plot box (18, 5)-(135, 65), 117 wide and 60 high.
const Rect kClient{0, 0, 140, 100};

CpuSamples Filled(int value) {
  CpuSamples samples{};
  samples.fill(value);
  return samples;
}

TEST(CpuSamples, RoundHalfUpAndRejectNonLoads) {
  EXPECT_EQ(RoundLoad(49.5), 50);
  EXPECT_EQ(RoundLoad(49.4), 49);
  EXPECT_EQ(RoundLoad(0.49), 0);
  EXPECT_EQ(RoundLoad(99.5), 100);
  // A failed read leaves no figure: stored as 0 rather than whatever the double holds.
  EXPECT_EQ(RoundLoad(std::nan("")), 0);
  EXPECT_EQ(RoundLoad(-3.0), 0);
  EXPECT_EQ(RoundLoad(std::numeric_limits<double>::infinity()), 100);
  EXPECT_EQ(RoundLoad(100.7), 100);
}

TEST(CpuSamples, PushDropsTheOldestAndAppendsTheNewest) {
  CpuSamples samples{};
  for (int i = 1; i <= 61; ++i) PushSample(samples, i);
  EXPECT_EQ(samples.front(), 2);
  EXPECT_EQ(samples[58], 60);
  EXPECT_EQ(samples.back(), 61);
}

TEST(CpuStats, FreshHistoryShowsZeroTexts) {
  const CpuSamples fresh{};
  const CpuStats stats = ComputeStats(fresh);
  EXPECT_EQ(RangeText(stats), u"CPU:0~0");
  EXPECT_EQ(AverageText(stats, test_support::KoreanTexts()), u"평균:0%");
  EXPECT_EQ(PercentText(fresh.back()), u"0%");
  // A flat area on the bottom of the plot box.
  const Rect plot = PlotBox(kClient);
  for (const Point& p : AreaPolygon(fresh, plot, ChooseScale(stats.maximum, true).top))
    EXPECT_EQ(p.y, plot.bottom);
}

TEST(CpuStats, MinimumStartsAtHundredAndAverageCountsAllSixty) {
  EXPECT_EQ(ComputeStats(Filled(100)).minimum, 100);
  CpuSamples samples{};
  samples.back() = 59;  // 59 / 60 truncates to 0
  CpuStats stats = ComputeStats(samples);
  EXPECT_EQ(stats.minimum, 0);
  EXPECT_EQ(stats.maximum, 59);
  EXPECT_EQ(stats.average, 0);
  samples[0] = 61;  // 120 / 60
  EXPECT_EQ(ComputeStats(samples).average, 2);
  EXPECT_EQ(RangeText(ComputeStats(Filled(37))), u"CPU:37~37");
}

TEST(CpuScale, VariableAxisSwitchesAtTenTwentyForty) {
  EXPECT_EQ(ChooseScale(9, true).top, 12);
  EXPECT_EQ(std::u16string(ChooseScale(9, true).label), u"12");
  EXPECT_EQ(ChooseScale(10, true).top, 25);
  EXPECT_EQ(ChooseScale(19, true).top, 25);
  EXPECT_EQ(ChooseScale(20, true).top, 50);
  EXPECT_EQ(std::u16string(ChooseScale(39, true).label), u"50");
  EXPECT_EQ(ChooseScale(40, true).top, 100);
  EXPECT_EQ(ChooseScale(0, false).top, 100);
  EXPECT_EQ(std::u16string(ChooseScale(0, false).label), u"100");
}

TEST(CpuPlot, SampleOfSixUnderTheTwelveScaleReachesHalfHeight) {
  CpuSamples samples = Filled(3);
  samples.back() = 6;
  const Rect plot = PlotBox(kClient);
  ASSERT_EQ(plot, (Rect{18, 5, 135, 65}));
  const CpuScale scale = ChooseScale(ComputeStats(samples).maximum, true);
  ASSERT_EQ(scale.top, 12);
  const auto points = AreaPolygon(samples, plot, scale.top);
  EXPECT_EQ(points[59].y, plot.top + plot.Height() / 2);
  // One sample of 10 changes the scale: the same 6 now stands lower.
  samples[0] = 10;
  const CpuScale wider = ChooseScale(ComputeStats(samples).maximum, true);
  EXPECT_EQ(wider.top, 25);
  EXPECT_EQ(AreaPolygon(samples, plot, wider.top)[59].y, 5 + 60 - (6 * 60) / 25);
}

TEST(CpuPlot, PolygonClosesAlongTheBottom) {
  CpuSamples samples = Filled(100);
  const Rect plot = PlotBox(kClient);
  const auto points = AreaPolygon(samples, plot, 100);
  EXPECT_EQ(points[0], (Point{18, 5}));
  EXPECT_EQ(points[30].x, 18 + 58);  // 30 * 117 / 60 = 58.5 truncates
  EXPECT_EQ(points[59], (Point{18 + 115, 5}));
  EXPECT_EQ(points[60], (Point{133, 65}));
  EXPECT_EQ(points[61], (Point{18, 65}));
  EXPECT_EQ(points[62], points[0]);
}

TEST(CpuPlot, GridSplitsTheBoxInQuartersAndSixths) {
  const auto lines = GridLines(PlotBox(kClient));
  EXPECT_EQ(lines[0].from, (Point{19, 20}));
  EXPECT_EQ(lines[0].to, (Point{134, 20}));
  EXPECT_EQ(lines[2].from.y, 5 + 45);
  EXPECT_EQ(lines[3].from, (Point{18 + 19, 6}));  // 117 / 6 truncates to 19
  EXPECT_EQ(lines[3].to, (Point{37, 64}));
  EXPECT_EQ(lines[7].from.x, 18 + 97);  // 5 * 117 / 6
}

TEST(CpuPlot, NarrowWidgetsStartTheTextsAtTwo) {
  const Rect narrow{0, 0, 119, 100};
  EXPECT_EQ(TextColumnX(narrow, PlotBox(narrow)), 2);
  const Rect wide{0, 0, 120, 100};
  EXPECT_EQ(TextColumnX(wide, PlotBox(wide)), 18);
}

TEST(CpuLoad, SystemTimesGiveTheBusyShare) {
  // Kernel time includes idle time: 200 units passed, 75 of them idle.
  const ProcessorTimes earlier{1000, 5000, 3000};
  const ProcessorTimes later{1075, 5100, 3100};
  EXPECT_DOUBLE_EQ(LoadBetween(earlier, later), 62.5);
  EXPECT_DOUBLE_EQ(LoadBetween(earlier, earlier), 0.0);
  EXPECT_DOUBLE_EQ(LoadBetween(later, earlier), 0.0);
  // Idle reported beyond the elapsed time (counter glitch) is no load, not negative.
  EXPECT_DOUBLE_EQ(LoadBetween(earlier, ProcessorTimes{1300, 5100, 3100}), 0.0);
  EXPECT_DOUBLE_EQ(LoadBetween(earlier, ProcessorTimes{1000, 5100, 3100}), 100.0);
}

}  // namespace
