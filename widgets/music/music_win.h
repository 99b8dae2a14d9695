// The music player widget: four play lists of .mp3 and .wav files played one after
// another through MCI, with play/pause, stop, previous, next, a seek bar, random
// order, list tabs, adding by the open-file dialog or by dropping, and the Pause key.
// It draws nothing itself: its face is its child controls.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "widgets/base/dget_win.h"
#include "widgets/music/music.h"
#include "widgets/music/music_mci_win.h"
#include "widgets/music/music_view_win.h"

enum MusicTimer : UINT_PTR {
  kPositionTimer = 1,     // 200 ms while a device is open: the seek bar follows the play
  kDoubleClickTimer = 2,  // one shot: the list line double-clicked starts
  kNextTimer = 3,         // one shot: the next entry starts
  kPreviousTimer = 4,     // one shot: the previous entry starts
  kSeekTimer = 5,         // one shot, re-armed by every seek message: reopen there
  kSkipTimer = 6,         // one shot: the round over unplayable entries goes on
};

class CMusicPlayer : public CWidget {
 public:
  using CWidget::CWidget;

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  void SetScale(Scale newScale) override;
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam) override;
  ~CMusicPlayer() override;

  // The list whose tab is in state 0.
  int DisplayedList() const;
  HWND Control(MusicControl id) const { return GetDlgItem(hwnd, id); }

  music::PlayList lists[music::kListCount];
  int selIdx[music::kListCount] = {-1, -1, -1, -1};
  int playGroup = 0;
  int playIdx = -1;
  bool random = false;
  mci::Device deviceId;
  std::wstring tempPath;
  PlacedSize placed_;

 private:
  void LoadState();
  void SaveState();
  // When what SaveState writes differs from what it wrote (or read) last, it is
  // written once changes pause.
  void SaveStateLater();
  std::array<int, 3 + music::kListCount> StateNow() const;
  void SaveLists();

  bool OpenAndPlay(const char16_t* path, DWORD from);
  void CloseDevice();
  void PlayWithSkipping(music::Step step);
  void TryRoundEntry();
  void StartDisplayedList();
  void ChoosePlayEntry(music::Step step);
  bool PlayEntryValid() const;

  void PlayPause();
  void Stop();
  void NextOrPrevious(music::Step step);
  void OnListNotify(WORD code);
  void OnSeek();
  void OnSeekTimer();
  void OnPositionTimer();
  void OnPlayEnded(WPARAM code, MCIDEVICEID device);
  void ShowList(int group);
  void AddFile(const wchar_t* path);
  void AddFiles();
  void ClearDisplayedList();
  void StopForNext(UINT_PTR timer);

  std::optional<music::SkipRound> round_;
  std::array<int, 3 + music::kListCount> savedState_{};
  // Where the last seek message asked to go; the position timer leaves the bar alone meanwhile.
  DWORD seekTo_ = 0;
  bool seekPending_ = false;
};
