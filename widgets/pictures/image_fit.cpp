#include "widgets/pictures/image_fit.h"

#include <cstdint>

namespace {

// truncate((a × b) / c) with the product in 64 bits, so a large picture cannot
// overflow; for every size that fits in 32 bits it is the same number.
int ScaledSide(int a, int b, int c) {
  const double product = static_cast<double>(static_cast<std::int64_t>(a) * b);
  return static_cast<int>(product / c);
}

}  // namespace

Rect FitImageRect(int w, int h, int width, int height) {
  if (w <= 0 || h <= 0) return {};
  if (w < width && h < height) {
    const int left = width / 2 - w / 2;
    const int top = height / 2 - h / 2;
    return {left, top, left + w, top + h};
  }
  // A target with no height counts as infinitely wide: the picture is relatively taller.
  const bool relativelyWider = height > 0 && static_cast<double>(w) / h > static_cast<double>(width) / height;
  if (relativelyWider) {
    const int s = ScaledSide(h, width, w);
    const int top = height / 2 - s / 2;
    return {0, top, width, top + s};
  }
  const int s = ScaledSide(w, height, h);
  const int left = width / 2 - s / 2;
  return {left, 0, left + s, height};
}

std::array<Rect, 4> FitMargins(const Rect& image, int width, int height) {
  return {Rect{0, 0, width, image.top}, Rect{0, 0, image.left, height}, Rect{0, image.bottom, width, height},
          Rect{image.right, image.top, width, height}};
}
