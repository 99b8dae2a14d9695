#include "app/bar_win.h"

#include <windowsx.h>

#include <climits>

#include "core/bar_settings.h"
#include "app/bar_onscreen_win.h"
#include "app/bar_state.h"
#include "app/bar_store_win.h"
#include "app/layout_win.h"
#include "app/select_dialogs_win.h"
#include "core/shell_win.h"
#include "app/tray_win.h"
#include "app/factory_win.h"
#include "core/geometry_win.h"
#include "core/menu_win.h"
#include "core/records.h"
#include "core/tooltip_win.h"
#include "res/resource.h"
#include "res/version.h"
#include "widgets/dget_win.h"
#include "widgets/grpbtn_win.h"

CMainWindow mainWindow;

namespace {

constexpr wchar_t kHelpNotice[] = L"도움말은 차후 기능이 어느 정도 완성된 후에 제공할 예정입니다.\r\n";
constexpr wchar_t kPreferencesNotice[] = L"설정 대화상자 아직 미작성\r\n";
constexpr wchar_t kAboutText[] =
    L"Pelgra\r\n"
    L"시계, 메모, 계산기 같은 작은 위젯과 도구를 화면 가장자리에 모아 두는 데스크톱 바\r\n"
    L"버전 " PELGRA_VERSION_TEXT L"\r\n";

constexpr int kTitleFontHeight = 15;
constexpr int kVerticalTitle = 900;  // tenths of a degree: text running upwards

gdi::Font MakeBarFont(int height, int escapement = 0) {
  return gdi::Font(CreateFontW(height, 0, escapement, escapement, 0, FALSE, FALSE, FALSE, HANGEUL_CHARSET,
                               OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, DRAFT_QUALITY, FF_MODERN | VARIABLE_PITCH,
                               L"맑은 고딕"));
}

HWND CreateBarButton(HWND bar, UINT id, const wchar_t* tip) {
  HWND button = CreateWindowExW(0, kGrpBtnClass, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, kBarButtonSize,
                                kBarButtonSize, bar, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                appInstance, nullptr);
  AddTooltip(button, tip);
  return button;
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void FillBand(HDC dc, HBRUSH brush, int left, int top, int right, int bottom) {
  RECT band{left, top, right, bottom};
  FillRect(dc, &band, brush);
}

void PaintBorder(HDC dc, int w, int h, int b) {
  gdi::Brush border = gdi::SolidBrush(barSettings.bdColor);
  FillBand(dc, border, 0, 0, w, b);
  FillBand(dc, border, 0, 0, b, h);
  FillBand(dc, border, 0, h - b, w, h);
  FillBand(dc, border, w - b, 0, w, h);
}

// Light on the outer top-left and inner bottom-right, dark the other way round:
// the frame stands out and the content sits in.
void PaintEdgeLines(HDC dc, int w, int h, int b) {
  const EdgeColors colors = BorderEdgeColors(barSettings.bdColor);
  gdi::Pen light = gdi::SolidPen(1, colors.light);
  gdi::Pen dark = gdi::SolidPen(1, colors.dark);
  {
    gdi::Selection pen(dc, light);
    Line(dc, 0, 0, w, 0);
    Line(dc, 0, 0, 0, h);
    Line(dc, w - b, b, w - b, h - b);
    Line(dc, b, h - b, w - b + 1, h - b);
  }
  gdi::Selection pen(dc, dark);
  Line(dc, b, b, w - b - 1, b);
  Line(dc, b, b, b, h - b - 1);
  Line(dc, w - 1, 0, w - 1, h - 1);
  Line(dc, 0, h - 1, w, h - 1);
}

// Fills the caption band, writes the title and returns the content rectangle.
RECT PaintCaption(HDC dc, int w, int h, int b, int k) {
  const bool vertical = barSettings.vertical;
  RECT band = vertical ? RECT{b, b, w - b, b + k} : RECT{b, b, b + k, h - b};
  FillRect(dc, &band, GetSysColorBrush(COLOR_ACTIVECAPTION));
  gdi::Font font = MakeBarFont(kTitleFontHeight, vertical ? 0 : kVerticalTitle);
  gdi::Selection selected(dc, font);
  SIZE text{};
  const int length = static_cast<int>(wcslen(kBarTitle));
  GetTextExtentPoint32W(dc, kBarTitle, length, &text);
  if (vertical) {
    TextOutW(dc, b + 4, b + k / 2 - text.cy / 2, kBarTitle, length);
    return {b, b + k, w - b, h - b};
  }
  TextOutW(dc, b + k / 2 - text.cy / 2, h - 50, kBarTitle, length);
  return {b + k, b, w - b, h - b};
}

}  // namespace

void CreateSharedFonts() {
  normalFont = MakeBarFont(15);
  smallFont = MakeBarFont(12);
  largeFont = MakeBarFont(28);
}

void ReleaseSharedFonts() {
  normalFont.reset();
  smallFont.reset();
  largeFont.reset();
}

HWND CreateBarWindow() {
  const BarSettings& s = barSettings;
  // The layout pass sets the real size; the stored one only has to be a sane number.
  auto extent = [](int from, int to) {
    const long long length = static_cast<long long>(to) - from;
    return static_cast<int>(length < 0 ? 0 : length > 32767 ? 32767 : length);
  };
  return CreateWindowExW(s.alwaysontop ? WS_EX_TOPMOST : 0, kWindowClassName, kBarTitle,
                         WS_POPUP | WS_CLIPCHILDREN, s.left, s.top, extent(s.left, s.right),
                         extent(s.top, s.bottom), nullptr, nullptr, appInstance, &mainWindow);
}

HMENU LoadBarMenu(bool topmost) {
  HMENU menu = LoadMenuW(appInstance, MAKEINTRESOURCEW(IDM_POPUPS));
  if (menu)
    CheckMenuItem(GetSubMenu(menu, 0), ID_ALWAYS_ON_TOP, MF_BYCOMMAND | (topmost ? MF_CHECKED : MF_UNCHECKED));
  return menu;
}

const wchar_t* AboutText() { return kAboutText; }

void ReleaseRecordObjects() {
  for (WidgetInfo& record : widgetList) {
    delete record.widget;
    record.widget = nullptr;
  }
  for (TidgetInfo& record : tidgetList) {
    delete record.tidget;
    record.tidget = nullptr;
  }
}

LRESULT CMainWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DISPLAYCHANGE:
      KeepBarOnScreen(hwnd);
      return 0;
    case WM_MOVE:
      if (IsWindowVisible(hwnd)) barState.placementChanged = true;
      return 0;
    case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(lParam);
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_NCDESTROY:
      // After the children: their own teardown may still look for the bar.
      if (barHandle == hwnd) barHandle = nullptr;
      break;
  }
  return CWindow::WindowProc(msg, wParam, lParam);
}

