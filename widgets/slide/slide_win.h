// The image slide show widget: JPEG and PNG files dropped on it are shown one after
// another, in order or at random, each decoded once and scaled once to the widget.
// A click opens the picture in an image viewer (or switches the open one to it); a
// right click opens its settings popup with the interval, the options and the list.
#pragma once

#include <vector>

#include "widgets/base/dget_win.h"
#include "widgets/pictures/picture_win.h"
#include "widgets/slide/slide.h"

class CImageViewer;

class CImageSlide : public CWidget {
 public:
  using CWidget::CWidget;
  // Closes the viewers that use this widget's list, section and brush.
  ~CImageSlide() override;

  void LoadSettings() override;
  void SaveSettings() override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam) override;

  void WriteImageList();
  // The popup's list in its new order (old position of each entry): the shown
  // picture is followed to its new place, or dropped when it was removed.
  void TakeList(const std::vector<std::int32_t>& origins);
  void RestartTimer();

  int timerInterval = 5;
  std::int32_t current = -1;
  Picture image;
  PathList paths;
  bool randomSlide = false;
  bool displayFileName = false;
  bool multiViewer = false;
  CImageViewer* lastViewer = nullptr;
  // Every open viewer of this widget, lastViewer among them.
  std::vector<CImageViewer*> viewers;

 private:
  void ReadImageListSetting();
  void ShowCurrent();
  void CloseViewers();
  void DrawHint(HDC dc, RECT client) const;
  void DrawFileName(HDC dc, RECT client) const;

  FittedPicture fitted_;
};
