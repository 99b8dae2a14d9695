// Window procedure of "GrpBtn". The state rules are in grpbtn.cpp; this file
// turns messages into them, paints the face of the state and notifies the parent.
#include "widgets/controls/grpbtn_win.h"

#include <windowsx.h>

#include <cstdint>
#include <new>

#include "core/dpi_win.h"
#include "core/frameless_win.h"
#include "core/window_win.h"
#include "core/gdi_win.h"
#include "core/tooltip_win.h"

namespace {

constexpr UINT_PTR kHoverTimer = 0;
constexpr UINT kHoverPeriodMs = 50;

// The per-window data block, kept behind the pointer in the window extra bytes.
// A face is loaded when it is first shown: a bar with dozens of buttons would
// otherwise load four bitmaps each at start-up to show one. Faces are drawn for the
// scale of the window the button sits in, and drawn again when that changes.
struct ButtonData {
  WORD imageIds[grpbtn::kStateCount] = {};
  gdi::Bitmap images[grpbtn::kStateCount];
  Scale imagesScale;
  int32_t state = grpbtn::kNormal;
  // The state the toggle button had when the left button went down on it.
  int32_t pressState = grpbtn::kNormal;
  // Until the first paint nothing shows an old face, and that paint is already due:
  // asking for one more would cost a trip to the server for nothing (a panel sets
  // the faces and states of a dozen new buttons).
  bool painted = false;
};

void Repaint(HWND hwnd, const ButtonData& data) {
  if (data.painted) InvalidateRect(hwnd, nullptr, FALSE);
}

ButtonData* Data(HWND hwnd) { return reinterpret_cast<ButtonData*>(GetWindowLongPtrW(hwnd, 0)); }

bool IsToggle(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & GBS_TOGGLE) != 0; }

void ShowState(HWND hwnd, ButtonData& data, int state) {
  if (state == data.state) return;
  data.state = state;
  Repaint(hwnd, data);
}

bool ScreenPointInside(HWND hwnd, POINT screen) {
  RECT window{};
  GetWindowRect(hwnd, &window);
  return PtInRect(&window, screen) != FALSE;
}

// Mouse messages carry signed 16-bit client coordinates.
bool MessagePointInside(HWND hwnd, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(hwnd, &point);
  return ScreenPointInside(hwnd, point);
}

// GA_ROOT rather than a GetParent walk: for an owned popup GetParent answers the
// owner, which need not be the window the user is working in.
bool TopLevelInForeground(HWND hwnd) { return GetAncestor(hwnd, GA_ROOT) == GetForegroundWindow(); }

HBITMAP Face(HWND hwnd, ButtonData& data, int state) {
  const Scale scale = ScaleOf(hwnd);
  if (scale != data.imagesScale) {
    for (gdi::Bitmap& image : data.images) image.reset();
    data.imagesScale = scale;
  }
  if (!data.images[state] && data.imageIds[state]) data.images[state] = LoadScaledBitmap(data.imageIds[state], scale);
  return data.images[state];
}

