// The cursor mover's idle counting, without a window: a tick every tenth of the
// period reads the cursor position; after a whole period without movement the
// cursor is nudged one pixel to the right.
#pragma once

#include <optional>

#include "core/geometry.h"

inline constexpr int kMinMovePeriodSec = 60;
inline constexpr int kMaxMovePeriodSec = 600;
inline constexpr int kDefaultMovePeriodSec = 180;

// A typed period kept within what the popup's spinner offers (0 would give a 0 ms timer).
int ClampMovePeriod(int seconds);

struct IdleCounter {
  int periodSec = kDefaultMovePeriodSec;
  int tickMs = kDefaultMovePeriodSec * 100;
  int idleSec = 0;
  int moveCount = 0;
  std::optional<Point> lastPos;  // none until the first tick

  // Takes a (clamped) period; the tick becomes a tenth of it.
  void SetPeriod(int seconds);
  // One tick with the cursor at `cursor`: true when the cursor is to be moved now.
  // The moved cursor counts as movement at the next tick, so counting starts again.
  bool Tick(Point cursor);
};
