#include "app/bar_win.h"

#include <windowsx.h>

#include "app/bar_buttons_win.h"
#include "app/bar_limits.h"
#include "app/bar_onscreen_win.h"
#include "app/bar_paint_win.h"
#include "app/bar_store_win.h"
#include "app/factory_win.h"
#include "app/layout_win.h"
#include "app/preferences_win.h"
#include "app/select_dialogs_win.h"
#include "app/settings_notice_win.h"
#include "app/user_guide_win.h"
#include "core/app_messages_win.h"
#include "core/fonts_win.h"
#include "core/geometry_win.h"
#include "core/menu_win.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "res/resource.h"
#include "widgets/controls/grpbtn_win.h"

namespace {

// The program's icon waits until the start has settled (see GiveIconWhenSettled).
constexpr UINT_PTR kIconTimer = 2;
constexpr UINT kIconDelayMs = 500;

// The widgets lie along the bar's length, the stored size is a sane number at most:
// the layout pass sets the real one.
int StoredExtent(int from, int to) {
  const long long length = static_cast<long long>(to) - from;
  return static_cast<int>(length < 0 ? 0 : length > 32767 ? 32767 : length);
}

template <class Places>
auto PlannedAt(const Places& places, int index) {
  return index < static_cast<int>(places.size()) ? places[index] : std::nullopt;
}

}  // namespace

CMainWindow::~CMainWindow() {
  write_later::Forget(this);
  ReleaseRecordObjects();
}

void CMainWindow::Load() {
  LoadBarSettings(settings, barSettings);
  barState.listsChanged = LoadRecordLists(settings, barSettings, widgetList, tidgetList);
  LoadBarPlacement(settings, barSettings);
  UseLanguage();
}

HWND CMainWindow::CreateBar() {
  const BarSettings& place = barSettings;
  return CreateWindowExW(place.alwaysontop ? WS_EX_TOPMOST : 0, kWindowClassName, kBarTitle,
                         WS_POPUP | WS_CLIPCHILDREN, place.left, place.top, StoredExtent(place.left, place.right),
                         StoredExtent(place.top, place.bottom), nullptr, nullptr, appInstance, this);
}

void CMainWindow::ReleaseRecordObjects() {
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
  if (screen.Handle(hwnd, barSettings, msg, wParam)) return 0;
  switch (msg) {
    case WM_DISPLAYCHANGE:
      // A bar holding its edge lies outside the work area the system reports.
      if (!screen.HoldsEdge() && KeepBarOnScreen(hwnd)) barState.placementChanged = true;
      LayoutBar();
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) LayoutBar();
      break;
    case WM_MOVE:
      if (IsWindowVisible(hwnd)) MarkPlacementChanged();
      RefitIfRoomChanged();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const LRESULT result = CWindow::WindowProc(msg, wParam, lParam);
      screen.Moved(hwnd, barSettings);
      return result;
    }
    case WM_NCHITTEST: return OnNcHitTest(wParam, lParam);
    case WM_SETCURSOR: return OnSetCursor(wParam, lParam);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lParam);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(lParam);
    case WM_ENDSESSION: return OnEndSession(wParam);
    case WM_NCDESTROY: endingWrites_.reset(); break;
    case kMsgSettingsNotice: ShowSettingsNotice(hwnd, wParam, settings.iniPath, texts); return 0;
    case kMsgShowBar: ShowToUser(); return 0;
  }
  return CWindow::WindowProc(msg, wParam, lParam);
}

LRESULT CMainWindow::OnCreate(WPARAM, LPARAM) {
  dragIndex = -1;
  ending_ = false;
  // Every child is made where the layout pass will put them, so that pass moves none.
  const BarLayout plan = PlannedLayout();
  closeButton = CreateBarButton(hwnd, kCloseButtonId, TextId::BarCloseTip, texts, plan.closeButton, scale);
  SetGrpBtnImages(closeButton, IDB_CLOSE_BLUE, IDB_CLOSE_YELLOW, IDB_CLOSE_AMBER, IDB_CLOSE_BLUE);
  menuButton = CreateBarButton(hwnd, kMenuButtonId, TextId::BarMenuTip, texts, plan.menuButton, scale);
  SetGrpBtnImages(menuButton, IDB_MENU, IDB_MENU, IDB_MENU, IDB_MENU);
  scrollBack = scrollOn = nullptr;
  CreateSharedFonts(scale);
  CreateChildren(plan);
  screen.Start();
  LayoutBar();
  // A first run writes its placement along with the new lists.
  barState.placementChanged = barState.listsChanged;
  return 0;
}

