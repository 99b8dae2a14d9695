// The switch tidgets in the real program: clicks on the cursor mover and the
// clipboard-to-text buttons are kept in the settings file, and a real Ctrl+Shift+C
// from the keyboard leaves only the text of formatted clipboard contents; the LCD
// test button opens its screen, which the Esc key closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/driver_win.h"

namespace {

using e2e::Pelgra;
using e2e::Sandbox;

// The tidget buttons of the strip, in their order.
std::vector<HWND> Tidgets(const Pelgra& run) {
  std::vector<HWND> found;
  HWND strip = run.Child(2, L"CWindow");
  for (HWND child = FindWindowExW(strip, nullptr, L"CWindow", nullptr); child;
       child = FindWindowExW(strip, child, L"CWindow", nullptr))
    found.push_back(child);
  return found;
}

bool PutFormattedText(const std::wstring& text, UINT html) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const std::string markup = "<b>formatted</b>";
  HGLOBAL textBlock = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  HGLOBAL htmlBlock = GlobalAlloc(GMEM_MOVEABLE, markup.size() + 1);
  std::memcpy(GlobalLock(textBlock), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(textBlock);
  std::memcpy(GlobalLock(htmlBlock), markup.c_str(), markup.size() + 1);
  GlobalUnlock(htmlBlock);
  const bool put = SetClipboardData(CF_UNICODETEXT, textBlock) && SetClipboardData(html, htmlBlock);
  CloseClipboard();
  return put;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void PressKeys(std::initializer_list<BYTE> keys) {
  for (BYTE key : keys) keybd_event(key, 0, 0, 0);
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) keybd_event(*key, 0, KEYEVENTF_KEYUP, 0);
}

TEST(SwitchTidgetsRun, ClicksAreKeptAndTheHotKeyLeavesPlainText) {
  Sandbox box;
  ASSERT_TRUE(box.WriteIni(L"[main]\r\nwnum=1\r\nwidget_0=시계§Clock§Clock_1§1§80§120§14020607§0§100\r\n"
                           L"tnum=3\r\ntidget_0=LCD 테스트§LCDTest§LCDTest§1\r\n"
                           L"tidget_1=커서 이동§MoveCursor§MoveCursor§1\r\n"
                           L"tidget_2=클립보드 변환§TextClip§TextClip§1\r\n"));
  {
    Pelgra run(box);
    ASSERT_TRUE(run.bar());
    const std::vector<HWND> tidgets = Tidgets(run);
    ASSERT_EQ(tidgets.size(), 3u);
    run.ClickOn(tidgets[1]);
    run.ClickOn(tidgets[2]);

    const UINT html = RegisterClipboardFormatW(L"HTML Format");
    const std::wstring text = L"서식 있는 글 formatted";
    ASSERT_TRUE(PutFormattedText(text, html));
    PressKeys({VK_CONTROL, VK_SHIFT, 'C'});
    EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return !IsClipboardFormatAvailable(html); }));
    EXPECT_EQ(ClipboardText(), text);

    run.ClickOn(tidgets[0]);
    HWND lcd = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(5000, [&] { return (lcd = FindWindowW(L"LCDTest", L"LCDTest")) != nullptr; }));
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(e2e::WaitUntil(5000, [&] { return !IsWindow(lcd); }));
    ASSERT_TRUE(run.Close());
  }
  EXPECT_EQ(box.IniInt(L"MoveCursor", L"moveCursor"), 1);
  EXPECT_EQ(box.IniInt(L"TextClip", L"ClipToText"), 1);
}

}  // namespace
