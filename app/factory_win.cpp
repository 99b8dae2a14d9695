#include "app/factory_win.h"

#include <iterator>

#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "tidgets/colortable_win.h"
#include "tidgets/lcdtest_win.h"
#include "tidgets/movecursor_win.h"
#include "tidgets/oneimage_win.h"
#include "tidgets/sizemeter_win.h"
#include "tidgets/tetris_win.h"
#include "tidgets/textclip_win.h"
#include "widgets/base/dget_win.h"
#include "widgets/calc/calc.h"
#include "widgets/calc/calc_win.h"
#include "widgets/clock/clock.h"
#include "widgets/clock/clock_win.h"
#include "widgets/cpu/cpu.h"
#include "widgets/cpu/cpu_win.h"
#include "widgets/gauges/gauges.h"
#include "widgets/gauges/gauges_win.h"
#include "widgets/memo/memo.h"
#include "widgets/memo/memo_win.h"
#include "widgets/music/music_view.h"
#include "widgets/music/music_win.h"
#include "widgets/radix/radix.h"
#include "widgets/radix/radix_win.h"
#include "widgets/slide/slide_win.h"

namespace {

using MakeWidget = CWidget* (*)(DgetHost&, const wchar_t*, const wchar_t*);
using MakeTidget = CTidget* (*)(DgetHost&, const wchar_t*, const wchar_t*);

template <class Class>
CWidget* Widget(DgetHost& host, const wchar_t* caption, const wchar_t* name) {
  return new Class(host, caption, name);
}
template <class Class>
CTidget* Tidget(DgetHost& host, const wchar_t* caption, const wchar_t* name) {
  return new Class(host, caption, name);
}

// One row per kind, in the order of Kind: a widget kind has a widget factory, a tidget
// kind a tidget factory. A widget kind whose face needs more than the bar's widget
// minimum to stay whole says how much; the slide show fits its picture to any size.
struct Factory {
  Kind kind;
  MakeWidget widget;
  MakeTidget tidget;
  UsableThicknessRule usable = nullptr;
};

constexpr Factory kFactories[] = {
    {Kind::Clock, Widget<CClock>, nullptr, ClockUsableThickness},
    {Kind::CpuUsage, Widget<CCpuUsage>, nullptr, CpuUsableThickness},
    {Kind::MemUsage, Widget<CMemUsage>, nullptr, MemoryUsableThickness},
    {Kind::Battery, Widget<CBattery>, nullptr, BatteryUsableThickness},
    {Kind::DiskUsage, Widget<CDiskUsage>, nullptr, DiskUsableThickness},
    {Kind::MusicPlayer, Widget<CMusicPlayer>, nullptr, music::PlayerUsableThickness},
    {Kind::Memo, Widget<CMemo>, nullptr, MemoUsableThickness},
    {Kind::Calc, Widget<CCalc>, nullptr, CalcUsableThickness},
    {Kind::Radix, Widget<CRadix>, nullptr, RadixUsableThickness},
    {Kind::ImageSlide, Widget<CImageSlide>, nullptr},
    {Kind::LCDTest, nullptr, Tidget<CLCDTest>},
    {Kind::SizeMeter, nullptr, Tidget<CSizeMeter>},
    {Kind::MoveCursor, nullptr, Tidget<CMoveCursor>},
    {Kind::TextClip, nullptr, Tidget<CTextClip>},
    {Kind::OneImage, nullptr, Tidget<COneImage>},
    {Kind::Tetris, nullptr, Tidget<CTetris>},
    {Kind::ColorTable, nullptr, Tidget<CColorTable>},
};
static_assert(std::size(kFactories) == kCatalogueSize, "one factory per catalogue row");

constexpr bool FactoriesFollowTheKinds() {
  for (int i = 0; i < kCatalogueSize; ++i) {
    const Factory& row = kFactories[i];
    if (KindIndex(row.kind) != i || (row.widget != nullptr) != IsWidget(row.kind) ||
        (row.tidget != nullptr) == IsWidget(row.kind))
      return false;
  }
  return true;
}
static_assert(FactoriesFollowTheKinds(), "factories in the order of Kind, each of its list");

const Factory* FactoryOf(const wchar_t* kind) {
  if (!kind) return nullptr;
  const std::optional<Kind> known = KindNamed(AsU16View(kind));
  return known ? &kFactories[KindIndex(*known)] : nullptr;
}

}  // namespace

CWidget* CreateWidgetObject(DgetHost& host, const wchar_t* kind, const wchar_t* caption, const wchar_t* name) {
  const Factory* factory = FactoryOf(kind);
  return factory && factory->widget ? factory->widget(host, caption, name) : nullptr;
}

CTidget* CreateTidgetObject(DgetHost& host, const wchar_t* kind, const wchar_t* caption, const wchar_t* name) {
  const Factory* factory = FactoryOf(kind);
  return factory && factory->tidget ? factory->tidget(host, caption, name) : nullptr;
}

UsableThicknessRule UsableThicknessRuleOf(const wchar_t* kind) {
  const Factory* factory = FactoryOf(kind);
  return factory ? factory->usable : nullptr;
}

CWidget* CreateWidgetWindow(DgetHost& host, WidgetInfo& record, HWND parent, const RECT& place) {
  CWidget* widget = CreateWidgetObject(host, AsWide(record.kind), AsWide(record.caption), AsWide(record.name));
  record.widget = widget;
  if (!widget) return nullptr;
  widget->height = record.vertHeight;
  widget->width = record.horzWidth;
  widget->bgBrush = gdi::SolidBrush(record.bgColor);
  widget->Create(parent, 0, L"", WS_CHILD | WS_VISIBLE, place);
  return widget;
}

CTidget* CreateTidgetWindow(DgetHost& host, TidgetInfo& record, HWND parent, const RECT& place) {
  CTidget* tidget = CreateTidgetObject(host, AsWide(record.kind), AsWide(record.caption), AsWide(record.name));
  record.tidget = tidget;
  if (!tidget) return nullptr;
  // An icon says little on its own: the tip is the kind's name.
  const CatalogueEntry* entry = FindCatalogueEntry(FieldView(record.kind));
  tidget->Create(parent, 0, entry ? TooltipText(entry->name, host.Texts()) : L"", WS_CHILD | WS_VISIBLE, place);
  if (entry) AddTooltip(tidget->hwnd, entry->name, host.Texts(), tidget->scale);
  return tidget;
}