void CMainWindow::GiveIconWhenSettled() { SetTimer(hwnd, kIconTimer, kIconDelayMs, nullptr); }

void CMainWindow::CreateChildren(const BarLayout& plan) {
  for (int i = 0; i < widgetList.count(); ++i)
    CreateWidgetWindow(*this, widgetList[i], hwnd, ToRECT(PlannedAt(plan.widgets, i).value_or(Rect{})));
  trayWindow.SetContentColor(barSettings.splitColor);
  trayWindow.Create(hwnd, kTrayChildId, L"", WS_CHILD | WS_VISIBLE, ToRECT(plan.strip));
  const int size = plan.tidgetSize;
  for (int i = 0; i < tidgetList.count(); ++i) {
    const std::optional<Point> at = PlannedAt(plan.tidgets, i);
    CreateTidgetWindow(*this, tidgetList[i], trayWindow.hwnd,
                       at ? RECT{at->x, at->y, at->x + size, at->y + size} : RECT{});
  }
}

void CMainWindow::MakeWidgetWindow(int index) {
  if (index >= 0 && index < widgetList.count()) CreateWidgetWindow(*this, widgetList[index], hwnd);
}

void CMainWindow::MakeTidgetWindow(int index) {
  if (index >= 0 && index < tidgetList.count()) CreateTidgetWindow(*this, tidgetList[index], trayWindow.hwnd);
}

LRESULT CMainWindow::OnDestroy(WPARAM, LPARAM) {
  dragIndex = -1;
  ending_ = true;
  endingWrites_.emplace(settings);
  screen.Stop(hwnd);
  write_later::Forget(this);
  SaveBarChanges();
  ReleaseSharedFonts();
  PostQuitMessage(0);
  return 0;
}

// Straight to the window DC: the bar is mostly covered by its children, and the
// parts it paints are plain fills.
LRESULT CMainWindow::OnPaint(WPARAM, LPARAM) {
  gdi::PaintScope paint(hwnd);
  PaintBar(paint.dc(), barSettings, barState, scale);
  return 0;
}

LRESULT CMainWindow::OnSize(WPARAM wParam, LPARAM) {
  // A minimised window reports an empty client; that is not a new thickness.
  if (wParam == SIZE_MINIMIZED) return 0;
  RECT client{};
  GetClientRect(hwnd, &client);
  if (IsWindowVisible(hwnd)) MarkPlacementChanged();
  // The setting is in units: only a size that the current one does not give is new.
  int& thickness = barSettings.vertical ? barSettings.vertThick : barSettings.horzThick;
  const int now = barSettings.vertical ? client.right : client.bottom;
  if (now != scale.Px(thickness)) {
    thickness = scale.Units(now);
    LayoutBar();
  }
  return 0;
}

LRESULT CMainWindow::OnTimer(WPARAM wParam, LPARAM) {
  if (wParam != kIconTimer) return 0;
  KillTimer(hwnd, kIconTimer);
  const HICON icon = LoadIconW(appInstance, MAKEINTRESOURCEW(IDI_PELGRA));
  SetClassLongPtrW(hwnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
  return 0;
}

// Under Wine the foreground hook hears nothing of other programs' windows: one look
// a second at the window in front, on the beat the bar has anyway, stands in for it.
void CMainWindow::Beat() {
  heartbeat.Beat();
  screen.LookAtFront(hwnd, barSettings, true);
}

LRESULT CMainWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  // Where the system puts the bar; its size follows from the layout at the new scale.
  if (const auto* suggested = reinterpret_cast<const RECT*>(lParam))
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetScale(Scale(LOWORD(wParam)));
  return 0;
}

