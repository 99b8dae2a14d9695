#include "core/window_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "app/factory_win.h"
#include "core/gdi_win.h"
#include "core/gdiplus_win.h"
#include "core/records.h"
#include "support/widget_bench.h"
#include "support/win_test_support.h"

namespace {

using test_support::BitmapPixel;
using test_support::BitmapSize;
using test_support::PumpMessages;
using test_support::WindowPixel;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// Records which operation each message reached; routed handlers answer 100 + slot.
class RecordingWindow : public CWindow {
 public:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(msg);
    return CWindow::WindowProc(msg, wParam, lParam);
  }
  LRESULT OnCreate(WPARAM, LPARAM) override { return Slot(4, 0); }
  LRESULT OnDestroy(WPARAM, LPARAM) override { return Slot(5, 0); }
  LRESULT OnTimer(WPARAM, LPARAM) override { return Slot(8); }
  LRESULT OnSize(WPARAM w, LPARAM l) override {
    CWindow::OnSize(w, l);
    return Slot(9);
  }
  LRESULT OnCommand(WPARAM, LPARAM) override { return Slot(10); }
  LRESULT OnContextMenu(WPARAM, LPARAM) override { return Slot(11); }
  LRESULT OnKeyDown(WPARAM, LPARAM) override { return Slot(12); }
  LRESULT OnLButtonDown(WPARAM, LPARAM) override { return Slot(13); }
  LRESULT OnMouseMove(WPARAM, LPARAM) override { return Slot(14); }
  LRESULT OnLButtonUp(WPARAM, LPARAM) override { return Slot(15); }
  LRESULT OnLButtonDblClk(WPARAM, LPARAM) override { return Slot(16); }
  LRESULT OnMouseWheel(WPARAM, LPARAM) override { return Slot(17); }
  LRESULT OnDropFiles(WPARAM, LPARAM) override { return Slot(20); }
  void Draw(HDC, RECT) override { slots.push_back(7); }

  std::vector<UINT> seen;
  std::vector<int> slots;

 private:
  LRESULT Slot(int slot, LRESULT result = -1) {
    slots.push_back(slot);
    return result == -1 ? 100 + slot : result;
  }
};

// Draws a blue square in the bottom-right corner of whatever client it is given.
class CornerWindow : public CWindow {
 public:
  void Draw(HDC dc, RECT client) override {
    ++draws;
    RECT corner{client.right - 4, client.bottom - 4, client.right, client.bottom};
    gdi::Brush blue = gdi::SolidBrush(kBlue);
    FillRect(dc, &corner, blue);
  }
  int draws = 0;
};

HWND CreateTopLevel(CWindow& object, int width = 60, int height = 40, DWORD style = WS_POPUP | WS_VISIBLE) {
  return CreateWindowExW(0, kWindowClassName, L"test", style, 50, 50, width, height, nullptr, nullptr,
                         appInstance, &object);
}

void Repaint(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
}

TEST(WindowFramework, EveryRoutedMessageReachesItsSlot) {
  RecordingWindow window;
  HWND hwnd = CreateTopLevel(window);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(window.hwnd, hwnd);
  EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_NCCREATE));  // the creation message itself
  EXPECT_NE(std::find(window.slots.begin(), window.slots.end(), 4), window.slots.end());

  struct Case {
    UINT msg;
    int slot;
  };
  const Case cases[] = {{WM_TIMER, 8},          {WM_SIZE, 9},         {WM_COMMAND, 10},
                        {WM_CONTEXTMENU, 11},   {WM_KEYDOWN, 12},     {WM_LBUTTONDOWN, 13},
                        {WM_MOUSEMOVE, 14},     {WM_LBUTTONUP, 15},   {WM_LBUTTONDBLCLK, 16},
                        {WM_MOUSEWHEEL, 17},    {WM_DROPFILES, 20}};
  for (const Case& c : cases) {
    window.slots.clear();
    EXPECT_EQ(SendMessageW(hwnd, c.msg, 0, 0), 100 + c.slot) << "message " << c.msg;
    EXPECT_EQ(window.slots, std::vector<int>{c.slot}) << "message " << c.msg;
  }
  window.slots.clear();
  Repaint(hwnd);
  EXPECT_EQ(window.slots, std::vector<int>{7});  // WM_PAINT -> OnPaint -> Draw

  // Unrouted messages get the default handling: the text is stored and read back.
  window.slots.clear();
  SetWindowTextW(hwnd, L"Pelgra");
  wchar_t text[16] = {};
  GetWindowTextW(hwnd, text, 16);
  EXPECT_STREQ(text, L"Pelgra");
  EXPECT_TRUE(window.slots.empty());

  DestroyWindow(hwnd);
  EXPECT_EQ(window.slots.back(), 5);
}

