// The display scale of a window: device pixels per 96-DPI unit. Sizes in the
// settings, the records and the layout rules are 96-DPI units; layout functions take
// a Scale and return device pixels. It is kept as the DPI itself, so that 100 %
// stays exact integer arithmetic and gives today's pixels unchanged.
#pragma once

#include <cstdint>

#include "core/geometry.h"

inline constexpr int kBaseDpi = 96;

class Scale {
 public:
  constexpr Scale() = default;
  // Anything that is not a DPI (0, negative) stands for 100 %.
  constexpr explicit Scale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  constexpr int dpi() const { return dpi_; }
  constexpr bool IsBase() const { return dpi_ == kBaseDpi; }

  // Units to pixels, rounded half away from zero (and kept within int).
  int Px(std::int64_t units) const;
  // Each edge rounded on its own: rectangles that share an edge in units share it
  // in pixels, so neighbours never gap or overlap.
  Rect Px(const Rect& units) const;
  Point Px(Point units) const;
  // Pixels back to units, rounded the same way; exact for what Px gave at 96 DPI and above.
  int Units(std::int64_t pixels) const;

  friend constexpr bool operator==(Scale a, Scale b) { return a.dpi_ == b.dpi_; }

 private:
  int dpi_ = kBaseDpi;
};
