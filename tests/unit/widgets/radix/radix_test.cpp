#include "widgets/radix/radix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Field {
  int base;
  const char16_t* text;
  std::uint32_t value;
};

TEST(RadixRead, DocumentedExamplesAndTheRulesOfEachBase) {
  const Field cases[] = {
      {10, u"255", 255},
      {16, u"FF", 255},
      {16, u"ff", 255},
      {2, u"11111111", 255},
      {2, u"102", 2},
      {16, u"FFFFFFFFF", 4294967295u},
      {10, u"4294967296", 0},
      {10, u"4294967295", 4294967295u},
      {10, u"-1", 0},
      {10, u"", 0},
      {16, u"", 0},
      {2, u"", 0},
      {10, u"  42", 42},
      {10, u"+7", 7},
      {10, u"12abc", 12},
      {10, u"000000000000000000000000000000012", 12},
      {10, u"99999999999999999999999", 0},
      {16, u"-2", 4294967294u},
      {16, u" 0x1F", 31},
      {16, u"0X1fz", 31},
      {16, u"0x", 0},
      {16, u"0xg", 0},
      {16, u"-0", 0},
      {16, u"-100000000", 4294967295u},  // overflow wins over the sign
      {16, u"+ff", 255},
      {16, u"g1", 0},
      {16, u"\uff11", 0},  // a full-width digit is not a digit
      {2, u"-1", 4294967295u},
      {2, u"11111111111111111111111111111111", 4294967295u},
      {2, u"100000000000000000000000000000000", 4294967295u},
      {2, u"0b1", 0},
  };
  for (const Field& c : cases)
    EXPECT_EQ(ReadRadixField(c.base, c.text), c.value) << c.base << " " << std::u16string(c.text).size();
}

TEST(RadixFormat, LowerCaseWithoutPrefixOrLeadingZeros) {
  EXPECT_EQ(FormatInBase(255, 16), u"ff");
  EXPECT_EQ(FormatInBase(255, 2), u"11111111");
  EXPECT_EQ(FormatInBase(255, 10), u"255");
  EXPECT_EQ(FormatInBase(0, 2), u"0");
  EXPECT_EQ(FormatInBase(0, 16), u"0");
  EXPECT_EQ(FormatInBase(4294967295u, 10), u"4294967295");
  EXPECT_EQ(FormatInBase(4294967295u, 2), std::u16string(32, u'1'));
  EXPECT_EQ(FormatInBase(0xABCDEF01u, 16), u"abcdef01");
}

}  // namespace
