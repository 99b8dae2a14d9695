// The shared widget and tidget pieces with real windows: the tidget click, the icon
// face, the settings-popup convention, and fitted and turned pictures through GDI+.
#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "app/shell_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"
#include "widgets/dget_win.h"
#include "widgets/image_win.h"
#include "widgets/popup_win.h"

namespace {

using test_support::BitmapPixel;
using test_support::PumpMessages;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

HWND CreateHost(CWindow& object, int x, int y, int width, int height) {
  return CreateWindowExW(0, kWindowClassName, L"host", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr,
                         nullptr, appInstance, &object);
}

// ---------------------------------------------------------------------------
// Tidget click
// ---------------------------------------------------------------------------

class CountingTidget : public CTidget {
 public:
  using CTidget::CTidget;
  void Activate() override { ++activations; }
  int activations = 0;
};

class TidgetClick : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateHost(hostObject_, 100, 100, 120, 60);
    ASSERT_NE(host_, nullptr);
    ASSERT_NE(tidget_.Create(host_, 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
    MoveWindow(tidget_.hwnd, 10, 10, 24, 24, TRUE);
  }
  void TearDown() override {
    ReleaseCapture();
    DestroyWindow(host_);
  }
  void Press(int x, int y) { SendMessageW(tidget_.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y)); }
  LRESULT Release(int x, int y) { return SendMessageW(tidget_.hwnd, WM_LBUTTONUP, 0, PointParam(x, y)); }

  CWindow hostObject_;
  HWND host_ = nullptr;
  CountingTidget tidget_{L"테스트", L"Probe_2"};
};

