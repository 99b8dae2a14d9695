// The image slide show in the real program: a click opens a viewer of the stored
// list's picture, and closing the bar with the viewer open ends the program and
// keeps the viewer's placement in the widget's section.
#include <gtest/gtest.h>

#include <string>

#include "e2e/driver_win.h"

namespace {

TEST(ImageSlideRun, ViewerOpenAtTheEndIsClosedWithItsPlacementKept) {
  e2e::Sandbox box;
  ASSERT_TRUE(box.ok());
  // A picture that cannot be read still counts as the one shown.
  const std::wstring picture = box.Path(L"photo.jpg");
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nwnum=1\r\nwidget_0=이미지슬라이더§ImageSlide§ImageSlide_1§1§100§150§11119017§0§100\r\n"
                           L"tnum=0\r\n[ImageSlide_1]\r\nImageList=" + picture + L"§\r\nright=700\r\n"));
  e2e::Pelgra run(box);
  ASSERT_TRUE(run.bar());
  HWND slide = run.Child(0, L"CWindow");
  ASSERT_NE(slide, nullptr);
  run.ClickOn(slide);
  HWND viewer = run.WaitForWindow(picture.c_str());
  ASSERT_NE(viewer, nullptr);
  RECT shown{};
  GetWindowRect(viewer, &shown);
  EXPECT_EQ(shown.right, 700);

  ASSERT_TRUE(run.Close());
  EXPECT_EQ(box.Ini(L"ImageSlide_1", L"ImageList"), picture + L"§");
  EXPECT_EQ(box.IniInt(L"ImageSlide_1", L"left"), 10);
  EXPECT_EQ(box.IniInt(L"ImageSlide_1", L"right"), 700);
  EXPECT_EQ(box.IniInt(L"ImageSlide_1", L"showCmd"), 1);
  EXPECT_EQ(box.IniInt(L"ImageSlide_1", L"fullScreen"), 0);
}

}  // namespace
