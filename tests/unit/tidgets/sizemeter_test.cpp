#include "tidgets/sizemeter.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeMeter, DigitKeysGiveTheNineStandardSizes) {
  const ClientSize expected[] = {{320, 240},   {640, 480},   {800, 600},   {1024, 768}, {1280, 1024},
                                 {1600, 1200}, {1920, 1080}, {2560, 1440}, {3840, 2160}};
  for (unsigned key = '1'; key <= '9'; ++key) EXPECT_EQ(StandardClientSize(key), expected[key - '1']) << key;
  for (unsigned key : {unsigned{'0'}, unsigned{':'}, 0x61u /* keypad 1 */, 0u}) EXPECT_FALSE(StandardClientSize(key));
}

TEST(SizeMeter, SizeLine) {
  EXPECT_EQ(SizeLine(1920, 1080), u"1920 x 1080");
  EXPECT_EQ(SizeLine(0, 7), u"0 x 7");
}

}  // namespace
