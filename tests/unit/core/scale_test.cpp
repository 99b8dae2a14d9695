#include "core/scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/pixel_scale.h"

namespace {

TEST(Scale, RoundsHalfAwayFromZeroAndComesBackToTheSameUnits) {
  struct Case {
    int dpi;
    int units;
    int pixels;
  };
  const Case cases[] = {{96, 37, 37}, {120, 5, 6}, {120, 2, 3}, {144, 3, 5}, {144, -3, -5}, {192, -7, -14}, {0, 9, 9}};
  for (const Case& c : cases) EXPECT_EQ(Scale(c.dpi).Px(c.units), c.pixels) << c.dpi << " dpi, " << c.units;
  // What the .ini keeps is units: a size turned into pixels and back is the size it was.
  for (int dpi : {96, 120, 144, 168, 192, 288})
    for (int units = -400; units <= 4000; ++units) ASSERT_EQ(Scale(dpi).Units(Scale(dpi).Px(units)), units) << dpi;
}

// A face resampled by area: whole multiples repeat each pixel, fractions mix only
// where two colours meet, one to one is a copy.
TEST(ResamplePixelArt, KeepsBlocksSolidAndMixesOnlyWhereColoursMeet) {
  constexpr std::uint32_t R = 0xFF0000, B = 0x0000FF, K = 0x000000, W = 0xFFFFFF;
  struct Case {
    std::vector<std::uint32_t> source;
    int width, height, toWidth, toHeight;
    std::vector<std::uint32_t> expected;
  };
  const Case cases[] = {
      {{R, B, K, W}, 2, 2, 4, 4, {R, R, B, B, R, R, B, B, K, K, W, W, K, K, W, W}},
      {{K, W}, 2, 1, 3, 1, {K, 0x808080, W}},
      {{R, R, B, B}, 4, 1, 5, 1, {R, R, 0x800080, B, B}},
      {{R, B, K, W}, 2, 2, 2, 2, {R, B, K, W}},
      {{R, B, K}, 2, 2, 2, 1, {K, K}},  // a source of the wrong size gives black, never a read past it
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResamplePixelArt(c.source, c.width, c.height, c.toWidth, c.toHeight), c.expected)
        << c.width << "x" << c.height << " to " << c.toWidth << "x" << c.toHeight;
}

}  // namespace
