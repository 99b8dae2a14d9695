#include "core/place_next.h"

#include <gtest/gtest.h>

namespace {

const Rect kMonitor{0, 0, 1280, 1024};
const Rect kVerticalBar{100, 100, 300, 600};
const Rect kHorizontalBar{100, 100, 700, 220};

TEST(PlaceBesideBar, VerticalBarSideFollowsTheCursorHalf) {
  // Cursor in the left half: the window goes right of the bar, and the reverse.
  EXPECT_EQ(PlaceBesideBar(true, kMonitor, {639, 500}, kVerticalBar, 150, 80, {0, 28}),
            (Point{305, 128}));
  EXPECT_EQ(PlaceBesideBar(true, kMonitor, {640, 500}, kVerticalBar, 90, 80, {0, 28}),
            (Point{100 - 90 - 5, 128}));
}

TEST(PlaceBesideBar, TheOtherSideWhenThePreferredOneHasNoRoomAndAlwaysOnTheMonitor) {
  struct Case {
    bool vertical;
    Rect bar;
    Point cursor;
    int width, height;
    Point expected;
  } cases[] = {
      // A 747-pixel dialog, cursor right, bar at x = 100: no room left, so right.
      {true, {100, 100, 300, 600}, {900, 500}, 747, 400, {305, 100}},
      // Cursor left, bar near the right edge: no room right, so left.
      {true, {1000, 100, 1200, 600}, {10, 500}, 300, 400, {695, 100}},
      // Room on neither side: kept inside the monitor on the preferred side.
      {true, {500, 100, 700, 600}, {900, 500}, 1000, 400, {0, 100}},
      {true, {500, 100, 700, 600}, {10, 500}, 1000, 400, {280, 100}},
      {false, {100, 50, 700, 170}, {0, 900}, 150, 200, {100, 175}},
      {false, {100, 900, 700, 1020}, {0, 10}, 150, 200, {100, 695}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceBesideBar(c.vertical, kMonitor, c.cursor, c.bar, c.width, c.height, {0, 0}), c.expected)
        << c.bar.left << "," << c.bar.top << " " << c.width;
}

TEST(PlaceBesideBar, VerticalBarIgnoresOffsetXAndStaysOnTheMonitor) {
  EXPECT_EQ(PlaceBesideBar(true, kMonitor, {0, 0}, kVerticalBar, 150, 80, {999, 0}).x, 305);
  // Past the bottom: pulled up so the whole window shows.
  EXPECT_EQ(PlaceBesideBar(true, kMonitor, {0, 0}, kVerticalBar, 150, 200, {0, 900}).y, 824);
  // Taller than the monitor: the top edge wins.
  EXPECT_EQ(PlaceBesideBar(true, kMonitor, {0, 0}, kVerticalBar, 150, 2000, {0, 0}).y, 0);
}

TEST(PlaceBesideBar, HorizontalBarGoesBelowOrAbove) {
  EXPECT_EQ(PlaceBesideBar(false, kMonitor, {0, 511}, kHorizontalBar, 150, 80, {40, 999}),
            (Point{140, 225}));
  EXPECT_EQ(PlaceBesideBar(false, kMonitor, {0, 512}, kHorizontalBar, 150, 80, {40, 0}),
            (Point{140, 100 - 80 - 5}));
  EXPECT_EQ(PlaceBesideBar(false, kMonitor, {0, 0}, kHorizontalBar, 150, 80, {1200, 0}).x, 1130);
}

TEST(PlaceBesideBar, SecondMonitorCoordinates) {
  const Rect right{1280, 0, 2560, 1024};
  const Rect bar{2300, 0, 2500, 500};
  EXPECT_EQ(PlaceBesideBar(true, right, {2400, 10}, bar, 100, 50, {0, 0}), (Point{2195, 0}));
}

}  // namespace
