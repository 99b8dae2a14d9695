// What the bar's dialogs ask of the bar: its window and scale, its options and lists,
// and the few things that change them. The bar implements it; the dialogs take it as
// an argument and never reach the bar any other way.
#pragma once

#include <windows.h>

#include <array>

#include "core/bar_settings.h"
#include "core/records.h"
#include "core/scale.h"
#include "core/texts.h"

class CSettings;

class BarHost {
 public:
  virtual HWND BarWindow() const = 0;
  virtual Scale BarScale() const = 0;
  virtual CSettings& Settings() = 0;

  virtual const BarSettings& Options() const = 0;
  // The texts of the language the bar speaks.
  virtual const TextTable& Texts() const = 0;
  // Makes `next` the bar's options (its placement fields are not taken): the topmost
  // state, the direction, the layout with the new sizes and a repaint, widget
  // thicknesses brought within new widget limits, and a new language told to every
  // window. Writing them is the caller's.
  virtual void ApplyOptions(const BarSettings& next) = 0;

  virtual RecordList<WidgetInfo>& Widgets() = 0;
  virtual RecordList<TidgetInfo>& Tidgets() = 0;
  // The object and window of widget (tidget) record `index`, which has none yet.
  virtual void MakeWidgetWindow(int index) = 0;
  virtual void MakeTidgetWindow(int index) = 0;
  // The layout pass over what the lists hold now.
  virtual void Relayout() = 0;
  // The lists changed: they are written once changes pause, and at the bar's end.
  virtual void MarkListsChanged() = 0;

  // The colour dialog's sixteen custom colours, kept for the rest of the run.
  virtual std::array<COLORREF, 16>& CustomColors() = 0;

 protected:
  ~BarHost() = default;
};
