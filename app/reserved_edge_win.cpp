#include "app/reserved_edge_win.h"

#include <shellapi.h>

#include "core/app_messages_win.h"
#include "core/geometry_win.h"

namespace {

UINT EdgeCode(ScreenEdge edge) {
  switch (edge) {
    case ScreenEdge::Left: return ABE_LEFT;
    case ScreenEdge::Top: return ABE_TOP;
    case ScreenEdge::Right: return ABE_RIGHT;
    case ScreenEdge::Bottom: return ABE_BOTTOM;
    case ScreenEdge::None: break;
  }
  return ABE_LEFT;
}

APPBARDATA Data(HWND bar) {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  data.hWnd = bar;
  return data;
}

// The shell adjusts the rectangle in place and answers with it.
Rect Ask(HWND bar, DWORD message, ScreenEdge edge, const Rect& band) {
  APPBARDATA data = Data(bar);
  data.uEdge = EdgeCode(edge);
  data.rc = ToRECT(band);
  SHAppBarMessage(message, &data);
  return ToRect(data.rc);
}

}  // namespace

bool ShellAppBar::New() {
  APPBARDATA data = Data(bar_);
  data.uCallbackMessage = kMsgAppBarNotice;
  return SHAppBarMessage(ABM_NEW, &data) != 0;
}

Rect ShellAppBar::QueryPos(ScreenEdge edge, const Rect& proposed) { return Ask(bar_, ABM_QUERYPOS, edge, proposed); }

Rect ShellAppBar::SetPos(ScreenEdge edge, const Rect& band) { return Ask(bar_, ABM_SETPOS, edge, band); }

void ShellAppBar::Remove() {
  APPBARDATA data = Data(bar_);
  SHAppBarMessage(ABM_REMOVE, &data);
}

void ShellAppBar::Activated() {
  APPBARDATA data = Data(bar_);
  SHAppBarMessage(ABM_ACTIVATE, &data);
}

void ShellAppBar::PositionChanged() {
  APPBARDATA data = Data(bar_);
  SHAppBarMessage(ABM_WINDOWPOSCHANGED, &data);
}

UINT TaskbarCreatedMessage() { return RegisterWindowMessageW(L"TaskbarCreated"); }
