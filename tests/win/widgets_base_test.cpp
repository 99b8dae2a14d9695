// The shared widget and tidget pieces with real windows: the tidget click, the icon
// face, and fitted and turned pictures through GDI+.
#include <windows.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/gdiplus_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "support/win_test_support.h"
#include "widgets/base/dget_win.h"
#include "widgets/pictures/image_win.h"

namespace {

using test_support::HostWindow;
using test_support::MouseDown;
using test_support::MouseUp;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

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
    ASSERT_NE(tidget_.Create(host_.hwnd(), 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
    MoveWindow(tidget_.hwnd, 10, 10, 24, 24, TRUE);
  }
  void TearDown() override { ReleaseCapture(); }

  test_support::IniSandbox ini_;
  test_support::TestHost bar_{ini_.settings};
  CountingTidget tidget_{bar_, L"테스트", L"Probe_2"};
  HostWindow host_{100, 100, 120, 60};  // last: its children go before their objects
};

TEST_F(TidgetClick, ReleaseInsideActivatesOnce) {
  MouseDown(tidget_.hwnd, 5, 5);
  EXPECT_EQ(GetCapture(), tidget_.hwnd);
  EXPECT_EQ(MouseUp(tidget_.hwnd, 0, 23), 0);  // left and bottom edges are inside
  EXPECT_EQ(tidget_.activations, 1);
  EXPECT_EQ(GetCapture(), nullptr);
  MouseUp(tidget_.hwnd, 5, 5);  // a second release, without a press
  EXPECT_EQ(tidget_.activations, 1);
}

TEST_F(TidgetClick, ReleaseOutsideDoesNothingButLetsGo) {
  for (const POINT& at : {POINT{24, 5}, POINT{5, 24}, POINT{-1, 5}, POINT{5, -3}, POINT{200, 200}}) {
    MouseDown(tidget_.hwnd, 5, 5);
    EXPECT_EQ(MouseUp(tidget_.hwnd, at.x, at.y), 0);
    EXPECT_EQ(GetCapture(), nullptr) << at.x << "," << at.y;
  }
  EXPECT_EQ(tidget_.activations, 0);
}

TEST_F(TidgetClick, ReleaseWhileAnotherWindowHoldsTheCaptureDoesNothing) {
  MouseDown(tidget_.hwnd, 5, 5);
  SetCapture(host_.hwnd());
  MouseUp(tidget_.hwnd, 5, 5);
  EXPECT_EQ(tidget_.activations, 0);
  EXPECT_EQ(GetCapture(), host_.hwnd());  // not the tidget's to release
}

TEST_F(TidgetClick, NamesAreCopiedIntoTheirFields) {
  EXPECT_EQ(std::u16string(tidget_.caption), u"테스트");
  EXPECT_STREQ(tidget_.Section(), L"Probe_2");
  CountingTidget longName(bar_, L"caption", L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij");
  EXPECT_EQ(std::u16string(longName.instanceName), u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcde");  // 31 units
}

// ---------------------------------------------------------------------------
// Icon face
// ---------------------------------------------------------------------------

class MenuIconTidget : public CIconTidget {
 public:
  explicit MenuIconTidget(DgetHost& host) : CIconTidget(host, L"아이콘", L"Icon", IDB_MENU) {}
  void Activate() override {}
};

TEST(IconTidget, IconLivesFromCreateToDestroyAndIsDrawnAtTheOrigin) {
  auto host = std::make_unique<HostWindow>(100, 100, 60, 60);
  test_support::IniSandbox ini;
  test_support::TestHost bar(ini.settings);
  MenuIconTidget tidget(bar);
  tidget.bgBrush = gdi::SolidBrush(kGreen);
  const int before = gdi::LiveObjects();
  ASSERT_NE(tidget.Create(host->hwnd(), 0, L"", WS_CHILD | WS_VISIBLE), nullptr);
  ASSERT_TRUE(tidget.icon);
  EXPECT_EQ(gdi::LiveObjects(), before + 1);
  MoveWindow(tidget.hwnd, 0, 0, 24, 24, TRUE);
  const auto shown = test_support::Snapshot::Repainted(tidget);
  EXPECT_EQ(shown.At(0, 0), RGB(0x20, 0x20, 0x20));  // the frame
  EXPECT_EQ(shown.At(1, 1), kWhite);
  EXPECT_EQ(shown.At(15, 15), RGB(0x20, 0x20, 0x20));
  EXPECT_EQ(shown.At(16, 16), kGreen);  // past the 16 × 16 icon
  EXPECT_EQ(shown.At(23, 0), kGreen);

  const int painted = gdi::LiveObjects();
  for (int i = 0; i < 5; ++i) test_support::Snapshot::Repainted(tidget);
  EXPECT_EQ(gdi::LiveObjects(), painted);
  host.reset();
  EXPECT_FALSE(tidget.icon);
}

// ---------------------------------------------------------------------------
// Pictures through GDI+
// ---------------------------------------------------------------------------

// A white square bitmap selected into a memory DC.
struct Canvas {
  explicit Canvas(int size) : bitmap(gdi::CompatibleBitmap(gdi::WindowDC(nullptr), size, size)) {
    const RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  gdi::MemoryDC dc{nullptr};
  gdi::Bitmap bitmap;
  gdi::Selection selected{dc, bitmap};
};

std::unique_ptr<Gdiplus::Bitmap> SolidPicture(int width, int height, COLORREF color) {
  gdiplus_session::Start();
  auto picture = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
  Gdiplus::Graphics graphics(picture.get());
  Gdiplus::SolidBrush brush(Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color)));
  graphics.FillRectangle(&brush, 0, 0, width, height);
  return picture;
}

struct FitCase {
  int width, height;  // of the picture; 0: none
  bool fillMargins;
  std::vector<std::pair<POINT, COLORREF>> expected;  // in a 24 × 24 canvas
};

TEST(ImageFitDrawing, PicturesAreScaledCentredAndTheMarginsFilledOnlyWhenAsked) {
  const FitCase cases[] = {
      // (7, 7)-(17, 17), blue around it.
      {10, 10, true, {{{7, 7}, kRed}, {{16, 16}, kRed}, {{6, 12}, kBlue}, {{12, 6}, kBlue},
                      {{17, 12}, kBlue}, {{12, 17}, kBlue}, {{0, 0}, kBlue}, {{23, 23}, kBlue}}},
      // (0, 6)-(24, 18), the margins left as they were.
      {200, 100, false, {{{2, 8}, kRed}, {{21, 15}, kRed}, {{12, 2}, kWhite}, {{12, 21}, kWhite}}},
      // (6, 0)-(18, 24).
      {100, 200, true, {{{12, 2}, kRed}, {{8, 21}, kRed}, {{3, 12}, kBlue}, {{20, 12}, kBlue}}},
      {0, 0, true, {{{12, 12}, kBlue}}},
  };
  const gdi::Brush blue = gdi::SolidBrush(kBlue);
  for (const FitCase& c : cases) {
    Canvas canvas(24);
    auto picture = c.width ? SolidPicture(c.width, c.height, kRed) : nullptr;
    DrawImageFit(canvas.dc, picture.get(), 24, 24, c.fillMargins, c.fillMargins ? blue.get() : nullptr);
    for (const auto& [at, color] : c.expected)
      EXPECT_EQ(GetPixel(canvas.dc, at.x, at.y), color) << c.width << "x" << c.height << " at " << at.x << "," << at.y;
  }
}

// A 32 × 16 uncompressed TIFF, red on the left half and blue on the right, whose IFD
// carries the orientation tag. (Wine's GDI+ lists no EXIF properties of a JPEG; the
// tag reaches the picture's property items the same way from a TIFF.)
std::string OrientedTiff(std::uint16_t orientation) {
  constexpr int kWidth = 32, kHeight = 16, kEntries = 11;
  constexpr std::uint32_t kBitsAt = 8 + 2 + kEntries * 12 + 4, kDataAt = kBitsAt + 6;
  std::string out = {'I', 'I', 0x2A, 0, 8, 0, 0, 0, kEntries, 0};
  auto put16 = [&](std::uint32_t v) { out += {static_cast<char>(v), static_cast<char>(v >> 8)}; };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  // Tag, type (3 short, 4 long), count, value (a short value is padded to four bytes).
  const std::uint32_t entries[kEntries][4] = {
      {256, 3, 1, kWidth}, {257, 3, 1, kHeight}, {258, 3, 3, kBitsAt},          {259, 3, 1, 1},
      {262, 3, 1, 2},      {273, 4, 1, kDataAt}, {0x0112, 3, 1, orientation},   {277, 3, 1, 3},
      {278, 3, 1, kHeight}, {279, 4, 1, kWidth * kHeight * 3}, {284, 3, 1, 1}};
  for (const auto& [tag, type, count, value] : entries) {
    put16(tag);
    put16(type);
    put32(count);
    put32(value);
  }
  put32(0);
  for (int i = 0; i < 3; ++i) put16(8);  // bits per sample
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      out += {static_cast<char>(x < 16 ? 255 : 0), 0, static_cast<char>(x < 16 ? 0 : 255)};
  return out;
}

bool Reddish(const Gdiplus::Color& c) { return c.GetR() > 180 && c.GetB() < 90; }
bool Bluish(const Gdiplus::Color& c) { return c.GetB() > 180 && c.GetR() < 90; }

class ExifOrientation : public ::testing::TestWithParam<int> {};

// Turned clockwise (6) the red left half comes to the top; turned the other way (8)
// or upside down (3) the blue half leads. Everything else stays as stored.
TEST_P(ExifOrientation, TiffIsTurnedByItsTag) {
  const int orientation = GetParam();
  test_support::TempFolder folder;
  const std::wstring path = folder.Path(L"turned.tif");
  std::ofstream(path.c_str(), std::ios::binary) << OrientedTiff(static_cast<std::uint16_t>(orientation));
  ASSERT_TRUE(gdiplus_session::Start());
  Gdiplus::Bitmap picture(path.c_str());
  ASSERT_EQ(picture.GetLastStatus(), Gdiplus::Ok);
  ASSERT_GT(picture.GetPropertyItemSize(0x0112), 0u);
  ApplyExifOrientation(&picture);
  const bool quarterTurn = orientation == 6 || orientation == 8;
  ASSERT_EQ(picture.GetWidth(), quarterTurn ? 16u : 32u);
  ASSERT_EQ(picture.GetHeight(), quarterTurn ? 32u : 16u);
  Gdiplus::Color topLeft, bottomRight;
  picture.GetPixel(2, 2, &topLeft);
  picture.GetPixel(static_cast<INT>(picture.GetWidth()) - 3, static_cast<INT>(picture.GetHeight()) - 3, &bottomRight);
  const bool redLeads = orientation != 3 && orientation != 8;
  EXPECT_TRUE(redLeads ? Reddish(topLeft) : Bluish(topLeft));
  EXPECT_TRUE(redLeads ? Bluish(bottomRight) : Reddish(bottomRight));
}

INSTANTIATE_TEST_SUITE_P(Orientations, ExifOrientation, ::testing::Values(1, 2, 3, 4, 6, 8));

TEST(ExifOrientationTag, PictureWithoutPropertiesIsLeftAlone) {
  auto picture = SolidPicture(12, 4, kRed);
  ApplyExifOrientation(picture.get());
  EXPECT_EQ(picture->GetWidth(), 12u);
  ApplyExifOrientation(nullptr);
}

}  // namespace
