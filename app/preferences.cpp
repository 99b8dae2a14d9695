#include "app/preferences.h"

#include <algorithm>

#include "core/text.h"

namespace {

struct NumberField {
  PrefsField field;
  int BarSettings::*member;
  IntRange range;
};

constexpr NumberField kNumberFields[] = {
    {PrefsField::BorderThick, &BarSettings::bdThick, kBorderRange},
    {PrefsField::CaptionThick, &BarSettings::capThick, kCaptionRange},
    {PrefsField::SplitThick, &BarSettings::splitThick, kSplitterRange},
    {PrefsField::VertThick, &BarSettings::vertThick, kBarThickRange},
    {PrefsField::HorzThick, &BarSettings::horzThick, kBarThickRange},
    {PrefsField::TidgetSize, &BarSettings::tidgetSize, kTidgetSizeRange},
    {PrefsField::TidgetGap, &BarSettings::tidgetGap, kTidgetGapRange},
    {PrefsField::WidgetMinThick, &BarSettings::widgetMinThick, kWidgetThickRange},
    {PrefsField::WidgetMaxThick, &BarSettings::widgetMaxThick, kWidgetThickRange},
};

struct ColorField {
  PrefsField field;
  ColorRef BarSettings::*member;
};

constexpr ColorField kColorFields[] = {
    {PrefsField::BorderColor, &BarSettings::bdColor},
    {PrefsField::SplitColor, &BarSettings::splitColor},
};

std::u16string_view Trimmed(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u" \t");
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// All digits, saturating well above every range so that a long entry is simply
// out of range.
std::optional<int> ParseDigits(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value > 100000000 ? value : value * 10 + (c - u'0');
  }
  return value;
}

std::u16string RangeMessage(IntRange range, const TextTable& words) {
  return words.Format(TextId::PrefsRange, {FormatInt(range.low), FormatInt(range.high)});
}

}  // namespace

std::optional<IntRange> FieldRange(PrefsField field) {
  for (const NumberField& number : kNumberFields)
    if (number.field == field) return number.range;
  return std::nullopt;
}

std::u16string ColorText(ColorRef color) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  const unsigned channels[] = {color & 0xFFu, (color >> 8) & 0xFFu, (color >> 16) & 0xFFu};
  std::u16string text = u"#";
  for (unsigned channel : channels) {
    text += kHex[channel >> 4];
    text += kHex[channel & 0xFu];
  }
  return text;
}

std::optional<ColorRef> ColorFromText(std::u16string_view text) {
  text = Trimmed(text);
  if (text.size() == 7 && text[0] == u'#') {
    std::uint32_t rgb = 0;
    for (char16_t c : text.substr(1)) {
      const int digit = HexDigit(c);
      if (digit < 0) return std::nullopt;
      rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    return RgbToColorRef(rgb);
  }
  const int named = text.empty() ? -1 : NamedColorIndex(text);
  if (named < 0) return std::nullopt;
  return RgbToColorRef(namedColors[named].rgb);
}

PrefsTexts PrefsTextsOf(const BarSettings& bar) {
  PrefsTexts texts;
  for (const NumberField& number : kNumberFields) texts[FieldIndex(number.field)] = FormatInt(bar.*number.member);
  for (const ColorField& color : kColorFields) texts[FieldIndex(color.field)] = ColorText(bar.*color.member);
  return texts;
}

PrefsEntry ReadPrefsTexts(const BarSettings& base, const PrefsTexts& texts, const TextTable& words) {
  PrefsEntry entry{base, {}};
  auto refuse = [&](PrefsField field, std::u16string message) {
    entry.problems.push_back({field, std::move(message)});
  };
  for (const NumberField& number : kNumberFields) {
    const std::optional<int> value = ParseDigits(Trimmed(texts[FieldIndex(number.field)]));
    if (value && *value >= number.range.low && *value <= number.range.high)
      entry.settings.*number.member = *value;
    else
      refuse(number.field, RangeMessage(number.range, words));
  }
  for (const ColorField& color : kColorFields) {
    if (const std::optional<ColorRef> value = ColorFromText(texts[FieldIndex(color.field)]))
      entry.settings.*color.member = *value;
    else
      refuse(color.field, words[TextId::PrefsColor]);
  }
  auto refused = [&](PrefsField field) {
    for (const PrefsProblem& problem : entry.problems)
      if (problem.field == field) return true;
    return false;
  };
  if (!refused(PrefsField::WidgetMinThick) && !refused(PrefsField::WidgetMaxThick) &&
      entry.settings.widgetMinThick > entry.settings.widgetMaxThick)
    refuse(PrefsField::WidgetMinThick, words[TextId::PrefsMinAboveMax]);
  // In dialog order, so that the first one is the field to go back to.
  std::stable_sort(entry.problems.begin(), entry.problems.end(),
                   [](const PrefsProblem& a, const PrefsProblem& b) { return a.field < b.field; });
  return entry;
}
