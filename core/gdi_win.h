// Move-only owners of GDI handles. Every GDI object and DC of the program is made
// through these, so the number alive can be counted: Wine's GetGuiResources always
// answers 0, and a paint or a timer tick must leave the count unchanged.
#pragma once

#include <windows.h>

#include <utility>

namespace gdi {

// GDI objects and DCs made through this header and not yet released.
int LiveObjects();
void CountLive(int delta);

// Brush, pen, font, bitmap or region, deleted with DeleteObject.
template <class Handle>
class Object {
 public:
  Object() = default;
  explicit Object(Handle handle) { reset(handle); }
  ~Object() { reset(); }
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  Object(Object&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Object& operator=(Object&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  void reset(Handle handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      CountLive(-1);
    }
    handle_ = handle;
    if (handle_) CountLive(+1);
  }
  Handle get() const { return handle_; }
  operator Handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

using Brush = Object<HBRUSH>;
using Pen = Object<HPEN>;
using Font = Object<HFONT>;
using Bitmap = Object<HBITMAP>;
using Region = Object<HRGN>;

inline Brush SolidBrush(COLORREF color) { return Brush(CreateSolidBrush(color)); }
inline Pen SolidPen(int width, COLORREF color) { return Pen(CreatePen(PS_SOLID, width, color)); }
// A pen for frames of shapes (Rectangle, RoundRect, Ellipse): wider than one pixel it
// is drawn inside the shape's rectangle, so a frame thickened for the display scale
// keeps the shape's outer size. One pixel wide it is the plain solid pen.
inline Pen FramePen(int width, COLORREF color) {
  return Pen(CreatePen(width > 1 ? PS_INSIDEFRAME : PS_SOLID, width, color));
}
inline Bitmap CompatibleBitmap(HDC dc, int width, int height) {
  return Bitmap(CreateCompatibleBitmap(dc, width, height));
}

// 32 bits a pixel, rows top to bottom.
inline BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A bitmap to draw a face into before it goes to the screen: a 32-bit DIB section.
// Under Wine, selecting a device bitmap into a DC makes three requests to the server
// every time, and a face is selected at every paint; a DIB section makes none.
inline Bitmap BufferBitmap(int width, int height, void** bits = nullptr) {
  const BITMAPINFO info = TopDown32(width, height);
  void* pixels = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bits) *bits = pixels;
  return bitmap;
}

// A memory DC compatible with another, deleted with DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) CountLive(+1);
  }
  ~MemoryDC() {
    if (dc_) {
      DeleteDC(dc_);
      CountLive(-1);
    }
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// GetDC / ReleaseDC of a window (null: the screen).
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  operator HDC() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &paint_); }
  ~PaintScope() { EndPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return paint_.hdc; }
  // What needs painting, client coordinates.
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
};

// Selects an object into a DC and puts the previous one back at the end of the scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace gdi
