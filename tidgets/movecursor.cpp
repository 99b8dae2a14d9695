#include "tidgets/movecursor.h"

#include <algorithm>

int ClampMovePeriod(int seconds) { return std::clamp(seconds, kMinMovePeriodSec, kMaxMovePeriodSec); }

void IdleCounter::SetPeriod(int seconds) {
  periodSec = ClampMovePeriod(seconds);
  tickMs = periodSec * 100;
}

bool IdleCounter::Tick(Point cursor) {
  if (lastPos != cursor) {
    idleSec = 0;
    lastPos = cursor;
    return false;
  }
  // Whole seconds per tick, as the period's tenth rounds down (6500 ms counts 6).
  idleSec += tickMs / 1000;
  if (idleSec < periodSec) return false;
  idleSec = 0;
  ++moveCount;
  return true;
}
