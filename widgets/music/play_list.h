// The music player's four play lists and their stored form.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/base/growlist.h"

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

}  // namespace music
