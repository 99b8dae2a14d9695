#include "core/window_win.h"

#include <algorithm>

#include "core/dpi_win.h"
#include "core/frameless_win.h"
#include "core/tooltip_win.h"
#include "core/window_table.h"

namespace {

HandleTable<HWND, CWindow>& Table() {
  static HandleTable<HWND, CWindow> table;
  return table;
}

// The class must exist before any window, so it is registered by a static initialiser.
const ATOM windowClass = [] {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = CWindowClassProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // No icon yet: loading the stock one here cost a millisecond of every start, and
  // the bar gives the class the program's own once the start has settled.
  wc.lpszClassName = kWindowClassName;
  Table();
  return RegisterClassExW(&wc);
}();

// Only the creation messages carry the owning object; anything else that reaches an
// unknown window is not trusted to point at a CREATESTRUCT.
CWindow* CreationObject(UINT msg, LPARAM lParam) {
  if ((msg != WM_NCCREATE && msg != WM_CREATE) || lParam == 0) return nullptr;
  return static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
}

}  // namespace

LRESULT CALLBACK CWindowClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (CWindow* object = Table().Find(hwnd)) {
    // While the children still exist, so their tips go too.
    if (msg == WM_DESTROY) ForgetTools(hwnd);
    LRESULT result = object->WindowProc(msg, wParam, lParam);
    // The system may hand this handle value to a later window: forget it now, so
    // that window's messages never reach this (possibly freed) object.
    if (msg == WM_NCDESTROY) {
      Table().Remove(hwnd, object);
      if (object->hwnd == hwnd) object->hwnd = nullptr;
      if (object->deleteWithWindow) delete object;
    }
    return result;
  }
  CWindow* object = CreationObject(msg, lParam);
  if (!object) return DefWindowProcW(hwnd, msg, wParam, lParam);
  // A child draws at its parent's scale, which need not be the system's after a change.
  HWND parent = (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
  object->scale = parent ? ScaleOf(parent) : SystemScaleOf(hwnd);
  Table().Add(hwnd, object);
  object->hwnd = hwnd;
  return object->WindowProc(msg, wParam, lParam);
}

HWND CWindow::Create(HWND parent, UINT childId, const wchar_t* title, DWORD style, const RECT& place) {
  return CreateWindowExW(0, kWindowClassName, title, style, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(childId)), appInstance, this);
}

LRESULT CWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: return OnCreate(wParam, lParam);
    case WM_DESTROY: return OnDestroy(wParam, lParam);
    case WM_PAINT: return OnPaint(wParam, lParam);
    case WM_TIMER: return OnTimer(wParam, lParam);
    case WM_SIZE: return OnSize(wParam, lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_CONTEXTMENU: return OnContextMenu(wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_LBUTTONUP: return OnLButtonUp(wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk(wParam, lParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(wParam, lParam);
    case WM_DROPFILES: return OnDropFiles(wParam, lParam);
    case WM_DPICHANGED: {
      const LRESULT result = OnDpiChanged(wParam, lParam);
      RescaleTooltip(hwnd, scale);
      return result;
    }
    default: return AnswerFramelessNonClient(hwnd, msg) ? 0 : DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

LRESULT CWindow::OnPaint(WPARAM, LPARAM) {
  RECT client{};
  GetClientRect(hwnd, &client);
  gdi::PaintScope paint(hwnd);
  if (client.right <= 0 || client.bottom <= 0) return 0;
  const bool fresh = !backBuffer;
  if (fresh) backBuffer = gdi::BufferBitmap(client.right, client.bottom);
  // A new buffer holds nothing yet: all of it is drawn. Otherwise the invalid part,
  // within the buffer's own size: buffer and client differ only until OnSize drops it.
  RECT area = client;
  if (!fresh) {
    const SIZE buffer = BufferSize();
    area = paint.area();
    area.right = std::min<LONG>(area.right, buffer.cx);
    area.bottom = std::min<LONG>(area.bottom, buffer.cy);
  }
  PaintArea(paint.dc(), client, area, fresh);
  return 0;
}

SIZE CWindow::BufferSize() const {
  BITMAP info{};
  if (!backBuffer || !GetObjectW(backBuffer, sizeof info, &info)) return {};
  return {info.bmWidth, info.bmHeight};
}

void CWindow::ShowNow(const RECT* part) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const SIZE buffer = BufferSize();
  if (!backBuffer || buffer.cx != client.right || buffer.cy != client.bottom) {
    InvalidateRect(hwnd, part, FALSE);
    return;
  }
  RECT area = client;
  if (part && !IntersectRect(&area, part, &client)) return;
  // Child controls keep what they show; they are not redrawn after this.
  HDC screen = GetDCEx(hwnd, nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
  if (!screen) {
    InvalidateRect(hwnd, &area, FALSE);
    return;
  }
  PaintArea(screen, client, area, false);
  ReleaseDC(hwnd, screen);
}

void CWindow::PaintArea(HDC target, const RECT& client, const RECT& area, bool fresh) {
  gdi::MemoryDC memory(target);
  gdi::Selection selected(memory, backBuffer);
  // Outside `area` the buffer still holds what is shown (a tick that changes a clock's
  // time alone redraws its band only).
  if (!fresh) IntersectClipRect(memory, area.left, area.top, area.right, area.bottom);
  if (bgBrush) FillRect(memory, &client, bgBrush);
  Draw(memory, client);
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left, area.top,
         SRCCOPY);
  ++painted_.count;
  painted_.area = area;
}

LRESULT CWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  // The rectangle first: a window whose size follows its content sets it in SetScale.
  MoveToSuggestedRect(hwnd, lParam);
  SetScale(Scale(LOWORD(wParam)));
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

LRESULT CWindow::OnSize(WPARAM, LPARAM) {
  backBuffer.reset();
  return 0;
}

CWindow::~CWindow() {
  if (hwnd) Table().Remove(hwnd, this);
}

Scale ScaleOf(HWND window) {
  for (HWND at = window; at; at = (GetWindowLongW(at, GWL_STYLE) & WS_CHILD) ? GetParent(at) : nullptr)
    if (const CWindow* object = Table().Find(at)) return object->scale;
  return SystemScaleOf(window);
}

namespace window_table {
int Count() { return static_cast<int>(Table().count()); }
int Capacity() { return static_cast<int>(Table().capacity()); }
CWindow* Find(HWND hwnd) { return Table().Find(hwnd); }
}  // namespace window_table