void Paint(HWND hwnd) {
  gdi::PaintScope paint(hwnd);
  ButtonData* data = Data(hwnd);
  if (!data || data->state < 0 || data->state >= grpbtn::kStateCount) return;
  data->painted = true;
  HBITMAP face = Face(hwnd, *data, data->state);
  if (!face) return;
  BITMAP size{};
  GetObjectW(face, sizeof size, &size);
  gdi::MemoryDC source(paint.dc());
  gdi::Selection selected(source, face);
  BitBlt(paint.dc(), 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
}

void SetImages(HWND hwnd, ButtonData& data, WPARAM wParam, LPARAM lParam) {
  const WORD ids[grpbtn::kStateCount] = {LOWORD(wParam), HIWORD(wParam), LOWORD(lParam), HIWORD(lParam)};
  for (int state = 0; state < grpbtn::kStateCount; ++state) {
    data.imageIds[state] = ids[state];
    data.images[state].reset();
  }
  Repaint(hwnd, data);
}

void OnUncapturedMove(HWND hwnd, ButtonData& data) {
  if (!TopLevelInForeground(hwnd) || IsToggle(hwnd)) return;
  ShowState(hwnd, data, grpbtn::AfterHover(false, data.state));
  SetTimer(hwnd, kHoverTimer, kHoverPeriodMs, nullptr);
}

void OnMouseMove(HWND hwnd, ButtonData& data, LPARAM lParam) {
  if (GetCapture() != hwnd) {
    OnUncapturedMove(hwnd, data);
    return;
  }
  const bool inside = MessagePointInside(hwnd, lParam);
  ShowState(hwnd, data, grpbtn::AfterCapturedMove(IsToggle(hwnd), inside, data.pressState));
}

void OnHoverTimer(HWND hwnd, ButtonData& data) {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (ScreenPointInside(hwnd, cursor)) return;
  KillTimer(hwnd, kHoverTimer);
  ShowState(hwnd, data, grpbtn::kNormal);
}

void OnLButtonDown(HWND hwnd, ButtonData& data) {
  ShowState(hwnd, data, grpbtn::AfterPress(IsToggle(hwnd), data.state, data.pressState));
  SetCapture(hwnd);
}

// The parent may destroy the button while it handles the click (the bar's close
// button does), so the data block is not touched after the notification.
void OnLButtonUp(HWND hwnd, ButtonData& data, LPARAM lParam) {
  if (GetCapture() != hwnd) return;
  ReleaseCapture();
  ShowState(hwnd, data, grpbtn::AfterRelease(IsToggle(hwnd), data.state));
  if (!MessagePointInside(hwnd, lParam)) return;
  const int id = GetDlgCtrlID(hwnd);
  SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void OnSetState(HWND hwnd, ButtonData& data, WPARAM requested) {
  const int state = requested < grpbtn::kStateCount ? static_cast<int>(requested) : -1;
  ShowState(hwnd, data, grpbtn::AfterSetState(IsToggle(hwnd), data.state, state));
}

void OnEnable(HWND hwnd, ButtonData& data, bool enabled) {
  ShowState(hwnd, data, grpbtn::AfterEnable(enabled));
  if (!enabled) KillTimer(hwnd, kHoverTimer);
}

LRESULT OnCreate(HWND hwnd) {
  auto* data = new (std::nothrow) ButtonData{};
  if (!data) return -1;
  // WM_ENABLE is not sent for a button created disabled; show its disabled face anyway.
  if (GetWindowLongW(hwnd, GWL_STYLE) & WS_DISABLED) data->state = grpbtn::kDisabled;
  SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(data));
  return 0;
}

void OnDestroy(HWND hwnd) {
  ButtonData* data = Data(hwnd);
  SetWindowLongPtrW(hwnd, 0, 0);
  delete data;
}

LRESULT HandleWithData(HWND hwnd, ButtonData& data, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case GBM_SETIMAGES: SetImages(hwnd, data, wParam, lParam); return 0;
    case GBM_GETSTATE: return data.state;
    case GBM_SETSTATE: OnSetState(hwnd, data, wParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(hwnd, data, lParam); return 0;
    case WM_TIMER: OnHoverTimer(hwnd, data); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(hwnd, data); return 0;
    case WM_LBUTTONUP: OnLButtonUp(hwnd, data, lParam); return 0;
    case WM_ENABLE: OnEnable(hwnd, data, wParam != FALSE); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

LRESULT CALLBACK GrpBtnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: return OnCreate(hwnd);
    case WM_DESTROY:
      ForgetTools(hwnd);
      OnDestroy(hwnd);
      return 0;
    case WM_PAINT: Paint(hwnd); return 0;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      if (AnswerFramelessNonClient(hwnd, msg)) return 0;
      break;
    // A right click on the button is meant for the parent (the bar's menu, for one).
    case WM_CONTEXTMENU: PostMessageW(GetParent(hwnd), WM_CONTEXTMENU, wParam, lParam); return 0;
    default: break;
  }
  ButtonData* data = Data(hwnd);
  if (!data) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return HandleWithData(hwnd, *data, msg, wParam, lParam);
}

// The class must exist before the entry point creates the first button. The
// extra bytes hold a pointer, so they are as wide as one (8 bytes in 64-bit code).
const ATOM grpBtnClass = [] {
  WNDCLASSW wc{};
  wc.lpfnWndProc = GrpBtnProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kGrpBtnClass;
  return RegisterClassW(&wc);
}();

}  // namespace
