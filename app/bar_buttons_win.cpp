#include "app/bar_buttons_win.h"

#include "app/tray_win.h"
#include "core/control_win.h"
#include "core/instance_win.h"
#include "core/texts_win.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "res/version.h"
#include "widgets/controls/grpbtn_win.h"

HWND CreateBarButton(HWND bar, UINT id, TextId tip, const TextTable& texts, const Rect& place, Scale scale) {
  return CreateTippedControl(bar, kGrpBtnClass, 0, static_cast<int>(id), place, tip, texts, scale);
}

void PlaceScrollArrow(HWND bar, HWND& button, ScrollArrow which, const BarLayout& layout, bool vertical,
                      const TextTable& texts, Scale scale) {
  if (!layout.scrolls) {
    if (button) DestroyWindow(button);
    button = nullptr;
    return;
  }
  const bool back = which == ScrollArrow::Back;
  const std::optional<Rect>& place = back ? layout.scrollBack : layout.scrollOn;
  if (!button)
    button = CreateBarButton(bar, back ? kScrollBackId : kScrollOnId,
                             back ? TextId::BarScrollBackTip : TextId::BarScrollOnTip, texts,
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

HMENU LoadBarMenu(Language language, bool topmost) {
  HMENU menu = LoadMenuIn(language, IDM_POPUPS);
  if (menu)
    CheckMenuItem(GetSubMenu(menu, 0), ID_ALWAYS_ON_TOP, MF_BYCOMMAND | (topmost ? MF_CHECKED : MF_UNCHECKED));
  return menu;
}

std::u16string AboutText(const TextTable& texts) {
  return texts.Format(TextId::AboutText, {AsU16View(L"" PELGRA_VERSION_TEXT)});
}
