#include "widgets/controls/grpscrl.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using grpscrl::SliderData;
using grpscrl::SliderGeometry;

SliderData Range(int minPos, int maxPos, int pos = 0, int thumbLength = 20) {
  SliderData data;
  data.minPos = minPos;
  data.maxPos = maxPos;
  data.pos = pos;
  data.thumbLength = thumbLength;
  return data;
}

TEST(GrpScrlMulDiv, RoundsHalfAwayFromZeroWhateverTheSigns) {
  EXPECT_EQ(grpscrl::MulDiv(500, 108, 1000), 54);
  EXPECT_EQ(grpscrl::MulDiv(90, 1000, 108), 833);
  EXPECT_EQ(grpscrl::MulDiv(1, 1, 2), 1);
  EXPECT_EQ(grpscrl::MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(grpscrl::MulDiv(1, -1, 2), -1);
  EXPECT_EQ(grpscrl::MulDiv(-1, -1, 2), 1);
  EXPECT_EQ(grpscrl::MulDiv(3, 1, -2), -2);
  EXPECT_EQ(grpscrl::MulDiv(-3, 1, -2), 2);
  EXPECT_EQ(grpscrl::MulDiv(7, 1, 3), 2);
  EXPECT_EQ(grpscrl::MulDiv(-7, 1, 3), -2);
  EXPECT_EQ(grpscrl::MulDiv(0, -5, 3), 0);
}

TEST(GrpScrlMulDiv, ZeroDivisorAndOverflowGiveMinusOne) {
  EXPECT_EQ(grpscrl::MulDiv(5, 7, 0), -1);
  EXPECT_EQ(grpscrl::MulDiv(0, 0, 0), -1);
  EXPECT_EQ(grpscrl::MulDiv(INT_MAX, 2, 1), -1);
  EXPECT_EQ(grpscrl::MulDiv(INT_MIN, 1, 1), -1);  // -2^31 is outside ±(2^31 - 1)
  EXPECT_EQ(grpscrl::MulDiv(INT_MIN, 1, -1), -1);
}

TEST(GrpScrlMulDiv, ProductWiderThan32BitsIsKept) {
  EXPECT_EQ(grpscrl::MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(grpscrl::MulDiv(INT_MIN + 1, INT_MAX, INT_MAX), INT_MIN + 1);
  EXPECT_EQ(grpscrl::MulDiv(100000, 100000, 1000), 10000000);
  EXPECT_EQ(grpscrl::MulDiv(INT_MIN, INT_MIN, INT_MIN), -1);  // result 2^31
}

TEST(GrpScrlMapping, ThumbEdgeSpansTheTravelOfTheTrack) {
  // Width 128, thumb 20: the leading edge runs over 0 … 108.
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(0, 1000, 500), 128), 54);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(0, 1000, 0), 128), 0);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(0, 1000, 1000), 128), 108);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(0, 1000, 1), 128), 0);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(0, 1000, 5), 128), 1);  // 0.54 rounds up
}

TEST(GrpScrlMapping, ZeroWidthRangePlacesThumbWhereMulDivSays) {
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(0, 0), 128), -1);
  EXPECT_EQ(grpscrl::PositionFromEdge(Range(0, 0), 50, 128), 0);
  EXPECT_EQ(grpscrl::PositionForTrackClick(Range(7, 7, 7), 90, 128), 7);
}

TEST(GrpScrlMapping, RangeNotStartingAtZeroCountsFromItsMinimum) {
  const SliderData data = Range(100, 200, 100);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(data, 128), 0);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(100, 200, 200), 128), 108);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, 0, 128), 100);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, 54, 128), 150);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(-50, 50, 0), 128), 54);
}

