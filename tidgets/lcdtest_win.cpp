#include "tidgets/lcdtest_win.h"

#include "core/geometry_win.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "res/resource.h"

namespace {

// The tidget, handed to its window at creation: its state and its bar's texts.
CLCDTest& OwnerOf(HWND window) { return *reinterpret_cast<CLCDTest*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

constexpr COLORREF kHelpOnBlack = RGB(255, 255, 255);
constexpr COLORREF kHelpInk = RGB(0, 0, 0);

void Repaint(HWND window) { InvalidateRect(window, nullptr, FALSE); }

void Paint(HWND window, const LcdState& lcdState, const TextTable& texts) {
  gdi::PaintScope paint(window);
  RECT client{};
  GetClientRect(window, &client);
  {
    gdi::Brush fill = gdi::SolidBrush(lcdState.Color());
    FillRect(paint.dc(), &client, fill);
  }
  if (!lcdState.helpShown) return;
  gdi::Font font = DefaultHeightSharedFont(window);
  gdi::Selection selected(paint.dc(), font);
  SetTextColor(paint.dc(), lcdState.colorIndex == kLcdBlack ? kHelpOnBlack : kHelpInk);
  SetBkMode(paint.dc(), TRANSPARENT);
  RECT lower = client;
  lower.top = client.bottom / 2;
  DrawTextW(paint.dc(), WideText(texts, TextId::LcdHelp), -1, &lower, DT_CENTER);
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT monitor, LPARAM table) {
  reinterpret_cast<MonitorTable*>(table)->Add(ToRect(*monitor));
  return TRUE;
}

// Steps from the monitor that holds the window now, not from where the last window
// went: every window starts on the primary monitor.
void MoveToNextMonitor(HWND window, LcdState& lcdState) {
  if (GetSystemMetrics(SM_CMONITORS) <= 1) return;
  lcdState.monitors.Clear();
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&lcdState.monitors));
  RECT shown{};
  GetWindowRect(window, &shown);
  const int next = NextMonitor(lcdState.monitors, ToRect(shown));
  if (next < 0) return;
  lcdState.monitorIndex = next;
  const Rect& to = lcdState.monitors.rects[next];
  MoveWindow(window, to.left, to.top, to.Width(), to.Height(), TRUE);
}

void OnKey(HWND window, WPARAM key, LcdState& lcdState) {
  const LcdKey action = LcdKeyAction(static_cast<unsigned>(key));
  switch (action.action) {
    case LcdAction::ToggleHelp:
      lcdState.helpShown = !lcdState.helpShown;
      Repaint(window);
      break;
    case LcdAction::Close: DestroyWindow(window); break;
    case LcdAction::NextColor: SendMessageW(window, kLcdNextColor, 0, 0); break;
    case LcdAction::SetColor:
      lcdState.colorIndex = action.color;
      Repaint(window);
      break;
    case LcdAction::NextMonitor: SendMessageW(window, kLcdNextMonitor, 0, 0); break;
    case LcdAction::None: break;
  }
}

LRESULT CALLBACK LcdTestProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  if (!GetWindowLongPtrW(window, GWLP_USERDATA)) return DefWindowProcW(window, msg, wParam, lParam);
  CLCDTest& owner = OwnerOf(window);
  LcdState& lcdState = owner.lcdState;
  switch (msg) {
    case WM_CREATE:
      MoveWindow(window, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
      return 0;
    case WM_PAINT: Paint(window, lcdState, owner.host.Texts()); return 0;
    case WM_LBUTTONDOWN: SendMessageW(window, kLcdNextColor, 0, 0); return 0;
    case WM_RBUTTONDOWN: SendMessageW(window, kLcdNextMonitor, 0, 0); return 0;
    // It covers its monitor whatever the scale; only the help text's size changes.
    case WM_DPICHANGED: Repaint(window); return 0;
    case WM_KEYDOWN: OnKey(window, wParam, lcdState); return 0;
    case kLcdNextColor:
      lcdState.colorIndex = NextLcdColor(lcdState.colorIndex);
      Repaint(window);
      return 0;
    case kLcdNextMonitor: MoveToNextMonitor(window, lcdState); return 0;
    case WM_DESTROY: return 0;
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterLcdTestClass() {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = LcdTestProc;
  windowClass.hInstance = appInstance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kLcdTestClass;
  RegisterClassW(&windowClass);
}

CLCDTest::CLCDTest(DgetHost& host, const wchar_t* caption, const wchar_t* name) : CIconTidget(host, caption, name, IDB_LCDTEST) {}

// The class is registered when the test is first opened, not at start-up.
void CLCDTest::Activate() {
  [[maybe_unused]] static const bool registered = (RegisterLcdTestClass(), true);
  CreateWindowExW(WS_EX_TOPMOST, kLcdTestClass, L"LCDTest", WS_POPUP | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, appInstance, this);
}

LRESULT CLCDTest::OnDestroy(WPARAM wParam, LPARAM lParam) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM owner) {
        if (GetWindowLongPtrW(window, GWLP_USERDATA) == owner) {
          wchar_t name[16] = {};
          GetClassNameW(window, name, 16);
          if (wcscmp(name, kLcdTestClass) == 0) DestroyWindow(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(this));
  return CIconTidget::OnDestroy(wParam, lParam);
}
