// What the music player decides without a window: which files it takes, which entry
// plays next and when a round of unplayable entries ends. music_win.cpp turns these
// into MCI calls; the lists are in play_list.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "core/scale.h"
#include "widgets/music/play_list.h"

namespace music {

// Lower-cased ".mp3" or ".wav" after the last dot of the file name.
bool IsSoundFile(std::u16string_view path);

enum class Step { kNext, kPrevious };

// The entry after `current` in a list of `count` entries, wrapping both ways; a
// random pick never repeats `current` unless the list has one entry. An index past
// the end starts again at 0. -1 for an empty list. draw is the C library's rand().
int ChooseEntry(Step step, int current, int count, bool random, int (*draw)());
// The selection moved by next/previous while nothing plays: -1 stays -1.
int StepSelection(Step step, int selected, int count);

// A stored play group outside 0..3 means the first list.
int ValidGroup(int group);

// One pass over a play list whose entries fail to open: it gives up when it comes
// back to where it started, or after as many failures as the list is long (the list
// may shrink while the round goes on).
class SkipRound {
 public:
  SkipRound(Step step, int start) : step_(step), start_(start) {}
  // The entry to try after `failed` did not open, or -1 when the round is over.
  int AfterFailure(int failed, int count);
  int start() const { return start_; }

 private:
  Step step_;
  int start_;
  int failures_ = 0;
};

// What the open-file dialog answered in its buffer of `capacity` units: one full
// path, or a folder followed by file names, each ended by a terminator and the
// whole by an empty one. Paths longer than kMaxPathChars are left out.
std::vector<std::u16string> DialogSelection(const char16_t* buffer, std::size_t capacity);

}  // namespace music
