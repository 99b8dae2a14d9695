#include "app/factory_win.h"

#include <cwchar>

#include "core/records.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "tidgets/colortable_win.h"
#include "tidgets/tetris_win.h"
#include "widgets/calc_win.h"
#include "tidgets/oneimage_win.h"
#include "widgets/clock_win.h"
#include "widgets/cpu_win.h"
#include "widgets/dget_win.h"
#include "widgets/gauges_win.h"
#include "widgets/music_win.h"
#include "widgets/radix_win.h"
#include "tidgets/lcdtest_win.h"
#include "tidgets/movecursor_win.h"
#include "tidgets/sizemeter_win.h"
#include "tidgets/textclip_win.h"
#include "widgets/memo_win.h"
#include "widgets/slide_win.h"

namespace {

template <class Base>
struct KindClass {
  const wchar_t* kind;
  Base* (*make)(const wchar_t* caption, const wchar_t* name);
};

template <class Base, class Class>
Base* Make(const wchar_t* caption, const wchar_t* name) {
  return new Class(caption, name);
}

// Each widget or tidget module adds its row here, e.g.
//   {L"Clock", Make<CWidget, CClock>},
// The first exact, case-sensitive match wins.
const KindClass<CWidget> kWidgetClasses[] = {
    {L"Clock", Make<CWidget, CClock>},
    {L"CpuUsage", Make<CWidget, CCpuUsage>},
    {L"MemUsage", Make<CWidget, CMemUsage>},
    {L"DiskUsage", Make<CWidget, CDiskUsage>},
    {L"Battery", Make<CWidget, CBattery>},
    {L"MusicPlayer", Make<CWidget, CMusicPlayer>},
    {L"Calc", Make<CWidget, CCalc>},
    {L"Radix", Make<CWidget, CRadix>},
    {L"Memo", Make<CWidget, CMemo>},
    {L"ImageSlide", Make<CWidget, CImageSlide>},
    {nullptr, nullptr},
};
const KindClass<CTidget> kTidgetClasses[] = {
    {L"ColorTable", Make<CTidget, CColorTable>},
    {L"Tetris", Make<CTidget, CTetris>},
    {L"LCDTest", Make<CTidget, CLCDTest>},
    {L"SizeMeter", Make<CTidget, CSizeMeter>},
    {L"MoveCursor", Make<CTidget, CMoveCursor>},
    {L"TextClip", Make<CTidget, CTextClip>},
    {L"OneImage", Make<CTidget, COneImage>},
    {nullptr, nullptr},
};

template <class Base, std::size_t N>
Base* MakeOfKind(const KindClass<Base> (&classes)[N], const wchar_t* kind, const wchar_t* caption,
                 const wchar_t* name) {
  if (!kind) return nullptr;
  for (const KindClass<Base>& row : classes)
    if (row.kind && std::wcscmp(row.kind, kind) == 0) return row.make(caption, name);
  return nullptr;
}

template <class Base, std::size_t N>
bool IsKind(const KindClass<Base> (&classes)[N], const wchar_t* kind) {
  if (!kind) return false;
  for (const KindClass<Base>& row : classes)
    if (row.kind && std::wcscmp(row.kind, kind) == 0) return true;
  return false;
}

}  // namespace

bool IsWidgetKind(const wchar_t* kind) { return IsKind(kWidgetClasses, kind); }
bool IsTidgetKind(const wchar_t* kind) { return IsKind(kTidgetClasses, kind); }

CWidget* CreateWidgetObject(const wchar_t* kind, const wchar_t* caption, const wchar_t* name) {
  return MakeOfKind(kWidgetClasses, kind, caption, name);
}

CTidget* CreateTidgetObject(const wchar_t* kind, const wchar_t* caption, const wchar_t* name) {
  return MakeOfKind(kTidgetClasses, kind, caption, name);
}

CWidget* CreateWidgetWindow(int index, HWND parent, const RECT& place) {
  if (index < 0 || index >= widgetList.count()) return nullptr;
  WidgetInfo& record = widgetList[index];
  CWidget* widget = CreateWidgetObject(AsWide(record.kind), AsWide(record.caption), AsWide(record.name));
  record.widget = widget;
  if (!widget) return nullptr;
  widget->height = record.vertHeight;
  widget->width = record.horzWidth;
  widget->bgBrush = gdi::SolidBrush(record.bgColor);
  widget->Create(parent, 0, L"", WS_CHILD | WS_VISIBLE, place);
  return widget;
}

CTidget* CreateTidgetWindow(int index, HWND parent, const RECT& place) {
  if (index < 0 || index >= tidgetList.count()) return nullptr;
  TidgetInfo& record = tidgetList[index];
  CTidget* tidget = CreateTidgetObject(AsWide(record.kind), AsWide(record.caption), AsWide(record.name));
  record.tidget = tidget;
  if (!tidget) return nullptr;
  tidget->Create(parent, 0, L"", WS_CHILD | WS_VISIBLE, place);
  // An icon says little on its own: the tip is the kind's name.
  if (const CatalogueEntry* entry = FindCatalogueEntry(FieldView(record.kind)))
    AddTooltip(tidget->hwnd, AsWide(entry->caption));
  return tidget;
}
