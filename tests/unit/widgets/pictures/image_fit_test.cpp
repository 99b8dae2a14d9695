#include "widgets/pictures/image_fit.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageFit, SmallerPictureIsCentredAtItsOwnSize) {
  EXPECT_EQ(FitImageRect(10, 10, 24, 24), (Rect{7, 7, 17, 17}));
  EXPECT_EQ(FitImageRect(30, 10, 40, 40), (Rect{5, 15, 35, 25}));
}

TEST(ImageFit, OperandsAreHalvedSeparately) {
  // 24/2 - 11/2 = 7, where (24 - 11)/2 would give 6.
  EXPECT_EQ(FitImageRect(11, 11, 24, 24), (Rect{7, 7, 18, 18}));
}

TEST(ImageFit, WiderPictureFillsTheWidth) {
  EXPECT_EQ(FitImageRect(200, 100, 24, 24), (Rect{0, 6, 24, 18}));
  EXPECT_EQ(FitImageRect(50, 10, 40, 40), (Rect{0, 16, 40, 24}));
}

TEST(ImageFit, TallerPictureFillsTheHeight) {
  EXPECT_EQ(FitImageRect(100, 200, 24, 24), (Rect{6, 0, 18, 24}));
}

TEST(ImageFit, PictureOfTheTargetSizeFillsItExactly) {
  // Not smaller in both directions: it goes through the proportional branch.
  EXPECT_EQ(FitImageRect(24, 24, 24, 24), (Rect{0, 0, 24, 24}));
  EXPECT_EQ(FitImageRect(48, 24, 48, 24), (Rect{0, 0, 48, 24}));
}

TEST(ImageFit, SmallerInOnlyOneDirectionIsScaled) {
  // As wide as the target but shorter: the proportional branch keeps it at full width.
  EXPECT_EQ(FitImageRect(24, 12, 24, 24), (Rect{0, 6, 24, 18}));
  // Taller than the target but narrower: scaled down by height.
  EXPECT_EQ(FitImageRect(10, 48, 24, 24), (Rect{10, 0, 15, 24}));
}

TEST(ImageFit, ScaledSideTruncates) {
  // 100 × 24 / 300 = 8; 100 × 25 / 300 = 8.33 → 8; top = 12 - 4.
  EXPECT_EQ(FitImageRect(300, 100, 25, 24), (Rect{0, 8, 25, 16}));
}

TEST(ImageFit, HugePictureDoesNotOverflow) {
  // 60000 × 60000 would overflow a 32-bit product.
  EXPECT_EQ(FitImageRect(120000, 60000, 60000, 60000), (Rect{0, 15000, 60000, 45000}));
}

TEST(ImageFit, EmptyPictureOrTargetDrawsNothing) {
  EXPECT_EQ(FitImageRect(0, 0, 24, 24).Width(), 0);
  EXPECT_EQ(FitImageRect(10, 0, 24, 24).Height(), 0);
  const Rect intoNothing = FitImageRect(10, 10, 0, 0);
  EXPECT_EQ(intoNothing.Width(), 0);
  EXPECT_EQ(intoNothing.Height(), 0);
}

TEST(ImageFit, MarginsCoverEverythingOutsideThePicture) {
  const Rect image{7, 7, 17, 17};
  const auto margins = FitMargins(image, 24, 24);
  EXPECT_EQ(margins[0], (Rect{0, 0, 24, 7}));
  EXPECT_EQ(margins[1], (Rect{0, 0, 7, 24}));
  EXPECT_EQ(margins[2], (Rect{0, 17, 24, 24}));
  EXPECT_EQ(margins[3], (Rect{17, 7, 24, 24}));
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      bool covered = false;
      for (const Rect& m : margins) covered = covered || m.Contains({x, y});
      EXPECT_NE(covered, image.Contains({x, y})) << x << "," << y;
    }
}

}  // namespace
