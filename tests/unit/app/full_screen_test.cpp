#include "app/full_screen.h"

#include <gtest/gtest.h>

namespace {

constexpr Rect kLeftMonitor{0, 0, 1920, 1080};
constexpr Rect kRightMonitor{1920, 0, 3840, 1080};

TEST(FullScreen, WindowCoveringItsMonitorWithoutACaption) {
  struct Case {
    const char* name;
    FrontWindow window;
    Rect monitor;
    bool fullScreen;
  };
  const Case cases[] = {
      {"borderless, the whole monitor", {kLeftMonitor}, kLeftMonitor, true},
      {"borderless, past every edge", {{-8, -8, 1928, 1088}}, kLeftMonitor, true},
      {"maximised with a caption", {kLeftMonitor, true}, kLeftMonitor, false},
      {"covering the other monitor of two", {kRightMonitor}, kLeftMonitor, false},
      {"covering this one of two", {kRightMonitor}, kRightMonitor, true},
      {"spanning both", {{0, 0, 3840, 1080}}, kRightMonitor, true},
      {"the desktop", {{0, 0, 3840, 1080}, false, true}, kLeftMonitor, false},
      {"a pixel narrower", {{0, 0, 1919, 1080}}, kLeftMonitor, false},
      {"a pixel short at the top", {{0, 1, 1920, 1080}}, kLeftMonitor, false},
      {"the work area above a task bar", {{0, 0, 1920, 1040}}, kLeftMonitor, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsFullScreenOn(c.window, c.monitor), c.fullScreen) << c.name;
}

// Each line: the window in front, whether it is full screen, whether the options ask
// for stepping back; then what the bar does and the window it stands behind after.
TEST(FullScreen, StepsBackOncePerWindowAndReturnsWhenItIsOver) {
  struct Step {
    std::uintptr_t front;
    bool fullScreen;
    bool wanted;
    BandMove move;
    std::uintptr_t behind;
  };
  const Step steps[] = {
      {10, false, true, BandMove::None, 0},       // an ordinary window
      {11, true, true, BandMove::StepBack, 11},   // a video full screen
      {11, true, true, BandMove::None, 11},       // still there: nothing more
      {12, true, true, BandMove::StepBack, 12},   // another full-screen window comes first
      {10, false, true, BandMove::Return, 0},     // an ordinary window in front again
      {10, false, true, BandMove::None, 0},
      {11, true, false, BandMove::None, 0},       // option off: the bar stays on top
      {11, true, true, BandMove::StepBack, 11},   // option back on
      {11, true, false, BandMove::Return, 0},     // option off while behind it
      {0, true, true, BandMove::None, 0},         // nothing in front
  };
  StepBackState state;
  int line = 0;
  for (const Step& step : steps) {
    EXPECT_EQ(state.Next(step.front, step.fullScreen, step.wanted), step.move) << "line " << line;
    EXPECT_EQ(state.Behind(), step.behind) << "line " << line;
    ++line;
  }
}

}  // namespace
