// A memo in a window of its own: a caption strip in the memo's background colour that
// drags the window, a close and a properties button, and an edit with the memo's font
// and colours. The edit's text goes into the memo when it loses the focus, and is
// read from the memo again whenever the window gets the focus.
#pragma once

#include "core/texts.h"
#include "core/window_win.h"
#include "widgets/memo/memo_props_win.h"
#include "widgets/memo/memo_record.h"
#include "widgets/memo/memo_viewer.h"

// What a memo window tells the widget whose memo it shows. The memo widget implements it.
class MemoViewerHost {
 public:
  // Where the window's end notice goes (kMsgMemoViewerClosed).
  virtual HWND NoticeWindow() const = 0;
  // How thick the window's caption strip is, in units: the bar's caption band.
  virtual int CaptionUnits() const = 0;
  // The texts of the bar's language: the properties dialog speaks it.
  virtual const TextTable& Texts() const = 0;
  // The widget's edit holds text of `memo` not yet stored there: it goes in now.
  virtual void FlushIfShown(const MemoRecord* memo) = 0;
  // Text was typed in the window: the file is written once typing pauses.
  virtual void ViewerTyped() = 0;
  // The window's text reached `memo`: the set changed, and the widget's edit shows it
  // too when that memo is shown.
  virtual void TextStoredByViewer(const MemoRecord* memo) = 0;
  // The memo's colours or title changed in its properties: the file is written at
  // once, and the title's entry follows.
  virtual void LookChangedByViewer(const MemoRecord* memo) = 0;

 protected:
  ~MemoViewerHost() = default;
};

class CMemoViewer : public CWindow {
 public:
  // `serial` goes with the end notice: a later viewer at the same address is not
  // taken for this one.
  CMemoViewer(MemoViewerHost& owner, MemoRecord& memo, unsigned serial);

  // Makes the window at the memo's rectangle, titled with the memo's title.
  bool Open();

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  // The title and memo fonts and the strip's buttons are made again for the new scale.
  void SetScale(Scale newScale) override;

  // Copies the edit into the memo when it changed since the last copy.
  void StoreText();
  // Copies the window's rectangle into the memo.
  void StoreRect();
  // The owner lets go: the window must not notify or touch it any more. The object
  // may be deleted at once unless its properties dialog is running; then it deletes
  // itself when the dialog has ended.
  void Detach();
  // Whether the owner may delete the object now.
  bool Deletable() const { return !inDialog_; }

  MemoViewerHost* owner;
  const unsigned serial;
  MemoRecord* memo;
  bool textChanged = false;
  bool notifyOwner = true;
  HWND closeButton = nullptr;
  HWND propButton = nullptr;
  HWND edit = nullptr;
  gdi::Font font;
  gdi::Font titleFont;
  gdi::Brush editBrush;

 private:
  int CaptionUnits() const;
  MemoWindowLayout Layout() const;
  void PlaceChildren(const MemoWindowLayout& layout);
  void ShowMemoText();
  void ApplyLook();
  void RunProperties();

  bool inDialog_ = false;
  bool deleteAfterDialog_ = false;
  bool settingText_ = false;
  MemoPropsTarget props_;
};
