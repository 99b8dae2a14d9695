#include "core/colors.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text.h"

namespace {

std::vector<int> PositionsOf(std::u16string_view name) {
  std::vector<int> found;
  for (std::size_t i = 0; i < kNamedColorCount; ++i)
    if (namedColors[i].name == name) found.push_back(static_cast<int>(i) + 1);
  return found;
}

}  // namespace

TEST(NamedColors, HoldsExactly143NamesAndATerminator) {
  for (std::size_t i = 0; i < kNamedColorCount; ++i) {
    std::u16string_view name = namedColors[i].name;
    ASSERT_FALSE(name.empty()) << "entry " << i;
    for (char16_t c : name)
      EXPECT_TRUE((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) << "entry " << i;
    EXPECT_LE(namedColors[i].rgb, 0xFFFFFFu) << "entry " << i;
  }
  EXPECT_EQ(std::u16string_view(namedColors[kNamedColorCount].name), u"");
  EXPECT_EQ(namedColors[kNamedColorCount].rgb, 0u);
}

TEST(NamedColors, StoredOrderEndsAndTellingRows) {
  EXPECT_EQ(std::u16string_view(namedColors[0].name), u"IndianRed");
  EXPECT_EQ(namedColors[0].rgb, 0xCD5C5Cu);
  EXPECT_EQ(std::u16string_view(namedColors[23].name), u"PapayaWhip");
  EXPECT_EQ(namedColors[23].rgb, 0xFFEFD5u);
  EXPECT_EQ(std::u16string_view(namedColors[97].name), u"Indigo");
  EXPECT_EQ(namedColors[97].rgb, 0x4B0082u);
  EXPECT_EQ(std::u16string_view(namedColors[117].name), u"Silver");
  EXPECT_EQ(namedColors[117].rgb, 0xC0C0C0u);
  EXPECT_EQ(std::u16string_view(namedColors[142].name), u"Black");
  EXPECT_EQ(namedColors[142].rgb, 0u);
}

TEST(NamedColors, OnlyTheKnownNamesRepeat) {
  std::vector<std::pair<int, int>> repeats;
  for (std::size_t i = 0; i < kNamedColorCount; ++i)
    for (std::size_t j = i + 1; j < kNamedColorCount; ++j)
      if (EqualsIgnoreCaseAscii(namedColors[i].name, namedColors[j].name))
        repeats.emplace_back(static_cast<int>(i) + 1, static_cast<int>(j) + 1);
  std::vector<std::pair<int, int>> expected = {{9, 139}, {30, 78}, {34, 124}};
  EXPECT_EQ(repeats, expected);
  EXPECT_EQ(PositionsOf(u"Turquoise"), (std::vector<int>{30, 78}));
  EXPECT_EQ(PositionsOf(u"SlateGray"), (std::vector<int>{34, 124}));
  EXPECT_EQ(PositionsOf(u"DarkRed"), (std::vector<int>{9}));
  EXPECT_EQ(PositionsOf(u"Darkred"), (std::vector<int>{139}));
}

TEST(NamedColors, MisspeltNamesCarryTheValuesOfTheRightOnes) {
  EXPECT_EQ(namedColors[PositionsOf(u"DarKkhaki").at(0) - 1].rgb, 0xBDB76Bu);
  EXPECT_EQ(namedColors[PositionsOf(u"MediumGpringGreen").at(0) - 1].rgb, 0x00FA9Au);
  EXPECT_EQ(namedColors[PositionsOf(u"ChartReuse").at(0) - 1].rgb, 0x7FFF00u);
  EXPECT_EQ(namedColors[PositionsOf(u"Seagreen").at(0) - 1].rgb, 0x2E8B57u);
  EXPECT_EQ(namedColors[138].rgb, namedColors[8].rgb);
  EXPECT_EQ(namedColors[8].rgb, 0x8B0000u);
}

TEST(NamedColors, SharedValues) {
  EXPECT_EQ(ColorFromName(u"Cyan"), ColorFromName(u"Aqua"));
  EXPECT_EQ(ColorFromName(u"Fuchsia"), ColorFromName(u"Magenta"));
  EXPECT_EQ(ColorFromName(u"Cyan"), 0x00FFFF00u);
  EXPECT_EQ(ColorFromName(u"Magenta"), 0x00FF00FFu);
}

TEST(RgbToColorRef, SwapsRedAndBlue) {
  static_assert(RgbToColorRef(0x4B0082) == 0x0082004B);
  EXPECT_EQ(RgbToColorRef(0x123456), 0x00563412u);
  EXPECT_EQ(RgbToColorRef(0xFF0000), 0x000000FFu);
  EXPECT_EQ(RgbToColorRef(0x0000FF), 0x00FF0000u);
  EXPECT_EQ(RgbToColorRef(0x00FF00), 0x0000FF00u);
}

TEST(ColorFromName, IgnoresCase) {
  EXPECT_EQ(ColorFromName(u"INDIGO"), 0x0082004Bu);
  EXPECT_EQ(ColorFromName(u"Indigo"), 0x0082004Bu);
  EXPECT_EQ(ColorFromName(u"indigo"), 0x0082004Bu);
  EXPECT_EQ(ColorFromName(u"PapayaWhip"), 14020607u);
  EXPECT_EQ(ColorFromName(u"indianred"), 0x005C5CCDu);
}

TEST(ColorFromName, UnknownGivesBlack) {
  EXPECT_EQ(ColorFromName(u""), 0u);
  EXPECT_EQ(ColorFromName(u"NoSuchColour"), 0u);
  EXPECT_EQ(ColorFromName(u"LightGray"), 0u);
  EXPECT_EQ(ColorFromName(u"LightGrey"), 0x00D3D3D3u);
  // Prefixes and longer names are not matches.
  EXPECT_EQ(ColorFromName(u"Re"), 0u);
  EXPECT_EQ(ColorFromName(u"Reds"), 0u);
  // Only the misspelt form is stored, so the right name is not found.
  EXPECT_EQ(ColorFromName(u"MediumSpringGreen"), 0u);
  EXPECT_EQ(NamedColorIndex(u""), -1);
  EXPECT_EQ(NamedColorIndex(u"LightGray"), -1);
}

TEST(ColorFromName, FirstMatchWins) {
  EXPECT_EQ(NamedColorIndex(u"darkred"), 8);
  EXPECT_EQ(NamedColorIndex(u"Darkred"), 8);
  EXPECT_EQ(NamedColorIndex(u"turquoise"), 29);
  EXPECT_EQ(NamedColorIndex(u"SLATEGRAY"), 33);
  EXPECT_EQ(NamedColorIndex(u"Black"), 142);
  EXPECT_EQ(NamedColorIndex(u"darkkhaki"), 15);
  EXPECT_EQ(ColorFromName(u"darkred"), 0x0000008Bu);
}

TEST(MemoColors, ResolvedFromTheTable) {
  const ColorRef back[6] = {0x00CDFAFF, 0x002FFFAD, 0x00FFBF00, 0x00DDA0DD, 0x00C1B6FF, 0x00FAFAFF};
  const ColorRef text[6] = {0x00000000, 0x000000FF, 0x00FF0000, 0x00FF00FF, 0x00000080, 0x0082004B};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(memoBackColors[i], back[i]) << i;
    EXPECT_EQ(memoTextColors[i], text[i]) << i;
  }
}
