// The bases of the bar's panels (widgets) and icon buttons (tidgets): every one is
// made from its catalogue caption and its unique instance name, and keeps its own
// options in the settings section named after that instance name.
#pragma once

#include "core/text.h"
#include "core/window_win.h"

class CDget : public CWindow {
 public:
  CDget(const wchar_t* caption, const wchar_t* name);
  // Takes its settings popup along if that is still open.
  ~CDget() override;

  NameField caption = {};
  NameField instanceName = {};

  // instanceName as the settings section.
  const wchar_t* Section() const;
};

class CWidget : public CDget {
 public:
  using CDget::CDget;
};

// A WM_SIZE to an empty client: the size a widget is created at, before the bar lays
// it out. A widget with controls places them at the first real size instead, since
// every move is a trip to the system and the start-up waits for them.
inline bool SizedToNothing(LPARAM sizeParam) { return LOWORD(sizeParam) == 0 || HIWORD(sizeParam) == 0; }

// A tidget acts on a click: press, then release inside the button while it still
// holds the capture. No pressed look, no repeat.
class CTidget : public CDget {
 public:
  using CDget::CDget;

  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
  virtual void Activate() = 0;
};

// Copies a face bitmap to (0, 0) in its own size; the rest keeps the background.
void DrawFaceBitmap(HDC dc, HBITMAP face);

// The tidgets whose face is one bitmap resource, loaded in OnCreate (drawn for the
// tidget's scale, and again when that changes) and freed in OnDestroy.
class CIconTidget : public CTidget {
 public:
  CIconTidget(const wchar_t* caption, const wchar_t* name, int iconResource);

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  void SetScale(Scale newScale) override;

  gdi::Bitmap icon;

 private:
  int iconResource_;
};
