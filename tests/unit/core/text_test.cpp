#include "core/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, IntPrefixReadsLikeTheStoredLines) {
  EXPECT_EQ(ParseIntPrefix(u"42"), 42);
  EXPECT_EQ(ParseIntPrefix(u" \t-40px"), -40);
  EXPECT_EQ(ParseIntPrefix(u"+7"), 7);
  EXPECT_EQ(ParseIntPrefix(u"x1"), 0);
  EXPECT_EQ(ParseIntPrefix(u""), 0);
  EXPECT_EQ(ParseIntPrefix(u"-"), 0);
  EXPECT_EQ(ParseIntPrefix(u"--1"), 0);
  EXPECT_EQ(ParseIntPrefix(u"2147483647"), 2147483647);
  EXPECT_EQ(ParseIntPrefix(u"2147483648"), 2147483647);
  EXPECT_EQ(ParseIntPrefix(u"-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseIntPrefix(u"-2147483649"), -2147483647 - 1);
  EXPECT_EQ(ParseIntPrefix(u"０"), 0);  // full-width digits are not digits
}

TEST(Text, FormatIntCoversTheWholeRange) {
  EXPECT_EQ(FormatInt(0), u"0");
  EXPECT_EQ(FormatInt(-5), u"-5");
  EXPECT_EQ(FormatInt(14020607), u"14020607");
  EXPECT_EQ(FormatInt(-2147483647 - 1), u"-2147483648");
  EXPECT_EQ(FormatInt(-9223372036854775807LL - 1), u"-9223372036854775808");
}

TEST(Text, FieldsAreCutAndTerminated) {
  char16_t field[4];
  CopyField(field, u"abcdef");
  EXPECT_EQ(FieldView(field), u"abc");
  CopyField(field, u"a");
  EXPECT_EQ(FieldView(field), u"a");
  EXPECT_EQ(field[3], u'\0');
  CopyField(field, u"ab\U0001F600");  // the pair would not fit whole
  EXPECT_EQ(FieldView(field), u"ab");
  CopyField(field, u"a\U0001F600");  // it fits exactly
  EXPECT_EQ(FieldView(field), u"a\U0001F600");
}

TEST(Text, CaseInsensitiveOnlyForAscii) {
  EXPECT_TRUE(EqualsIgnoreCaseAscii(u"INDIGO", u"Indigo"));
  EXPECT_FALSE(EqualsIgnoreCaseAscii(u"Indig", u"Indigo"));
  EXPECT_FALSE(EqualsIgnoreCaseAscii(u"é", u"É"));
}

}  // namespace
