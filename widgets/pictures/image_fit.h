// Where a picture goes when it is fitted into a target: never enlarged, scaled down
// keeping its proportions, centred across the other direction.
#pragma once

#include <array>

#include "core/geometry.h"

// Destination of a w × h picture inside (0, 0)-(width, height). Halvings truncate and
// each operand is halved on its own, so a one-pixel difference decides the side.
// A picture with no pixels gets an empty rectangle at the origin.
Rect FitImageRect(int imageWidth, int imageHeight, int width, int height);

// What lies outside the picture, in fill order: above, left, below, right. They may
// overlap and may be empty.
std::array<Rect, 4> FitMargins(const Rect& image, int width, int height);
