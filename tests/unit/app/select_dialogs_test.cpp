#include "app/select_dialogs.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/unit/support/built_in_texts.h"

namespace {

const CatalogueEntry& Row(std::u16string_view kind) {
  const CatalogueEntry* row = FindCatalogueEntry(kind);
  EXPECT_NE(row, nullptr) << "no catalogue row";
  return *row;
}

using test_support::EnglishTexts;
using test_support::KoreanTexts;

TEST(SelectionEntries, SingleInstanceKindsAreMarkedBehindTheirCaption) {
  EXPECT_EQ(AvailableEntryText(Row(u"Clock"), KoreanTexts()), u"시계");
  EXPECT_EQ(AvailableEntryText(Row(u"MusicPlayer"), KoreanTexts()), u"음악 재생기(멀티안됨)");
  EXPECT_EQ(AvailableEntryText(Row(u"OneImage"), KoreanTexts()), u"참조 이미지");
  EXPECT_EQ(AvailableEntryText(Row(u"Tetris"), KoreanTexts()), u"테트리스(멀티안됨)");
  EXPECT_EQ(AvailableEntryText(Row(u"Tetris"), EnglishTexts()), u"Tetris (one only)");
}

// The entry names the kind in the list's language (Korean lists show the stored caption,
// as always); the record keeps the stored caption, and a kind this version does not
// know shows that.
TEST(SelectionEntries, InUseEntryJoinsCaptionAndNameWithADash) {
  const WidgetInfo clock = MakeWidgetInfo(u"Clock", RecordList<WidgetInfo>{});
  EXPECT_EQ(InUseEntryText(clock, KoreanTexts()), u"시계-Clock_1");
  EXPECT_EQ(InUseEntryText(clock, EnglishTexts()), u"Clock-Clock_1");
  EXPECT_EQ(FieldView(clock.caption), u"시계");
  EXPECT_EQ(InUseEntryText(MakeTidgetInfo(u"LCDTest", RecordList<TidgetInfo>{}), KoreanTexts()), u"LCD 테스트-LCDTest");
  EXPECT_EQ(InUseEntryText(ParseWidgetLine(u"새것§Gauge§Gauge_1§1"), EnglishTexts()), u"새것-Gauge_1");
  EXPECT_EQ(InUseEntryText(ParseWidgetLine(u"탁상§Clock§Clock_1§1"), KoreanTexts()), u"탁상-Clock_1");
  EXPECT_EQ(InUseEntryText(ParseWidgetLine(u"탁상§Clock§Clock_1§1"), EnglishTexts()), u"Clock-Clock_1");
  // A record read from a damaged line may have an empty name or a dashed caption.
  EXPECT_EQ(InUseEntryText(u"a-b", u""), u"a-b-");
  EXPECT_EQ(InUseEntryText(u"", u"Clock_1"), u"-Clock_1");
}

TEST(SelectionRefusal, OnlyASecondInstanceOfASingleInstanceKindIsRefused) {
  RecordList<WidgetInfo> widgets;
  EXPECT_FALSE(RefusesAnotherInstance(Row(u"MusicPlayer"), widgets));
  widgets.Append(MakeWidgetInfo(u"MusicPlayer", widgets));
  EXPECT_TRUE(RefusesAnotherInstance(Row(u"MusicPlayer"), widgets));
  widgets.Append(MakeWidgetInfo(u"Clock", widgets));
  EXPECT_FALSE(RefusesAnotherInstance(Row(u"Clock"), widgets));
  widgets.RemoveAt(0);
  EXPECT_FALSE(RefusesAnotherInstance(Row(u"MusicPlayer"), widgets));

  // The kind decides, not the instance name.
  RecordList<TidgetInfo> tidgets;
  TidgetInfo renamed = MakeTidgetInfo(u"Tetris", tidgets);
  CopyField(renamed.name, u"Tetris_7");
  tidgets.Append(std::move(renamed));
  EXPECT_TRUE(RefusesAnotherInstance(Row(u"Tetris"), tidgets));
  EXPECT_FALSE(RefusesAnotherInstance(Row(u"ColorTable"), tidgets));
}

TEST(Swatches, ResolvedFromTheNamesInDropDownOrder) {
  const SwatchList swatches = ResolvedSwatches();
  EXPECT_EQ(swatches[0], ColorFromName(u"Pink"));
  EXPECT_EQ(swatches[3], RgbToColorRef(0xFFEFD5));  // PapayaWhip
  EXPECT_EQ(swatches[9], ColorFromName(u"MediumAquamarine"));
  EXPECT_EQ(swatches[17], RgbToColorRef(0xFFF8DC));  // Cornsilk
  EXPECT_EQ(swatches[21], RgbToColorRef(0xD3D3D3));  // LightGrey
  EXPECT_EQ(swatches[23], RgbToColorRef(0xA9A9A9));  // DarkGray
  for (int i = 0; i < kSwatchCount; ++i) EXPECT_NE(swatches[i], 0u) << i;
}

TEST(Swatches, LookupTakesTheFirstEqualSwatchElsePink) {
  const SwatchList swatches = ResolvedSwatches();
  EXPECT_EQ(SwatchIndexOf(swatches, ColorFromName(u"Violet")), 13);
  EXPECT_EQ(SwatchIndexOf(swatches, ColorFromName(u"Pink")), 0);
  EXPECT_EQ(SwatchIndexOf(swatches, RgbToColorRef(0x123456)), 0);
  SwatchList twice{};
  twice[4] = twice[9] = 0x00ABCDEF;
  EXPECT_EQ(SwatchIndexOf(twice, 0x00ABCDEF), 4);
}

TEST(Swatches, ItemsOutsideTheListHaveNoColour) {
  const SwatchList swatches = ResolvedSwatches();
  EXPECT_EQ(SwatchAt(swatches, 0), swatches[0]);
  EXPECT_EQ(SwatchAt(swatches, 23), swatches[23]);
  EXPECT_FALSE(SwatchAt(swatches, -1));
  EXPECT_FALSE(SwatchAt(swatches, 24));
  EXPECT_FALSE(SwatchAt(swatches, 0xFFFFFFFFLL));
  EXPECT_FALSE(SwatchAt(swatches, LLONG_MIN));
}

TEST(SelectionNumbers, UnsignedFieldReadsLeadingDigitsOnly) {
  EXPECT_EQ(ParseUnsignedField(u"120"), 120);
  EXPECT_EQ(ParseUnsignedField(u"  45px"), 45);
  EXPECT_EQ(ParseUnsignedField(u""), 0);
  EXPECT_EQ(ParseUnsignedField(u"abc"), 0);
  EXPECT_EQ(ParseUnsignedField(u"-40"), 0);
  EXPECT_EQ(ParseUnsignedField(u"+40"), 0);
  EXPECT_EQ(ParseUnsignedField(u"007"), 7);
  EXPECT_EQ(ParseUnsignedField(u"99999999999999999999"), INT_MAX);
}

TEST(SelectionNumbers, ThicknessIsClampedNeverRefused) {
  EXPECT_EQ(ThicknessFromField(u"120", 30, 300), 120);
  EXPECT_EQ(ThicknessFromField(u"30", 30, 300), 30);
  EXPECT_EQ(ThicknessFromField(u"300", 30, 300), 300);
  EXPECT_EQ(ThicknessFromField(u"29", 30, 300), 30);
  EXPECT_EQ(ThicknessFromField(u"301", 30, 300), 300);
  EXPECT_EQ(ThicknessFromField(u"not a number", 30, 300), 30);
  EXPECT_EQ(ThicknessFromField(u"", 30, 300), 30);
  EXPECT_EQ(ThicknessFromField(u"99999999999", 30, 300), 300);
  // Limits that cross: the maximum wins.
  EXPECT_EQ(ThicknessFromField(u"10", 200, 100), 100);
}

TEST(SelectionNumbers, RatioSignFollowsTheRadioButton) {
  EXPECT_EQ(RatioFromField(u"100", true), 100);
  EXPECT_EQ(RatioFromField(u"40", false), -40);
  EXPECT_EQ(RatioFromField(u"0", true), 0);
  EXPECT_EQ(RatioFromField(u"", false), 0);
  EXPECT_EQ(RatioFromField(u"99999999999", false), -INT_MAX);

  EXPECT_EQ(RatioMagnitudeText(100), u"100");
  EXPECT_EQ(RatioMagnitudeText(-40), u"40");
  EXPECT_EQ(RatioMagnitudeText(0), u"0");
  EXPECT_EQ(RatioMagnitudeText(INT_MIN), u"2147483648");
  EXPECT_TRUE(IsFixedRatio(0));
  EXPECT_TRUE(IsFixedRatio(-40));
  EXPECT_FALSE(IsFixedRatio(1));
}

TEST(SelectionMoves, FirstCannotGoUpAndLastCannotGoDown) {
  EXPECT_FALSE(MoveTarget(0, 3, true));
  EXPECT_FALSE(MoveTarget(2, 3, false));
  EXPECT_EQ(MoveTarget(0, 3, false), 1);
  EXPECT_EQ(MoveTarget(2, 3, true), 1);
  EXPECT_FALSE(MoveTarget(0, 1, true));
  EXPECT_FALSE(MoveTarget(0, 1, false));
  EXPECT_FALSE(MoveTarget(-1, 3, false));
  EXPECT_FALSE(MoveTarget(5, 3, true));
  EXPECT_FALSE(MoveTarget(0, 0, false));
}

TEST(SelectionMoves, RemovalSelectsTheEntryThatTookThePlace) {
  EXPECT_EQ(SelectionAfterRemoval(1, 3), 1);
  EXPECT_EQ(SelectionAfterRemoval(0, 1), 0);
  // The last entry removed: nothing follows it.
  EXPECT_EQ(SelectionAfterRemoval(3, 3), -1);
  // The only entry removed.
  EXPECT_EQ(SelectionAfterRemoval(0, 0), -1);
  EXPECT_EQ(SelectionAfterRemoval(-1, 2), -1);
}

}  // namespace