void CMainWindow::SetScale(Scale newScale) {
  if (newScale == scale) return;
  scale = newScale;
  // The old fonts stay alive until every control has been given the new ones.
  gdi::Font oldFonts[] = {std::move(normalFont), std::move(smallFont), std::move(largeFont)};
  CreateSharedFonts(scale);
  for (WidgetInfo& record : widgetList)
    if (record.widget) record.widget->SetScale(scale);
  trayWindow.SetScale(scale);
  for (TidgetInfo& record : tidgetList)
    if (record.tidget) record.tidget->SetScale(scale);
  LayoutBar();
}

BarFit CMainWindow::CurrentFit() const { return FitOf(hwnd, barSettings.vertical, barState.firstRow); }

BarLayout CMainWindow::PlannedLayout() const {
  return ComputeBarLayout(barSettings, PlannedLayoutWidgets(widgetList, barSettings.vertical, scale),
                          PlannedTidgets(tidgetList), scale, CurrentFit());
}

BarLayout CMainWindow::CurrentLayout() const {
  return ComputeBarLayout(barSettings, LiveLayoutWidgets(widgetList, barSettings.vertical, scale),
                          PlaceableTidgets(tidgetList), scale, CurrentFit());
}

void CMainWindow::KeepLayout(const BarLayout& layout, const BarFit& fit) {
  barState.barWidth = layout.barWidth;
  barState.barHeight = layout.barHeight;
  barState.stripExtent = layout.stripExtent;
  barState.border = layout.border;
  barState.caption = layout.caption;
  barState.title = layout.title;
  barState.room = fit.room;
  barState.fullLength = layout.fullLength;
  barState.shortened = layout.Shortened();
  barState.firstRow = layout.firstRow;
}

