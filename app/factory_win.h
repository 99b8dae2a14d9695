// Kind -> class: the only place that knows every widget and tidget class.
#pragma once

#include <windows.h>

#include "core/records.h"
#include "widgets/base/face_fit.h"

class CWidget;
class CTidget;
class DgetHost;

// A new object of the kind's class for `host`'s bar, or null for a kind this version
// does not know (or one of the other list: a tidget kind asked for as a widget).
CWidget* CreateWidgetObject(DgetHost& host, const wchar_t* kind, const wchar_t* caption, const wchar_t* name);
CTidget* CreateTidgetObject(DgetHost& host, const wchar_t* kind, const wchar_t* caption, const wchar_t* name);

// How much a widget of the kind needs along the bar to stay whole; null for a kind the
// bar's widget minimum does for, or one this version does not know.
UsableThicknessRule UsableThicknessRuleOf(const wchar_t* kind);

// Makes the object of `record` and its child window under `parent`, at `place` (empty
// until the layout pass places it), and keeps the object in the record; returns it, or
// null (and no window) when the kind is unknown.
CWidget* CreateWidgetWindow(DgetHost& host, WidgetInfo& record, HWND parent, const RECT& place = {});
// The same for a tidget record, its window a child of the tidget strip `parent`.
CTidget* CreateTidgetWindow(DgetHost& host, TidgetInfo& record, HWND parent, const RECT& place = {});
