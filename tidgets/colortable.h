// What the colour table window shows, worked out without a window: its three colour
// lists, the notations of a colour, the swatch grid and which swatch a click hits.
// colortable_win draws it and puts it into controls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"

enum ColorListIndex : int { kNamedByHue = 0, kNamedByName = 1, kWebSafe = 2 };
inline constexpr int kColorListCount = 3;

// The list box's texts, in list order.
inline constexpr TextId kColorListNames[kColorListCount] = {TextId::ColorListByHue, TextId::ColorListByName,
                                                            TextId::ColorListWebSafe};

struct ColorEntry {
  std::u16string name;
  std::uint32_t rgb = 0;  // 0xRRGGBB
};

// True when a comes before b in the user-locale order of names made of letters: letters
// compare without regard to case, and only names that differ in case alone are ordered by
// it, lower case first at the first difference. Unlike a comparison that never answers
// "equal", this is a strict weak ordering, as a sort needs.
bool NameBefore(std::u16string_view a, std::u16string_view b);

// The notations of one colour.
std::u16string RgbText(std::uint32_t rgb);      // "RGB(205, 92, 92)"
std::u16string HexText(std::uint32_t rgb);      // "0XCD5C5C"; unpadded: navy is "0X80"
std::u16string HashText(std::uint32_t rgb);     // "#CD5C5C"; unpadded: navy is "#80"
std::u16string SwatchLabel(std::uint32_t rgb);  // always six digits: "000080"

// The size of the grid's cells and how many go in a row.
struct SwatchLayout {
  int swatchW = 80;
  int swatchH = 50;
  int perRow = 1;
};

// The left panel's places, in pixels at a scale: the list box, the four copy buttons,
// the boxes of the selected and the previous colour, and the caption above the buttons.
struct ColorPanel {
  Rect listBox;
  Rect buttons[4];
  Rect selectedBox;
  Rect previousBox;
  Point caption;
};
ColorPanel ColorPanelOf(Scale scale = {});

// The parts of one swatch cell: its name (centre-top anchor, when names are shown),
// the colour box and the hex label's centre-top anchor.
struct SwatchParts {
  Point name;
  Rect box;
  Point label;
};
SwatchParts SwatchPartsOf(const Rect& cell, bool showNames, Scale scale = {});

// The window's state apart from its controls.
class ColorTable {
 public:
  static constexpr int kLeftPanel = 150;

  // Fills entries with list `index` (anything unknown gives list 0) and selects the first
  // entry as both the selected and the previous one.
  void BuildList(int index);
  // The grid for a client area of width × height (pixels at `scale`).
  void Layout(int clientWidth, int clientHeight, Scale scale = {});
  // Whether the swatch texts take the small font: the cells are at their narrowest.
  bool NarrowCells(Scale scale = {}) const { return layout.swatchW <= scale.Px(80); }
  // The entry a click at (x, y) selects, or -1 in the left panel. A click past the last
  // entry hits the last one; the column is not limited to the row, so a click in the
  // margin right of the last column hits the next row.
  int IndexAt(int x, int y) const;
  // The cell of entry `index` in the grid.
  Rect Cell(int index) const;
  // Remembers the selected entry as the previous one.
  void Select(int index);

  std::vector<ColorEntry> entries;
  int count = 0;
  bool showNames = true;
  SwatchLayout layout;
  int leftPanel = kLeftPanel;
  int selected = 0;
  int previous = 0;
};
