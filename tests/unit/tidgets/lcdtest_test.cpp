#include "tidgets/lcdtest.h"

#include <gtest/gtest.h>

namespace {

TEST(LcdColors, StartBlueAndCycleThroughTheFive) {
  LcdState state;
  EXPECT_EQ(state.Color(), 0xFF0000u);  // blue as 0x00BBGGRR
  EXPECT_TRUE(state.helpShown);
  const std::uint32_t expected[] = {0xFFFFFF, 0x000000, 0x0000FF, 0x00FF00, 0xFF0000};  // white black red green blue
  for (std::uint32_t color : expected) {
    state.colorIndex = NextLcdColor(state.colorIndex);
    EXPECT_EQ(state.Color(), color);
  }
  EXPECT_EQ(NextLcdColor(17), 0);
  EXPECT_EQ(NextLcdColor(-1), 0);
}

TEST(LcdMonitors, StepFromTheMonitorHoldingTheWindow) {
  MonitorTable table;
  const Rect primary{0, 0, 1920, 1080}, right{1920, 0, 3200, 1024}, left{-1280, 0, 0, 1024};
  table.Add(primary);
  EXPECT_EQ(NextMonitor(table, primary), -1);  // one monitor: nowhere to go
  table.Add(right);
  table.Add(left);
  EXPECT_EQ(NextMonitor(table, primary), 1);
  EXPECT_EQ(NextMonitor(table, right), 2);
  EXPECT_EQ(NextMonitor(table, left), 0);
  // Mostly on the right-hand monitor, a little on the primary one.
  EXPECT_EQ(MonitorHolding(table, {1800, 0, 3000, 500}), 1);
  // Off every monitor: start at the first.
  EXPECT_EQ(MonitorHolding(table, {5000, 5000, 5100, 5100}), -1);
  EXPECT_EQ(NextMonitor(table, {5000, 5000, 5100, 5100}), 0);
}

TEST(LcdMonitors, TableKeepsTenAndIgnoresTheRest) {
  MonitorTable table;
  for (int i = 0; i < kMaxMonitors; ++i) EXPECT_TRUE(table.Add({i * 100, 0, i * 100 + 100, 100}));
  EXPECT_FALSE(table.Add({5000, 0, 5100, 100}));
  EXPECT_EQ(table.count, kMaxMonitors);
  EXPECT_EQ(table.Monitors().back(), (Rect{900, 0, 1000, 100}));
  EXPECT_EQ(NextMonitor(table, {900, 0, 1000, 100}), 0);
  table.Clear();
  EXPECT_TRUE(table.Monitors().empty());
}

}  // namespace
