#include "widgets/controls/grpscrl.h"

#include <algorithm>

namespace grpscrl {

namespace {

constexpr int64_t kMulDivLimit = 2147483647;

// The platform's rounding: half away from zero, with the divisor made positive first.
// The product of two values of up to 32 bits each fits in 64 bits.
int64_t RoundedMulDiv(int64_t a, int64_t b, int64_t c) {
  if (c < 0) {
    a = -a;
    c = -c;
  }
  const int64_t product = a * b;
  const bool nonNegative = (a < 0) == (b < 0);
  return nonNegative ? (product + c / 2) / c : (product - c / 2) / c;
}

// The range may be wider than an int holds (minimum near INT_MIN, maximum near INT_MAX).
int64_t Span(const SliderData& data) { return int64_t{data.maxPos} - data.minPos; }

int64_t ClampToRange(const SliderData& data, int64_t position) {
  // A reversed range (maximum below minimum) is held at the maximum, as the
  // minimum bound is applied first.
  return std::min<int64_t>(std::max<int64_t>(position, data.minPos), data.maxPos);
}

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t result = RoundedMulDiv(a, b, c);
  if (result > kMulDivLimit || result < -kMulDivLimit) return -1;
  return static_cast<int>(result);
}

// The mapping counts from the minimum, so a range that does not start at 0 still
// puts its minimum at the left (or top) end; for ranges from 0 this is the plain
// MulDiv(pos, T - thumb, max - min).
int ThumbLeadingEdge(const SliderData& data, int trackLength) {
  const int64_t span = Span(data);
  if (span == 0) return -1;  // what MulDiv answers for a zero divisor
  const int64_t travel = int64_t{trackLength} - data.thumbLength;
  const int64_t edge = RoundedMulDiv(int64_t{data.pos} - data.minPos, travel, span);
  return static_cast<int>(std::clamp<int64_t>(edge, -kMulDivLimit, kMulDivLimit));
}

Rect ThumbRect(const SliderData& data, const SliderGeometry& geometry) {
  const int edge = ThumbLeadingEdge(data, geometry.TrackLength());
  if (geometry.horizontal) {
    return {edge, data.inset, edge + data.thumbLength, geometry.height - data.inset};
  }
  return {data.inset, edge, geometry.width - data.inset, edge + data.thumbLength};
}

int PositionFromEdge(const SliderData& data, int edge, int trackLength) {
  const int64_t travel = int64_t{trackLength} - data.thumbLength;
  const int64_t offset = travel == 0 ? -1 : RoundedMulDiv(edge, Span(data), travel);
  return static_cast<int>(ClampToRange(data, int64_t{data.minPos} + offset));
}

int ClampPosition(const SliderData& data, int position) {
  return static_cast<int>(ClampToRange(data, position));
}

int ClampThumbLength(int length, int trackLength) { return std::max(4, std::min(length, trackLength - 10)); }

int ClampInset(int inset, int across) { return std::max(0, std::min(inset, across / 2 - 2)); }

int PositionForTrackClick(const SliderData& data, int along, int trackLength) {
  return PositionFromEdge(data, along - data.thumbLength / 2, trackLength);
}

}  // namespace grpscrl
