#include "app/full_screen.h"

bool IsFullScreenOn(const FrontWindow& window, const Rect& monitor) {
  if (window.caption || window.desktopOrShell) return false;
  if (monitor.Width() <= 0 || monitor.Height() <= 0) return false;
  const Rect& r = window.rect;
  return r.left <= monitor.left && r.top <= monitor.top && r.right >= monitor.right && r.bottom >= monitor.bottom;
}

BandMove StepBackState::Next(std::uintptr_t front, bool fullScreen, bool wanted) {
  if (wanted && fullScreen && front != 0) {
    if (front == behind_) return BandMove::None;
    behind_ = front;
    return BandMove::StepBack;
  }
  if (!SteppedBack()) return BandMove::None;
  behind_ = 0;
  return BandMove::Return;
}
