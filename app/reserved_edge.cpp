#include "app/reserved_edge.h"

#include <algorithm>

namespace {

bool Across(ScreenEdge edge) { return edge == ScreenEdge::Left || edge == ScreenEdge::Right; }

int Thickness(ScreenEdge edge, const Rect& bar) { return Across(edge) ? bar.Width() : bar.Height(); }

// `band` made `thickness` deep again from its outer side.
Rect WithThickness(ScreenEdge edge, Rect band, int thickness) {
  switch (edge) {
    case ScreenEdge::Left: band.right = band.left + thickness; break;
    case ScreenEdge::Right: band.left = band.right - thickness; break;
    case ScreenEdge::Top: band.bottom = band.top + thickness; break;
    case ScreenEdge::Bottom: band.top = band.bottom - thickness; break;
    case ScreenEdge::None: break;
  }
  return band;
}

// The bar moved across to the band's outer side, its size and its place along kept.
Rect PlacedAt(ScreenEdge edge, const Rect& band, const Rect& bar) {
  Rect placed = bar;
  const int width = bar.Width();
  const int height = bar.Height();
  switch (edge) {
    case ScreenEdge::Left: placed.left = band.left; break;
    case ScreenEdge::Right: placed.left = band.right - width; break;
    case ScreenEdge::Top: placed.top = band.top; break;
    case ScreenEdge::Bottom: placed.top = band.bottom - height; break;
    case ScreenEdge::None: break;
  }
  placed.right = placed.left + width;
  placed.bottom = placed.top + height;
  return placed;
}

}  // namespace

ScreenEdge EdgeOf(const Rect& bar, const Rect& work, bool vertical) {
  if (vertical) {
    if (bar.left == work.left) return ScreenEdge::Left;
    if (bar.right == work.right) return ScreenEdge::Right;
  } else {
    if (bar.top == work.top) return ScreenEdge::Top;
    if (bar.bottom == work.bottom) return ScreenEdge::Bottom;
  }
  return ScreenEdge::None;
}

Rect WithoutOwnBand(const Rect& work, ScreenEdge edge, const Rect& band) {
  Rect whole = work;
  switch (edge) {
    case ScreenEdge::Left: whole.left = std::min(work.left, band.left); break;
    case ScreenEdge::Right: whole.right = std::max(work.right, band.right); break;
    case ScreenEdge::Top: whole.top = std::min(work.top, band.top); break;
    case ScreenEdge::Bottom: whole.bottom = std::max(work.bottom, band.bottom); break;
    case ScreenEdge::None: break;
  }
  return whole;
}

Rect EdgeReservation::Follow(AppBarShell& shell, ScreenEdge edge, const Rect& bar, const Rect& monitor) {
  if (edge == ScreenEdge::None) {
    Release(shell);
    return bar;
  }
  if (registered_ && settled_ && edge == edge_ && bar == bar_ && monitor == monitor_) return bar;
  if (!registered_) {
    if (!shell.New()) return bar;
    registered_ = true;
  }
  const int thickness = Thickness(edge, bar);
  // The whole edge of the monitor is proposed; the shell takes out what other bars hold.
  const Rect offered = shell.QueryPos(edge, WithThickness(edge, monitor, thickness));
  band_ = shell.SetPos(edge, WithThickness(edge, offered, thickness));
  edge_ = edge;
  monitor_ = monitor;
  bar_ = PlacedAt(edge, band_, bar);
  settled_ = true;
  return bar_;
}

void EdgeReservation::Release(AppBarShell& shell) {
  if (registered_) shell.Remove();
  registered_ = false;
  settled_ = false;
  edge_ = ScreenEdge::None;
  band_ = {};
}

void EdgeReservation::ShellRestarted() {
  registered_ = false;
  settled_ = false;
}
