// The image viewer: a resizable top-level window that shows one picture fitted to
// its client area and switches to full screen on Enter or a double click. It serves
// the slide show (a position of its list, changed by the widget's later clicks) and
// the reference image (one file). It keeps its placement in its owner's settings
// section and tells the owner when it ends (kMsgViewerClosed). The object belongs to
// its window.
#pragma once

#include <windows.h>

#include <string_view>

#include "widgets/base/dget_win.h"
#include "widgets/pictures/path_list.h"
#include "widgets/pictures/picture_win.h"

class CImageViewer : public CWindow {
 public:
  // Open a viewer of entry `index` of `paths` (the owner's list, which outlives the
  // viewer: the owner closes its viewers before it changes hands), or of one file.
  // The window is shown where the owner's section says, in full screen if it ended so.
  // Null when no window could be made.
  static CImageViewer* OpenList(CDget& owner, const PathList& paths, int index);
  static CImageViewer* OpenSingle(CDget& owner, std::u16string_view path);

  ~CImageViewer() override;
  // Moves and sizes once placed (full screen too): the placement is written once they pause.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam) override;
  // List position `position` (list mode only; kMsgViewerShowPosition).
  void ShowPosition(std::int32_t position);

  void EnterFullScreen();
  void LeaveFullScreen();
  // Set once the window is being destroyed: the owner forgets a viewer that has ended.
  bool Ended() const { return ended_; }

  bool singlePicture = false;
  CDget* owner = nullptr;
  const PathList* paths = nullptr;
  int index = 0;
  // The picture's path: the one file, or the list entry shown.
  wchar_t path[kPathRoom] = {};
  Picture image;
  bool fullScreen = false;
  WINDOWPLACEMENT placement{};

 private:
  CImageViewer(CDget& owner, const PathList* paths, int index, std::u16string_view path);
  static CImageViewer* Open(CImageViewer* viewer);
  void ShowPath();
  void WritePlacementNow();

  FittedPicture fitted_;
  bool ended_ = false;
  bool placed_ = false;
};
