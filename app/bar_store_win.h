// Section "main" of the settings store: the bar's options and placement, and the
// two stored record lists.
#pragma once

#include <windows.h>

#include "app/bar_state.h"
#include "core/bar_settings.h"
#include "core/records.h"
#include "core/settings_win.h"

inline constexpr wchar_t kMainSection[] = L"main";

// The options from "vertical" to "magneticEffet", "fullScreenStepBack", "reserveEdge"
// and "language"; missing keys take their defaults.
void LoadBarSettings(CSettings& store, BarSettings& options);
// "wnum"/"widget_%d" and "tnum"/"tidget_%d" into the record lists, or the default set
// when no widget line is stored. Answers whether the lists are new (then they count
// as changed).
bool LoadRecordLists(CSettings& store, const BarSettings& options, RecordList<WidgetInfo>& widgets,
                     RecordList<TidgetInfo>& tidgets);
// "left", "top", "right", "bottom".
void LoadBarPlacement(CSettings& store, BarSettings& options);

// The bar's window rectangle and the options the user can change while it runs.
void SaveBarPlacement(CSettings& store, HWND bar, const BarSettings& options, const BarState& state);
// The counts and every line of both lists.
void SaveRecordLists(CSettings& store, const RecordList<WidgetInfo>& widgets, const RecordList<TidgetInfo>& tidgets);
// Every bar option of section "main", from "vertical" to "reserveEdge", in the keys
// and formats they are read in: flags 0/1, colours as decimal COLORREF values; and
// "language" when the stored value means another choice.
void SaveBarOptions(CSettings& store, const BarSettings& options);