LRESULT CMainWindow::OnCreate(WPARAM, LPARAM) {
  barHandle = hwnd;
  dragIndex = -1;
  closeButton = CreateBarButton(hwnd, kCloseButtonId, L"닫기");
  SetGrpBtnImages(closeButton, IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW, IDB_CLOSE_AMBER, IDB_CLOSE_BLUE);
  menuButton = CreateBarButton(hwnd, kMenuButtonId, L"메뉴");
  SetGrpBtnImages(menuButton, IDB_MENU, IDB_MENU, IDB_MENU, IDB_MENU);
  splitCursorLeftRight = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_SPLIT_LEFTRIGHT));
  splitCursorUpDown = LoadCursorW(appInstance, MAKEINTRESOURCEW(IDC_SPLIT_UPDOWN));
  CreateSharedFonts();
  CreateChildren();
  LayoutBar();
  SetWindowPos(hwnd, nullptr, 0, 0, barState.barWidth, barState.barHeight, SWP_NOMOVE | SWP_NOZORDER);
  // A first run writes its placement along with the new lists.
  barState.placementChanged = barState.listsChanged;
  return 0;
}

void CMainWindow::CreateChildren() {
  for (int i = 0; i < widgetList.count(); ++i) CreateWidgetWindow(i, hwnd);
  trayWindow.Create(hwnd, kTrayChildId, L"", WS_CHILD | WS_VISIBLE);
  for (int i = 0; i < tidgetList.count(); ++i) CreateTidgetWindow(i, trayWindow.hwnd);
}

