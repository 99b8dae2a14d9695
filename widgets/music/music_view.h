// Where the music player's controls go, decided without a window.
#pragma once

#include "core/geometry.h"
#include "core/scale.h"
#include "widgets/base/face_fit.h"

namespace music {

// The controls that follow the widget's size: seek bar and list box take the width,
// the list box the rest of the height, and the add and clear buttons sit at the right
// edge above the list. The others keep fixed places (scaled) at the top left.
struct PlayerLayout {
  Rect seekBar;
  Rect fileList;
  Rect addButton;
  Rect clearButton;
};
PlayerLayout PlayerLayoutOf(int width, int height, Scale scale = {});

// How far right and down (units) the controls with fixed places reach: the top row of
// buttons and the list tabs.
inline constexpr Point kFixedControlsReach = {106, 50};

// The least thickness at which every control lies inside the widget and the list shows
// three whole lines (face_fit.h).
int PlayerUsableThickness(bool vertical, int across, Scale scale);

}  // namespace music
