// The memo properties dialog ("메모 속성"): title, font face and size, and the
// background and text colours from the memo palettes. A picked colour is stored at
// once (Cancel keeps it); OK stores the rest and marks the memo modified.
#pragma once

#include <windows.h>

#include "core/texts.h"
#include "widgets/memo/memo_record.h"

// What the running dialog edits, and the texts it speaks (of the bar, which outlives
// it). Whoever lets the memo go while the dialog runs clears `memo` and ends the
// dialog; the dialog then touches nothing more.
struct MemoPropsTarget {
  MemoRecord* memo = nullptr;
  HWND dialog = nullptr;
  const TextTable* texts = nullptr;
};

// Runs the dialog modally over `owner`: IDOK (1) or IDCANCEL (2).
INT_PTR RunMemoProperties(HWND owner, MemoPropsTarget& target);
