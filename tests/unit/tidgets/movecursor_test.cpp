#include "tidgets/movecursor.h"

#include <gtest/gtest.h>

namespace {

// Ticks with the cursor at `at` until the counter asks for a move; the tick number, or 0.
int TicksUntilMove(IdleCounter& counter, Point at, int limit = 100) {
  for (int tick = 1; tick <= limit; ++tick)
    if (counter.Tick(at)) return tick;
  return 0;
}

TEST(IdleCounter, FirstMoveAtTheTenthStillTickThenElevenTicksLater) {
  IdleCounter counter;
  EXPECT_FALSE(counter.Tick({50, 60}));  // records the position
  EXPECT_EQ(TicksUntilMove(counter, {50, 60}), 10);
  EXPECT_EQ(counter.moveCount, 1);
  // The nudged cursor is seen one pixel to the right: that tick only records it.
  EXPECT_EQ(TicksUntilMove(counter, {51, 60}), 11);
  EXPECT_EQ(counter.moveCount, 2);
}

TEST(IdleCounter, MovementRestartsTheCount) {
  IdleCounter counter;
  counter.Tick({0, 0});
  for (int i = 0; i < 9; ++i) EXPECT_FALSE(counter.Tick({0, 0}));
  EXPECT_EQ(counter.idleSec, 162);
  EXPECT_FALSE(counter.Tick({3, 0}));
  EXPECT_EQ(counter.idleSec, 0);
  EXPECT_EQ(TicksUntilMove(counter, {3, 0}), 10);
}

TEST(IdleCounter, PeriodIsClampedToTheSpinnerRangeAndSetsTheTick) {
  struct Case {
    int typed, period, tickMs, ticks;
  } cases[] = {
      {0, 60, 6000, 10}, {-5, 60, 6000, 10}, {60, 60, 6000, 10}, {65, 65, 6500, 11},  // 6 s counted per tick
      {600, 600, 60000, 10}, {601, 600, 60000, 10}, {100000, 600, 60000, 10},
  };
  for (const Case& c : cases) {
    IdleCounter counter;
    counter.SetPeriod(c.typed);
    EXPECT_EQ(counter.periodSec, c.period) << c.typed;
    EXPECT_EQ(counter.tickMs, c.tickMs) << c.typed;
    counter.Tick({1, 1});
    EXPECT_EQ(TicksUntilMove(counter, {1, 1}), c.ticks) << c.typed;
  }
}

}  // namespace
