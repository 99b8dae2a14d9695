#include "core/scale.h"

#include <climits>

namespace {

// numerator / denominator rounded half away from zero, brought into int.
int RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t half = denominator / 2;
  const std::int64_t q = numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
  return q > INT_MAX ? INT_MAX : q < INT_MIN ? INT_MIN : static_cast<int>(q);
}

}  // namespace

int Scale::Px(std::int64_t units) const {
  // Stored settings are not range-checked: keep the product inside 64 bits.
  if (units > INT_MAX) units = INT_MAX;
  if (units < INT_MIN) units = INT_MIN;
  return RoundedQuotient(units * dpi_, kBaseDpi);
}

Rect Scale::Px(const Rect& units) const {
  return {Px(units.left), Px(units.top), Px(units.right), Px(units.bottom)};
}

Point Scale::Px(Point units) const { return {Px(units.x), Px(units.y)}; }

int Scale::Units(std::int64_t pixels) const {
  if (pixels > INT_MAX) pixels = INT_MAX;
  if (pixels < INT_MIN) pixels = INT_MIN;
  return RoundedQuotient(pixels * kBaseDpi, dpi_);
}
