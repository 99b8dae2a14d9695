// Kind name -> class: the only place that knows every widget and tidget class.
#pragma once

#include <windows.h>

class CWidget;
class CTidget;

// A new object of the kind's class, or null for a kind this version does not know.
CWidget* CreateWidgetObject(const wchar_t* kind, const wchar_t* caption, const wchar_t* name);
CTidget* CreateTidgetObject(const wchar_t* kind, const wchar_t* caption, const wchar_t* name);

// Makes the object and the child window of widget record `index` under `parent`;
// returns the object, or null (and no window) when the kind is unknown.
CWidget* CreateWidgetWindow(int index, HWND parent);

// The same for tidget record `index`, its window a child of the tidget strip `parent`.
CTidget* CreateTidgetWindow(int index, HWND parent);
