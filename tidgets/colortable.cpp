#include "tidgets/colortable.h"

#include <algorithm>

#include "core/colors.h"
#include "core/text.h"

namespace {

char16_t FoldCase(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::u16string Hex(std::uint32_t value, int minDigits) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), u"0123456789ABCDEF"[value % 16]);
    value /= 16;
  } while (value != 0);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), u'0');
  return digits;
}

std::vector<ColorEntry> NamedEntries() {
  std::vector<ColorEntry> entries;
  for (const NamedColor* color = namedColors; color->name[0] != u'\0'; ++color)
    entries.push_back({color->name, color->rgb});
  return entries;
}

// Every channel stepping 0, 0x33, …, 0xFF, blue fastest.
std::vector<ColorEntry> WebSafeEntries() {
  std::vector<ColorEntry> entries;
  for (std::uint32_t red = 0; red <= 255; red += 51)
    for (std::uint32_t green = 0; green <= 255; green += 51)
      for (std::uint32_t blue = 0; blue <= 255; blue += 51) {
        const std::uint32_t rgb = red << 16 | green << 8 | blue;
        entries.push_back({SwatchLabel(rgb), rgb});
      }
  return entries;
}

}  // namespace

bool NameBefore(std::u16string_view a, std::u16string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return FoldCase(a[i]) < FoldCase(b[i]);
  if (a.size() != b.size()) return a.size() < b.size();
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return a[i] > b[i];  // the same letter: lower case has the larger code
  return false;
}

std::u16string RgbText(std::uint32_t rgb) {
  return u"RGB(" + FormatInt(rgb >> 16 & 0xFF) + u", " + FormatInt(rgb >> 8 & 0xFF) + u", " +
         FormatInt(rgb & 0xFF) + u")";
}

std::u16string HexText(std::uint32_t rgb) { return u"0X" + Hex(rgb, 1); }
std::u16string HashText(std::uint32_t rgb) { return u"#" + Hex(rgb, 1); }
std::u16string SwatchLabel(std::uint32_t rgb) { return Hex(rgb, 6); }

void ColorTable::BuildList(int index) {
  if (index == kWebSafe) {
    entries = WebSafeEntries();
  } else {
    entries = NamedEntries();
    // Stable, so the names stored twice keep their stored order.
    if (index == kNamedByName)
      std::stable_sort(entries.begin(), entries.end(),
                       [](const ColorEntry& a, const ColorEntry& b) { return NameBefore(a.name, b.name); });
  }
  count = static_cast<int>(entries.size());
  showNames = index != kWebSafe;
  selected = 0;
  previous = 0;
}

void ColorTable::Layout(int clientWidth, int clientHeight, Scale scale) {
  leftPanel = scale.Px(kLeftPanel);
  const int avail = clientWidth - leftPanel;
  layout.swatchW = std::max(avail / 16, scale.Px(80));
  layout.perRow = std::max(avail / layout.swatchW, 1);
  layout.swatchH = std::max(clientHeight / (count / layout.perRow + 1), scale.Px(50));
}

ColorPanel ColorPanelOf(Scale scale) {
  ColorPanel panel;
  panel.listBox = scale.Px(Rect{5, 5, 135, 155});
  for (int i = 0; i < 4; ++i) {
    const int y = 480 + 30 * i;
    panel.buttons[i] = scale.Px(Rect{5, y, 135, y + 25});
  }
  panel.selectedBox = scale.Px(Rect{5, 170, 135, 300});
  panel.previousBox = scale.Px(Rect{5, 305, 135, 435});
  panel.caption = scale.Px(Point{5, 455});
  return panel;
}

SwatchParts SwatchPartsOf(const Rect& cell, bool showNames, Scale scale) {
  const int centre = cell.left + cell.Width() / 2;
  const int inset = scale.Px(4);
  const int labelTop = cell.bottom - scale.Px(20);
  const int boxTop = showNames ? cell.top + scale.Px(20) : cell.top + inset;
  return {{centre, cell.top + scale.Px(2)},
          {cell.left + inset, boxTop, cell.right - inset, labelTop},
          {centre, labelTop}};
}

int ColorTable::IndexAt(int x, int y) const {
  if (x <= leftPanel || count == 0) return -1;
  // y only goes negative in a forged message; the first row is the sound answer then.
  const int index = std::max(y, 0) / layout.swatchH * layout.perRow + (x - leftPanel) / layout.swatchW;
  return std::min(index, count - 1);
}

Rect ColorTable::Cell(int index) const {
  const int x = leftPanel + index % layout.perRow * layout.swatchW;
  const int y = index / layout.perRow * layout.swatchH;
  return {x, y, x + layout.swatchW, y + layout.swatchH};
}

void ColorTable::Select(int index) {
  previous = selected;
  selected = index;
}
