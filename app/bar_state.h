// The bar's run-time state besides its settings: the size the last layout pass gave
// it, the depth of the tidget strip, and what its destruction has to write back.
#pragma once

#include "core/geometry.h"

struct BarState {
  // In pixels at the bar's scale, as the last layout pass made them.
  int barWidth = 0;
  int barHeight = 0;
  int stripExtent = 0;
  int border = 0;
  int caption = 0;
  Point title;
  // The room along the bar the last pass fitted it to (its work area's length, pixels),
  // the bar's full length there and whether it is shown shorter, and the first row
  // shown while its widget area scrolls.
  int room = 0;
  int fullLength = 0;
  bool shortened = false;
  int firstRow = 0;
  // Set by a first run, either selection dialog and a splitter drag: write the lists.
  bool listsChanged = false;
  // Set by a first run, a move or resize while shown, and the menu's options:
  // write the rectangle and options.
  bool placementChanged = false;
};
