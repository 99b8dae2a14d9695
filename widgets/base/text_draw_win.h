// Drawing the texts the portable widget models produce: char16_t strings written
// and measured on a DC without a copy, the alignment put back at the end of a scope,
// and the Arial face of the large figures.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/fonts_win.h"
#include "core/gdi_win.h"
#include "core/wide_win.h"

inline void TextOut16(HDC dc, int x, int y, std::u16string_view text) {
  TextOutW(dc, x, y, AsWide(text.data()), static_cast<int>(text.size()));
}

inline SIZE TextExtent16(HDC dc, std::u16string_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, AsWide(text.data()), static_cast<int>(text.size()), &size);
  return size;
}

// Sets a text alignment and puts the previous one back at the end of the scope.
class TextAlignScope {
 public:
  TextAlignScope(HDC dc, UINT align) : dc_(dc), previous_(SetTextAlign(dc, align)) {}
  ~TextAlignScope() { SetTextAlign(dc_, previous_); }
  TextAlignScope(const TextAlignScope&) = delete;
  TextAlignScope& operator=(const TextAlignScope&) = delete;

 private:
  HDC dc_;
  UINT previous_;
};

inline gdi::Font ArialFont(int height) {
  return MakeFont(
      {.pixelHeight = height, .face = L"Arial", .weight = FW_NORMAL, .charset = ANSI_CHARSET, .family = FF_SWISS | VARIABLE_PITCH});
}
