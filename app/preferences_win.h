// The bar's settings dialog "환경 설정" (resource 195), run modally with the bar as
// owner. OK and "적용" check every typed field first: a refused entry is marked next to
// its field and nothing is applied. An accepted entry takes effect on the live bar at
// once and is written to section "main"; Cancel changes nothing.
#pragma once

#include <windows.h>

#include "app/bar_host_win.h"

// The dialog's result (IDOK or IDCANCEL), or -1 when it could not be shown.
INT_PTR RunPreferences(BarHost& bar);
