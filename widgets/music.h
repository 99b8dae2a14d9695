// What the music player decides without a window: the stored play lists, the
// ID3v2 tag in front of an MP3, which entry plays next and when a round of
// unplayable entries ends. music_win.cpp turns these into MCI calls.
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
#include "widgets/growlist.h"

namespace music {

inline constexpr int kListCount = 4;
// A path lives in a 260-unit buffer: 259 characters and the terminator.
inline constexpr std::size_t kMaxPathChars = 259;
inline constexpr char16_t kSeparator = u'\u00A7';  // "§"

// A stored list value: every path followed by "§". Text after the last "§" is an
// unfinished entry and is dropped; an entry too long for a path buffer is skipped.
std::vector<std::u16string> ParseList(std::u16string_view value);

// The play lists own their paths; a list is freed with the player.
class PlayList {
 public:
  PlayList() = default;
  ~PlayList() { Clear(); }
  PlayList(const PlayList&) = delete;
  PlayList& operator=(const PlayList&) = delete;

  int Count() const { return entries_.Count(); }
  // The path of entry i; i must be within 0..Count()-1.
  const char16_t* operator[](int i) const { return entries_[i]->data(); }
  // False (and nothing added) for a path longer than kMaxPathChars.
  bool Append(std::u16string_view path);
  void Clear();
  // Each path followed by "§"; an empty list gives "".
  std::u16string Format() const;

 private:
  using Path = std::array<char16_t, kMaxPathChars + 1>;
  GrowList<Path*> entries_;
};

// Length of the leading ID3v2 tag, header included, from the first bytes of a file
// of fileSize bytes; 0 when there is none or its size field is unusable. The size
// bytes are taken as signed 8-bit values, so a damaged field can give anything:
// only a length within 10..fileSize is a tag that can be cut off.
std::uint64_t Id3TagLength(std::span<const std::uint8_t> head, std::uint64_t fileSize);
inline constexpr std::size_t kId3HeaderSize = 10;

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


}  // namespace music
