#include "core/dpi_win.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/bitmap_resource_win.h"
#include "core/instance_win.h"
#include "core/pixel_scale.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <class Function>
Function Exported(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

template <class Function>
Function User32(const char* name) {
  return Exported<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// Windows 8.1 scales per monitor but has no GetDpiForWindow: its monitor's effective DPI.
UINT MonitorDpi(HWND window) {
  static const auto getDpiForMonitor =
      Exported<GetDpiForMonitorFn>(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32),
                                   "GetDpiForMonitor");
  constexpr int kEffectiveDpi = 0;
  UINT x = 0, y = 0;
  if (!getDpiForMonitor || !window) return 0;
  return SUCCEEDED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))
             ? x
             : 0;
}

int DesktopDpi() {
  gdi::WindowDC screen(nullptr);
  return screen ? GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
}

// A bitmap's pixels as 0x00RRGGBB, rows top to bottom.
std::vector<std::uint32_t> ReadPixels(HBITMAP bitmap, int width, int height) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  BITMAPINFO info = gdi::TopDown32(width, height);
  gdi::WindowDC screen(nullptr);
  if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != height)
    return {};
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFFu;
  return pixels;
}

gdi::Bitmap MakeBitmap(const std::vector<std::uint32_t>& pixels, int width, int height) {
  void* bits = nullptr;
  gdi::Bitmap bitmap = gdi::BufferBitmap(width, height, &bits);
  if (bitmap && bits) std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
  return bitmap;
}

}  // namespace

Scale DesktopScale() { return Scale(DesktopDpi()); }

Scale SystemScaleOf(HWND window) {
  static const auto getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return Scale(static_cast<int>(dpi));
  } else if (const UINT dpi = MonitorDpi(window)) {
    return Scale(static_cast<int>(dpi));
  }
  return DesktopScale();
}

void MoveToSuggestedRect(HWND window, LPARAM suggested) {
  const auto* r = reinterpret_cast<const RECT*>(suggested);
  if (!r) return;
  SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void AdjustWindowRectForScale(RECT& rect, DWORD style, bool menu, DWORD exStyle, Scale scale) {
  static const auto adjustForDpi = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (adjustForDpi && adjustForDpi(&rect, style, menu, exStyle, static_cast<UINT>(scale.dpi()))) return;
  AdjustWindowRectEx(&rect, style, menu, exStyle);
}

gdi::Bitmap LoadScaledBitmap(int resourceId, Scale scale) {
  // A DIB section at every scale: under Wine it loads several times faster than a
  // device bitmap, and the faces are loaded while the bar paints for the first time.
  gdi::Bitmap source = LoadBitmapResource(resourceId);
  if (scale.IsBase()) return source;
  BITMAP size{};
  if (!source || !GetObjectW(source, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0) return {};
  const int height = size.bmHeight < 0 ? -size.bmHeight : size.bmHeight;
  const std::vector<std::uint32_t> pixels = ReadPixels(source, size.bmWidth, height);
  if (pixels.empty()) return {};
  const int toWidth = scale.Px(size.bmWidth);
  const int toHeight = scale.Px(height);
  return MakeBitmap(ResamplePixelArt(pixels, size.bmWidth, height, toWidth, toHeight), toWidth, toHeight);
}
