#include "core/fonts_win.h"

#include "core/dpi_win.h"
#include "core/font_heights.h"

gdi::Font normalFont;
gdi::Font smallFont;
gdi::Font largeFont;

gdi::Font MakeFont(const FontSpec& spec) {
  return gdi::Font(CreateFontW(spec.pixelHeight, 0, spec.escapement, spec.escapement, spec.weight, FALSE, FALSE,
                               FALSE, spec.charset, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY,
                               spec.family, spec.face));
}

gdi::Font SharedFamilyFont(int pixelHeight, int escapement) {
  return MakeFont({.pixelHeight = pixelHeight, .escapement = escapement});
}

void CreateSharedFonts(Scale scale) {
  normalFont = SharedFamilyFont(scale.Px(kNormalFontHeight));
  smallFont = SharedFamilyFont(scale.Px(kSmallFontHeight));
  largeFont = SharedFamilyFont(scale.Px(kLargeFontHeight));
}

void ReleaseSharedFonts() {
  normalFont.reset();
  smallFont.reset();
  largeFont.reset();
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
