// The base of every window object: one registered class "CWindow", a table from
// window handle to object, message routing to fixed virtual operations, and a
// double-buffered default paint.
#pragma once

#include <windows.h>

#include "core/gdi_win.h"
#include "core/instance_win.h"
#include "core/scale.h"

inline constexpr wchar_t kWindowClassName[] = L"CWindow";

class CWindow {
 public:
  CWindow() = default;
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;

  // The operations, in their fixed order. Routed handlers return the window
  // procedure's result; a routed message reaches DefWindowProcW only if the
  // handler passes it on.
  // Creates the window at `place` (in the parent's client coordinates; empty by
  // default, for windows the layout places later).
  HWND Create(HWND parent, UINT childId, const wchar_t* title, DWORD style, const RECT& place = {});
  virtual void LoadSettings() {}
  virtual void SaveSettings() {}
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnCreate(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnDestroy(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  virtual void Draw(HDC, RECT) {}
  // Redraws `part` (null: the whole client area) and puts it on the screen at once,
  // through the back buffer and without the trip through WM_PAINT: under Wine that trip
  // costs six more requests to the server, which a face changing every second pays
  // every second. Before the first paint, or with a buffer of another size, the part
  // is invalidated as usual.
  void ShowNow(const RECT* part = nullptr);
  virtual LRESULT OnTimer(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnCommand(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnContextMenu(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnKeyDown(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnLButtonDown(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnMouseMove(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnLButtonUp(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnLButtonDblClk(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnMouseWheel(WPARAM, LPARAM) { return 0; }
  virtual LRESULT OnDropFiles(WPARAM, LPARAM) { return 0; }
  // WM_DPICHANGED (a top-level window moved to a monitor of another scale, or the
  // scale changed): by default the suggested rectangle, then SetScale with the new scale.
  virtual LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  // Takes a new display scale; windows with fonts, faces or controls of their own
  // remake and place them here.
  virtual void SetScale(Scale newScale) { scale = newScale; }
  // The program's texts changed language: windows that keep texts in controls or in
  // their title set them again here. By default a repaint, for what Draw writes.
  virtual void TextsChanged() {
    if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
  }

  // Releases the brush and back buffer and forgets the table entry; the owner
  // destroys the window first.
  virtual ~CWindow();

  HWND hwnd = nullptr;
  // A tool window's object made with new and owned by its window: freed right after
  // WM_NCDESTROY, when no message can reach it any more.
  bool deleteWithWindow = false;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  gdi::Brush bgBrush;
  gdi::Bitmap backBuffer;
  // The display scale the window draws at: a top-level window's is its monitor's, a
  // child's is its top-level window's (taken when it is created, then given by its
  // parent when that changes).
  Scale scale;

  // How many times the face was drawn and the part drawn last, for tests to see
  // what a change repainted.
  struct Painted {
    unsigned count = 0;
    RECT area{};
  };
  const Painted& LastPainted() const { return painted_; }

 private:
  // Draws `area` (within the back buffer) of the face into the buffer and copies it to
  // `target`.
  void PaintArea(HDC target, const RECT& client, const RECT& area, bool fresh);
  // The back buffer's size; empty without one.
  SIZE BufferSize() const;

  Painted painted_;
};

// The window procedure of class "CWindow" (also for subclasses that register nothing of their own).
LRESULT CALLBACK CWindowClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The scale kept by `window` or, for a window that is not one of ours (a control, a
// dialog), by the nearest of its parents that is; the system's when none is.
Scale ScaleOf(HWND window);

// Read-only views of the handle table, for tests and diagnostics.
namespace window_table {
int Count();
int Capacity();
CWindow* Find(HWND hwnd);
}  // namespace window_table
