#include "app/select_dialogs.h"

#include "app/layout.h"
#include "core/text.h"

namespace {

constexpr const char16_t* kSwatchNames[kSwatchCount] = {
    u"Pink",          u"Khaki",       u"LightYellow",  u"PapayaWhip", u"Moccasin",         u"PaleTurquoise",
    u"LightBlue",     u"LightSkyBlue", u"SpringGreen", u"MediumAquaMarine", u"Turquoise", u"Lavender",
    u"Thistle",       u"Violet",      u"HoneyDew",     u"Beige",      u"Ivory",            u"CornSilk",
    u"Bisque",        u"Wheat",       u"Gainsboro",    u"LightGrey",  u"Silver",           u"DarkGray",
};

}  // namespace

std::u16string AvailableEntryText(const CatalogueEntry& row, const TextTable& texts) {
  std::u16string text = texts[row.name];
  if (!row.multi) text += texts[TextId::SingleInstanceMark];
  return text;
}

std::u16string InUseEntryText(std::u16string_view caption, std::u16string_view name) {
  std::u16string text(caption);
  text += u'-';
  text += name;
  return text;
}

SwatchList ResolvedSwatches() {
  SwatchList swatches{};
  for (int i = 0; i < kSwatchCount; ++i) swatches[i] = ColorFromName(kSwatchNames[i]);
  return swatches;
}

int SwatchIndexOf(const SwatchList& swatches, ColorRef color) {
  for (int i = 0; i < kSwatchCount; ++i)
    if (swatches[i] == color) return i;
  return 0;
}

std::optional<ColorRef> SwatchAt(const SwatchList& swatches, long long item) {
  if (item < 0 || item >= kSwatchCount) return std::nullopt;
  return swatches[static_cast<std::size_t>(item)];
}

int ParseUnsignedField(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u" \t");
  // A sign (or anything but a digit) makes the field not a number.
  if (first == std::u16string_view::npos || text[first] < u'0' || text[first] > u'9') return 0;
  return ParseIntPrefix(text.substr(first));
}

int ThicknessFromField(std::u16string_view text, int minThick, int maxThick) {
  return ClampThickness(ParseUnsignedField(text), minThick, maxThick);
}

int RatioFromField(std::u16string_view magnitude, bool relative) {
  const int value = ParseUnsignedField(magnitude);
  return relative ? value : -value;
}

std::u16string RatioMagnitudeText(int ratio) {
  const long long value = ratio;
  return FormatInt(value < 0 ? -value : value);
}

std::optional<int> MoveTarget(int selected, int count, bool up) {
  if (selected < 0 || selected >= count) return std::nullopt;
  const int target = up ? selected - 1 : selected + 1;
  if (target < 0 || target >= count) return std::nullopt;
  return target;
}

int SelectionAfterRemoval(int removed, int countAfter) {
  if (removed < 0 || removed >= countAfter) return -1;
  return removed;
}
