// The music player's child controls: made with their faces, placed by size, the
// tabs that show which list is displayed, and the list box of file names.
#pragma once

#include <windows.h>

#include <optional>

#include "core/scale.h"
#include "core/texts.h"
#include "widgets/music/music_view.h"
#include "widgets/music/play_list.h"

// Child control ids; the tabs of lists 0..3 are kTabOfList0 + list.
enum MusicControl : int {
  kPlayButton = 0,
  kStopButton = 1,
  kPreviousButton = 2,
  kNextButton = 3,
  kSeekBar = 4,
  kFileList = 5,
  kTabOfList0 = 6,
  kAddButton = 10,
  kClearButton = 11,
  kRandomButton = 12,
};

// With the layout of the player's size the controls that follow the size are made where
// it puts them; without one (a player not yet laid out) at their places at 100 %.
void CreateMusicControls(HWND player, const TextTable& texts, Scale scale,
                         const std::optional<music::PlayerLayout>& layout);
// Seek bar and list box take the width, the list box the rest of the height; the
// add and clear buttons sit at the right edge above the list. Width 0 moves nothing.
void LayoutMusicControls(HWND player, int width, int height, Scale scale);
// A new scale: every control's place, the list box's font (the shared one, already
// made again) and the seek bar's thumb.
void RescaleMusicControls(HWND player, Scale scale, int width, int height);
// Puts every tab into state 2 and the tab of `group` into state 0.
void SelectTab(HWND player, int group);
// The file names of `list`, line `selected` selected.
void FillFileList(HWND listBox, const music::PlayList& list, int selected);