void CMainWindow::LayoutBar() {
  if (!hwnd) return;
  const bool vertical = barSettings.vertical;
  const BarFit fit = CurrentFit();
  const BarLayout layout = ComputeBarLayout(barSettings, LiveLayoutWidgets(widgetList, vertical, scale),
                                            PlaceableTidgets(tidgetList), scale, fit);
  KeepLayout(layout, fit);
  if (closeButton) MoveAndShow(closeButton, layout.closeButton);
  if (menuButton) MoveAndShow(menuButton, layout.menuButton);
  PlaceWidgets(layout, widgetList, vertical);
  PlaceStrip(layout, trayWindow, tidgetList, vertical);
  PlaceScrollArrows(layout);
  SizeWithinWorkArea(hwnd, layout.barWidth, layout.barHeight, vertical);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void CMainWindow::RefitIfRoomChanged() {
  if (refitting_ || !hwnd || CurrentFit().room == barState.room) return;
  refitting_ = true;
  LayoutBar();
  refitting_ = false;
}

void CMainWindow::PlaceScrollArrows(const BarLayout& layout) {
  PlaceScrollArrow(hwnd, scrollBack, ScrollArrow::Back, layout, barSettings.vertical, texts, scale);
  PlaceScrollArrow(hwnd, scrollOn, ScrollArrow::On, layout, barSettings.vertical, texts, scale);
}

LRESULT CMainWindow::OnCommand(WPARAM wParam, LPARAM) {
  const UINT id = LOWORD(wParam);
  switch (id) {
    case kCloseButtonId: DestroyWindow(hwnd); break;
    case kMenuButtonId: ShowPopupMenu(); break;
    case ID_ALWAYS_ON_TOP: ToggleTopmost(); break;
    case ID_SELECT_WIDGETS:
    case ID_SELECT_TIDGETS: RunSelection(id); break;
    case ID_HELP_NOTICE: ShowUserGuide(hwnd, texts, kBarTitle); break;
    case ID_TOGGLE_DIRECTION: ToggleDirection(); break;
    case kScrollBackId: ScrollRows(-1); break;
    case kScrollOnId: ScrollRows(1); break;
    case ID_ABOUT: ShowNotice(AboutText(texts)); break;
    case ID_PREFERENCES:
      MarkPlacementChanged();
      RunPreferences(*this);
      break;
    default: break;
  }
  return 0;
}

void CMainWindow::ShowPopupMenu() {
  MenuOwner menu(LoadBarMenu(texts.language(), barSettings.alwaysontop));
  if (!menu.get()) return;
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(GetSubMenu(menu.get(), 0), 0, at.x, at.y, 0, hwnd, nullptr);
}

void CMainWindow::ToggleTopmost() {
  MarkPlacementChanged();
  barSettings.alwaysontop = !barSettings.alwaysontop;
  screen.KeepBand(hwnd, barSettings);
}

void CMainWindow::ToggleDirection() {
  MarkPlacementChanged();
  barSettings.vertical = !barSettings.vertical;
  LayoutBar();
  SetWindowPos(hwnd, nullptr, 0, 0, barState.barWidth, barState.barHeight, SWP_NOMOVE | SWP_NOZORDER);
}

// The layout keeps the first row within range.
void CMainWindow::ScrollRows(int step) {
  barState.firstRow += step;
  LayoutBar();
}

void CMainWindow::RunSelection(UINT command) {
  MarkListsChanged();
  if (command == ID_SELECT_WIDGETS)
    RunWidgetSelection(*this);
  else
    RunTidgetSelection(*this);
}

void CMainWindow::ShowNotice(const std::u16string& text) { MessageBoxW(hwnd, AsWide(text.c_str()), kBarTitle, MB_OK); }


void CMainWindow::ApplyOptions(const BarSettings& next) {
  BarSettings applied = next;
  applied.left = barSettings.left;
  applied.top = barSettings.top;
  applied.right = barSettings.right;
  applied.bottom = barSettings.bottom;
  barSettings = applied;
  KeepWidgetsWithinLimits();
  UseLanguage();
  if (!hwnd || !IsWindow(hwnd)) return;
  screen.KeepBand(hwnd, barSettings);
  trayWindow.SetContentColor(applied.splitColor);
  LayoutBar();
  SetWindowPos(hwnd, nullptr, 0, 0, barState.barWidth, barState.barHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  screen.KeepReservation(hwnd, barSettings);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

namespace {

// A top-level window of the program: ours set their texts again; the others that show
// texts (the LCD test and size meter windows) draw them when they paint.
BOOL CALLBACK RetellWindow(HWND window, LPARAM bar) {
  if (window == reinterpret_cast<HWND>(bar)) return TRUE;
  if (CWindow* object = window_table::Find(window))
    object->TextsChanged();
  else if (IsWindowVisible(window))
    InvalidateRect(window, nullptr, TRUE);
  return TRUE;
}

}  // namespace

void CMainWindow::UseLanguage() {
  const Language language = ResolveLanguage(barSettings.language, WindowsIsKorean());
  if (language == texts.language()) return;
  texts = LoadTexts(language);
  if (!hwnd) return;
  RetextTooltips(texts);
  for (WidgetInfo& record : widgetList)
    if (record.widget) record.widget->TextsChanged();
  for (TidgetInfo& record : tidgetList)
    if (record.tidget) record.tidget->TextsChanged();
  EnumThreadWindows(GetCurrentThreadId(), RetellWindow, reinterpret_cast<LPARAM>(hwnd));
}

// New widget limits apply to the widgets at once, as they would at the next start.
void CMainWindow::KeepWidgetsWithinLimits() {
  for (WidgetInfo& record : widgetList) {
    const int height = record.vertHeight;
    const int width = record.horzWidth;
    KeepWidgetUsable(record, barSettings);
    if (record.vertHeight == height && record.horzWidth == width) continue;
    MarkListsChanged();
    if (!record.widget) continue;
    record.widget->height = record.vertHeight;
    record.widget->width = record.horzWidth;
  }
}

int CMainWindow::SplitterUnder(POINT client) const {
  return SplitterAt(CurrentLayout(), barSettings.vertical ? client.y : client.x);
}

LRESULT CMainWindow::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcW(hwnd, WM_NCHITTEST, wParam, lParam);
  if (result != HTCLIENT) return result;
  POINT pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(hwnd, &pointer);
  RECT client{};
  GetClientRect(hwnd, &client);
  switch (HitTestBar(barSettings, ToRect(client), ToPoint(pointer), scale)) {
    case BarHit::Left: return HTLEFT;
    case BarHit::Right: return HTRIGHT;
    case BarHit::Top: return HTTOP;
    case BarHit::Bottom: return HTBOTTOM;
    case BarHit::Caption: return HTCAPTION;
    case BarHit::Client: break;
  }
  return HTCLIENT;
}

// Loaded when first needed: most starts never rest the pointer on a splitter.
HCURSOR CMainWindow::SplitCursor() {
  const bool vertical = barSettings.vertical;
  HCURSOR& cursor = vertical ? splitCursorUpDown : splitCursorLeftRight;
  if (!cursor)
    cursor = LoadCursorW(appInstance, MAKEINTRESOURCEW(vertical ? IDC_SPLIT_UPDOWN : IDC_SPLIT_LEFTRIGHT));
  return cursor;
}

LRESULT CMainWindow::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT) {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(hwnd, &pointer);
    if (SplitterUnder(pointer) >= 0) {
      SetCursor(SplitCursor());
      return 0;
    }
  }
  return CWindow::WindowProc(WM_SETCURSOR, wParam, lParam);
}

