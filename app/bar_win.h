// The bar: the one top-level window of the program. It owns the caption band with
// the close and menu buttons, the widget windows, the tidget strip, the splitters
// between the widgets and the popup menu, and writes section "main" when it goes.
#pragma once

#include <windows.h>

#include <optional>

#include "app/layout.h"
#include "core/window_win.h"

inline constexpr UINT kCloseButtonId = 1;
inline constexpr UINT kMenuButtonId = 2;
// The arrow buttons of a widget area too long for the screen.
inline constexpr UINT kScrollBackId = 3;
inline constexpr UINT kScrollOnId = 4;
inline constexpr wchar_t kBarTitle[] = L"Pelgra";

class CMainWindow : public CWindow {
 public:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
  // A new monitor scale: the suggested position, the shared fonts, every child at the
  // new scale and one layout pass, whose size is the bar's new size.
  LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam) override;
  void SetScale(Scale newScale) override;

  // Section "main" as the flags ask: at the bar's end and once changes pause.
  void SaveBarChanges();

  // The arrow buttons of a scrolling widget area: made while it scrolls, each shown
  // while there is more to see its way, gone when everything fits again.
  void PlaceScrollArrows(const BarLayout& layout);

  HWND closeButton = nullptr;
  HWND menuButton = nullptr;
  HWND scrollBack = nullptr;
  HWND scrollOn = nullptr;
  // Record index of the widget whose splitter is being dragged, -1 when none.
  int dragIndex = -1;

 private:
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetMinMaxInfo(LPARAM lParam);
  LRESULT OnWindowPosChanging(LPARAM lParam);
  LRESULT OnEndSession(WPARAM wParam);
  void CreateChildren(const BarLayout& plan);
  void ShowPopupMenu();
  void ToggleTopmost();
  void ToggleDirection();
  void ScrollRows(int step);
  void PlaceArrow(HWND& button, UINT id, bool scrolls, const std::optional<Rect>& place, WORD face);
  void RunSelection(UINT command);
  void ShowNotice(const wchar_t* text);
  void MarkPlacementChanged();
  void MarkListsChanged();
  // Splitter under a client point: the record index of its leader, or -1.
  int SplitterUnder(POINT client) const;
  bool IsTopmost() const;

  HCURSOR splitCursorLeftRight = nullptr;
  HCURSOR splitCursorUpDown = nullptr;
};

// The one bar of the process.
extern CMainWindow mainWindow;

// Creates the bar from barSettings and the record lists; its OnCreate makes every
// child and lays them out. Returns the window, or null.
HWND CreateBarWindow();

// The bar's popup menu as it is shown: menu 113 with "항상 위" checked when the bar is
// topmost. The caller owns the returned menu (destroy it with DestroyMenu); the popup
// to track is its first submenu.
HMENU LoadBarMenu(bool topmost);

// What section "main" keeps has changed (the lists in a selection dialog, the
// placement): it is written once changes pause, not only when the bar goes.
void SaveBarLater();

// Deletes the widget and tidget objects of the records once their windows are gone.
void ReleaseRecordObjects();

// The about box text: the program's name, what it is, its version.
const wchar_t* AboutText();
