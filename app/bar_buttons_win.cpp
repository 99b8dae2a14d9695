#include "app/bar_buttons_win.h"

#include "app/tray_win.h"
#include "core/control_win.h"
#include "core/instance_win.h"
#include "core/tooltip_win.h"
#include "res/resource.h"
#include "res/version.h"
#include "widgets/controls/grpbtn_win.h"

namespace {

constexpr wchar_t kAboutText[] =
    L"Pelgra\r\n"
    L"시계, 메모, 계산기 같은 작은 위젯과 도구를 화면 가장자리에 모아 두는 데스크톱 바\r\n"
    L"버전 " PELGRA_VERSION_TEXT L"\r\n";

}  // namespace

HWND CreateBarButton(HWND bar, UINT id, const wchar_t* tip, const Rect& place, Scale scale) {
  HWND button = CreateControl(bar, kGrpBtnClass, 0, static_cast<int>(id), place);
  AddTooltip(button, tip, scale);
  return button;
}

void PlaceScrollArrow(HWND bar, HWND& button, ScrollArrow which, const BarLayout& layout, bool vertical, Scale scale) {
  if (!layout.scrolls) {
    if (button) DestroyWindow(button);
    button = nullptr;
    return;
  }
  const bool back = which == ScrollArrow::Back;
  const std::optional<Rect>& place = back ? layout.scrollBack : layout.scrollOn;
  if (!button)
    button = CreateBarButton(bar, back ? kScrollBackId : kScrollOnId, back ? L"이전 위젯" : L"다음 위젯",
                             place.value_or(Rect{0, 0, kBarButtonSize, kBarButtonSize}), scale);
  if (!place) {
    ShowWindow(button, SW_HIDE);
    return;
  }
  const WORD face = back ? (vertical ? IDB_ARROW_UP : IDB_ARROW_LEFT) : (vertical ? IDB_ARROW_DOWN : IDB_ARROW_RIGHT);
  SetGrpBtnImages(button, face, face, face, face);
  ShowWindow(button, SW_SHOWNA);
  MoveControl(button, *place);
  UpdateWindow(button);
}

HMENU LoadBarMenu(bool topmost) {
  HMENU menu = LoadMenuW(appInstance, MAKEINTRESOURCEW(IDM_POPUPS));
  if (menu)
    CheckMenuItem(GetSubMenu(menu, 0), ID_ALWAYS_ON_TOP, MF_BYCOMMAND | (topmost ? MF_CHECKED : MF_UNCHECKED));
  return menu;
}

const wchar_t* AboutText() { return kAboutText; }
