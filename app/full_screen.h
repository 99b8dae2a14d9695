// Stepping back for full-screen programs: a bar that is always on top leaves the
// topmost band while the window in front covers its whole monitor without a caption
// (a video, a game, a slide show), and comes back on top when that is over. The rule
// and the decisions, without a window; full_screen_win.cpp looks at the real ones.
#pragma once

#include <cstdint>

#include "core/geometry.h"

// What the bar learns of the window in front.
struct FrontWindow {
  Rect rect;                     // its window rectangle, screen coordinates
  bool caption = false;          // it has a title bar
  bool desktopOrShell = false;   // the desktop, or the shell's own window behind everything
};

// Full screen on a monitor: the window covers all of it (reaching past its edges
// counts), has no caption, and is neither the desktop nor the shell. A maximised
// window with a caption is not; one a pixel short of an edge is not.
bool IsFullScreenOn(const FrontWindow& window, const Rect& monitor);

// Return: back to the band the options give (on top only with "항상 위").
enum class BandMove { None, StepBack, Return };

// Remembers whether the bar has stepped back, and behind which window.
class StepBackState {
 public:
  // The window in front now (0 for none), whether it is full screen on the bar's
  // monitor, and whether the bar should step back at all ("항상 위" and the option
  // both on). Steps back once per full-screen window; returns once it is over.
  BandMove Next(std::uintptr_t front, bool fullScreen, bool wanted);
  // Forget a step back (the bar was put in its band by other means).
  void Reset() { behind_ = 0; }
  bool SteppedBack() const { return behind_ != 0; }
  std::uintptr_t Behind() const { return behind_; }

 private:
  std::uintptr_t behind_ = 0;
};
