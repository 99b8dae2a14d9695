#include "core/texts.h"

#include <gtest/gtest.h>

#include "core/language.h"
#include "tests/unit/support/built_in_texts.h"

namespace {

// The stored value, the choice it means, what is written back for that choice, and the
// language it gives on a Korean and on another Windows.
TEST(Language, StoredChoiceAndWhatItMeans) {
  using C = LanguageChoice;
  using L = Language;
  const struct {
    const char16_t* stored;
    LanguageChoice choice;
    const char16_t* written;
    Language onKorean;
    Language onOther;
  } cases[] = {
      {u"", C::Korean, u"ko", L::Korean, L::Korean},  // a missing key
      {u"ko", C::Korean, u"ko", L::Korean, L::Korean},
      {u"en", C::English, u"en", L::English, L::English},
      {u"system", C::System, u"system", L::Korean, L::English},
      {u"EN", C::Korean, u"ko", L::Korean, L::Korean},  // values are exact
      {u"fr", C::Korean, u"ko", L::Korean, L::Korean},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseLanguageChoice(c.stored), c.choice) << static_cast<int>(c.choice);
    EXPECT_EQ(LanguageChoiceKey(c.choice), c.written);
    EXPECT_EQ(ResolveLanguage(c.choice, true), c.onKorean);
    EXPECT_EQ(ResolveLanguage(c.choice, false), c.onOther);
  }
}

TEST(Texts, PlaceholdersAreFilledAndListed) {
  const struct {
    const char16_t* pattern;
    const char16_t* filled;  // with "a", "b"
    const char16_t* placeholders;
  } cases[] = {
      {u"%1월%2일", u"a월b일", u"12"},
      {u"%2, %1 %2", u"b, a b", u"12"},
      {u"평균:%1%", u"평균:a%", u"1"},  // a '%' without a digit stays
      {u"%3 of %1", u" of a", u"13"},   // no value for %3
      {u"100%0 %", u"100%0 %", u""},
      {u"%", u"%", u""},
      {u"", u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FillPlaceholders(c.pattern, {u"a", u"b"}), c.filled);
    EXPECT_EQ(PlaceholdersOf(c.pattern), c.placeholders);
  }
}

TEST(Texts, WordsArePartedBySpaces) {
  const TextTable& english = test_support::EnglishTexts();
  EXPECT_EQ(english.Word(TextId::ClockWeekdays, 0), u"Sun");
  EXPECT_EQ(english.Word(TextId::ClockWeekdays, 6), u"Sat");
  EXPECT_EQ(english.Word(TextId::ClockWeekdays, 7), u"");
  EXPECT_EQ(english.Word(TextId::ClockWeekdays, -1), u"");
  EXPECT_EQ(test_support::KoreanTexts().Word(TextId::ClockMonths, 11), u"12");
  EXPECT_EQ(TextTable().Word(TextId::ClockMonths, 0), u"");
}

}  // namespace
