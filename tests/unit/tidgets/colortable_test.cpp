#include "tidgets/colortable.h"

#include <gtest/gtest.h>

#include "core/colors.h"

namespace {

int IndexOf(const ColorTable& table, std::u16string_view name) {
  for (int i = 0; i < table.count; ++i)
    if (table.entries[i].name == name) return i;
  return -1;
}

TEST(ColorTable, ListsAndTheirOrder) {
  ColorTable table;
  table.BuildList(kNamedByHue);
  ASSERT_EQ(table.count, 143);
  EXPECT_EQ(table.entries[142].name, namedColors[142].name);
  table.Select(9);
  table.BuildList(kWebSafe);
  EXPECT_EQ(table.selected + table.previous, 0);
  EXPECT_FALSE(table.showNames);
  ASSERT_EQ(table.count, 216);
  for (auto [index, name] : {std::pair{0, u"000000"}, {1, u"000033"}, {6, u"003300"}, {52, u"3366CC"}, {215, u"FFFFFF"}})
    EXPECT_EQ(table.entries[index].name, name) << index;

  // By name, case aside: code-unit order would put "DarKkhaki" first of the Dark ones and
  // "Darkred" far from "DarkRed"; equal names keep their stored order.
  table.BuildList(kNamedByName);
  EXPECT_EQ(table.entries.front().name, u"AliceBlue");
  EXPECT_EQ(IndexOf(table, u"DarkRed"), IndexOf(table, u"Darkred") + 1);
  EXPECT_LT(IndexOf(table, u"DarkGreen"), IndexOf(table, u"DarKkhaki"));
  EXPECT_LT(IndexOf(table, u"Seagreen"), IndexOf(table, u"SeaShell"));
  EXPECT_FALSE(NameBefore(u"Turquoise", u"Turquoise"));
  EXPECT_TRUE(NameBefore(u"DarkRe", u"darkred"));
}

TEST(ColorTable, HexNotationsAreUnpaddedButSwatchLabelsAreNot) {
  EXPECT_EQ(RgbText(0x000080), u"RGB(0, 0, 128)");
  EXPECT_EQ(HexText(0x000080), u"0X80");
  EXPECT_EQ(HashText(0x0A0B0C), u"#A0B0C");
  EXPECT_EQ(SwatchLabel(0x000080), u"000080");
}

TEST(ColorTable, LayoutAndClicks) {
  struct Case {
    int width, height, list, swatchW, swatchH, perRow;
  };
  for (const Case& c : {Case{1430, 900, kNamedByHue, 80, 100, 16}, Case{1750, 1000, kWebSafe, 100, 71, 16},
                        Case{200, 100, kNamedByHue, 80, 50, 1}, Case{100, 0, kWebSafe, 80, 50, 1}}) {
    ColorTable table;
    table.BuildList(c.list);
    table.Layout(c.width, c.height);
    EXPECT_EQ(table.layout.swatchW, c.swatchW) << c.width;
    EXPECT_EQ(table.layout.swatchH, c.swatchH) << c.width;
    EXPECT_EQ(table.layout.perRow, c.perRow) << c.width;
  }
  ColorTable table;
  table.BuildList(kNamedByHue);
  table.Layout(1450, 900);  // cells 81 × 100, 16 a row, a 4-pixel margin at the right
  EXPECT_EQ(table.IndexAt(150, 10), -1) << "left panel";
  EXPECT_EQ(table.IndexAt(150 + 81 * 2 + 5, 103), 18);
  EXPECT_EQ(table.IndexAt(150 + 81 * 16 + 2, 3), 16) << "the margin hits the next row";
  EXPECT_EQ(table.IndexAt(400, 30000), 142) << "below the last row";
  EXPECT_EQ(table.IndexAt(400, -5000), 3) << "a forged negative y stays in the first row";
  EXPECT_EQ(table.Cell(18), (Rect{312, 100, 393, 200}));
}

}  // namespace
