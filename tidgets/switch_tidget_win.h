// Tidgets that are switched on and off by a click and show it: `icon` is the face
// while on, `offImage` the face while off.
#pragma once

#include "widgets/base/dget_win.h"

class CSwitchTidget : public CIconTidget {
 public:
  CSwitchTidget(DgetHost& host, const wchar_t* caption, const wchar_t* name, int onFace, int offFace);

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  // A click may have switched it: the key is written once clicks pause.
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  void SetScale(Scale newScale) override;
  ~CSwitchTidget() override;

  // The on/off key is written once changes pause, not only at the end.
  void SaveLater();

  gdi::Bitmap offImage;
  bool active = false;

 private:
  int offFace_;
};

// The popup's place along the bar is the strip's, not the tidget's own (which the
// layout pass never sets): the strip is the tidget's parent window object.
POINT StripOffset(const CTidget& tidget);
