// screenshot.exe OUTPUT.png: saves the whole virtual screen as a PNG picture.
// Used by the scripts and by people checking what the program shows under Wine.
// Exit status 0 on success; otherwise a message on stderr and a non-zero status.
#include <windows.h>
#include <gdiplus.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

// Small owners of the few handles used here; the program's gdi_win.h is not
// linked into the tools.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class OwnedBitmap {
 public:
  explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~OwnedBitmap() {
    if (bitmap_) DeleteObject(bitmap_);
  }
  OwnedBitmap(const OwnedBitmap&) = delete;
  OwnedBitmap& operator=(const OwnedBitmap&) = delete;
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
};

class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  bool ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    status_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() {
    if (status_ == Gdiplus::Ok) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  Gdiplus::Status status() const { return status_; }

 private:
  ULONG_PTR token_ = 0;
  Gdiplus::Status status_;
};

int Fail(const wchar_t* what, long code) {
  std::fwprintf(stderr, L"screenshot: %ls (error %ld)\n", what, code);
  return 1;
}

bool FindEncoder(const wchar_t* mimeType, CLSID& clsid) {
  UINT count = 0;
  UINT bytes = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
  // The encoder records and the strings they point to share one block of `bytes`.
  std::vector<unsigned char> block(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(block.data());
  if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType && std::wcscmp(encoders[i].MimeType, mimeType) == 0) {
      clsid = encoders[i].Clsid;
      return true;
    }
  }
  return false;
}

int Capture(const wchar_t* outputPath) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) return Fail(L"no screen to capture", 0);

  ScreenDC screen;
  if (!screen.get()) return Fail(L"GetDC of the screen failed", static_cast<long>(GetLastError()));
  MemoryDC memory(screen.get());
  OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  if (!memory.get() || !bitmap.get()) return Fail(L"cannot make a bitmap of the screen's size", 0);
  {
    Selection selected(memory.get(), bitmap.get());
    if (!selected.ok()) return Fail(L"SelectObject failed", 0);
    // CAPTUREBLT takes layered (translucent) windows too.
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), left, top, SRCCOPY | CAPTUREBLT))
      return Fail(L"BitBlt from the screen failed", static_cast<long>(GetLastError()));
  }  // GDI+ reads the bitmap only once it is no longer selected into a DC.

  GdiplusSession gdiplus;
  if (gdiplus.status() != Gdiplus::Ok) return Fail(L"GDI+ did not start", gdiplus.status());
  CLSID png{};
  if (!FindEncoder(L"image/png", png)) return Fail(L"GDI+ has no PNG encoder", 0);
  Gdiplus::Status status;
  {
    Gdiplus::Bitmap picture(bitmap.get(), nullptr);
    status = picture.GetLastStatus();
    if (status == Gdiplus::Ok) status = picture.Save(outputPath, &png, nullptr);
  }  // the GDI+ bitmap goes before GdiplusShutdown
  if (status != Gdiplus::Ok) {
    std::fwprintf(stderr, L"screenshot: cannot write %ls (GDI+ status %d)\n", outputPath,
                  static_cast<int>(status));
    return 1;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 || argv[1][0] == L'\0') {
    std::fwprintf(stderr, L"usage: screenshot.exe OUTPUT.png\n");
    return 2;
  }
  return Capture(argv[1]);
}
