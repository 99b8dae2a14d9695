#include "core/colors.h"

#include <gtest/gtest.h>

#include <iterator>
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

// Written out independently from the CSS colour list: every name and value, in order.
TEST(NamedColors, EveryEntryInStoredOrder) {
  const NamedColor expected[] = {
    {u"IndianRed", 0xCD5C5C}, {u"DarkSalmon", 0xE9967A}, {u"LightCoral", 0xF08080}, {u"Salmon", 0xFA8072},
    {u"OrangeRed", 0xFF4500}, {u"Red", 0xFF0000}, {u"Crimson", 0xDC143C}, {u"FireBrick", 0xB22222},
    {u"DarkRed", 0x8B0000}, {u"MediumVioletRed", 0xC71585}, {u"Pink", 0xFFC0CB}, {u"LightPink", 0xFFB6C1},
    {u"HotPink", 0xFF69B4}, {u"DeepPink", 0xFF1493}, {u"PaleVioletRed", 0xDB7093}, {u"DarKkhaki", 0xBDB76B},
    {u"Khaki", 0xF0E68C}, {u"PaleGoldenRod", 0xEEE8AA}, {u"LightGoldenRodYellow", 0xFAFAD2},
    {u"LightYellow", 0xFFFFE0}, {u"LemonChiffon", 0xFFFACD}, {u"Yellow", 0xFFFF00}, {u"Gold", 0xFFD700},
    {u"PapayaWhip", 0xFFEFD5}, {u"Moccasin", 0xFFE4B5}, {u"PeachPuff", 0xFFDAB9}, {u"Cyan", 0x00FFFF},
    {u"Aqua", 0x00FFFF}, {u"AquaMarine", 0x7FFFD4}, {u"Turquoise", 0x40E0D0}, {u"MediumTurquoise", 0x48D1CC},
    {u"DarkTurquoise", 0x00CED1}, {u"CadetBlue", 0x5F9EA0}, {u"SlateGray", 0x708090},
    {u"LightCyan", 0xE0FFFF}, {u"PaleTurquoise", 0xAFEEEE}, {u"PowderBlue", 0xB0E0E6},
    {u"LightSteelBlue", 0xB0C4DE}, {u"SteelBlue", 0x4682B4}, {u"LightBlue", 0xADD8E6},
    {u"SkyBlue", 0x87CEEB}, {u"LightSkyBlue", 0x87CEFA}, {u"DeepSkyBlue", 0x00BFFF},
    {u"CornflowerBlue", 0x6495ED}, {u"RoyalBlue", 0x4169E1}, {u"MediumSlateBlue", 0x7B68EE},
    {u"DodgerBlue", 0x1E90FF}, {u"Blue", 0x0000FF}, {u"MediumBlue", 0x0000CD}, {u"DarkBlue", 0x00008B},
    {u"Navy", 0x000080}, {u"MidnightBlue", 0x191970}, {u"LightSalmon", 0xFFA07A}, {u"Orange", 0xFFA500},
    {u"DarkOrange", 0xFF8C00}, {u"Coral", 0xFF7F50}, {u"Tomato", 0xFF6347}, {u"MediumGpringGreen", 0x00FA9A},
    {u"SpringGreen", 0x00FF7F}, {u"PaleGreen", 0x98FB98}, {u"GreenYellow", 0xADFF2F},
    {u"ChartReuse", 0x7FFF00}, {u"LawnGreen", 0x7CFC00}, {u"Lime", 0x00FF00}, {u"LightGreen", 0x90EE90},
    {u"YellowGreen", 0x9ACD32}, {u"LimeGreen", 0x32CD32}, {u"MediumSeaGreen", 0x3CB371},
    {u"DarkSeaGreen", 0x8FBC8F}, {u"ForestGreen", 0x228B22}, {u"Seagreen", 0x2E8B57}, {u"Green", 0x008000},
    {u"OliveDrab", 0x6B8E23}, {u"Olive", 0x808000}, {u"DarkOliveGreen", 0x556B2F}, {u"DarkGreen", 0x006400},
    {u"MediumAquaMarine", 0x66CDAA}, {u"Turquoise", 0x40E0D0}, {u"LightSeaGreen", 0x20B2AA},
    {u"DarkCyan", 0x008B8B}, {u"Teal", 0x008080}, {u"Lavender", 0xE6E6FA}, {u"Thistle", 0xD8BFD8},
    {u"Plum", 0xDDA0DD}, {u"Violet", 0xEE82EE}, {u"Fuchsia", 0xFF00FF}, {u"Magenta", 0xFF00FF},
    {u"Orchid", 0xDA70D6}, {u"MediumOrchid", 0xBA55D3}, {u"DarkOrchid", 0x9932CC}, {u"BlueViolet", 0x8A2BE2},
    {u"DarkViolet", 0x9400D3}, {u"MediumPurple", 0x9370DB}, {u"SlateBlue", 0x6A5ACD}, {u"Purple", 0x800080},
    {u"DarkMagenta", 0x8B008B}, {u"DarkSlateBlue", 0x483D8B}, {u"Indigo", 0x4B0082}, {u"HoneyDew", 0xF0FFF0},
    {u"MintCream", 0xF5FFFA}, {u"Azure", 0xF0FFFF}, {u"AliceBlue", 0xF0F8FF}, {u"GhostWhite", 0xF8F8FF},
    {u"WhiteSmoke", 0xF5F5F5}, {u"LavenderBlush", 0xFFF0F5}, {u"MistyRose", 0xFFE4E1},
    {u"AntiqueWhite", 0xFAEBD7}, {u"SeaShell", 0xFFF5EE}, {u"Snow", 0xFFFAFA}, {u"White", 0xFFFFFF},
    {u"Beige", 0xF5F5DC}, {u"Linen", 0xFAF0E6}, {u"OldLace", 0xFDF5E6}, {u"FloralWhite", 0xFFFAF0},
    {u"Ivory", 0xFFFFF0}, {u"Gainsboro", 0xDCDCDC}, {u"LightGrey", 0xD3D3D3}, {u"Silver", 0xC0C0C0},
    {u"DarkGray", 0xA9A9A9}, {u"Gray", 0x808080}, {u"DimGray", 0x696969}, {u"DarkSlateGray", 0x2F4F4F},
    {u"LightSlateGray", 0x778899}, {u"SlateGray", 0x708090}, {u"CornSilk", 0xFFF8DC},
    {u"BlanchedAlmond", 0xFFEBCD}, {u"Bisque", 0xFFE4C4}, {u"NavajoWhite", 0xFFDEAD}, {u"Wheat", 0xF5DEB3},
    {u"SandyBrown", 0xF4A460}, {u"GoldenRod", 0xDAA520}, {u"DarkGoldenRod", 0xB8860B}, {u"Peru", 0xCD853F},
    {u"Chocolate", 0xD2691E}, {u"Maroon", 0x800000}, {u"SaddleBrown", 0x8B4513}, {u"Brown", 0xA52A2A},
    {u"Sienna", 0xA0522D}, {u"Darkred", 0x8B0000}, {u"BurlyWood", 0xDEB887}, {u"Tan", 0xD2B48C},
    {u"RosyBrown", 0xBC8F8F}, {u"Black", 0x000000},
  };
  static_assert(std::size(expected) == kNamedColorCount);
  for (std::size_t i = 0; i < kNamedColorCount; ++i) {
    EXPECT_EQ(std::u16string_view(namedColors[i].name), std::u16string_view(expected[i].name)) << "entry " << i;
    EXPECT_EQ(namedColors[i].rgb, expected[i].rgb) << "entry " << i;
  }
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