TEST_F(TidgetClick, ReleaseInsideActivatesOnce) {
  Press(5, 5);
  EXPECT_EQ(GetCapture(), tidget_.hwnd);
  EXPECT_EQ(Release(0, 23), 0);  // left and top edges are inside
  EXPECT_EQ(tidget_.activations, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  // A second release without a press no longer holds the capture.
  Release(5, 5);
  EXPECT_EQ(tidget_.activations, 1);
}

TEST_F(TidgetClick, ReleaseOutsideDoesNothingButLetsGo) {
  const POINT outside[] = {{24, 5}, {5, 24}, {-1, 5}, {5, -3}, {200, 200}};
  for (const POINT& at : outside) {
    Press(5, 5);
    EXPECT_EQ(Release(at.x, at.y), 0);
    EXPECT_EQ(GetCapture(), nullptr) << at.x << "," << at.y;
  }
  EXPECT_EQ(tidget_.activations, 0);
}

TEST_F(TidgetClick, ReleaseWhileAnotherWindowHoldsTheCaptureDoesNothing) {
  Press(5, 5);
  SetCapture(host_);
  EXPECT_EQ(Release(5, 5), 0);
  EXPECT_EQ(tidget_.activations, 0);
  EXPECT_EQ(GetCapture(), host_);  // not the tidget's to release
}

TEST_F(TidgetClick, NamesAreCopiedIntoTheirFields) {
  EXPECT_EQ(std::u16string(tidget_.caption), u"테스트");
  EXPECT_STREQ(tidget_.Section(), L"Probe_2");
  CountingTidget longName(L"caption", L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij");
  EXPECT_EQ(std::u16string(longName.instanceName), u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");  // 31 units
}

// ---------------------------------------------------------------------------
// Icon face
// ---------------------------------------------------------------------------

class MenuIconTidget : public CIconTidget {
 public:
  MenuIconTidget() : CIconTidget(L"아이콘", L"Icon", IDB_MENU) {}
  void Activate() override {}
};

TEST(IconTidget, IconLivesFromCreateToDestroyAndIsDrawnAtTheOrigin) {
  CWindow hostObject;
  HWND host = CreateHost(hostObject, 100, 100, 60, 60);
  MenuIconTidget tidget;
  tidget.bgBrush = gdi::SolidBrush(kGreen);
  const int before = gdi::LiveObjects();
  ASSERT_NE(tidget.Create(host, 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
  ASSERT_TRUE(tidget.icon);
  EXPECT_EQ(gdi::LiveObjects(), before + 1);
  MoveWindow(tidget.hwnd, 0, 0, 24, 24, TRUE);
  InvalidateRect(tidget.hwnd, nullptr, FALSE);
  UpdateWindow(tidget.hwnd);
  ASSERT_TRUE(tidget.backBuffer);
  EXPECT_EQ(BitmapPixel(tidget.backBuffer, 0, 0), RGB(0x20, 0x20, 0x20));  // the frame
  EXPECT_EQ(BitmapPixel(tidget.backBuffer, 1, 1), kWhite);
  EXPECT_EQ(BitmapPixel(tidget.backBuffer, 15, 15), RGB(0x20, 0x20, 0x20));
  EXPECT_EQ(BitmapPixel(tidget.backBuffer, 16, 16), kGreen);  // past the 16 × 16 icon
  EXPECT_EQ(BitmapPixel(tidget.backBuffer, 23, 0), kGreen);

  const int painted = gdi::LiveObjects();
  for (int i = 0; i < 5; ++i) {
    InvalidateRect(tidget.hwnd, nullptr, FALSE);
    UpdateWindow(tidget.hwnd);
  }
  EXPECT_EQ(gdi::LiveObjects(), painted);
  DestroyWindow(host);
  EXPECT_FALSE(tidget.icon);
}

// ---------------------------------------------------------------------------
// Settings popup convention
// ---------------------------------------------------------------------------

class ProbeWidget;

struct ProbePopup {
  using Owner = ProbeWidget;
  static constexpr int kDialogId = IDD_CLOCK;
  static void Init(HWND dialog, ProbeWidget& owner);
  static void Apply(HWND dialog, ProbeWidget& owner);
  static bool Message(HWND dialog, ProbeWidget& owner, UINT msg, WPARAM wParam, LPARAM lParam);
};

class ProbeWidget : public CWidget {
 public:
  using CWidget::CWidget;
  LRESULT OnContextMenu(WPARAM, LPARAM) override { return SettingsPopup<ProbePopup>::Open(*this); }
  int inits = 0;
  int applies = 0;
  int commands = 0;
  bool appliedValue = false;
};

void ProbePopup::Init(HWND dialog, ProbeWidget& owner) {
  ++owner.inits;
  EXPECT_EQ(SettingsPopup<ProbePopup>::OpenOwner(), &owner);
  CheckDlgButton(dialog, IDC_CLOCK_HOUR24, BST_UNCHECKED);
}
void ProbePopup::Apply(HWND dialog, ProbeWidget& owner) {
  ++owner.applies;
  owner.appliedValue = IsDlgButtonChecked(dialog, IDC_CLOCK_HOUR24) == BST_CHECKED;
}
bool ProbePopup::Message(HWND, ProbeWidget& owner, UINT msg, WPARAM wParam, LPARAM) {
  if (msg != WM_COMMAND || LOWORD(wParam) != IDC_CLOCK_HOUR24) return false;
  ++owner.commands;
  return true;
}

int CountDialogsOfThisThread() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM counter) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wcscmp(name, L"#32770") == 0) ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

class PopupConvention : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateHost(hostObject_, 300, 200, 200, 120);
    ASSERT_NE(host_, nullptr);
    for (ProbeWidget* widget : {&first_, &second_}) {
      ASSERT_NE(widget->Create(host_, 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
    }
    MoveWindow(second_.hwnd, 0, 60, 200, 60, TRUE);
    second_.top = 60;
  }
  void TearDown() override {
    if (IsWindow(activeDialog)) DestroyWindow(activeDialog);
    activeDialog = nullptr;
    barHandle = nullptr;
    DestroyWindow(host_);
    PumpMessages();
  }
  HWND OpenFirst() {
    SendMessageW(first_.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(first_.hwnd), 0);
    return activeDialog;
  }
  void PressEscape(HWND dialog) {
    MSG msg{GetFocus() ? GetFocus() : dialog, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    IsDialogMessageW(dialog, &msg);
  }

  CWindow hostObject_;
  HWND host_ = nullptr;
  ProbeWidget first_{L"첫째", L"Probe"};
  ProbeWidget second_{L"둘째", L"Probe_2"};
};

TEST_F(PopupConvention, RightClickOpensOnlyWhenNoPopupExists) {
  HWND dialog = OpenFirst();
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(first_.inits, 1);
  EXPECT_EQ(SendMessageW(second_.hwnd, WM_CONTEXTMENU, 0, 0), 0);
  SendMessageW(first_.hwnd, WM_CONTEXTMENU, 0, 0);
  EXPECT_EQ(activeDialog, dialog);
  EXPECT_EQ(second_.inits, 0);
  EXPECT_EQ(first_.inits, 1);
  EXPECT_EQ(CountDialogsOfThisThread(), 1);
}

TEST_F(PopupConvention, LosingActivationAppliesOnceAndCloses) {
  HWND dialog = OpenFirst();
  ASSERT_TRUE(IsWindow(dialog));
  CheckDlgButton(dialog, IDC_CLOCK_HOUR24, BST_CHECKED);
  SendMessageW(dialog, WM_NCACTIVATE, TRUE, 0);  // gaining activation changes nothing
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(first_.applies, 0);
  SendMessageW(dialog, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(first_.applies, 1);
  EXPECT_TRUE(first_.appliedValue);  // read from the controls before they went
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_EQ(SettingsPopup<ProbePopup>::OpenOwner(), nullptr);
}

TEST_F(PopupConvention, ActivatingAnotherWindowAppliesIt) {
  HWND dialog = OpenFirst();
  ASSERT_TRUE(IsWindow(dialog));
  SetActiveWindow(dialog);
  PumpMessages();
  ASSERT_TRUE(IsWindow(dialog));
  CWindow otherObject;
  HWND other = CreateHost(otherObject, 600, 600, 50, 50);
  SetActiveWindow(other);
  PumpMessages();
  EXPECT_EQ(first_.applies, 1);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  DestroyWindow(other);
}

TEST_F(PopupConvention, EscapeDiscardsAndCloses) {
  HWND dialog = OpenFirst();
  ASSERT_TRUE(IsWindow(dialog));
  PressEscape(dialog);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_EQ(first_.applies, 0);
  // Free again for any widget.
  SendMessageW(second_.hwnd, WM_CONTEXTMENU, 0, 0);
  EXPECT_TRUE(IsWindow(activeDialog));
  EXPECT_EQ(second_.inits, 1);
}

TEST_F(PopupConvention, DestroyedFromOutsideStillClearsActiveDialog) {
  HWND dialog = OpenFirst();
  ASSERT_TRUE(IsWindow(dialog));
  // Destroying the active popup deactivates it first, which applies it; either way
  // nothing may keep naming the dead window.
  DestroyWindow(dialog);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_LE(first_.applies, 1);
  EXPECT_TRUE(IsWindow(OpenFirst()));
}

TEST_F(PopupConvention, AStaleHandleDoesNotBlockOpening) {
  CWindow goneObject;
  HWND gone = CreateHost(goneObject, 0, 0, 10, 10);
  DestroyWindow(gone);
  activeDialog = gone;
  HWND dialog = OpenFirst();
  EXPECT_NE(dialog, gone);
  EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(PopupConvention, OtherMessagesReachTheKind) {
  HWND dialog = OpenFirst();
  ASSERT_TRUE(IsWindow(dialog));
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_CLOCK_HOUR24, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_CLOCK_HOUR24)));
  EXPECT_EQ(first_.commands, 1);
  EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(PopupConvention, OwnerGoingAwayTakesItsPopupWithoutApplying) {
  auto owner = std::make_unique<ProbeWidget>(L"임시", L"Probe_3");
  ASSERT_NE(owner->Create(host_, 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
  SendMessageW(owner->hwnd, WM_CONTEXTMENU, 0, 0);
  HWND dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  DestroyWindow(owner->hwnd);
  // The window is gone but the object lives: a deactivation closes without applying.
  SendMessageW(dialog, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(owner->applies, 0);
  EXPECT_FALSE(IsWindow(dialog));

  SendMessageW(first_.hwnd, WM_CONTEXTMENU, 0, 0);
  dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  owner.reset();  // someone else's popup stays
  EXPECT_TRUE(IsWindow(dialog));

  auto another = std::make_unique<ProbeWidget>(L"임시", L"Probe_4");
  ASSERT_NE(another->Create(host_, 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
  DestroyWindow(dialog);
  SendMessageW(another->hwnd, WM_CONTEXTMENU, 0, 0);
  dialog = activeDialog;
  ASSERT_TRUE(IsWindow(dialog));
  DestroyWindow(another->hwnd);
  another.reset();
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(activeDialog, nullptr);
}

TEST_F(PopupConvention, PopupGoesBesideTheBar) {
  barHandle = host_;
  SendMessageW(second_.hwnd, WM_CONTEXTMENU, 0, 0);
  ASSERT_TRUE(IsWindow(activeDialog));
  RECT bar{}, popup{}, overlap{};
  GetWindowRect(host_, &bar);
  GetWindowRect(activeDialog, &popup);
  EXPECT_FALSE(IntersectRect(&overlap, &bar, &popup));
}

// ---------------------------------------------------------------------------
// Pictures through GDI+
// ---------------------------------------------------------------------------

// A 32-bit DIB selected into a memory DC, filled white.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

std::unique_ptr<Gdiplus::Bitmap> SolidPicture(int width, int height, COLORREF color) {
  auto picture = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
  Gdiplus::Graphics graphics(picture.get());
  Gdiplus::SolidBrush brush(Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color)));
  graphics.FillRectangle(&brush, 0, 0, width, height);
  return picture;
}

TEST(ImageFitDrawing, SmallPictureIsCentredAndMarginsFilled) {
  Canvas canvas(24, 24);
  auto picture = SolidPicture(10, 10, kRed);
  gdi::Brush blue = gdi::SolidBrush(kBlue);
  DrawImageFit(canvas.dc(), picture.get(), 24, 24, true, blue);
  EXPECT_EQ(canvas.At(7, 7), kRed);
  EXPECT_EQ(canvas.At(16, 16), kRed);
  EXPECT_EQ(canvas.At(12, 12), kRed);
  EXPECT_EQ(canvas.At(6, 12), kBlue);
  EXPECT_EQ(canvas.At(12, 6), kBlue);
  EXPECT_EQ(canvas.At(17, 12), kBlue);
  EXPECT_EQ(canvas.At(12, 17), kBlue);
  EXPECT_EQ(canvas.At(0, 0), kBlue);
  EXPECT_EQ(canvas.At(23, 23), kBlue);
}

TEST(ImageFitDrawing, WidePictureIsScaledToTheWidthAndMarginsLeftAlone) {
  Canvas canvas(24, 24);
  auto picture = SolidPicture(200, 100, kGreen);
  DrawImageFit(canvas.dc(), picture.get(), 24, 24, false, nullptr);
  EXPECT_EQ(canvas.At(12, 12), kGreen);
  EXPECT_EQ(canvas.At(2, 8), kGreen);
  EXPECT_EQ(canvas.At(21, 15), kGreen);
  EXPECT_EQ(canvas.At(12, 2), kWhite);   // above (0, 6)
  EXPECT_EQ(canvas.At(12, 21), kWhite);  // below (24, 18)
}

TEST(ImageFitDrawing, TallPictureIsScaledToTheHeight) {
  Canvas canvas(24, 24);
  auto picture = SolidPicture(100, 200, kGreen);
  gdi::Brush blue = gdi::SolidBrush(kBlue);
  DrawImageFit(canvas.dc(), picture.get(), 24, 24, true, blue);
  EXPECT_EQ(canvas.At(12, 2), kGreen);
  EXPECT_EQ(canvas.At(8, 21), kGreen);
  EXPECT_EQ(canvas.At(3, 12), kBlue);   // left of (6, 0)
  EXPECT_EQ(canvas.At(20, 12), kBlue);  // right of (18, 24)
}

TEST(ImageFitDrawing, NoPictureStillFillsTheMargins) {
  Canvas canvas(8, 8);
  gdi::Brush blue = gdi::SolidBrush(kBlue);
  DrawImageFit(canvas.dc(), nullptr, 8, 8, true, blue);
  EXPECT_EQ(canvas.At(4, 4), kBlue);
}

// ---------------------------------------------------------------------------
// EXIF orientation
// ---------------------------------------------------------------------------

// A 32 × 16 uncompressed TIFF, red on the left half and blue on the right, whose IFD
// carries the orientation tag. (Wine's GDI+ lists no EXIF properties of a JPEG; the
// tag reaches the picture's property items the same way from a TIFF.)
std::vector<unsigned char> OrientedTiff(std::uint16_t orientation) {
  constexpr int kWidth = 32, kHeight = 16, kEntries = 11;
  constexpr std::uint32_t kBitsAt = 8 + 2 + kEntries * 12 + 4, kDataAt = kBitsAt + 6,
                          kDataSize = kWidth * kHeight * 3;
  std::vector<unsigned char> out = {'I', 'I', 0x2A, 0, 8, 0, 0, 0, kEntries, 0};
  auto put16 = [&](std::uint32_t v) {
    out.insert(out.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)});
  };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  auto entry = [&](std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
    put16(tag);
    put16(type);
    put32(count);
    if (type == 3 && count == 1) {
      put16(value);
      put16(0);
    } else {
      put32(value);
    }
  };
  entry(256, 3, 1, kWidth);
  entry(257, 3, 1, kHeight);
  entry(258, 3, 3, kBitsAt);  // 8, 8, 8
  entry(259, 3, 1, 1);        // no compression
  entry(262, 3, 1, 2);        // RGB
  entry(273, 4, 1, kDataAt);
  entry(0x0112, 3, 1, orientation);
  entry(277, 3, 1, 3);
  entry(278, 3, 1, kHeight);
  entry(279, 4, 1, kDataSize);
  entry(284, 3, 1, 1);
  put32(0);
  put16(8);
  put16(8);
  put16(8);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      out.insert(out.end(), {static_cast<unsigned char>(x < 16 ? 255 : 0), 0,
                             static_cast<unsigned char>(x < 16 ? 0 : 255)});
  return out;
}

std::wstring WriteTempFile(const std::vector<unsigned char>& bytes, const wchar_t* extension) {
  if (bytes.empty()) return {};
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  static int counter = 0;
  const std::wstring path = std::wstring(folder) + L"pelgra-orientation-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
                            extension;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return written == bytes.size() ? path : std::wstring();
}

bool Reddish(const Gdiplus::Color& c) { return c.GetR() > 180 && c.GetB() < 90; }
bool Bluish(const Gdiplus::Color& c) { return c.GetB() > 180 && c.GetR() < 90; }

struct TurnedPicture {
  bool tagVisible = false;
  UINT width = 0;
  UINT height = 0;
  Gdiplus::Color topLeft, bottomRight;
};

TurnedPicture LoadAndTurn(const std::vector<unsigned char>& bytes, const wchar_t* extension) {
  TurnedPicture result;
  const std::wstring path = WriteTempFile(bytes, extension);
  if (path.empty()) return result;
  {
    Gdiplus::Bitmap picture(path.c_str());
    if (picture.GetLastStatus() == Gdiplus::Ok) {
      result.tagVisible = picture.GetPropertyItemSize(0x0112) > 0;
      ApplyExifOrientation(&picture);
      result.width = picture.GetWidth();
      result.height = picture.GetHeight();
      picture.GetPixel(2, 2, &result.topLeft);
      picture.GetPixel(static_cast<INT>(result.width) - 3, static_cast<INT>(result.height) - 3,
                       &result.bottomRight);
    }
  }
  DeleteFileW(path.c_str());
  return result;
}

// Turned clockwise (6) the red left half comes to the top; turned the other way (8)
// or upside down (3) the blue half leads. Everything else stays as stored.
void ExpectTurned(const TurnedPicture& turned, int orientation) {
  const bool quarterTurn = orientation == 6 || orientation == 8;
  ASSERT_EQ(turned.width, quarterTurn ? 16u : 32u);
  ASSERT_EQ(turned.height, quarterTurn ? 32u : 16u);
  const bool redLeads = orientation != 3 && orientation != 8;
  EXPECT_TRUE(redLeads ? Reddish(turned.topLeft) : Bluish(turned.topLeft));
  EXPECT_TRUE(redLeads ? Bluish(turned.bottomRight) : Reddish(turned.bottomRight));
}

class ExifOrientation : public ::testing::TestWithParam<int> {};

TEST_P(ExifOrientation, TiffIsTurnedByItsTag) {
  const TurnedPicture turned = LoadAndTurn(OrientedTiff(static_cast<std::uint16_t>(GetParam())), L".tif");
  ASSERT_TRUE(turned.tagVisible);
  ExpectTurned(turned, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Orientations, ExifOrientation, ::testing::Values(1, 2, 3, 4, 6, 8));

TEST(ExifOrientationTag, PictureWithoutPropertiesIsLeftAlone) {
  auto picture = SolidPicture(12, 4, kRed);
  ApplyExifOrientation(picture.get());
  EXPECT_EQ(picture->GetWidth(), 12u);
  ApplyExifOrientation(nullptr);
}

}  // namespace
