// Picture paths: the room a path has, and an ordered list of them that the slide show
// keeps and a viewer walks through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "widgets/base/growlist.h"

// A path has a room of 260 UTF-16 units: 259 characters and a terminator.
inline constexpr std::size_t kPathRoom = 260;

// The show's pictures, full paths in show order, owned by the list.
class PathList {
 public:
  PathList() = default;
  ~PathList() { Clear(); }
  PathList(const PathList&) = delete;
  PathList& operator=(const PathList&) = delete;

  std::int32_t Count() const { return rooms_.Count(); }
  // Empty outside 0..Count()-1.
  std::u16string_view At(std::int32_t position) const;
  // Nothing is added, and false answered, for an empty path, one with a NUL in it or
  // one longer than its room: a cut path would name another file.
  bool Append(std::u16string_view path);
  void Clear();
  // Keeps entry origins[i] of the old list as entry i; entries not named are freed.
  // Origins outside the list or named twice are skipped.
  void Reorder(const std::vector<std::int32_t>& origins);

 private:
  struct Room {
    char16_t text[kPathRoom];
  };
  GrowList<Room*> rooms_;
};
