#include "widgets/music/music_win.h"

#include <commdlg.h>
#include <shlwapi.h>

#include <cstdlib>
#include <cwchar>

#include "core/settings_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "widgets/base/drop_win.h"
#include "widgets/controls/grpbtn_win.h"
#include "widgets/controls/grpscrl_win.h"
#include "widgets/music/music_copy_win.h"
#include "widgets/music/music_view_win.h"

namespace {

constexpr UINT kOneShotMs = 100;
constexpr UINT kPositionMs = 200;
constexpr UINT kSkipPauseMs = 300;
constexpr int kPauseHotKey = 0;
constexpr DWORD kDialogChars = 32000;

std::wstring TempPathInDataFolder(const std::wstring& dataProgramPath) {
  std::wstring path = dataProgramPath;
  path.erase(path.find_last_of(L'\\') + 1);  // npos + 1 erases everything
  return path + L"Pelgra-temp.mp3";
}

}  // namespace

LRESULT CMusicPlayer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Control(kSeekBar)) OnSeek();
      return 0;
    case WM_HOTKEY:
      if (wParam == kPauseHotKey) PostMessageW(hwnd, WM_COMMAND, kPlayButton, 0);
      return 0;
    case MM_MCINOTIFY:
      OnPlayEnded(wParam, LOWORD(lParam));
      SaveStateLater();
      return 0;
    default: return CWidget::WindowProc(msg, wParam, lParam);
  }
}

LRESULT CMusicPlayer::OnCreate(WPARAM, LPARAM) {
  const std::optional<SIZE> size = placed_.TakeClientOf(hwnd);
  CreateMusicControls(hwnd, host.Texts(), scale,
                      size ? std::optional(music::PlayerLayoutOf(size->cx, size->cy, scale)) : std::nullopt);
  LoadState();
  if (random) SendMessageW(Control(kRandomButton), GBM_SETSTATE, grpbtn::kPressed, 0);
  ShowList(playGroup);
  AcceptDroppedFiles(hwnd);
  if (!RegisterHotKey(hwnd, kPauseHotKey, 0, VK_PAUSE)) MessageBeep(0);
  tempPath = TempPathInDataFolder(host.DataProgramPath());
  return 0;
}

CMusicPlayer::~CMusicPlayer() { write_later::Forget(this); }

LRESULT CMusicPlayer::OnDestroy(WPARAM, LPARAM) {
  write_later::Forget(this);
  SaveState();
  for (music::PlayList& list : lists) list.Clear();
  for (UINT_PTR timer = kPositionTimer; timer <= kSkipTimer; ++timer) KillTimer(hwnd, timer);
  UnregisterHotKey(hwnd, kPauseHotKey);
  round_.reset();
  deviceId.reset();
  return 0;
}

void CMusicPlayer::LoadState() {
  for (int g = 0; g < music::kListCount; ++g) {
    // Read whole, however long: a value cut at a buffer would lose paths or keep half of one.
    const std::wstring stored = Settings().GetWholeString(Section(), NumberedKey(L"MusicList", g).c_str());
    for (const std::u16string& path : music::ParseList(AsU16View(stored.c_str())))
      lists[g].Append(path);
  }
  playGroup = music::ValidGroup(Settings().GetInt(Section(), L"playGroup", 0));
  playIdx = Settings().GetInt(Section(), L"playIdx", -1);
  for (int g = 0; g < music::kListCount; ++g)
    selIdx[g] = Settings().GetInt(Section(), NumberedKey(L"groupIdx", g).c_str(), -1);
  selIdx[playGroup] = playIdx;
  random = Settings().GetInt(Section(), L"randomPlay", 0) != 0;
  savedState_ = StateNow();
}

void CMusicPlayer::SaveState() {
  CSettings::WriteBatch batch(Settings());
  Settings().SetInt(Section(), L"playGroup", playGroup);
  Settings().SetInt(Section(), L"playIdx", playIdx);
  Settings().SetInt(Section(), L"randomPlay", random ? 1 : 0);
  for (int g = 0; g < music::kListCount; ++g)
    Settings().SetInt(Section(), NumberedKey(L"groupIdx", g).c_str(), selIdx[g]);
  savedState_ = StateNow();
}

