// The bases of the bar's panels (widgets) and icon buttons (tidgets): every one is
// made from its catalogue caption and its unique instance name.
#pragma once

#include "core/text.h"
#include "core/window_win.h"

class CDget : public CWindow {
 public:
  CDget(const wchar_t* caption, const wchar_t* name);

  NameField caption = {};
  NameField instanceName = {};
};

class CWidget : public CDget {
 public:
  using CDget::CDget;
};

class CTidget : public CDget {
 public:
  using CDget::CDget;
};
