#include "tidgets/sizemeter_win.h"

#include "core/dpi_win.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "res/resource.h"
#include "tidgets/sizemeter.h"
#include "widgets/base/text_draw_win.h"

namespace {

constexpr int kHintDrop = 30;

// The size is in pixels whatever the scale: that is what the meter measures. Its
// texts are drawn for the window's scale, the hint in the bar's language (the bar's
// texts, handed to the window at creation, outlive it).
void Paint(HWND window) {
  const auto* texts = reinterpret_cast<const TextTable*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  gdi::PaintScope paint(window);
  RECT client{};
  GetClientRect(window, &client);
  gdi::Font font = DefaultHeightSharedFont(window);
  gdi::Selection selected(paint.dc(), font);
  SetBkMode(paint.dc(), TRANSPARENT);
  SetTextAlign(paint.dc(), TA_CENTER | TA_TOP);
  const int x = client.right / 2, y = client.bottom / 2;
  TextOut16(paint.dc(), x, y, SizeLine(client.right, client.bottom));
  if (texts) TextOut16(paint.dc(), x, y + SystemScaleOf(window).Px(kHintDrop), (*texts)[TextId::SizeMeterHint]);
}

// The window rectangle whose client area has the standard size, with the top-left
// kept; the frame is as thick as it is on the window's monitor.
void ResizeClient(HWND window, const ClientSize& size) {
  RECT frame{0, 0, size.width, size.height};
  AdjustWindowRectForScale(frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), GetMenu(window) != nullptr,
                           static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), SystemScaleOf(window));
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOMOVE);
}

LRESULT CALLBACK SizeMeterProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
      return DefWindowProcW(window, msg, wParam, lParam);
    case WM_CREATE:
    case WM_DESTROY: return 0;  // closing a meter leaves the program running
    case WM_SIZE: InvalidateRect(window, nullptr, TRUE); return 0;
    case WM_DPICHANGED: MoveToSuggestedRect(window, lParam); return 0;
    case WM_PAINT: Paint(window); return 0;
    case WM_KEYDOWN:
      if (const auto size = StandardClientSize(static_cast<unsigned>(wParam))) ResizeClient(window, *size);
      return 0;
    default: return DefWindowProcW(window, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterSizeMeterClass() {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = SizeMeterProc;
  windowClass.hInstance = appInstance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = kSizeMeterClass;
  RegisterClassW(&windowClass);
}

CSizeMeter::CSizeMeter(DgetHost& host, const wchar_t* caption, const wchar_t* name) : CIconTidget(host, caption, name, IDB_SIZEMETER) {}

// The class is registered when the meter is first opened, not at start-up.
void CSizeMeter::Activate() {
  [[maybe_unused]] static const bool registered = (RegisterSizeMeterClass(), true);
  CreateWindowExW(0, kSizeMeterClass, L"SizeMeter", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, appInstance, const_cast<TextTable*>(&host.Texts()));
}