std::array<int, 3 + music::kListCount> CMusicPlayer::StateNow() const {
  return {playGroup, playIdx, random ? 1 : 0, selIdx[0], selIdx[1], selIdx[2], selIdx[3]};
}

void CMusicPlayer::SaveStateLater() {
  if (StateNow() == savedState_) return;
  write_later::Changed(this, [this] { SaveState(); });
}

void CMusicPlayer::SaveLists() {
  CSettings::WriteBatch batch(Settings());
  for (int g = 0; g < music::kListCount; ++g)
    Settings().SetString(Section(), NumberedKey(L"MusicList", g).c_str(), AsWide(lists[g].Format().c_str()));
}

int CMusicPlayer::DisplayedList() const {
  for (int g = 0; g < music::kListCount; ++g)
    if (SendMessageW(Control(static_cast<MusicControl>(kTabOfList0 + g)), GBM_GETSTATE, 0, 0) == grpbtn::kNormal)
      return g;
  return 0;
}

// ---- Playing

// The device stopped for a seek, a double-click, next or previous is closed here,
// before the temporary copy is rewritten and the next device opens.
bool CMusicPlayer::OpenAndPlay(const char16_t* path, DWORD from) {
  CloseDevice();
  const std::wstring element = PlayableElement(AsWide(path), tempPath);
  deviceId = mci::Open(element.c_str());
  if (!deviceId) return false;
  mci::Play(deviceId, hwnd, from);
  const DWORD length = mci::Status(deviceId, MCI_STATUS_LENGTH);
  SendMessageW(Control(kSeekBar), GSM_SETRANGE, 0, static_cast<LPARAM>(length));
  SetTimer(hwnd, kPositionTimer, kPositionMs, nullptr);
  return true;
}

// With no device there is nothing to follow: the position timer costs nothing then.
void CMusicPlayer::CloseDevice() {
  KillTimer(hwnd, kPositionTimer);
  deviceId.reset();
}

bool CMusicPlayer::PlayEntryValid() const { return playIdx >= 0 && playIdx < lists[playGroup].Count(); }

// Each failure costs one open attempt; the next try waits on a timer, so a list of
// unplayable entries never holds the bar for long.
void CMusicPlayer::PlayWithSkipping(music::Step step) {
  KillTimer(hwnd, kSkipTimer);
  round_.reset();
  if (lists[playGroup].Count() == 0) return;
  if (!PlayEntryValid()) playIdx = 0;
  round_.emplace(step, playIdx);
  TryRoundEntry();
}

void CMusicPlayer::TryRoundEntry() {
  if (OpenAndPlay(lists[playGroup][playIdx], 0)) {
    round_.reset();
    return;
  }
  const int next = round_->AfterFailure(playIdx, lists[playGroup].Count());
  if (next < 0) {
    playIdx = round_->start() < lists[playGroup].Count() ? round_->start() : -1;
    round_.reset();
  } else {
    playIdx = next;
  }
  if (DisplayedList() == playGroup) SendMessageW(Control(kFileList), LB_SETCURSEL, playIdx, 0);
  if (!round_) return;
  MessageBeep(0);
  SetTimer(hwnd, kSkipTimer, kSkipPauseMs, nullptr);
}

void CMusicPlayer::StartDisplayedList() {
  playGroup = DisplayedList();
  playIdx = selIdx[playGroup];
  if (PlayEntryValid()) PlayWithSkipping(music::Step::kNext);
}

void CMusicPlayer::ChoosePlayEntry(music::Step step) {
  playIdx = music::ChooseEntry(step, playIdx, lists[playGroup].Count(), random, std::rand);
  selIdx[playGroup] = playIdx;
  if (DisplayedList() == playGroup) SendMessageW(Control(kFileList), LB_SETCURSEL, playIdx, 0);
}