LRESULT CMainWindow::OnDestroy(WPARAM, LPARAM) {
  dragIndex = -1;
  if (barState.placementChanged) SaveBarPlacement(hwnd);
  if (barState.listsChanged) SaveRecordLists();
  ReleaseSharedFonts();
  PostQuitMessage(0);
  return 0;
}

// Straight to the window DC: the bar is mostly covered by its children, and the
// parts it paints are plain fills.
LRESULT CMainWindow::OnPaint(WPARAM, LPARAM) {
  gdi::PaintScope paint(hwnd);
  HDC dc = paint.dc();
  const int w = barState.barWidth;
  const int h = barState.barHeight;
  const int b = barSettings.bdThick;
  PaintBorder(dc, w, h, b);
  gdi::Brush split = gdi::SolidBrush(barSettings.splitColor);
  SetBkMode(dc, TRANSPARENT);
  if (barSettings.bdStyle == 2) PaintEdgeLines(dc, w, h, b);
  const RECT content = PaintCaption(dc, w, h, b, barSettings.capThick);
  FillRect(dc, &content, split);
  return 0;
}

LRESULT CMainWindow::OnSize(WPARAM wParam, LPARAM) {
  // A minimised window reports an empty client; that is not a new thickness.
  if (wParam == SIZE_MINIMIZED) return 0;
  RECT client{};
  GetClientRect(hwnd, &client);
  if (IsWindowVisible(hwnd)) barState.placementChanged = true;
  int& thickness = barSettings.vertical ? barSettings.vertThick : barSettings.horzThick;
  const int now = barSettings.vertical ? client.right : client.bottom;
  if (now != thickness) {
    thickness = now;
    LayoutBar();
  }
  return 0;
}

LRESULT CMainWindow::OnCommand(WPARAM wParam, LPARAM) {
  const UINT id = LOWORD(wParam);
  switch (id) {
    case kCloseButtonId: DestroyWindow(hwnd); break;
    case kMenuButtonId: ShowPopupMenu(); break;
    case ID_ALWAYS_ON_TOP: ToggleTopmost(); break;
    case ID_SELECT_WIDGETS:
    case ID_SELECT_TIDGETS: RunSelection(id); break;
    case ID_HELP_NOTICE: ShowNotice(kHelpNotice); break;
    case ID_TOGGLE_DIRECTION: ToggleDirection(); break;
    case ID_ABOUT: ShowNotice(kAboutText); break;
    case ID_PREFERENCES:
      barState.placementChanged = true;
      ShowNotice(kPreferencesNotice);
      break;
    default: break;
  }
  return 0;
}

void CMainWindow::ShowPopupMenu() {
  MenuOwner menu(LoadBarMenu(IsTopmost()));
  if (!menu.get()) return;
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(GetSubMenu(menu.get(), 0), 0, at.x, at.y, 0, hwnd, nullptr);
}

