// The reference image tidget: one picture kept at hand. A right click chooses a JPEG
// or PNG file, the face shows it shrunk to 24 × 24 (a small landscape while there is
// none), and a click opens it in an image viewer, one at a time.
#pragma once

#include "core/gdi_win.h"
#include "widgets/base/dget_win.h"
#include "widgets/pictures/path_list.h"
#include "widgets/pictures/picture_win.h"

class CImageViewer;

class COneImage : public CTidget {
 public:
  using CTidget::CTidget;
  // Closes the viewer, which uses this tidget's section and brush.
  ~COneImage() override;

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  void SetScale(Scale newScale) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Activate() override;

  // Takes a newly chosen file: stored, loaded and shown.
  void Choose(const wchar_t* path);

  wchar_t imagePath[kPathRoom] = {};
  Picture image;
  gdi::Bitmap defaultIcon;
  CImageViewer* viewer = nullptr;

 private:
  void CloseViewer();

  FittedPicture fitted_;
};