void CMusicPlayer::OnPlayEnded(WPARAM code, MCIDEVICEID device) {
  // A device closed by a skip may still report; only the open one counts. Some
  // drivers (Wine's) name no device at all: that is the open one.
  if (!deviceId || (device != 0 && device != deviceId.get())) return;
  if (code != MCI_NOTIFY_SUCCESSFUL && code != MCI_NOTIFY_FAILURE) return;
  CloseDevice();
  if (code == MCI_NOTIFY_FAILURE) return;
  ChoosePlayEntry(music::Step::kNext);
  PlayWithSkipping(music::Step::kNext);
}

// ---- Commands

LRESULT CMusicPlayer::OnCommand(WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  switch (id) {
    case kPlayButton: PlayPause(); break;
    case kStopButton: Stop(); break;
    case kPreviousButton: NextOrPrevious(music::Step::kPrevious); break;
    case kNextButton: NextOrPrevious(music::Step::kNext); break;
    case kFileList: OnListNotify(HIWORD(wParam)); break;
    case kAddButton: AddFiles(); break;
    case kClearButton: ClearDisplayedList(); break;
    case kRandomButton:
      random = SendMessageW(Control(kRandomButton), GBM_GETSTATE, 0, 0) == grpbtn::kPressed;
      break;
    default:
      if (id >= kTabOfList0 && id < kTabOfList0 + music::kListCount) ShowList(id - kTabOfList0);
      break;
  }
  SaveStateLater();
  return 0;
}

void CMusicPlayer::PlayPause() {
  if (!deviceId) {
    StartDisplayedList();
    return;
  }
  const DWORD mode = mci::Status(deviceId, MCI_STATUS_MODE);
  if (mode == MCI_MODE_PLAY) mci::Pause(deviceId);
  if (mode == MCI_MODE_PAUSE) mci::Resume(deviceId);
}

void CMusicPlayer::Stop() {
  if (!deviceId) return;
  mci::Stop(deviceId, false);
  SendMessageW(Control(kSeekBar), GSM_SETPOS, 0, 0);
}

void CMusicPlayer::StopForNext(UINT_PTR timer) {
  mci::Stop(deviceId, true);
  SetTimer(hwnd, timer, kOneShotMs, nullptr);
}

void CMusicPlayer::NextOrPrevious(music::Step step) {
  if (deviceId) {
    ChoosePlayEntry(step);
    StopForNext(step == music::Step::kNext ? kNextTimer : kPreviousTimer);
    return;
  }
  const int g = DisplayedList();
  const int moved = music::StepSelection(step, selIdx[g], lists[g].Count());
  if (moved < 0) return;
  selIdx[g] = moved;
  SendMessageW(Control(kFileList), LB_SETCURSEL, moved, 0);
}

void CMusicPlayer::OnListNotify(WORD code) {
  if (code == LBN_SELCHANGE) {
    selIdx[DisplayedList()] = static_cast<int>(SendMessageW(Control(kFileList), LB_GETCURSEL, 0, 0));
  } else if (code == LBN_DBLCLK) {
    if (deviceId)
      StopForNext(kDoubleClickTimer);
    else
      StartDisplayedList();
  }
}

// ---- Seeking and timers

void CMusicPlayer::OnSeek() {
  if (!deviceId) return;
  mci::Stop(deviceId, false);
  seekTo_ = static_cast<DWORD>(SendMessageW(Control(kSeekBar), GSM_GETPOS, 0, 0));
  seekPending_ = true;
  SetTimer(hwnd, kSeekTimer, kOneShotMs, nullptr);
}

// The song that was playing reopens where the user asked, whatever line is selected.
void CMusicPlayer::OnSeekTimer() {
  seekPending_ = false;
  if (PlayEntryValid()) OpenAndPlay(lists[playGroup][playIdx], seekTo_);
}

