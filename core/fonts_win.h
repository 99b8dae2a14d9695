// Fonts: the one way the program makes them, and the three the bar's panels share.
#pragma once

#include <windows.h>

#include "core/gdi_win.h"
#include "core/scale.h"

// A font as the program makes them: stroke precision, draft quality, the rest as given.
struct FontSpec {
  int pixelHeight = 0;
  const wchar_t* face = L"맑은 고딕";
  int weight = FW_DONTCARE;
  BYTE charset = HANGEUL_CHARSET;
  BYTE family = FF_MODERN | VARIABLE_PITCH;
  // Tenths of a degree the text is turned by.
  int escapement = 0;
};
gdi::Font MakeFont(const FontSpec& spec);

// Shared fonts, made by the bar when it is created (heights in core/font_heights.h) at
// the bar's scale, and made again when that changes. Process-wide, as the panels'
// controls all show them.
extern gdi::Font normalFont;
extern gdi::Font smallFont;
extern gdi::Font largeFont;
// Makes and frees the three; the bar calls them from its creation and destruction.
void CreateSharedFonts(Scale scale = {});
void ReleaseSharedFonts();

// A font of the shared fonts' face and options, `pixelHeight` pixels high (a cell
// height), its text turned by `escapement` tenths of a degree. Tool windows make
// theirs with it at their own scale.
gdi::Font SharedFamilyFont(int pixelHeight, int escapement = 0);

// The shared face as high as a device context's default font, for `window`'s scale.
// Texts that used to take the default font keep their size and place and get the
// Hangul the default font lacks on most systems.
gdi::Font DefaultHeightSharedFont(HWND window);
