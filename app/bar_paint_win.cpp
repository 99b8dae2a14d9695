#include "app/bar_paint_win.h"

#include <cwchar>

#include "app/layout.h"
#include "core/fonts_win.h"
#include "core/gdi_win.h"

namespace {

constexpr int kTitleFontHeight = 15;
constexpr int kVerticalTitle = 900;  // tenths of a degree: text running upwards

void FillBand(HDC dc, HBRUSH brush, int left, int top, int right, int bottom) {
  RECT band{left, top, right, bottom};
  FillRect(dc, &band, brush);
}

void PaintBorder(HDC dc, COLORREF color, int width, int height, int border) {
  gdi::Brush brush = gdi::SolidBrush(color);
  FillBand(dc, brush, 0, 0, width, border);
  FillBand(dc, brush, 0, 0, border, height);
  FillBand(dc, brush, 0, height - border, width, height);
  FillBand(dc, brush, width - border, 0, width, height);
}

// Light on the outer top-left and inner bottom-right, dark the other way round:
// the frame stands out and the content sits in. Each edge is a band `line` pixels
// thick (one pixel at 100 %), so the frame keeps its weight at any scale.
void PaintEdgeLines(HDC dc, COLORREF borderColor, int width, int height, int border, int line) {
  const EdgeColors colors = BorderEdgeColors(borderColor);
  gdi::Brush light = gdi::SolidBrush(colors.light);
  gdi::Brush dark = gdi::SolidBrush(colors.dark);
  const int innerRight = width - border;
  const int innerBottom = height - border;
  // The dark bands go last: where bands meet, dark wins.
  FillBand(dc, light, 0, 0, width, line);
  FillBand(dc, light, 0, 0, line, height);
  FillBand(dc, light, innerRight, border, innerRight + line, innerBottom);
  FillBand(dc, light, border, innerBottom, innerRight + line, innerBottom + line);
  FillBand(dc, dark, border, border, innerRight - line, border + line);
  FillBand(dc, dark, border, border, border + line, innerBottom - line);
  FillBand(dc, dark, width - line, 0, width, height - line);
  FillBand(dc, dark, 0, height - line, width, height);
}

// Fills the caption band, writes the title and returns the content rectangle.
RECT PaintCaption(HDC dc, bool vertical, const BarState& state, Scale scale) {
  const int width = state.barWidth, height = state.barHeight, border = state.border, caption = state.caption;
  const RECT band = vertical ? RECT{border, border, width - border, border + caption}
                             : RECT{border, border, border + caption, height - border};
  FillRect(dc, &band, GetSysColorBrush(COLOR_ACTIVECAPTION));
  gdi::Font font = SharedFamilyFont(scale.Px(kTitleFontHeight), vertical ? 0 : kVerticalTitle);
  gdi::Selection selected(dc, font);
  SIZE text{};
  const int length = static_cast<int>(wcslen(kBarTitle));
  GetTextExtentPoint32W(dc, kBarTitle, length, &text);
  const Point title = state.title;
  if (vertical) {
    TextOutW(dc, title.x, title.y - text.cy / 2, kBarTitle, length);
    return {border, border + caption, width - border, height - border};
  }
  TextOutW(dc, title.x - text.cy / 2, title.y, kBarTitle, length);
  return {border + caption, border, width - border, height - border};
}

}  // namespace

void PaintBar(HDC dc, const BarSettings& options, const BarState& state, Scale scale) {
  PaintBorder(dc, options.bdColor, state.barWidth, state.barHeight, state.border);
  gdi::Brush split = gdi::SolidBrush(options.splitColor);
  SetBkMode(dc, TRANSPARENT);
  if (options.bdStyle == kEdgeBorderStyle)
    PaintEdgeLines(dc, options.bdColor, state.barWidth, state.barHeight, state.border, scale.Px(1));
  const RECT content = PaintCaption(dc, options.vertical, state, scale);
  FillRect(dc, &content, split);
}
