#include "tidgets/colortable.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/colors.h"

namespace {

int IndexOf(const ColorTable& table, std::u16string_view name) {
  for (int i = 0; i < table.count; ++i)
    if (table.entries[i].name == name) return i;
  return -1;
}

TEST(ColorTableLists, NamedListKeepsTheStoredOrder) {
  ColorTable table;
  table.BuildList(kNamedByHue);
  ASSERT_EQ(table.count, 143);
  EXPECT_TRUE(table.showNames);
  for (int i = 0; i < table.count; ++i) {
    EXPECT_EQ(table.entries[i].name, namedColors[i].name);
    EXPECT_EQ(table.entries[i].rgb, namedColors[i].rgb);
  }
}

TEST(ColorTableLists, WebSafeListRunsBlueFastestWithoutNameLines) {
  ColorTable table;
  table.BuildList(kWebSafe);
  ASSERT_EQ(table.count, 216);
  EXPECT_FALSE(table.showNames);
  const std::pair<int, const char16_t*> cases[] = {
      {0, u"000000"}, {1, u"000033"}, {5, u"0000FF"}, {6, u"003300"}, {52, u"3366CC"}, {215, u"FFFFFF"}};
  for (auto [index, name] : cases) {
    EXPECT_EQ(table.entries[index].name, name) << index;
    EXPECT_EQ(SwatchLabel(table.entries[index].rgb), name) << index;
  }
}

TEST(ColorTableLists, BuildingAListSelectsTheFirstEntryAsBothSelectedAndPrevious) {
  ColorTable table;
  table.BuildList(kNamedByHue);
  table.Select(7);
  table.Select(9);
  EXPECT_EQ(table.previous, 7);
  table.BuildList(kWebSafe);
  EXPECT_EQ(table.selected, 0);
  EXPECT_EQ(table.previous, 0);
}

TEST(ColorTableSort, NamesSortWithoutCaseAndCaseVariantsSitTogether) {
  ColorTable table;
  table.BuildList(kNamedByName);
  ASSERT_EQ(table.count, 143);
  EXPECT_EQ(table.entries.front().name, u"AliceBlue");
  EXPECT_EQ(table.entries.back().name, u"YellowGreen");
  EXPECT_TRUE(std::is_sorted(table.entries.begin(), table.entries.end(),
                             [](const ColorEntry& a, const ColorEntry& b) { return NameBefore(a.name, b.name); }));
  // Code-unit order would put "DarKkhaki" before "DarkBlue" and "Darkred" far from "DarkRed".
  EXPECT_EQ(IndexOf(table, u"DarkRed"), IndexOf(table, u"Darkred") + 1);
  EXPECT_LT(IndexOf(table, u"DarkGreen"), IndexOf(table, u"DarKkhaki"));
  EXPECT_LT(IndexOf(table, u"SeaShell"), IndexOf(table, u"Sienna"));
  EXPECT_LT(IndexOf(table, u"Seagreen"), IndexOf(table, u"SeaShell"));
}

TEST(ColorTableSort, OrderIsStrictAndWeak) {
  const char16_t* names[] = {u"Darkred", u"DarkRed", u"darkred", u"DarkRe", u"Turquoise", u"Turquoise"};
  for (const char16_t* a : names) {
    EXPECT_FALSE(NameBefore(a, a)) << "irreflexive";
    for (const char16_t* b : names)
      EXPECT_FALSE(NameBefore(a, b) && NameBefore(b, a)) << "asymmetric";
  }
  EXPECT_TRUE(NameBefore(u"darkred", u"Darkred"));
  EXPECT_TRUE(NameBefore(u"Darkred", u"DarkRed"));
  EXPECT_TRUE(NameBefore(u"DarkRe", u"darkred"));
}

TEST(ColorTableText, NotationsOfAColour) {
  struct Case {
    std::uint32_t rgb;
    const char16_t* rgbText;
    const char16_t* hex;
    const char16_t* hash;
    const char16_t* label;
  };
  const Case cases[] = {
      {0xCD5C5C, u"RGB(205, 92, 92)", u"0XCD5C5C", u"#CD5C5C", u"CD5C5C"},
      {0x000080, u"RGB(0, 0, 128)", u"0X80", u"#80", u"000080"},
      {0x000000, u"RGB(0, 0, 0)", u"0X0", u"#0", u"000000"},
      {0x0A0B0C, u"RGB(10, 11, 12)", u"0XA0B0C", u"#A0B0C", u"0A0B0C"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RgbText(c.rgb), c.rgbText);
    EXPECT_EQ(HexText(c.rgb), c.hex);
    EXPECT_EQ(HashText(c.rgb), c.hash);
    EXPECT_EQ(SwatchLabel(c.rgb), c.label);
  }
}

TEST(ColorTableLayout, CellsShareTheWidthAndHeightWithinLimits) {
  struct Case {
    int width, height, list;
    SwatchLayout expected;
  };
  const Case cases[] = {
      {1430, 900, kNamedByHue, {80, 100, 16}},    // 143 in 9 rows of 16
      {1750, 1000, kWebSafe, {100, 71, 16}},      // 216 in 14 rows
      {200, 100, kNamedByHue, {80, 50, 1}},       // narrow: the grid runs past the window
      {100, 0, kWebSafe, {80, 50, 1}},            // narrower than the left panel
  };
  for (const Case& c : cases) {
    ColorTable table;
    table.BuildList(c.list);
    table.Layout(c.width, c.height);
    EXPECT_EQ(table.layout.swatchW, c.expected.swatchW) << c.width;
    EXPECT_EQ(table.layout.swatchH, c.expected.swatchH) << c.width;
    EXPECT_EQ(table.layout.perRow, c.expected.perRow) << c.width;
  }
}

TEST(ColorTableLayout, ClicksHitCellsBeyondTheGridsEdges) {
  ColorTable table;
  table.BuildList(kNamedByHue);
  table.Layout(1450, 900);  // cells 81 wide, 16 a row, a 4-pixel margin at the right
  ASSERT_EQ(table.layout.perRow, 16);
  const int swatchH = table.layout.swatchH;
  EXPECT_EQ(table.IndexAt(150, 10), -1) << "left panel";
  EXPECT_EQ(table.IndexAt(151, 0), 0);
  EXPECT_EQ(table.IndexAt(150 + 81 * 2 + 5, swatchH + 3), 18);
  EXPECT_EQ(table.IndexAt(150 + 81 * 16 + 2, 3), 16) << "margin hits the next row";
  EXPECT_EQ(table.IndexAt(400, 30000), 142) << "below the last row";
  EXPECT_EQ(table.IndexAt(400, -5000), 3) << "a forged negative y stays in the first row";
  EXPECT_EQ(table.Cell(18), (Rect{150 + 162, swatchH, 150 + 243, 2 * swatchH}));
}

}  // namespace