void CMainWindow::ToggleTopmost() {
  barState.placementChanged = true;
  const bool wasTopmost = IsTopmost();
  SetWindowPos(hwnd, wasTopmost ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  barSettings.alwaysontop = !wasTopmost;
}

void CMainWindow::ToggleDirection() {
  barState.placementChanged = true;
  barSettings.vertical = !barSettings.vertical;
  LayoutBar();
  SetWindowPos(hwnd, nullptr, 0, 0, barState.barWidth, barState.barHeight, SWP_NOMOVE | SWP_NOZORDER);
}

void CMainWindow::RunSelection(UINT command) {
  barState.listsChanged = true;
  if (command == ID_SELECT_WIDGETS)
    RunWidgetSelection(hwnd);
  else
    RunTidgetSelection(hwnd);
}

void CMainWindow::ShowNotice(const wchar_t* text) { MessageBoxW(hwnd, text, kBarTitle, MB_OK); }

bool CMainWindow::IsTopmost() const { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int CMainWindow::SplitterUnder(POINT client) const {
  return SplitterAt(barSettings, CurrentLayoutWidgets(), barSettings.vertical ? client.y : client.x);
}

LRESULT CMainWindow::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcW(hwnd, WM_NCHITTEST, wParam, lParam);
  if (result != HTCLIENT) return result;
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(hwnd, &p);
  RECT client{};
  GetClientRect(hwnd, &client);
  switch (HitTestBar(barSettings, ToRect(client), ToPoint(p))) {
    case BarHit::Left: return HTLEFT;
    case BarHit::Right: return HTRIGHT;
    case BarHit::Top: return HTTOP;
    case BarHit::Bottom: return HTBOTTOM;
    case BarHit::Caption: return HTCAPTION;
    case BarHit::Client: break;
  }
  return HTCLIENT;
}

LRESULT CMainWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT) {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(hwnd, &p);
    if (SplitterUnder(p) >= 0) {
      SetCursor(barSettings.vertical ? splitCursorUpDown : splitCursorLeftRight);
      return 0;
    }
  }
  return CWindow::WindowProc(WM_SETCURSOR, wParam, lParam);
}

LRESULT CMainWindow::OnGetMinMaxInfo(LPARAM lParam) {
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  if (!info) return 0;
  if (barSettings.vertical) {
    info->ptMinTrackSize.x = kMinBarThickness;
    info->ptMaxTrackSize.x = kMaxBarThickness;
  } else {
    info->ptMinTrackSize.y = kMinBarThickness;
    info->ptMaxTrackSize.y = kMaxBarThickness;
  }
  return 0;
}

LRESULT CMainWindow::OnWindowPosChanging(LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  // With SWP_NOMOVE the position is not applied, so there is nothing to snap.
  if (!pos || !barSettings.magneticEffet || (pos->flags & SWP_NOMOVE)) return 0;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor)) return 0;
  Rect moving{pos->x, pos->y, pos->x + pos->cx, pos->y + pos->cy};
  // A move that keeps the size may carry no size at all: snap the real one.
  RECT current{};
  if ((pos->flags & SWP_NOSIZE) && GetWindowRect(hwnd, &current)) {
    moving.right = pos->x + (current.right - current.left);
    moving.bottom = pos->y + (current.bottom - current.top);
  }
  const Point at = SnapToWorkArea(ToRect(monitor.rcWork), moving);
  pos->x = at.x;
  pos->y = at.y;
  return 0;
}

// Windows ends the process soon after this message without destroying any window;
// destroying the bar now saves it and every widget exactly as a normal close does.
LRESULT CMainWindow::OnEndSession(WPARAM wParam) {
  if (wParam) DestroyWindow(hwnd);
  return 0;
}

LRESULT CMainWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
  dragIndex = SplitterUnder(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (dragIndex >= 0) SetCapture(hwnd);
  return 0;
}

LRESULT CMainWindow::OnMouseMove(WPARAM, LPARAM lParam) {
  if (GetCapture() != hwnd) return 0;
  if (dragIndex < 0 || dragIndex >= widgetList.count()) return 0;
  WidgetInfo& record = widgetList[dragIndex];
  CWidget* widget = record.widget;
  if (!widget) return 0;
  barState.listsChanged = true;
  const bool vertical = barSettings.vertical;
  const long long pointer = vertical ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
  const long long reach = pointer - (vertical ? widget->top : widget->left);
  const int thickness = ClampThickness(reach < INT_MIN ? INT_MIN : reach > INT_MAX ? INT_MAX : static_cast<int>(reach),
                                       barSettings.widgetMinThick, barSettings.widgetMaxThick);
  if (vertical)
    widget->height = record.vertHeight = thickness;
  else
    widget->width = record.horzWidth = thickness;
  LayoutBar();
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  return 0;
}

LRESULT CMainWindow::OnLButtonUp(WPARAM, LPARAM) {
  dragIndex = -1;
  ReleaseCapture();
  return 0;
}
