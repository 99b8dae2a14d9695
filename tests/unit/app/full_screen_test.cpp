#include "app/full_screen.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kLeft{0, 0, 1920, 1080};
constexpr Rect kRight{1920, 0, 3840, 1080};

TEST(FullScreen, WindowCoveringItsMonitorWithoutACaption) {
  const struct {
    const char* name;
    FrontWindow window;
    Rect monitor;
    bool fullScreen;
  } cases[] = {
      {"borderless, the whole monitor", {kLeft}, kLeft, true},
      {"borderless, past every edge", {{-8, -8, 1928, 1088}}, kLeft, true},
      {"maximised with a caption", {kLeft, true}, kLeft, false},
      {"covering the other monitor of two", {kRight}, kLeft, false},
      {"covering this one of two", {kRight}, kRight, true},
      {"the desktop", {{0, 0, 3840, 1080}, false, true}, kLeft, false},
      {"a pixel narrower", {{0, 0, 1919, 1080}}, kLeft, false},
      {"the work area above a task bar", {{0, 0, 1920, 1040}}, kLeft, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsFullScreenOn(c.window, c.monitor), c.fullScreen) << c.name;
}

// Each line: the window in front, whether it is full screen, whether the options ask
// for stepping back; then what the bar does and the window it stands behind after.
TEST(FullScreen, StepsBackOncePerWindowAndReturnsWhenItIsOver) {
  const struct {
    std::uintptr_t front;
    bool fullScreen, wanted;
    BandMove move;
    std::uintptr_t behind;
  } steps[] = {
      {10, false, true, BandMove::None, 0},      // an ordinary window
      {11, true, true, BandMove::StepBack, 11},  // a video full screen
      {11, true, true, BandMove::None, 11},      // still there: nothing more
      {12, true, true, BandMove::StepBack, 12},  // another full-screen window comes first
      {10, false, true, BandMove::Return, 0},    // an ordinary window in front again
      {11, true, false, BandMove::None, 0},      // option off: the bar stays on top
      {11, true, true, BandMove::StepBack, 11},
      {11, true, false, BandMove::Return, 0},    // option off while behind it
      {0, true, true, BandMove::None, 0},        // nothing in front
  };
  StepBackState state;
  for (const auto& step : steps) {
    EXPECT_EQ(state.Next(step.front, step.fullScreen, step.wanted), step.move) << step.front;
    EXPECT_EQ(state.Behind(), step.behind) << step.front;
  }
}

}  // namespace
