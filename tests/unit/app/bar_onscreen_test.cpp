#include "app/bar_onscreen.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

const Rect kLeft{0, 0, 1280, 984};
const Rect kRight{1280, 0, 2560, 1024};

TEST(RescueOffscreen, APartlyVisibleBarStaysWhereItIs) {
  for (const Rect bar : {Rect{1200, 100, 1400, 600}, Rect{-150, -100, 50, 400}, Rect{2500, 900, 2700, 1400}})
    EXPECT_FALSE(RescueOffscreen(bar, {kLeft, kRight}, kLeft)) << bar.left;
}

TEST(RescueOffscreen, ALostBarMovesIntoTheNearestWorkAreaKeepingItsSize) {
  struct Case {
    Rect bar;
    Rect nearest;
    Rect expected;
  } cases[] = {
      {{5000, 5000, 5200, 5500}, kLeft, {1080, 484, 1280, 984}},
      {{-900, 100, -700, 600}, kLeft, {0, 100, 200, 600}},
      // Touching the work area's edge is not inside it.
      {{1280, 100, 1480, 600}, kLeft, {1080, 100, 1280, 600}},
      // Taller than the work area: shrunk to it.
      {{3000, -5000, 3200, 5000}, kLeft, {1080, 0, 1280, 984}},
      {{INT_MAX - 10, INT_MIN, INT_MAX, INT_MIN + 500}, kLeft, {1270, 0, 1280, 500}},
  };
  for (const Case& c : cases) {
    const auto moved = RescueOffscreen(c.bar, {kLeft}, c.nearest);
    ASSERT_TRUE(moved) << c.bar.left;
    EXPECT_EQ(*moved, c.expected) << c.bar.left;
  }
}

}  // namespace
