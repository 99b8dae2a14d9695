#include "widgets/music_view_win.h"

#include <shlwapi.h>

#include "core/shell_win.h"
#include "core/tooltip_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/grpbtn_win.h"
#include "widgets/grpscrl_win.h"
#include "widgets/music_win.h"

namespace {

struct ButtonRow {
  int id;
  RECT place;  // left, top, width, height
  bool toggle;
  WORD faces[4];
};

const ButtonRow kButtons[] = {
    {kPlayButton, {2, 2, 24, 16}, false,
     {IDB_MUSIC_PLAY_BLACK, IDB_MUSIC_PLAY_RED, IDB_MUSIC_PLAY_BLUE, IDB_MUSIC_PLAY_BLACK}},
    {kStopButton, {28, 2, 16, 16}, false,
     {IDB_MUSIC_STOP_MAGENTA, IDB_MUSIC_STOP_RED, IDB_MUSIC_STOP_BLUE, IDB_MUSIC_STOP_MAGENTA}},
    {kPreviousButton, {46, 2, 16, 16}, false,
     {IDB_MUSIC_PREV_GREEN, IDB_MUSIC_PREV_RED, IDB_MUSIC_PREV_BLACK, IDB_MUSIC_PREV_GREEN}},
    {kNextButton, {64, 2, 16, 16}, false,
     {IDB_MUSIC_NEXT_GREEN, IDB_MUSIC_NEXT_RED, IDB_MUSIC_NEXT_BLACK, IDB_MUSIC_NEXT_GREEN}},
    {kRandomButton, {90, 2, 16, 16}, true,
     {IDB_MUSIC_RANDOM_OFF, IDB_MUSIC_RANDOM_OFF, IDB_MUSIC_RANDOM_ON, IDB_MUSIC_RANDOM_OFF}},
};
const ButtonRow kLowerButtons[] = {
    {kTabOfList0, {2, 38, 16, 12}, true, {IDB_MUSIC_TAB0_ON, IDB_MUSIC_TAB0_ON, IDB_MUSIC_TAB0_OFF, IDB_MUSIC_TAB0_OFF}},
    {kTabOfList0 + 1, {18, 38, 16, 12}, true,
     {IDB_MUSIC_TAB1_ON, IDB_MUSIC_TAB1_ON, IDB_MUSIC_TAB1_OFF, IDB_MUSIC_TAB1_OFF}},
    {kTabOfList0 + 2, {34, 38, 16, 12}, true,
     {IDB_MUSIC_TAB2_ON, IDB_MUSIC_TAB2_ON, IDB_MUSIC_TAB2_OFF, IDB_MUSIC_TAB2_OFF}},
    {kTabOfList0 + 3, {50, 38, 16, 12}, true,
     {IDB_MUSIC_TAB3_ON, IDB_MUSIC_TAB3_ON, IDB_MUSIC_TAB3_OFF, IDB_MUSIC_TAB3_OFF}},
    {kAddButton, {0, 0, 16, 16}, false,
     {IDB_MUSIC_ADD_BLUE, IDB_MUSIC_ADD_RED, IDB_MUSIC_ADD_MAGENTA, IDB_MUSIC_ADD_BLUE}},
    {kClearButton, {0, 0, 16, 16}, false,
     {IDB_MUSIC_CLEAR_GREEN, IDB_MUSIC_CLEAR_RED, IDB_MUSIC_CLEAR_MAGENTA, IDB_MUSIC_CLEAR_GREEN}},
};

struct ButtonTip {
  int id;
  const wchar_t* text;
};
const ButtonTip kTips[] = {
    {kPlayButton, L"재생/일시 정지"}, {kStopButton, L"정지"}, {kPreviousButton, L"이전 곡"},
    {kNextButton, L"다음 곡"}, {kRandomButton, L"무작위 재생"}, {kTabOfList0, L"목록 1"},
    {kTabOfList0 + 1, L"목록 2"}, {kTabOfList0 + 2, L"목록 3"}, {kTabOfList0 + 3, L"목록 4"},
    {kAddButton, L"파일 추가"}, {kClearButton, L"목록 비우기"},
};

constexpr COLORREF kSeekBackground = 0xF0F0F0;

HWND MakeChild(HWND parent, const wchar_t* className, DWORD style, int id, const RECT& place) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.right,
                         place.bottom, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

void MakeButton(HWND parent, const ButtonRow& row) {
  HWND button = MakeChild(parent, kGrpBtnClass, row.toggle ? GBS_TOGGLE : 0, row.id, row.place);
  SetGrpBtnImages(button, row.faces[0], row.faces[1], row.faces[2], row.faces[3]);
}

void SetTabState(HWND tab, int state) {
  if (SendMessageW(tab, GBM_GETSTATE, 0, 0) != state) SendMessageW(tab, GBM_SETSTATE, state, 0);
}

}  // namespace

void CreateMusicControls(HWND player) {
  for (const ButtonRow& row : kButtons) MakeButton(player, row);
  HWND seekBar = MakeChild(player, kGrpScrlClass, GSS_HORZ, kSeekBar, {2, 20, 128, 14});
  SendMessageW(seekBar, GSM_SETTRACKCOLOR, kSeekBackground, 0);
  for (const ButtonRow& row : kLowerButtons) MakeButton(player, row);
  HWND listBox = CreateWindowExW(0, L"LISTBOX", L"",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                 2, 50, 120, 100, player, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFileList)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(listBox, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont.get()), FALSE);
  for (const ButtonTip& tip : kTips) AddTooltip(GetDlgItem(player, tip.id), tip.text);
}

void LayoutMusicControls(HWND player, int width, int height) {
  if (width == 0) return;
  MoveWindow(GetDlgItem(player, kSeekBar), 2, 20, width - 4, 14, TRUE);
  MoveWindow(GetDlgItem(player, kFileList), 2, 50, width - 4, height - 48, TRUE);
  MoveWindow(GetDlgItem(player, kAddButton), width - 36, 34, 16, 16, TRUE);
  MoveWindow(GetDlgItem(player, kClearButton), width - 18, 34, 16, 16, TRUE);
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
