// The image slide show, its viewer and the reference image under a stand-in bar, with
// JPEG and PNG pictures written by GDI+ into a temporary folder.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <gdiplus.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/jpeg_bytes.h"
#include "core/gdiplus_win.h"
#include "core/settings_win.h"
#include "core/fonts_win.h"
#include "core/write_later_win.h"
#include "res/resource.h"
#include "support/widget_bench.h"
#include "tidgets/oneimage_win.h"
#include "widgets/slide/slide_win.h"
#include "widgets/pictures/viewer_win.h"

namespace {

using test_support::Snapshot;

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBack = RGB(0, 0, 64);
constexpr int kWidth = 120, kHeight = 90;

bool Near(COLORREF c, COLORREF want) {
  auto close = [](int a, int b) { return a - b < 40 && b - a < 40; };
  return close(GetRValue(c), GetRValue(want)) && close(GetGValue(c), GetGValue(want)) &&
         close(GetBValue(c), GetBValue(want));
}

Gdiplus::Color ColorOf(COLORREF color) { return Gdiplus::Color(GetRValue(color), GetGValue(color), GetBValue(color)); }

// A picture saved by GDI+ as "image/jpeg" or "image/png": one colour, or `right` in
// its right half.
void WritePicture(const std::wstring& path, const wchar_t* mime, COLORREF color, int w = 80, int h = 60,
                  COLORREF right = CLR_INVALID) {
  gdiplus_session::Start();
  UINT count = 0, bytes = 0;
  Gdiplus::GetImageEncodersSize(&count, &bytes);
  std::vector<BYTE> room(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(room.data());
  Gdiplus::GetImageEncoders(count, bytes, encoders);
  Gdiplus::Bitmap picture(w, h, PixelFormat24bppRGB);
  Gdiplus::Graphics(&picture).Clear(ColorOf(color));
  Gdiplus::SolidBrush half(ColorOf(right));
  if (right != CLR_INVALID) Gdiplus::Graphics(&picture).FillRectangle(&half, w / 2, 0, w - w / 2, h);
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(encoders[i].MimeType) == mime) {
      ASSERT_EQ(picture.Save(path.c_str(), &encoders[i].Clsid, nullptr), Gdiplus::Ok);
    }
  }
}

// A dropped-files handle as the shell makes it: DROPFILES, then the wide paths.
HGLOBAL DropOf(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(drop);
  return drop;
}

class ImageSlide : public test_support::WidgetBench {
 protected:
  void SetUp() override {
    WidgetBench::SetUp();
    red = files.Path(L"red.JPG");
    green = files.Path(L"green.png");
    blue = files.Path(L"blue.JPG");
    WritePicture(red, L"image/jpeg", RGB(255, 0, 0));
    WritePicture(green, L"image/png", RGB(0, 255, 0));
    WritePicture(blue, L"image/jpeg", RGB(0, 0, 255));
  }

  CImageSlide* AddSlide() {
    WidgetInfo record = MakeWidgetInfo(u"ImageSlide", widgetList);
    record.bgColor = kBack;
    return dynamic_cast<CImageSlide*>(Place(std::move(record), kWidth, kHeight));
  }

  // A slide show of red, green and blue, showing red.
  CImageSlide* AddThree() {
    CImageSlide* slide = AddSlide();
    SendMessageW(slide->hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({red, green, blue})), 0);
    return slide;
  }

  static COLORREF Middle(CImageSlide& slide) { return Snapshot::Repainted(slide).At(kWidth / 2, kHeight / 2); }
  static void Click(CImageSlide& slide) { SendMessageW(slide.hwnd, WM_LBUTTONDOWN, 0, test_support::At(5, 5)); }

  test_support::TempFolder files;
  std::wstring red, green, blue;
};

