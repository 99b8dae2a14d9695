// The memo widget: a drop-down of memo titles, "+" (new), "-" (delete) and "ㅁ" (open
// in a window of its own), and an edit with the selected memo's text. All memos of
// one instance live in one file beside the executable, read at creation and written
// when something changed: once typing pauses, at once when a memo is added, deleted,
// renamed or recoloured, and at destruction.
#pragma once

#include <string>
#include <string_view>

#include "widgets/base/dget_win.h"
#include "widgets/memo/memo.h"
#include "widgets/memo/memo_viewer_win.h"

class CMemo : public CWidget, public MemoSet, private MemoViewerHost {
 public:
  using CWidget::CWidget;
  ~CMemo() override;

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  // The controls get the shared font made for the new scale and their new places.
  void SetScale(Scale newScale) override;
  // The open button's label, and the text shown while there is no memo.
  void TextsChanged() override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;

  // A change the file has to get: written once changes pause, or at the next chance.
  void SaveLater(bool atOnce = false);
  // Takes in what the edits hold and writes the file when the set changed.
  void SaveChanges();

  // Copies the widget's edit into memo `index` when the edit is ahead of it.
  void Flush(std::int32_t index);
  // Flush of the shown memo when it is `memo`: before a viewer reads or replaces it.
  void FlushIfShown(const MemoRecord* memo) override;

  const std::wstring& FilePath() const { return filePath_; }

  HWND titleList = nullptr;
  HWND addButton = nullptr;
  HWND deleteButton = nullptr;
  HWND openButton = nullptr;
  HWND edit = nullptr;
  PlacedSize placed_;

 private:
  // What its memo windows tell it.
  HWND NoticeWindow() const override { return hwnd; }
  const TextTable& Texts() const override { return host.Texts(); }
  int CaptionUnits() const override;
  void ViewerTyped() override { SaveLater(); }
  void TextStoredByViewer(const MemoRecord* memo) override;
  void LookChangedByViewer(const MemoRecord* memo) override;
  // A memo window has gone (the viewer object and its serial, as its notice gives them).
  void ViewerClosed(const CMemoViewer* gone, unsigned serial);
  // Tells the user about the file (posted, so the box shows over the bar once it is drawn).
  void ShowFileNotice(WPARAM notice);
  // The memo's title changed: its drop-down entry follows, the selection stays.
  void TitleChanged(const MemoRecord* memo);
  void PlaceControls(int width, int height);
  void ReadFile();
  // A failure is told once until a write succeeds again: at the bar's end at once,
  // else through a posted message, so no box opens inside a write.
  void WriteFile(bool closing);
  void ShowCurrent();
  void SetEditText(std::u16string_view text);
  void AddMemo();
  void DeleteSelected();
  void OpenViewer();
  void SelectionChanged();
  void CloseViewers();
  void ReleaseViewer(MemoRecord& memo);

  std::wstring filePath_;
  // The file is there but could not be read: it must not be written over in this run.
  bool fileBlocked_ = false;
  bool writeFailureTold_ = false;
  // Text set by the program raises no EN_CHANGE on a multi-line edit, but Wine may
  // differ: ignore notifications while it is being set.
  bool settingText_ = false;
  // Numbers the memo windows opened, for their end notices.
  unsigned lastViewerSerial_ = 0;
};
