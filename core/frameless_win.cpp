#include "core/frameless_win.h"

namespace {

constexpr LONG kFrameStyles = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL;
constexpr LONG kFrameExStyles = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;

bool IsFrameless(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if ((style & kFrameStyles) || (GetWindowLongW(window, GWL_EXSTYLE) & kFrameExStyles)) return false;
  // Only a top-level window can have a menu bar.
  return (style & WS_CHILD) || !GetMenu(window);
}

}  // namespace

bool AnswerFramelessNonClient(HWND window, UINT msg) {
  return (msg == WM_NCCALCSIZE || msg == WM_NCPAINT) && IsFrameless(window);
}
