#include "widgets/music/music_view_win.h"

#include <shlwapi.h>

#include <cstddef>

#include "core/control_win.h"
#include "core/fonts_win.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/controls/grpbtn_win.h"
#include "widgets/controls/grpscrl_win.h"
#include "widgets/music/music_view.h"

namespace {

struct ButtonRow {
  int id;
  Rect place;  // in units
  bool toggle;
  WORD faces[4];
  TextId tip;
};

constexpr ButtonRow kButtons[] = {
    {kPlayButton, {2, 2, 26, 18}, false,
     {IDB_MUSIC_PLAY_BLACK, IDB_MUSIC_PLAY_RED, IDB_MUSIC_PLAY_BLUE, IDB_MUSIC_PLAY_BLACK}, TextId::MusicPlayTip},
    {kStopButton, {28, 2, 44, 18}, false,
     {IDB_MUSIC_STOP_MAGENTA, IDB_MUSIC_STOP_RED, IDB_MUSIC_STOP_BLUE, IDB_MUSIC_STOP_MAGENTA}, TextId::MusicStopTip},
    {kPreviousButton, {46, 2, 62, 18}, false,
     {IDB_MUSIC_PREV_GREEN, IDB_MUSIC_PREV_RED, IDB_MUSIC_PREV_BLACK, IDB_MUSIC_PREV_GREEN}, TextId::MusicPreviousTip},
    {kNextButton, {64, 2, 80, 18}, false,
     {IDB_MUSIC_NEXT_GREEN, IDB_MUSIC_NEXT_RED, IDB_MUSIC_NEXT_BLACK, IDB_MUSIC_NEXT_GREEN}, TextId::MusicNextTip},
    {kRandomButton, {90, 2, 106, 18}, true,
     {IDB_MUSIC_RANDOM_OFF, IDB_MUSIC_RANDOM_OFF, IDB_MUSIC_RANDOM_ON, IDB_MUSIC_RANDOM_OFF}, TextId::MusicRandomTip},
};
constexpr ButtonRow kLowerButtons[] = {
    {kTabOfList0, {2, 38, 18, 50}, true,
     {IDB_MUSIC_TAB0_ON, IDB_MUSIC_TAB0_ON, IDB_MUSIC_TAB0_OFF, IDB_MUSIC_TAB0_OFF}, TextId::MusicList1Tip},
    {kTabOfList0 + 1, {18, 38, 34, 50}, true,
     {IDB_MUSIC_TAB1_ON, IDB_MUSIC_TAB1_ON, IDB_MUSIC_TAB1_OFF, IDB_MUSIC_TAB1_OFF}, TextId::MusicList2Tip},
    {kTabOfList0 + 2, {34, 38, 50, 50}, true,
     {IDB_MUSIC_TAB2_ON, IDB_MUSIC_TAB2_ON, IDB_MUSIC_TAB2_OFF, IDB_MUSIC_TAB2_OFF}, TextId::MusicList3Tip},
    {kTabOfList0 + 3, {50, 38, 66, 50}, true,
     {IDB_MUSIC_TAB3_ON, IDB_MUSIC_TAB3_ON, IDB_MUSIC_TAB3_OFF, IDB_MUSIC_TAB3_OFF}, TextId::MusicList4Tip},
    {kAddButton, {0, 0, 16, 16}, false,
     {IDB_MUSIC_ADD_BLUE, IDB_MUSIC_ADD_RED, IDB_MUSIC_ADD_MAGENTA, IDB_MUSIC_ADD_BLUE}, TextId::MusicAddTip},
    {kClearButton, {0, 0, 16, 16}, false,
     {IDB_MUSIC_CLEAR_GREEN, IDB_MUSIC_CLEAR_RED, IDB_MUSIC_CLEAR_MAGENTA, IDB_MUSIC_CLEAR_GREEN},
     TextId::MusicClearTip},
};

// The fixed places stay within the reach the player's least thickness is worked out for.
template <std::size_t count>
constexpr bool WithinFixedReach(const ButtonRow (&rows)[count]) {
  for (const ButtonRow& row : rows)
    if (row.place.right > music::kFixedControlsReach.x || row.place.bottom > music::kFixedControlsReach.y) return false;
  return true;
}
static_assert(WithinFixedReach(kButtons) && WithinFixedReach(kLowerButtons), "music::kFixedControlsReach");

constexpr COLORREF kSeekBackground = 0xF0F0F0;
// The slider's own defaults are pixels; these are the units it is given at any scale.
constexpr int kSeekThumbLength = 20;
constexpr int kSeekInset = 2;

void MakeButton(HWND parent, const ButtonRow& row, const Rect& place, const TextTable& texts, Scale scale) {
  HWND button =
      CreateTippedControl(parent, kGrpBtnClass, row.toggle ? GBS_TOGGLE : 0, row.id, place, row.tip, texts, scale);
  SetGrpBtnImages(button, row.faces[0], row.faces[1], row.faces[2], row.faces[3]);
}


void SizeSeekThumb(HWND seekBar, Scale scale) {
  SendMessageW(seekBar, GSM_SETTHUMBLENGTH, static_cast<WPARAM>(scale.Px(kSeekThumbLength)), 0);
  SendMessageW(seekBar, GSM_SETINSET, static_cast<WPARAM>(scale.Px(kSeekInset)), 0);
}

void SetTabState(HWND tab, int state) {
  if (SendMessageW(tab, GBM_GETSTATE, 0, 0) != state) SendMessageW(tab, GBM_SETSTATE, state, 0);
}

}  // namespace

