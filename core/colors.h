// The named-colour table (CSS values) and its case-insensitive lookup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Win32 COLORREF layout: 0x00BBGGRR.
using ColorRef = std::uint32_t;

struct NamedColor {
  const char16_t* name;
  std::uint32_t rgb;  // 0xRRGGBB
};

inline constexpr std::size_t kNamedColorCount = 143;

// Stored order matters: the colour table tool lists the entries in it. Duplicate and
// misspelt names are kept as they are; a terminating entry {u"", 0} follows.
extern const NamedColor namedColors[kNamedColorCount + 1];

constexpr ColorRef RgbToColorRef(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

// 0-based index of the first entry whose name matches without regard to ASCII case,
// or -1. The first match wins, so "darkred" finds DarkRed and never the later Darkred.
int NamedColorIndex(std::u16string_view name);

// 0 (black) for a name not in the table.
ColorRef ColorFromName(std::u16string_view name);

// The memo widget's background and text choices, looked up during static
// initialisation; read them at run time, not from another file's static initialiser.
extern const ColorRef memoBackColors[6];
extern const ColorRef memoTextColors[6];
