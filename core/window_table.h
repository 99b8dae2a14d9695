// Process-wide map from window handle to the object that owns the window.
// A growable array scanned linearly: the program has tens of windows.
#pragma once

#include <cstddef>
#include <vector>

template <class Handle, class Object>
class HandleTable {
 public:
  explicit HandleTable(std::size_t capacity = 100) : entries_(capacity) {}

  Object* Find(Handle handle) const {
    for (std::size_t i = 0; i < count_; ++i)
      if (entries_[i].handle == handle) return entries_[i].object;
    return nullptr;
  }

  // Keeps one empty entry after the used ones, growing by one when the last is taken.
  void Add(Handle handle, Object* object) {
    if (count_ + 1 >= entries_.size()) entries_.resize(count_ + 2);
    entries_[count_++] = Entry{object, handle};
  }

  // Removes the entry of this handle and object, keeping the used entries packed.
  bool Remove(Handle handle, const Object* object) {
    for (std::size_t i = 0; i < count_; ++i) {
      if (entries_[i].handle != handle || entries_[i].object != object) continue;
      for (std::size_t j = i; j + 1 < count_; ++j) entries_[j] = entries_[j + 1];
      entries_[--count_] = Entry{};
      return true;
    }
    return false;
  }

  std::size_t count() const { return count_; }
  std::size_t capacity() const { return entries_.size(); }

 private:
  struct Entry {
    Object* object = nullptr;
    Handle handle = Handle();
  };
  std::vector<Entry> entries_;
  std::size_t count_ = 0;
};