TEST(WindowFramework, SwallowedMessagesDoNotReachTheDefaultProcedure) {
  // A child's WM_CONTEXTMENU would go up to its parent through DefWindowProcW.
  RecordingWindow parent;
  CWindow child;
  HWND parentHwnd = CreateTopLevel(parent, 100, 100);
  ASSERT_NE(child.Create(parentHwnd, 7, L"", WS_CHILD | WS_VISIBLE), nullptr);
  EXPECT_EQ(GetDlgCtrlID(child.hwnd), 7);
  parent.slots.clear();
  EXPECT_EQ(SendMessageW(child.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(child.hwnd), 0), 0);
  EXPECT_EQ(SendMessageW(child.hwnd, WM_KEYDOWN, VK_F10, 0), 0);
  EXPECT_TRUE(parent.slots.empty());
  DestroyWindow(parentHwnd);
  EXPECT_EQ(child.hwnd, nullptr);  // destroyed with its parent
}

TEST(WindowFramework, MinMaxInfoBeforeCreationRegistersNothing) {
  int before = window_table::Count();
  MINMAXINFO info{};
  HWND unknown = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7ff0));
  CWindowClassProc(unknown, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  // Nor is a stray message that carries no creation data.
  CWindowClassProc(unknown, WM_USER + 1, 0, 0);
  EXPECT_EQ(window_table::Count(), before);
  EXPECT_EQ(window_table::Find(unknown), nullptr);

  RecordingWindow window;
  HWND hwnd = CreateTopLevel(window, 60, 40, WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(window_table::Count(), before + 1);
  EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_NCCREATE));
  DestroyWindow(hwnd);
}

TEST(WindowFramework, TableGrowsPastOneHundredWindows) {
  int before = window_table::Count();
  CWindow parentObject;
  HWND parent = CreateTopLevel(parentObject, 10, 10, WS_POPUP);
  std::vector<std::unique_ptr<RecordingWindow>> windows;
  for (int i = 0; i < 120; ++i) {
    windows.push_back(std::make_unique<RecordingWindow>());
    ASSERT_NE(windows.back()->Create(parent, i, L"", WS_CHILD), nullptr);
  }
  EXPECT_EQ(window_table::Count(), before + 121);
  EXPECT_GE(window_table::Capacity(), before + 122);
  for (auto& window : windows) {
    ASSERT_EQ(window_table::Find(window->hwnd), window.get());
    window->slots.clear();
    EXPECT_EQ(SendMessageW(window->hwnd, WM_COMMAND, 0, 0), 110);
    EXPECT_EQ(window->slots, std::vector<int>{10});
  }
  DestroyWindow(parent);
  EXPECT_EQ(window_table::Count(), before);
}

