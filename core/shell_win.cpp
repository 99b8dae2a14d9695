#include "core/shell_win.h"

#include "core/dpi_win.h"

HWND barHandle = nullptr;
HWND activeDialog = nullptr;
gdi::Font normalFont;
gdi::Font smallFont;
gdi::Font largeFont;

gdi::Font SharedFamilyFont(int pixelHeight, int escapement) {
  return gdi::Font(CreateFontW(pixelHeight, 0, escapement, escapement, 0, FALSE, FALSE, FALSE, HANGEUL_CHARSET,
                               OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, FF_MODERN | VARIABLE_PITCH,
                               L"맑은 고딕"));
}

gdi::Font DefaultHeightSharedFont(HWND window) {
  // The default font is made for the desktop's scale; the window may be on another.
  gdi::WindowDC screen(nullptr);
  TEXTMETRICW metrics{};
  if (!screen || !GetTextMetricsW(screen, &metrics)) metrics.tmHeight = 16;
  const int desktopDpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
  return SharedFamilyFont(
      MulDiv(metrics.tmHeight, SystemScaleOf(window).dpi(), desktopDpi > 0 ? desktopDpi : kBaseDpi));
}
