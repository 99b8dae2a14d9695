#include "app/preferences.h"

#include <gtest/gtest.h>

#include "tests/unit/support/built_in_texts.h"

namespace {

// One field typed over the default settings, every other field as the dialog shows it.
TEST(PreferencesEntry, EachFieldIsReadOrRefusedWithItsMessage) {
  using F = PrefsField;
  const struct {
    PrefsField field;
    const char16_t* typed;
    const char16_t* shown;  // what the field shows for the settings read, or null: refused with
    const char16_t* message = u"";
  } cases[] = {
      {F::BorderThick, u"0", u"0"},
      {F::BorderThick, u" 20 ", u"20"},
      {F::BorderThick, u"21", nullptr, u"0~20 사이의 수만 가능"},
      {F::BorderThick, u"", nullptr, u"0~20 사이의 수만 가능"},
      {F::BorderThick, u"-1", nullptr, u"0~20 사이의 수만 가능"},
      {F::BorderThick, u"7a", nullptr, u"0~20 사이의 수만 가능"},
      {F::BorderThick, u"99999999999999", nullptr, u"0~20 사이의 수만 가능"},
      {F::CaptionThick, u"16", u"16"},
      {F::CaptionThick, u"15", nullptr, u"16~100 사이의 수만 가능"},
      {F::SplitThick, u"51", nullptr, u"0~50 사이의 수만 가능"},
      {F::VertThick, u"99", nullptr, u"100~640 사이의 수만 가능"},
      {F::HorzThick, u"640", u"640"},
      {F::HorzThick, u"641", nullptr, u"100~640 사이의 수만 가능"},
      {F::TidgetSize, u"7", nullptr, u"8~96 사이의 수만 가능"},
      {F::TidgetGap, u"50", u"50"},
      {F::WidgetMinThick, u"0", nullptr, u"1~4000 사이의 수만 가능"},
      {F::WidgetMinThick, u"300", u"300"},  // equal to the largest
      {F::WidgetMinThick, u"301", nullptr, u"최대 두께보다 클 수 없음"},
      {F::WidgetMaxThick, u"4001", nullptr, u"1~4000 사이의 수만 가능"},
      {F::BorderColor, u"#ff0000", u"#FF0000"},
      {F::BorderColor, u" #4b0082 ", u"#4B0082"},
      {F::BorderColor, u"INDIGO", u"#4B0082"},
      {F::SplitColor, u"Black", u"#000000"},
      {F::SplitColor, u"#12345", nullptr, u"#RRGGBB나 색 이름만 가능"},
      {F::SplitColor, u"#GG0000", nullptr, u"#RRGGBB나 색 이름만 가능"},
      {F::SplitColor, u"LightGray", nullptr, u"#RRGGBB나 색 이름만 가능"},
      {F::SplitColor, u"", nullptr, u"#RRGGBB나 색 이름만 가능"},
  };
  const BarSettings defaults;
  for (const auto& c : cases) {
    PrefsTexts texts = PrefsTextsOf(defaults);
    texts[FieldIndex(c.field)] = c.typed;
    const PrefsEntry entry = ReadPrefsTexts(defaults, texts, test_support::KoreanTexts());
    SCOPED_TRACE(FieldIndex(c.field));
    if (c.shown) {
      EXPECT_TRUE(entry.problems.empty());
      EXPECT_TRUE(PrefsTextsOf(entry.settings)[FieldIndex(c.field)] == c.shown);
    } else {
      ASSERT_EQ(entry.problems.size(), 1u);
      EXPECT_EQ(entry.problems[0].field, c.field);
      EXPECT_TRUE(entry.problems[0].message == c.message);
    }
  }
}

TEST(PreferencesEntry, SeveralRefusalsComeInTheOrderOfTheFields) {
  const BarSettings defaults;
  PrefsTexts texts = PrefsTextsOf(defaults);
  texts[FieldIndex(PrefsField::TidgetGap)] = u"x";
  texts[FieldIndex(PrefsField::BorderColor)] = u"x";
  const PrefsEntry entry = ReadPrefsTexts(defaults, texts, test_support::KoreanTexts());
  ASSERT_EQ(entry.problems.size(), 2u);
  EXPECT_EQ(entry.problems[0].field, PrefsField::BorderColor);
  EXPECT_EQ(entry.problems[1].field, PrefsField::TidgetGap);
}

}  // namespace
