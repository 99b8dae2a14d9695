// Kind name -> class: the only place that knows every widget and tidget class.
#pragma once

#include <windows.h>

class CWidget;
class CTidget;

// A new object of the kind's class, or null for a kind this version does not know.
CWidget* CreateWidgetObject(const wchar_t* kind, const wchar_t* caption, const wchar_t* name);
CTidget* CreateTidgetObject(const wchar_t* kind, const wchar_t* caption, const wchar_t* name);

// Whether this version has a class for the kind.
bool IsWidgetKind(const wchar_t* kind);
bool IsTidgetKind(const wchar_t* kind);

// Makes the object and the child window of widget record `index` under `parent`, at
// `place` (empty until the layout pass places it); returns the object, or null (and
// no window) when the kind is unknown.
CWidget* CreateWidgetWindow(int index, HWND parent, const RECT& place = {});

// The same for tidget record `index`, its window a child of the tidget strip `parent`.
CTidget* CreateTidgetWindow(int index, HWND parent, const RECT& place = {});