void CreateMusicControls(HWND player, const TextTable& texts, Scale scale,
                         const std::optional<music::PlayerLayout>& layout) {
  auto placeOf = [&](const ButtonRow& row) {
    if (layout && row.id == kAddButton) return layout->addButton;
    if (layout && row.id == kClearButton) return layout->clearButton;
    return scale.Px(row.place);
  };
  for (const ButtonRow& row : kButtons) MakeButton(player, row, placeOf(row), texts, scale);
  HWND seekBar = CreateControl(player, kGrpScrlClass, GSS_HORZ, kSeekBar,
                               layout ? layout->seekBar : scale.Px(Rect{2, 20, 130, 34}));
  SendMessageW(seekBar, GSM_SETTRACKCOLOR, kSeekBackground, 0);
  for (const ButtonRow& row : kLowerButtons) MakeButton(player, row, placeOf(row), texts, scale);
  HWND listBox = CreateControl(player, L"LISTBOX", WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                               kFileList, layout ? layout->fileList : scale.Px(Rect{2, 50, 122, 150}));
  SendMessageW(listBox, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), FALSE);
  // The slider's own defaults are these at 100 %.
  if (!scale.IsBase()) SizeSeekThumb(seekBar, scale);
}

void RescaleMusicControls(HWND player, Scale scale, int width, int height) {
  SendMessageW(GetDlgItem(player, kFileList), WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), TRUE);
  for (const ButtonRow& row : kButtons) MoveControl(GetDlgItem(player, row.id), scale.Px(row.place));
  for (const ButtonRow& row : kLowerButtons) MoveControl(GetDlgItem(player, row.id), scale.Px(row.place));
  LayoutMusicControls(player, width, height, scale);
  SizeSeekThumb(GetDlgItem(player, kSeekBar), scale);
}

void LayoutMusicControls(HWND player, int width, int height, Scale scale) {
  if (width == 0) return;
  const music::PlayerLayout layout = music::PlayerLayoutOf(width, height, scale);
  MoveControl(GetDlgItem(player, kSeekBar), layout.seekBar);
  MoveControl(GetDlgItem(player, kFileList), layout.fileList);
  MoveControl(GetDlgItem(player, kAddButton), layout.addButton);
  MoveControl(GetDlgItem(player, kClearButton), layout.clearButton);
}

void SelectTab(HWND player, int group) {
  for (int g = 0; g < music::kListCount; ++g) SetTabState(GetDlgItem(player, kTabOfList0 + g), grpbtn::kPressed);
  SetTabState(GetDlgItem(player, kTabOfList0 + group), grpbtn::kNormal);
}

void FillFileList(HWND listBox, const music::PlayList& list, int selected) {
  SendMessageW(listBox, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < list.Count(); ++i)
    SendMessageW(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PathFindFileNameW(AsWide(list[i]))));
  SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}