TEST(WindowFramework, BackBufferFollowsTheClientSize) {
  CornerWindow window;
  window.bgBrush = gdi::SolidBrush(kRed);
  HWND hwnd = CreateTopLevel(window, 60, 40, WS_POPUP);
  EXPECT_FALSE(window.backBuffer);                     // never painted
  SetWindowPos(hwnd, nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);  // harmless without one
  EXPECT_FALSE(window.backBuffer);

  ShowWindow(hwnd, SW_SHOW);
  Repaint(hwnd);
  ASSERT_TRUE(window.backBuffer);
  SIZE size = BitmapSize(window.backBuffer);
  EXPECT_EQ(size.cx, 30);
  EXPECT_EQ(size.cy, 20);
  EXPECT_EQ(BitmapPixel(window.backBuffer, 0, 0), kRed);
  EXPECT_EQ(BitmapPixel(window.backBuffer, 29, 19), kBlue);
  EXPECT_EQ(WindowPixel(hwnd, 29, 19), kBlue);
  EXPECT_EQ(WindowPixel(hwnd, 25, 15), kRed);

  HBITMAP first = window.backBuffer;
  Repaint(hwnd);
  EXPECT_EQ(window.backBuffer.get(), first);  // reused while the size stays

  SetWindowPos(hwnd, nullptr, 0, 0, 50, 36, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_FALSE(window.backBuffer);  // dropped by WM_SIZE
  Repaint(hwnd);
  ASSERT_TRUE(window.backBuffer);
  size = BitmapSize(window.backBuffer);
  EXPECT_EQ(size.cx, 50);
  EXPECT_EQ(size.cy, 36);
  EXPECT_EQ(BitmapPixel(window.backBuffer, 49, 35), kBlue);
  EXPECT_EQ(BitmapPixel(window.backBuffer, 29, 19), kRed);
  EXPECT_EQ(WindowPixel(hwnd, 49, 35), kBlue);
  DestroyWindow(hwnd);
}

TEST(WindowFramework, NullBackgroundStillDrawsAndBlits) {
  CornerWindow window;
  HWND hwnd = CreateTopLevel(window, 20, 20);
  Repaint(hwnd);
  EXPECT_GE(window.draws, 1);
  ASSERT_TRUE(window.backBuffer);
  EXPECT_EQ(BitmapPixel(window.backBuffer, 19, 19), kBlue);
  EXPECT_EQ(WindowPixel(hwnd, 19, 19), kBlue);

  // Without a fill the buffer keeps what the last paint left.
  HDC screen = GetDC(nullptr);
  {
    gdi::MemoryDC memory(screen);
    gdi::Selection selected(memory, window.backBuffer);
    SetPixel(memory, 2, 2, kGreen);
  }
  ReleaseDC(nullptr, screen);
  Repaint(hwnd);
  EXPECT_EQ(BitmapPixel(window.backBuffer, 2, 2), kGreen);
  EXPECT_EQ(WindowPixel(hwnd, 2, 2), kGreen);
  DestroyWindow(hwnd);
}

// Windows without a frame answer their non-client messages themselves; the answers must
// be those of the default procedure, for windows with and without frames alike.
TEST(WindowFramework, NonClientAnswersMatchTheDefaultHandling) {
  WNDCLASSW reference{};
  reference.lpfnWndProc = DefWindowProcW;
  reference.hInstance = appInstance;
  reference.lpszClassName = L"NonClientReference";
  RegisterClassW(&reference);
  HWND parent = CreateWindowExW(0, L"NonClientReference", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                appInstance, nullptr);
  const DWORD kStyles[] = {WS_POPUP, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_POPUP | WS_VSCROLL,
                           WS_CHILD, WS_CHILD | WS_BORDER, WS_CHILD | WS_HSCROLL};
  for (const DWORD style : kStyles) {
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << style);
    HWND owner = (style & WS_CHILD) ? parent : nullptr;
    CornerWindow object;
    HWND ours = CreateWindowExW(0, kWindowClassName, L"", style, 10, 10, 120, 90, owner, nullptr, appInstance, &object);
    HWND theirs = CreateWindowExW(0, L"NonClientReference", L"", style, 10, 10, 120, 90, owner, nullptr, appInstance,
                                  nullptr);
    RECT ourClient{}, theirClient{};
    GetClientRect(ours, &ourClient);
    GetClientRect(theirs, &theirClient);
    EXPECT_TRUE(EqualRect(&ourClient, &theirClient));
    NCCALCSIZE_PARAMS ourSizes{};
    ourSizes.rgrc[0] = {0, 0, 150, 70};
    ourSizes.rgrc[1] = ourSizes.rgrc[2] = {0, 0, 120, 90};
    NCCALCSIZE_PARAMS theirSizes = ourSizes;
    EXPECT_EQ(SendMessageW(ours, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&ourSizes)),
              SendMessageW(theirs, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&theirSizes)));
    EXPECT_TRUE(EqualRect(&ourSizes.rgrc[0], &theirSizes.rgrc[0]));
    DestroyWindow(ours);
    DestroyWindow(theirs);
  }
  DestroyWindow(parent);
  UnregisterClassW(L"NonClientReference", appInstance);
}

TEST(WindowFramework, PaintingLeavesNoGdiObjectsBehind) {
  CornerWindow window;
  window.bgBrush = gdi::SolidBrush(kRed);
  HWND hwnd = CreateTopLevel(window, 40, 30);
  Repaint(hwnd);
  int live = gdi::LiveObjects();
  for (int i = 0; i < 50; ++i) Repaint(hwnd);
  EXPECT_EQ(gdi::LiveObjects(), live);
  EXPECT_EQ(window.draws, 51);
  DestroyWindow(hwnd);
}

TEST(WindowFramework, DestroyedWindowLeavesTheTable) {
  int before = window_table::Count();
  RecordingWindow first;
  HWND hwnd = CreateTopLevel(first);
  ASSERT_EQ(window_table::Count(), before + 1);
  DestroyWindow(hwnd);
  EXPECT_EQ(window_table::Count(), before);
  EXPECT_EQ(window_table::Find(hwnd), nullptr);
  EXPECT_EQ(first.hwnd, nullptr);

  // The object lives on and gets a new window and a new entry.
  HWND again = CreateTopLevel(first);
  EXPECT_EQ(window_table::Find(again), &first);
  EXPECT_EQ(window_table::Count(), before + 1);
  DestroyWindow(again);
}

TEST(WindowFramework, AnObjectOwnedByItsWindowIsFreedWithIt) {
  struct Owned : CWindow {
    bool* freed;
    explicit Owned(bool* flag) : freed(flag) { deleteWithWindow = true; }
    ~Owned() override { *freed = true; }
  };
  bool freed = false;
  auto* owned = new Owned(&freed);
  HWND hwnd = CreateTopLevel(*owned);
  ASSERT_TRUE(hwnd);
  EXPECT_FALSE(freed);
  DestroyWindow(hwnd);
  EXPECT_TRUE(freed);
}

