#include "widgets/calc/calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/unit/support/built_in_texts.h"

namespace {

struct Typed {
  const char16_t* text;
  const char16_t* shown;
};

TEST(CalcEvaluate, DocumentedExamples) {
  const Typed cases[] = {
      {u"1+2*3", u"= 7"},    {u"(1+2)*3", u"= 9"}, {u"2^3^2", u"= 64"},  // left-associative
      {u"8-3-2", u"= 3"},    {u"7/2", u"= 3.5"},   {u"1/0", u"= 0"},
      {u"10/4*2", u"= 5"},   {u"(1+2", u"수식이 잘못되었습니다."}, {u"1+2)", u"수식이 잘못되었습니다."},
      {u"1 2 + 3", u"= 5"},  {u"12abc", u"= 12"},  {u".5+1", u"= 6"},  // a '.' after no digit is skipped
      {u"", u"= 0"},         {u"1.2.3+1", u"= 2.2"}, {u"3.5 *2", u"= 7"},
      {u"12가나+3", u"= 15"}, {u"\u00e9(2)\u20ac*4", u"= 8"},
  };
  for (const Typed& c : cases) EXPECT_EQ(ResultText(Evaluate(c.text), test_support::KoreanTexts()), c.shown) << std::u16string(c.text).size();
}

TEST(CalcEvaluate, MinusWhereAnOperandIsDueNegatesIt) {
  const Typed cases[] = {
      {u"-3+5", u"= 2"},   {u"-4 ^2", u"= 16"}, {u"2*-3", u"= -6"},   {u"-(1+2)*2", u"= -6"},
      {u"3-(-2)", u"= 5"}, {u"--3", u"= 3"},    {u"2^-1", u"= 0.5"},  {u"-4 -2", u"= -6"},
      {u"5 - 2", u"= 3"},  {u"x-3", u"= -3"},
      // What rounds to zero from below is zero.
      {u"(1-2)*0", u"= 0"}, {u"0.0000001-0.0000002", u"= 0"}, {u"-0", u"= 0"}, {u"-0.0000001", u"= 0"},
      {u"-0.0000009", u"= -0.000001"},
  };
  for (const Typed& c : cases) EXPECT_EQ(ResultText(Evaluate(c.text), test_support::KoreanTexts()), c.shown);
}

TEST(CalcEvaluate, OperatorShortOfOperandsIsRejectedWithoutReadingOutside) {
  for (const char16_t* text : {u"3+", u"*3", u"+", u"-", u"2*(", u"()-", u"^^^^", u"(-)"})
    EXPECT_FALSE(Evaluate(text).valid) << std::u16string(text).size();
  // The value is still defined: the short operator is skipped.
  EXPECT_EQ(Evaluate(u"3+").value, 3.0);
  EXPECT_EQ(EvaluatePostfix(u"+*-/^~"), 0.0);
  EXPECT_EQ(EvaluatePostfix(u"2 +"), 2.0);
  // Unbalanced parentheses still compute a value that copy and re-input use.
  const Evaluation open = Evaluate(u"(1+2");
  EXPECT_FALSE(open.valid);
  EXPECT_EQ(open.value, 3.0);
}

TEST(CalcPostfix, OutputOfTheConversion) {
  EXPECT_EQ(ToPostfix(u"1+2*3"), u"1 2 3 *+");
  EXPECT_EQ(ToPostfix(u"2^3^2"), u"2 3 ^2 ^");
  EXPECT_EQ(ToPostfix(u"(1+2"), u"1 2 +(");  // the evaluator skips the '('
  EXPECT_EQ(ToPostfix(u"-4^2"), u"4 ~2 ^");
  EXPECT_EQ(ToPostfix(u"1.2.3"), u"1.2.3 ");
  EXPECT_EQ(EvaluatePostfix(u"1.2.3 "), 1.2);
  EXPECT_EQ(EvaluatePostfix(u"1 2 "), 2.0);
}

TEST(CalcPostfix, FullStacksDropPushes) {
  // 300 numbers: the stack keeps 256, the top is the 256th.
  std::u16string postfix;
  for (int i = 1; i <= 300; ++i) postfix += std::u16string(1, u'0' + i % 10) + u' ';
  EXPECT_EQ(EvaluatePostfix(postfix), 6.0);
  std::u16string deep(400, u'(');
  deep += u"1+2";
  EXPECT_EQ(Evaluate(deep).value, 2.0);  // the '+' met a full operator stack
}

TEST(CalcFormat, TrailingZerosAndPoint) {
  EXPECT_EQ(FormatNumber(3.5), u"3.5");
  EXPECT_EQ(FormatNumber(2), u"2");
  EXPECT_EQ(FormatNumber(0.125), u"0.125");
  EXPECT_EQ(FormatNumber(-4), u"-4");
  EXPECT_EQ(FormatNumber(100), u"100");
  EXPECT_EQ(FormatNumber(1e-7), u"0");
  EXPECT_EQ(FormatNumber(2.0000004), u"2");
  EXPECT_EQ(FormatNumber(1.0 / 3), u"0.333333");
  EXPECT_EQ(FormatNumber(INFINITY), u"inf");
  EXPECT_EQ(FormatNumber(-0.0), u"0");  // also what is copied
  EXPECT_EQ(ReinputText(-1e-7), u"0 ");
}

TEST(CalcFormat, HugeResultsKeepEveryDigit) {
  const std::u16string shown = ResultText(Evaluate(u"10^200"), test_support::KoreanTexts());
  // The double nearest to 10^200 lies just below it: 200 digits.
  ASSERT_EQ(shown.size(), 2u + 200u);
  EXPECT_EQ(shown.substr(0, 21), u"= 9999999999999999697");
  EXPECT_EQ(FormatNumber(-1.7976931348623157e308).size(), 310u);
  // Re-input fits the box up to 255 characters, the space included.
  EXPECT_EQ(ReinputText(3.5), u"3.5 ");
  EXPECT_EQ(ReinputText(std::pow(10.0, 200)).size(), 201u);
  EXPECT_EQ(ReinputText(std::pow(10.0, 254)).size(), 255u);
  EXPECT_TRUE(ReinputText(std::pow(10.0, 255)).empty());
}

TEST(CalcLayout, BoxAndButtonFollowTheHeight) {
  const CalcLayout low = CalcLayoutOf(120, 50);
  EXPECT_EQ(low.box, (Rect{2, 2, 118, 127}));
  EXPECT_EQ(low.copyButton, (Rect{102, 29, 118, 45}));
  EXPECT_EQ(CalcLayoutOf(120, 55).box.top, 2);  // 3 spare pixels are too few to centre
  EXPECT_EQ(CalcLayoutOf(120, 58).box.top, 3);
  EXPECT_EQ(CalcLayoutOf(120, 100).box.top, 24);
  EXPECT_EQ(CalcLayoutOf(120, 100).copyButton.top, 51);
}

}  // namespace