TEST(GrpScrlMapping, TrackClickCentresTheThumbOnThePoint) {
  const SliderData data = Range(0, 1000);
  EXPECT_EQ(grpscrl::PositionForTrackClick(data, 100, 128), 833);
  EXPECT_EQ(grpscrl::PositionForTrackClick(data, 10, 128), 0);
  EXPECT_EQ(grpscrl::PositionForTrackClick(data, 118, 128), 1000);
  EXPECT_EQ(grpscrl::PositionForTrackClick(data, 64, 128), 500);
}

TEST(GrpScrlMapping, EdgesPastEitherEndHoldTheRangeEnds) {
  const SliderData data = Range(0, 1000);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, -1, 128), 0);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, -32768, 128), 0);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, 109, 128), 1000);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, 32767, 128), 1000);
}

TEST(GrpScrlMapping, HugeRangeDraggedFarRightHoldsTheMaximum) {
  // The plain 32-bit MulDiv overflows here and would answer -1, i.e. the minimum.
  const SliderData data = Range(0, 10000000);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, 32767, 128), 10000000);
  const SliderData widest = Range(INT_MIN, INT_MAX, 0);
  EXPECT_EQ(grpscrl::PositionFromEdge(widest, 32767, 128), INT_MAX);
  EXPECT_EQ(grpscrl::PositionFromEdge(widest, -32768, 128), INT_MIN);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(INT_MIN, INT_MAX, INT_MAX), 128), 108);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(Range(INT_MIN, INT_MAX, INT_MIN), 128), 0);
}

TEST(GrpScrlMapping, ThumbAsLongAsTheTrackLeavesNoTravel) {
  const SliderData data = Range(0, 1000, 0, 128);
  EXPECT_EQ(grpscrl::PositionFromEdge(data, 40, 128), 0);
  EXPECT_EQ(grpscrl::ThumbLeadingEdge(data, 128), 0);
}

TEST(GrpScrlMapping, PositionClampsIntoTheRange) {
  const SliderData data = Range(10, 20);
  EXPECT_EQ(grpscrl::ClampPosition(data, 5), 10);
  EXPECT_EQ(grpscrl::ClampPosition(data, 25), 20);
  EXPECT_EQ(grpscrl::ClampPosition(data, 15), 15);
  EXPECT_EQ(grpscrl::ClampPosition(Range(20, 10), 15), 10);  // reversed range: the maximum wins
}

TEST(GrpScrlThumbRect, SpansTheCrossWidthLessTheInset) {
  SliderData data = Range(0, 1000, 500);
  EXPECT_EQ(grpscrl::ThumbRect(data, SliderGeometry{128, 14, true}), (Rect{54, 2, 74, 12}));
  data = Range(0, 100, 100, 10);
  data.inset = 3;
  EXPECT_EQ(grpscrl::ThumbRect(data, SliderGeometry{16, 60, false}), (Rect{3, 50, 13, 60}));
}

TEST(GrpScrlClamps, ThumbLengthStaysBetweenFourAndTrackLessTen) {
  EXPECT_EQ(grpscrl::ClampThumbLength(200, 128), 118);
  EXPECT_EQ(grpscrl::ClampThumbLength(2, 128), 4);
  EXPECT_EQ(grpscrl::ClampThumbLength(-30, 128), 4);
  EXPECT_EQ(grpscrl::ClampThumbLength(50, 128), 50);
  EXPECT_EQ(grpscrl::ClampThumbLength(20, 8), 4);  // a track shorter than 14 still gets a thumb
  EXPECT_EQ(grpscrl::ClampThumbLength(20, 0), 4);
}

TEST(GrpScrlClamps, InsetStaysBelowHalfTheCrossWidth) {
  EXPECT_EQ(grpscrl::ClampInset(10, 14), 5);
  EXPECT_EQ(grpscrl::ClampInset(10, 15), 5);
  EXPECT_EQ(grpscrl::ClampInset(3, 14), 3);
  EXPECT_EQ(grpscrl::ClampInset(-1, 14), 0);
  EXPECT_EQ(grpscrl::ClampInset(10, 2), 0);
}

}  // namespace