TEST_F(ImageSlide, FreshWidgetShowsTheHintAndTakesDroppedJpgAndPngOnly) {
  CImageSlide* slide = AddSlide();
  ASSERT_NE(slide, nullptr);
  EXPECT_TRUE(GetWindowLongW(slide->hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_GT(Snapshot::Repainted(*slide).Count({0, 0, kWidth, kHeight}, [](COLORREF c) { return c == kYellow; }), 20);

  const std::wstring gif = files.Path(L"x.gif"), jpeg = files.Path(L"y.jpeg");
  HGLOBAL drop = DropOf({red, gif, blue, jpeg});
  SendMessageW(slide->hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(GlobalSize(drop), 0u);  // given back
  ASSERT_EQ(slide->paths.Count(), 2);
  EXPECT_EQ(slide->current, 0);
  EXPECT_TRUE(Near(Middle(*slide), RGB(255, 0, 0)));
  EXPECT_EQ(ini.String(L"ImageSlide_1", L"ImageList"), red + L"§" + blue + L"§");

  // In order, wrapping; a later drop continues with the first new picture.
  SendMessageW(slide->hwnd, WM_TIMER, 1, 0);
  EXPECT_TRUE(Near(Middle(*slide), RGB(0, 0, 255)));
  SendMessageW(slide->hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({green})), 0);
  EXPECT_EQ(slide->current, 2);
  EXPECT_TRUE(Near(Middle(*slide), RGB(0, 255, 0)));
}

TEST_F(ImageSlide, FileNameIsWrittenInYellowNearTheBottomCentre) {
  CImageSlide* slide = AddThree();
  slide->displayFileName = true;
  const Snapshot shot = Snapshot::Repainted(*slide);
  auto yellow = [](COLORREF c) { return Near(c, kYellow); };
  EXPECT_GT(shot.Count({kWidth / 4, kHeight - 16, kWidth * 3 / 4, kHeight}, yellow), 10);
  EXPECT_EQ(shot.Count({0, 0, kWidth, kHeight - 20}, yellow), 0);
  EXPECT_EQ(shot.Count({0, 0, 10, kHeight}, yellow), 0);

  // A new picture replaces the scaled copy of the old one; a repaint makes nothing.
  Snapshot::Repainted(*slide);
  const int before = gdi::LiveObjects();
  SendMessageW(slide->hwnd, WM_TIMER, 1, 0);
  Snapshot::Repainted(*slide);
  Snapshot::Repainted(*slide);
  EXPECT_EQ(gdi::LiveObjects(), before);
}

// As a phone stores a portrait photo: sideways (red left, blue right), with EXIF
// orientation 6, which GDI+ under Wine does not report for a JPEG.
TEST_F(ImageSlide, JpegIsTurnedUprightByItsOwnExifHeader) {
  const std::wstring photo = files.Path(L"photo.jpg");
  WritePicture(photo, L"image/jpeg", RGB(255, 0, 0), 80, 40, RGB(0, 0, 255));
  std::ifstream stored(photo.c_str(), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(stored)), std::istreambuf_iterator<char>());
  stored.close();
  const jpeg_bytes::Bytes exif = jpeg_bytes::ExifSegment(jpeg_bytes::Tiff(false, {{0x0112, 3, 1, 6}}));
  bytes.insert(bytes.begin() + 2, exif.begin(), exif.end());
  std::ofstream(photo.c_str(), std::ios::binary) << bytes;

  CImageSlide* slide = AddSlide();
  SendMessageW(slide->hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({photo})), 0);
  const Snapshot shot = Snapshot::Repainted(*slide);
  // Turned clockwise it is 40 × 80, red above blue, fitted 45 × 90 in the middle.
  EXPECT_TRUE(Near(shot.At(kWidth / 2, 10), RGB(255, 0, 0)));
  EXPECT_TRUE(Near(shot.At(kWidth / 2, kHeight - 10), RGB(0, 0, 255)));
  EXPECT_TRUE(Near(shot.At(10, kHeight / 2), kBack));
}

TEST_F(ImageSlide, StoredSettingsAreBroughtIntoRangeAndALongListIsReadWhole) {
  std::wstring list;
  for (int i = 0; i < 1200; ++i) list += std::wstring(240, L'p') + L".jpg§";
  ini.settings.SetString(L"ImageSlide_1", L"ImageList", list.c_str());
  ini.Write(L"ImageSlide_1", L"timerInterval", L"0");
  CImageSlide* slide = AddSlide();
  EXPECT_EQ(slide->timerInterval, 1);
  EXPECT_EQ(slide->paths.Count(), 1200);
  EXPECT_EQ(slide->current, 0);  // an unreadable picture is still shown, as nothing
}