void CMusicPlayer::OnPositionTimer() {
  if (!deviceId || seekPending_) return;
  HWND seekBar = Control(kSeekBar);
  if (GetCapture() == seekBar) return;
  SendMessageW(seekBar, GSM_SETPOS, mci::Status(deviceId, MCI_STATUS_POSITION), 0);
}

LRESULT CMusicPlayer::OnTimer(WPARAM wParam, LPARAM) {
  const UINT_PTR timer = wParam;
  if (timer == kPositionTimer) {
    OnPositionTimer();
    return 0;
  }
  KillTimer(hwnd, timer);
  switch (timer) {
    case kDoubleClickTimer: StartDisplayedList(); break;
    case kNextTimer: PlayWithSkipping(music::Step::kNext); break;
    case kPreviousTimer: PlayWithSkipping(music::Step::kPrevious); break;
    case kSeekTimer: OnSeekTimer(); break;
    case kSkipTimer:
      if (!round_ || lists[playGroup].Count() == 0) {
        round_.reset();
        break;
      }
      if (!PlayEntryValid()) playIdx = 0;
      TryRoundEntry();
      break;
    default: break;
  }
  SaveStateLater();
  return 0;
}

// ---- Lists

void CMusicPlayer::ShowList(int group) {
  SelectTab(hwnd, group);
  FillFileList(Control(kFileList), lists[group], selIdx[group]);
}

void CMusicPlayer::AddFile(const wchar_t* path) {
  if (!music::IsSoundFile(AsU16View(path))) return;
  if (!lists[DisplayedList()].Append(AsU16View(path))) return;
  SendMessageW(Control(kFileList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PathFindFileNameW(path)));
}

void CMusicPlayer::AddFiles() {
  std::wstring buffer(kDialogChars, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd;
  const std::wstring filter = FileFilter(host.Texts(), TextId::MusicFileKind, L"*.mp3;*.wav");
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = kDialogChars;
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
  if (GetOpenFileNameW(&dialog)) {
    for (const std::u16string& path : music::DialogSelection(AsU16(buffer.data()), buffer.size()))
      AddFile(AsWide(path.c_str()));
  } else if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
    MessageBoxW(hwnd, WideText(host.Texts(), TextId::MusicTooManyFiles), WideText(host.Texts(), TextId::CaptionError),
                MB_OK);
  }
  SaveLists();
}

LRESULT CMusicPlayer::OnDropFiles(WPARAM wParam, LPARAM) {
  const auto drop = reinterpret_cast<HDROP>(wParam);
  DropScope release(drop);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // A longer path would arrive cut, naming another file.
    if (DragQueryFileW(drop, i, nullptr, 0) > music::kMaxPathChars) continue;
    wchar_t path[music::kMaxPathChars + 1] = {};
    if (DragQueryFileW(drop, i, path, music::kMaxPathChars + 1) > 0) AddFile(path);
  }
  const int g = DisplayedList();
  if (selIdx[g] == -1 && lists[g].Count() > 0) {
    selIdx[g] = 0;
    SendMessageW(Control(kFileList), LB_SETCURSEL, 0, 0);
  }
  SaveLists();
  SaveStateLater();
  return 0;
}

void CMusicPlayer::ClearDisplayedList() {
  Stop();
  const int g = DisplayedList();
  SendMessageW(Control(kFileList), LB_RESETCONTENT, 0, 0);
  lists[g].Clear();
  selIdx[g] = -1;
  SaveLists();
}

LRESULT CMusicPlayer::OnSize(WPARAM wParam, LPARAM lParam) {
  CWidget::OnSize(wParam, lParam);
  if (!placed_.Take(lParam)) return 0;
  LayoutMusicControls(hwnd, LOWORD(lParam), HIWORD(lParam), scale);
  return 0;
}

void CMusicPlayer::SetScale(Scale newScale) {
  CWidget::SetScale(newScale);
  RECT client{};
  GetClientRect(hwnd, &client);
  RescaleMusicControls(hwnd, scale, client.right, client.bottom);
}
