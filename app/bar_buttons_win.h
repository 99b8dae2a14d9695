// The bar's own buttons: the close and menu buttons of its caption band, the arrows of
// a scrolling widget area, and the menu the menu button opens.
#pragma once

#include <windows.h>

#include "app/layout.h"
#include "core/scale.h"
#include "core/texts.h"

// A GrpBtn child of the bar with child id `id` at `place`, and its tooltip.
HWND CreateBarButton(HWND bar, UINT id, TextId tip, const TextTable& texts, const Rect& place, Scale scale);

enum class ScrollArrow { Back, On };
// One arrow of a scrolling widget area as `layout` wants it: made while the area
// scrolls, shown while there is more to see its way, gone when everything fits again.
void PlaceScrollArrow(HWND bar, HWND& button, ScrollArrow which, const BarLayout& layout, bool vertical,
                      const TextTable& texts, Scale scale);

// The bar's popup menu as it is shown: menu 113 in `language` with "항상 위" checked
// when the bar is topmost. The caller owns the returned menu (destroy it with
// DestroyMenu); the popup to track is its first submenu.
HMENU LoadBarMenu(Language language, bool topmost);

// The about box text: the program's name, what it is, its version.
std::u16string AboutText(const TextTable& texts);