TEST_F(ImageSlide, OneViewerIsReusedUnlessEveryClickOpensAnother) {
  CImageSlide* slide = AddThree();
  Click(*slide);
  SendMessageW(slide->hwnd, WM_TIMER, 1, 0);
  Click(*slide);
  ASSERT_EQ(slide->viewers.size(), 1u);
  CImageViewer* viewer = slide->lastViewer;
  EXPECT_TRUE(IsWindowVisible(viewer->hwnd));
  EXPECT_EQ(test_support::TextOf(viewer->hwnd), green);
  EXPECT_EQ(viewer->index, 1);

  slide->multiViewer = true;
  Click(*slide);
  ASSERT_EQ(slide->viewers.size(), 2u);
  EXPECT_NE(slide->lastViewer, viewer);
  // Switched off with two open: the newest ending leaves no stale lastViewer.
  slide->multiViewer = false;
  SendMessageW(slide->lastViewer->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(slide->lastViewer, nullptr);
  EXPECT_EQ(slide->viewers.size(), 1u);
  Click(*slide);
  EXPECT_EQ(slide->viewers.size(), 2u);

  // The widget's end closes its viewers and keeps their placement.
  HWND open = slide->lastViewer->hwnd;
  DestroyWindow(slide->hwnd);
  EXPECT_FALSE(IsWindow(open));
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"right"), 650);
}

TEST_F(ImageSlide, ViewerReopensMaximisedOrInFullScreenAsItWasLeftButNeverHidden) {
  CImageSlide* slide = AddThree();
  ini.Write(L"ImageSlide_1", L"showCmd", L"2");
  Click(*slide);
  EXPECT_TRUE(IsWindowVisible(slide->lastViewer->hwnd) && !IsIconic(slide->lastViewer->hwnd));
  ShowWindow(slide->lastViewer->hwnd, SW_MAXIMIZE);
  write_later::WriteAll();  // once moves and sizes pause, not only when it closes
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"showCmd"), 3);
  ini.Write(L"ImageSlide_1", L"showCmd", L"1");
  SendMessageW(slide->lastViewer->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"showCmd"), 3);
  Click(*slide);
  EXPECT_TRUE(IsZoomed(slide->lastViewer->hwnd));
  ShowWindow(slide->lastViewer->hwnd, SW_RESTORE);
  SendMessageW(slide->lastViewer->hwnd, WM_KEYDOWN, VK_RETURN, 0);

  HWND viewer = slide->lastViewer->hwnd;
  RECT shown{};
  GetWindowRect(viewer, &shown);
  EXPECT_EQ(shown.right - shown.left, GetSystemMetrics(SM_CXSCREEN));
  SendMessageW(viewer, WM_KEYDOWN, VK_ESCAPE, 0);
  // The normal rectangle is kept, not the monitor's.
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"fullScreen"), 1);
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"right"), 650);

  Click(*slide);
  viewer = slide->lastViewer->hwnd;
  EXPECT_TRUE(slide->lastViewer->fullScreen);
  SendMessageW(viewer, WM_LBUTTONDBLCLK, 0, 0);
  GetWindowRect(viewer, &shown);
  EXPECT_EQ(shown.left, 10);
  EXPECT_EQ(shown.bottom, 490);
  EXPECT_TRUE(GetWindowLongW(viewer, GWL_STYLE) & WS_CAPTION);
}

TEST_F(ImageSlide, PopupEscDiscardsAndLosingActivationAppliesAndFollowsTheShownPicture) {
  CImageSlide* slide = AddThree();
  SendMessageW(slide->hwnd, WM_TIMER, 1, 0);  // green, position 1
  const std::wstring stored = ini.String(L"ImageSlide_1", L"ImageList");
  HWND popup = OpenPopup(*slide);
  ASSERT_NE(popup, nullptr);
  SendMessageW(popup, WM_COMMAND, IDC_SLIDE_CLEAR, 0);
  PressEscape(popup);
  EXPECT_EQ(activeDialog, nullptr);
  EXPECT_EQ(slide->paths.Count(), 3);
  EXPECT_EQ(ini.String(L"ImageSlide_1", L"ImageList"), stored);

  popup = OpenPopup(*slide);
  HWND list = GetDlgItem(popup, IDC_SLIDE_LIST);
  SendMessageW(list, LB_SETCURSEL, 0, 0);
  SendMessageW(popup, WM_COMMAND, IDC_SLIDE_DOWN, 0);  // green, red, blue
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  SendMessageW(list, LB_SETCURSEL, 2, 0);
  SendMessageW(popup, WM_COMMAND, IDC_SLIDE_DELETE, 0);  // green, red
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  SetDlgItemTextW(popup, IDC_SLIDE_INTERVAL, L"");
  CheckDlgButton(popup, IDC_SLIDE_FILENAME, BST_CHECKED);
  Deactivate(popup);
  EXPECT_EQ(slide->timerInterval, 1);
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"timerInterval"), 1);
  EXPECT_EQ(ini.Int(L"ImageSlide_1", L"displayFileName"), 1);
  EXPECT_EQ(ini.String(L"ImageSlide_1", L"ImageList"), green + L"§" + red + L"§");
  EXPECT_EQ(slide->current, 0);  // green followed
  EXPECT_TRUE(Near(Middle(*slide), RGB(0, 255, 0)));

  popup = OpenPopup(*slide);
  SendMessageW(GetDlgItem(popup, IDC_SLIDE_LIST), LB_SETCURSEL, 0, 0);
  SendMessageW(popup, WM_COMMAND, IDC_SLIDE_DELETE, 0);
  Deactivate(popup);
  EXPECT_EQ(slide->current, -1);  // the shown picture is gone
  Click(*slide);
  EXPECT_TRUE(slide->viewers.empty());
}

