#include "widgets/radix/radix.h"

#include <algorithm>

#include "core/font_heights.h"

namespace {

constexpr std::uint64_t kMax32 = 0xFFFFFFFFu;

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

int DigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'z') return c - u'a' + 10;
  if (c >= u'A' && c <= u'Z') return c - u'A' + 10;
  return 99;
}

std::size_t SkipBlanks(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// Digits of `base` from `i`; saturates just above the 32-bit range so that any
// overflow stays visible. Sets `any` when at least one digit was read.
std::uint64_t ReadDigits(std::u16string_view text, std::size_t i, int base, bool& any) {
  std::uint64_t value = 0;
  any = false;
  for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
    any = true;
    value = std::min(value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(DigitValue(text[i])),
                     kMax32 + 1);
  }
  return value;
}

Rect Field(int left, int top, int width, int height) {
  return {left, top, left + std::max(width, 0), top + height};
}

}  // namespace

std::uint32_t ReadDecimalField(std::u16string_view text) {
  std::size_t i = SkipBlanks(text);
  if (i < text.size() && text[i] == u'+') ++i;
  bool any = false;
  const std::uint64_t value = ReadDigits(text, i, 10, any);
  return value > kMax32 ? 0 : static_cast<std::uint32_t>(value);
}

std::uint32_t ReadUnsignedLong(std::u16string_view text, int base) {
  std::size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // "0x" belongs to the number only when a hexadecimal digit follows it; otherwise
  // the '0' alone is read.
  if (base == 16 && i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
      DigitValue(text[i + 2]) < 16)
    i += 2;
  bool any = false;
  const std::uint64_t value = ReadDigits(text, i, base, any);
  if (!any) return 0;
  if (value > kMax32) return static_cast<std::uint32_t>(kMax32);
  const auto result = static_cast<std::uint32_t>(value);
  return negative ? 0u - result : result;
}

std::uint32_t ReadRadixField(int base, std::u16string_view text) {
  return base == 10 ? ReadDecimalField(text) : ReadUnsignedLong(text, base);
}

std::u16string FormatInBase(std::uint32_t value, int base) {
  if (base < 2 || base > 16) return {};
  std::u16string text;
  do {
    text.push_back(u"0123456789abcdef"[value % static_cast<std::uint32_t>(base)]);
    value /= static_cast<std::uint32_t>(base);
  } while (value != 0);
  std::reverse(text.begin(), text.end());
  return text;
}

OtherBases OtherBasesOf(int base) {
  if (base == 10) return {16, 2};
  if (base == 16) return {10, 2};
  return {10, 16};
}

RadixLayout RadixLayoutOf(int width, int height, int halfLabelHeight, Scale scale) {
  auto u = [scale](int units) { return scale.Px(units); };
  const bool wide = width > u(kRadixSingleRowWidth);
  const int y = wide ? height / 2 + u(3) : height / 2 - u(10);
  const int h = halfLabelHeight;
  const int fieldHeight = u(20);
  RadixLayout layout;
  layout.bin = Field(u(20), y - u(25), width - u(25), fieldHeight);
  layout.binLabel = {u(10), y - h - u(12)};
  layout.decLabel = {u(10), y - h + u(10)};
  if (wide) {
    layout.dec = Field(u(20), y, width / 2 - u(20), fieldHeight);
    layout.hex = Field(width / 2 + u(25), y, width / 2 - u(30), fieldHeight);
    layout.hexLabel = {width / 2 + u(15), y - h + u(10)};
  } else {
    layout.dec = Field(u(20), y, width - u(25), fieldHeight);
    layout.hex = Field(u(20), y + u(25), width - u(25), fieldHeight);
    layout.hexLabel = {u(10), y - h + u(35)};
  }
  return layout;
}

int RadixUsableThickness(bool vertical, int across, Scale scale) {
  const int lineHeight = scale.Px(kNormalFontHeight);
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const RadixLayout layout = RadixLayoutOf(size.width, size.height, lineHeight / 2, scale);
    auto label = [&](Point anchor) { return LineAt(anchor.x, anchor.y, lineHeight); };
    const int margin = scale.Px(2);
    for (const Rect& part : {layout.bin, layout.dec, layout.hex, label(layout.binLabel), label(layout.decLabel),
                             label(layout.hexLabel)})
      if (!size.Holds(part, margin)) return false;
    return true;
  });
}
