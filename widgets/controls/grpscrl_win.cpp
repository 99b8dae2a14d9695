// Window procedure of "GrpScrl". Position and pixel arithmetic is in grpscrl.cpp;
// this file keeps the data block, paints and notifies the parent.
#include "widgets/controls/grpscrl_win.h"

#include <windowsx.h>

#include <new>

#include "core/dpi_win.h"
#include "core/frameless_win.h"
#include "core/window_win.h"
#include "core/gdi_win.h"
#include "core/geometry_win.h"
#include "widgets/controls/grpscrl.h"

namespace {

using grpscrl::SliderData;
using grpscrl::SliderGeometry;

constexpr int kGroovePenCount = 5;
constexpr int kThumbCorner = 10;

// Shared by all sliders. They live while any slider exists: the last slider to
// go deletes them, so a second slider never draws with deleted pens.
gdi::Pen groovePens[kGroovePenCount];
int sliderCount = 0;

void AddSlider() {
  if (sliderCount++ > 0) return;
  for (int i = 0; i < kGroovePenCount; ++i) {
    const int level = 32 * (i + 1);
    groovePens[i] = gdi::SolidPen(1, RGB(level, level, level));
  }
}

void RemoveSlider() {
  if (--sliderCount > 0) return;
  for (gdi::Pen& pen : groovePens) pen.reset();
}

SliderData* Data(HWND hwnd) { return reinterpret_cast<SliderData*>(GetWindowLongPtrW(hwnd, 0)); }

SliderGeometry Geometry(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const bool horizontal = (GetWindowLongW(hwnd, GWL_STYLE) & GSS_HORZ) != 0;
  return {client.right - client.left, client.bottom - client.top, horizontal};
}

// Coordinate of a mouse message along the track (signed 16 bits).
int Along(const SliderGeometry& geometry, LPARAM lParam) {
  return geometry.horizontal ? GET_X_LPARAM(lParam) : GET_Y_LPARAM(lParam);
}

void Refresh(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

// The parent may destroy the slider while it handles this, so it comes last.
void Notify(HWND hwnd, const SliderGeometry& geometry, WORD code) {
  const UINT msg = geometry.horizontal ? WM_HSCROLL : WM_VSCROLL;
  SendMessageW(GetParent(hwnd), msg, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(hwnd));
}

// Five grey lines, each `u` pixels thick (one at 100 %), so the groove keeps its
// shading at any scale.
void DrawGroove(HDC dc, const SliderGeometry& geometry, int u) {
  for (int i = 0; i < kGroovePenCount; ++i) {
    gdi::Selection pen(dc, groovePens[i]);
    for (int line = 0; line < u; ++line) {
      if (geometry.horizontal) {
        const int y = geometry.height / 2 - 2 * u + i * u + line;
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, geometry.width, y);
      } else {
        const int x = geometry.width / 2 - 2 * u + i * u + line;
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, geometry.height);
      }
    }
  }
}

void DrawThumb(HDC dc, const SliderData& data, const SliderGeometry& geometry, Scale scale) {
  const Rect thumb = grpscrl::ThumbRect(data, geometry);
  gdi::Brush fill = gdi::SolidBrush(data.thumbColor);
  // The outline inside the thumb's rectangle, as thick as a line is at this scale.
  gdi::Pen outline = scale.IsBase() ? gdi::Pen() : gdi::Pen(CreatePen(PS_INSIDEFRAME, scale.Px(1), RGB(0, 0, 0)));
  gdi::Selection pen(dc, outline ? static_cast<HGDIOBJ>(outline.get()) : GetStockObject(BLACK_PEN));
  gdi::Selection brush(dc, fill);
  const int corner = scale.Px(kThumbCorner);
  RoundRect(dc, thumb.left, thumb.top, thumb.right, thumb.bottom, corner, corner);
}

void Paint(HWND hwnd) {
  gdi::PaintScope paint(hwnd);
  const SliderData* data = Data(hwnd);
  const SliderGeometry geometry = Geometry(hwnd);
  if (!data || geometry.width <= 0 || geometry.height <= 0) return;
  gdi::MemoryDC memory(paint.dc());
  gdi::Bitmap canvas = gdi::BufferBitmap(geometry.width, geometry.height);
  gdi::Selection selectedCanvas(memory, canvas);
  const RECT client{0, 0, geometry.width, geometry.height};
  {
    gdi::Brush track = gdi::SolidBrush(data->trackColor);
    FillRect(memory, &client, track);
  }
  const Scale scale = ScaleOf(hwnd);
  DrawGroove(memory, geometry, scale.Px(1));
  DrawThumb(memory, *data, geometry, scale);
  BitBlt(paint.dc(), 0, 0, geometry.width, geometry.height, memory, 0, 0, SRCCOPY);
}