class OneImage : public ImageSlide {
 protected:
  COneImage* AddTidget() {
    tidget = std::make_unique<COneImage>(host, L"참조 이미지", L"OneImage_1");
    tidget->Create(bar.hwnd(), 0, L"", WS_CHILD | WS_VISIBLE);
    SetWindowPos(tidget->hwnd, nullptr, 0, 200, 24, 24, SWP_NOZORDER);
    return tidget.get();
  }
  void Click() { SendMessageW(tidget->hwnd, WM_LBUTTONDOWN, 0, 0), SendMessageW(tidget->hwnd, WM_LBUTTONUP, 0, 0); }
  void TearDown() override {
    if (tidget && tidget->hwnd) DestroyWindow(tidget->hwnd);
    tidget.reset();
    ImageSlide::TearDown();
  }
  std::unique_ptr<COneImage> tidget;
};

TEST_F(OneImage, FaceShowsThePictureAPlainFaceForAMissingFileOrTheLandscape) {
  AddTidget();
  EXPECT_EQ(Snapshot::Repainted(*tidget).At(0, 0), RGB(0x30, 0x30, 0x30));  // the landscape's frame
  tidget->Choose(red.c_str());
  EXPECT_EQ(ini.String(L"OneImage_1", L"imagePath"), red);
  const Snapshot shot = Snapshot::Repainted(*tidget);
  EXPECT_TRUE(Near(shot.At(12, 12), RGB(255, 0, 0)));
  EXPECT_EQ(shot.At(12, 1), RGB(0, 0, 0));  // margin above the 24 × 18 picture

  DestroyWindow(tidget->hwnd);
  ini.Write(L"OneImage_1", L"imagePath", files.Path(L"gone.jpg").c_str());
  AddTidget();
  const Snapshot plain = Snapshot::Repainted(*tidget);
  EXPECT_EQ(plain.CountNot({0, 0, 24, 24}, plain.At(0, 0)), 0);
  EXPECT_NE(plain.At(12, 12), RGB(0x30, 0x30, 0x30));
}

TEST_F(OneImage, ClickOpensOneViewerAndACancelledChoiceKeepsThePath) {
  ini.Write(L"OneImage_1", L"fullScreen", L"1");
  ini.settings.SetString(L"OneImage_1", L"imagePath", blue.c_str());
  AddTidget();
  Click();
  ASSERT_NE(tidget->viewer, nullptr);
  HWND viewer = tidget->viewer->hwnd;
  EXPECT_TRUE(tidget->viewer->fullScreen);
  EXPECT_EQ(test_support::TextOf(viewer), blue);
  Click();
  EXPECT_EQ(tidget->viewer->hwnd, viewer);

  const auto answered = test_support::AnswerModal(bar.hwnd(), IDCANCEL, [&] {
    SendMessageW(tidget->hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tidget->hwnd), 0);
  });
  EXPECT_TRUE(answered.seen);
  EXPECT_EQ(std::wstring(tidget->imagePath), blue);

  SendMessageW(viewer, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(tidget->viewer, nullptr);
  EXPECT_EQ(ini.Int(L"OneImage_1", L"fullScreen"), 1);
  EXPECT_EQ(ini.Int(L"OneImage_1", L"right"), 650);  // the normal rectangle, not the monitor's
  Click();
  EXPECT_NE(tidget->viewer, nullptr);
}

}  // namespace
