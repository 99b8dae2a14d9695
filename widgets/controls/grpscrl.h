// Arithmetic of the slider "GrpScrl": the per-window data block, the mapping
// between position and thumb pixels, the thumb rectangle and the clamps of the
// thumb length and inset. The window procedure in grpscrl_win.cpp calls these.
#pragma once

#include <cstdint>

#include "core/geometry.h"

namespace grpscrl {

// a * b / c rounded half away from zero through a 64-bit product, as the
// platform's MulDiv: -1 for a zero divisor or a result outside ±(2^31 - 1).
int MulDiv(int a, int b, int c);

// Per-window data, in the order the window keeps it. Colours are COLORREF values.
struct SliderData {
  int32_t maxPos = 0;
  int32_t minPos = 0;
  int32_t pos = 0;
  int32_t thumbLength = 20;
  int32_t inset = 2;
  uint32_t trackColor = 0;
  uint32_t thumbColor = 0xFFFFFF;
  // During a thumb drag: the thumb's leading edge minus the pointer's place at the press.
  int32_t grabOffset = 0;
};

// The slider's client size and direction.
struct SliderGeometry {
  int width = 0;
  int height = 0;
  bool horizontal = true;
  int TrackLength() const { return horizontal ? width : height; }
  int Across() const { return horizontal ? height : width; }
};

// Leading edge (left or top) of the thumb for the current position.
int ThumbLeadingEdge(const SliderData& data, int trackLength);
Rect ThumbRect(const SliderData& data, const SliderGeometry& geometry);
// Position for a thumb whose leading edge is at pixel edge, clamped to the range.
int PositionFromEdge(const SliderData& data, int edge, int trackLength);

int ClampPosition(const SliderData& data, int position);
int ClampThumbLength(int length, int trackLength);
int ClampInset(int inset, int across);

// Where a click on the track puts the position: the thumb centred on the point
// (coordinate along the track).
int PositionForTrackClick(const SliderData& data, int along, int trackLength);

}  // namespace grpscrl
