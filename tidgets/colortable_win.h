// The colour table: a tidget whose click opens a window of colour swatches; a click on a
// swatch shows its name and notations on four buttons, and a button copies its text.
#pragma once

#include "core/settings_win.h"
#include "tidgets/colortable.h"
#include "widgets/base/dget_win.h"

inline constexpr wchar_t kColorTableSection[] = L"ColorTableApp";

class CColorTable : public CIconTidget {
 public:
  CColorTable(DgetHost& host, const wchar_t* caption, const wchar_t* name);
  // Opens a further window at every click.
  void Activate() override;
};

// The window lives on its own: it is freed with its window.
class CColorTableApp : public CWindow {
 public:
  static constexpr int kListBoxId = 0;
  static constexpr int kFirstButtonId = 1;  // buttons 1..4: name, RGB(), 0X, #

  // Creates the window and puts it where it was last closed, as `settings` keeps it
  // (a store that outlives the window, as do `texts`); null when that fails.
  static CColorTableApp* Open(CSettings& settings, const TextTable& texts);

  ~CColorTableApp() override;
  // Moves and sizes once placed: the placement is written once they pause.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  // Fonts, panel and grid follow the new scale.
  void SetScale(Scale newScale) override;
  // The title and the list's entries in the new language.
  void TextsChanged() override;

  // Shows entry `index` as the selected colour and on the buttons.
  void Select(int index);

  HWND listBox = nullptr;
  HWND buttons[4] = {};
  ColorTable table;
  // The window's own fonts, of the shared face, at its scale.
  gdi::Font textFont;
  gdi::Font smallTextFont;

 private:
  CColorTableApp(CSettings& settings, const TextTable& texts);
  void FillLists();
  void MakeFonts();
  void WritePlacementNow() const;
  void LayoutToClient();
  void CopyButtonText(int id) const;
  void DrawSwatch(HDC dc, int index) const;

  CSettings& settings_;
  const TextTable& texts_;
  bool placed_ = false;
};
