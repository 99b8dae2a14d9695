// slide_bench.exe: the image slide show with a 6000 × 4000 JPEG beside a clock, under
// a stand-in bar in this process. Prints CSV lines "name,unit,min,median,max,note":
// moving to the next picture (decoding and scaling it, then painting), a repaint of
// the widget showing it and a repaint of the clock in the same run.
#include <windows.h>
#include <gdiplus.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/bar_win.h"
#include "app/factory_win.h"
#include "benchmarks/bench_rows_win.h"
#include "core/gdiplus_win.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "core/window_win.h"
#include "widgets/slide/slide_win.h"

namespace {

constexpr int kPhotoWidth = 6000, kPhotoHeight = 4000;
constexpr int kWidgetWidth = 192, kWidgetHeight = 150;

void Measure(const wchar_t* name, int samples, const std::function<void()>& step) {
  bench::PrintRow(name, L"ms", bench::Measure(samples, step));
}

void Repaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

// A photo-sized JPEG with detail everywhere, so decoding costs what a camera's does.
bool WritePhoto(const std::wstring& path) {
  gdiplus_session::Start();
  Gdiplus::Bitmap photo(kPhotoWidth, kPhotoHeight, PixelFormat24bppRGB);
  {
    Gdiplus::Graphics graphics(&photo);
    Gdiplus::LinearGradientBrush sky(Gdiplus::Point(0, 0), Gdiplus::Point(kPhotoWidth, kPhotoHeight),
                                     Gdiplus::Color(40, 90, 200), Gdiplus::Color(250, 200, 60));
    graphics.FillRectangle(&sky, 0, 0, kPhotoWidth, kPhotoHeight);
    for (int i = 0; i < 400; ++i) {
      Gdiplus::SolidBrush spot(Gdiplus::Color(static_cast<BYTE>(i * 37), static_cast<BYTE>(i * 91), static_cast<BYTE>(i * 53)));
      graphics.FillEllipse(&spot, (i * 7919) % kPhotoWidth, (i * 104729) % kPhotoHeight, 40 + i % 300, 30 + i % 200);
    }
  }
  UINT count = 0, bytes = 0;
  Gdiplus::GetImageEncodersSize(&count, &bytes);
  std::vector<BYTE> room(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(room.data());
  Gdiplus::GetImageEncoders(count, bytes, encoders);
  for (UINT i = 0; i < count; ++i)
    if (std::wstring(encoders[i].MimeType) == L"image/jpeg")
      return photo.Save(path.c_str(), &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
  return false;
}

}  // namespace

int wmain() {
  appInstance = GetModuleHandleW(nullptr);
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring folder = std::wstring(temp) + L"pelgra-slide-bench-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring photo = folder + L"\\photo.jpg", ini = folder + L"\\slide_bench.ini";
  if (!WritePhoto(photo)) {
    std::fwprintf(stderr, L"slide_bench: the photo could not be written\n");
    return 1;
  }
  // The bar's object stands in for the bar to its widgets; its window is a plain one.
  CMainWindow bar;
  bar.settings.iniPath = ini;
  bar.dataProgramPath = folder + L"\\pelgra.exe";
  CWindow host;
  HWND barWindow = CreateWindowExW(0, kWindowClassName, L"bench", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr,
                                   nullptr, appInstance, &host);
  CreateSharedFonts();
  RecordList<WidgetInfo>& widgetList = bar.widgetList;
  widgetList.Append(MakeWidgetInfo(u"Clock", widgetList));
  widgetList.Append(MakeWidgetInfo(u"ImageSlide", widgetList));
  bar.settings.SetString(AsWide(widgetList[1].name), L"ImageList", (photo + L"§" + photo + L"§").c_str());
  HWND clock = CreateWidgetWindow(bar, widgetList[0], barWindow)->hwnd;
  auto* slide = dynamic_cast<CImageSlide*>(CreateWidgetWindow(bar, widgetList[1], barWindow));
  SetWindowPos(clock, nullptr, 0, 0, kWidgetWidth, kWidgetHeight, SWP_NOZORDER);
  SetWindowPos(slide->hwnd, nullptr, 0, kWidgetHeight, kWidgetWidth, kWidgetHeight, SWP_NOZORDER);
  UpdateWindow(barWindow);
  if (slide->paths.Count() != 2) {
    std::fwprintf(stderr, L"slide_bench: the list was not read\n");
    return 1;
  }

  Measure(L"image slide: next picture (6000 x 4000 JPEG)", 7, [&] {
    SendMessageW(slide->hwnd, WM_TIMER, 1, 0);
    UpdateWindow(slide->hwnd);
  });
  Measure(L"image slide: repaint showing it", 301, [&] { Repaint(slide->hwnd); });
  Measure(L"image slide: clock repaint in the same run", 301, [&] { Repaint(clock); });

  DestroyWindow(barWindow);
  bar.ReleaseRecordObjects();
  ReleaseSharedFonts();
  DeleteFileW(photo.c_str());
  DeleteFileW(ini.c_str());
  RemoveDirectoryW(folder.c_str());
  return 0;
}