void SetThumbLength(HWND hwnd, SliderData& data, int length) {
  data.thumbLength = grpscrl::ClampThumbLength(length, Geometry(hwnd).TrackLength());
  Refresh(hwnd);
}

void SetInset(HWND hwnd, SliderData& data, int inset) {
  data.inset = grpscrl::ClampInset(inset, Geometry(hwnd).Across());
  Refresh(hwnd);
}

// A press on the thumb starts a drag; a press on the track moves the thumb there
// at once and, without capturing the mouse, starts no drag.
void OnLButtonDown(HWND hwnd, SliderData& data, LPARAM lParam) {
  const SliderGeometry geometry = Geometry(hwnd);
  const Rect thumb = grpscrl::ThumbRect(data, geometry);
  const Point point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (thumb.Contains(point)) {
    data.grabOffset = geometry.horizontal ? thumb.left - point.x : thumb.top - point.y;
    SetCapture(hwnd);
    return;
  }
  data.pos = grpscrl::PositionForTrackClick(data, Along(geometry, lParam), geometry.TrackLength());
  Refresh(hwnd);
  Notify(hwnd, geometry, SB_THUMBPOSITION);
}

void OnMouseMove(HWND hwnd, SliderData& data, LPARAM lParam) {
  if (GetCapture() != hwnd) return;
  const SliderGeometry geometry = Geometry(hwnd);
  data.pos = grpscrl::PositionFromEdge(data, Along(geometry, lParam) + data.grabOffset, geometry.TrackLength());
  Refresh(hwnd);
  Notify(hwnd, geometry, SB_THUMBTRACK);
}

void OnLButtonUp(HWND hwnd) {
  if (GetCapture() != hwnd) return;
  ReleaseCapture();
  Notify(hwnd, Geometry(hwnd), SB_THUMBPOSITION);
}

LRESULT OnCreate(HWND hwnd) {
  auto* data = new (std::nothrow) SliderData{};
  if (!data) return -1;
  data->trackColor = GetSysColor(COLOR_BTNFACE);
  data->thumbColor = RGB(255, 255, 255);
  SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(data));
  AddSlider();
  return 0;
}

void OnDestroy(HWND hwnd) {
  SliderData* data = Data(hwnd);
  if (!data) return;
  SetWindowLongPtrW(hwnd, 0, 0);
  delete data;
  RemoveSlider();
}

LRESULT HandleWithData(HWND hwnd, SliderData& data, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case GSM_SETRANGE:
      data.minPos = static_cast<int>(wParam);
      data.maxPos = static_cast<int>(lParam);
      Refresh(hwnd);
      return 0;
    case GSM_GETMAX: return data.maxPos;
    case GSM_GETMIN: return data.minPos;
    case GSM_SETPOS:
      data.pos = grpscrl::ClampPosition(data, static_cast<int>(wParam));
      Refresh(hwnd);
      return 0;
    case GSM_GETPOS: return data.pos;
    case GSM_SETTHUMBLENGTH: SetThumbLength(hwnd, data, static_cast<int>(wParam)); return 0;
    case GSM_GETTHUMBLENGTH: return data.thumbLength;
    case GSM_SETINSET: SetInset(hwnd, data, static_cast<int>(wParam)); return 0;
    case GSM_GETINSET: return data.inset;
    case GSM_SETTRACKCOLOR: data.trackColor = static_cast<COLORREF>(wParam); Refresh(hwnd); return 0;
    case GSM_SETTHUMBCOLOR: data.thumbColor = static_cast<COLORREF>(wParam); Refresh(hwnd); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(hwnd, data, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, data, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(hwnd); return 0;
    // Keep the thumb length and inset within the new size.
    case WM_SIZE:
      SetThumbLength(hwnd, data, data.thumbLength);
      SetInset(hwnd, data, data.inset);
      return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

LRESULT CALLBACK GrpScrlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY: OnDestroy(hwnd); return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      if (AnswerFramelessNonClient(hwnd, msg)) return 0;
      break;
    default: break;
  }
  SliderData* data = Data(hwnd);
  if (!data) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return HandleWithData(hwnd, *data, msg, wParam, lParam);
}

// Registered before the entry point creates the first slider. The extra bytes
// hold a pointer, so they are as wide as one (8 bytes in 64-bit code).
const ATOM grpScrlClass = [] {
  WNDCLASSW wc{};
  wc.lpfnWndProc = GrpScrlProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kGrpScrlClass;
  return RegisterClassW(&wc);
}();

}  // namespace

int GrpScrlCount() { return sliderCount; }
bool GrpScrlPensAlive() { return static_cast<bool>(groovePens[0]); }