LRESULT CMainWindow::OnGetMinMaxInfo(LPARAM lParam) {
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  if (!info) return 0;
  if (barSettings.vertical) {
    info->ptMinTrackSize.x = scale.Px(kMinBarThickness);
    info->ptMaxTrackSize.x = scale.Px(kMaxBarThickness);
  } else {
    info->ptMinTrackSize.y = scale.Px(kMinBarThickness);
    info->ptMaxTrackSize.y = scale.Px(kMaxBarThickness);
  }
  return 0;
}

LRESULT CMainWindow::OnWindowPosChanging(LPARAM lParam) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
  // With SWP_NOMOVE the position is not applied, so there is nothing to snap.
  if (!pos || (pos->flags & SWP_NOMOVE)) return 0;
  const Point at = PlaceOfMove(hwnd, *pos, barSettings.magneticEffet, barSettings.vertical, scale, screen.Edge(),
                               screen.Band());
  pos->x = at.x;
  pos->y = at.y;
  return 0;
}

// Windows ends the process soon after this message without destroying any window;
// destroying the bar now saves it and every widget exactly as a normal close does,
// and the tool windows' waiting writes are done too.
LRESULT CMainWindow::OnEndSession(WPARAM wParam) {
  if (!wParam) return 0;
  DestroyWindow(hwnd);
  write_later::WriteAll();
  return 0;
}

void CMainWindow::SettingsNotWritten() {
  if (hwnd && !ending_)
    PostMessageW(hwnd, kMsgSettingsNotice, kIniNotWritten, 0);
  else
    TellSettingsNotWrittenWhileEnding(settings.iniPath, texts);
}

// Brought to the front (a bar that is not topmost may be covered) and flashed, where
// the shell shows that.
void CMainWindow::ShowToUser() {
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd);
  FLASHWINFO flash{sizeof flash, hwnd, FLASHW_ALL, 3, 0};
  FlashWindowEx(&flash);
}

void CMainWindow::SaveBarChanges() {
  CSettings::WriteBatch batch(settings);
  if (barState.placementChanged) SaveBarPlacement(settings, hwnd, barSettings, barState);
  if (barState.listsChanged) SaveRecordLists(settings, widgetList, tidgetList);
}

void CMainWindow::MarkPlacementChanged() {
  barState.placementChanged = true;
  SaveBarLater();
}

void CMainWindow::MarkListsChanged() {
  barState.listsChanged = true;
  SaveBarLater();
}

// The flags are never cleared, so every write is the one the bar's end would make.
void CMainWindow::SaveBarLater() {
  write_later::Changed(this, [this] {
    if (hwnd) SaveBarChanges();
  });
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
  MarkListsChanged();
  const bool vertical = barSettings.vertical;
  const long long pointer = vertical ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
  // The pointer's reach is in pixels, the thickness and its limits in full-size units.
  const long long reach = pointer - (vertical ? widget->top : widget->left);
  const int thickness = ThicknessForReach(barSettings, LiveLayoutWidgets(widgetList, vertical, scale),
                                          PlaceableTidgets(tidgetList), scale, CurrentFit(), dragIndex, reach);
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