TEST(WindowFramework, DestroyingAnObjectForgetsOnlyItsOwnEntry) {
  int before = window_table::Count();
  auto doomed = std::make_unique<RecordingWindow>();
  HWND hwnd = CreateTopLevel(*doomed);
  RecordingWindow survivor;
  HWND other = CreateTopLevel(survivor);
  ASSERT_EQ(window_table::Count(), before + 2);
  doomed.reset();  // object gone, window still there (owners normally destroy it first)
  EXPECT_EQ(window_table::Count(), before + 1);
  EXPECT_EQ(window_table::Find(hwnd), nullptr);
  EXPECT_EQ(window_table::Find(other), &survivor);
  EXPECT_EQ(SendMessageW(hwnd, WM_USER + 1, 0, 0), 0);  // now answered by the default procedure
  DestroyWindow(hwnd);
  {
    CWindow neverCreated;  // no handle: the table is untouched
  }
  EXPECT_EQ(window_table::Count(), before + 1);
  DestroyWindow(other);
  EXPECT_EQ(window_table::Count(), before);
}

TEST(WindowFramework, GdiplusStartsOnFirstUseAndStaysUp) {
  EXPECT_TRUE(gdiplus_session::Start());
  EXPECT_TRUE(gdiplus_session::Start());
  EXPECT_TRUE(gdiplus_session::Started());
}

TEST(Factories, UnknownKindsAndKindsOfTheOtherListMakeNoObjectAndNoWindow) {
  test_support::IniSandbox ini;
  test_support::TestHost host(ini.settings);
  EXPECT_EQ(CreateWidgetObject(host, L"NoSuchKind", L"x", L"x"), nullptr);
  EXPECT_EQ(CreateWidgetObject(host, L"clock", L"x", L"x"), nullptr);
  EXPECT_EQ(CreateWidgetObject(host, L"Tetris", L"x", L"x"), nullptr);
  EXPECT_EQ(CreateTidgetObject(host, L"Clock", L"x", L"x"), nullptr);
  EXPECT_EQ(CreateTidgetObject(host, L"Weather", L"x", L"x"), nullptr);
  EXPECT_EQ(CreateTidgetObject(host, nullptr, L"x", L"x"), nullptr);

  CWindow parentObject;
  HWND parent = CreateTopLevel(parentObject, 100, 100, WS_POPUP);
  WidgetInfo record = ParseWidgetLine(u"미래\u00A7Weather\u00A7Weather_1\u00A71\u00A780");
  int before = window_table::Count();
  EXPECT_EQ(CreateWidgetWindow(host, record, parent), nullptr);
  EXPECT_EQ(record.widget, nullptr);
  EXPECT_EQ(window_table::Count(), before);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
  DestroyWindow(parent);
}

// One letter drawn black on white in `face`: the colours of its pixels.
std::vector<COLORREF> Drawn(const LOGFONTW& face, wchar_t letter) {
  constexpr int kSide = 40;
  gdi::WindowDC screen(nullptr);
  gdi::MemoryDC memory(screen);
  gdi::Bitmap bitmap = gdi::CompatibleBitmap(screen, kSide, kSide);
  gdi::Font font(CreateFontIndirectW(&face));
  {
    gdi::Selection on(memory, bitmap), with(memory, font);
    PatBlt(memory, 0, 0, kSide, kSide, WHITENESS);
    TextOutW(memory, 4, 4, &letter, 1);
  }
  const test_support::Snapshot shot = test_support::Snapshot::OfBitmap(bitmap);
  std::vector<COLORREF> pixels;
  for (int i = 0; i < kSide * kSide; ++i) pixels.push_back(shot.At(i % kSide, i / kSide));
  return pixels;
}

// Message boxes, captions, menus and Notepad are drawn in the system's own fonts,
// which under Wine have no Korean letters: the prefix links them to a Korean font.
// A font without them draws one box for every letter (GetGlyphIndicesW does not see
// linked fonts, so the drawings are compared).
TEST(SystemFonts, MessageBoxCaptionDialogAndNotepadFontsDrawKoreanLetters) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  LOGFONTW dialog = metrics.lfMessageFont, notepad = metrics.lfMessageFont;
  wcscpy_s(dialog.lfFaceName, L"MS Shell Dlg");
  wcscpy_s(notepad.lfFaceName, L"Lucida Console");
  for (const LOGFONTW& face : {metrics.lfMessageFont, metrics.lfCaptionFont, metrics.lfMenuFont, dialog, notepad}) {
    std::set<std::vector<COLORREF>> drawings;
    for (wchar_t letter : std::wstring_view(L"메모파일저장")) drawings.insert(Drawn(face, letter));
    EXPECT_EQ(drawings.size(), 6u) << face.lfFaceName;
  }
}

}  // namespace
