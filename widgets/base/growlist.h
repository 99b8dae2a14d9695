// A growable list of pointer-sized entries (picture paths, memos, play lists): room
// for 100 at first, 50 more past the last entry whenever it is full. The list never
// owns what its entries point to: free an entry before removing it or clearing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>

template <class Entry>
class GrowList {
  static_assert(std::is_trivially_copyable_v<Entry> && sizeof(Entry) <= sizeof(void*),
                "entries are pointers or pointer-sized values");

 public:
  static constexpr std::int32_t kInitialRoom = 100;
  static constexpr std::int32_t kGrowBy = 50;

  GrowList() { Reset(); }
  GrowList(const GrowList&) = delete;
  GrowList& operator=(const GrowList&) = delete;

  std::int32_t Count() const { return count; }
  std::int32_t Capacity() const { return capacity; }
  Entry& operator[](std::int32_t i) { return items[i]; }
  const Entry& operator[](std::int32_t i) const { return items[i]; }
  Entry* begin() { return items.get(); }
  Entry* end() { return items.get() + count; }
  const Entry* begin() const { return items.get(); }
  const Entry* end() const { return items.get() + count; }

  void Append(Entry entry) {
    if (capacity < count + 1) Grow(growBy + count + 1);
    items[count++] = entry;
  }

  // Positions outside 0..Count()-1 are ignored. The room is kept.
  void RemoveAt(std::int32_t position) {
    if (position < 0 || position >= count) return;
    std::copy(begin() + position + 1, end(), begin() + position);
    --count;
  }

  // Back to a fresh list with room for 100; the entries themselves are the caller's.
  void Clear() { Reset(); }

 private:
  void Reset() {
    items = std::make_unique<Entry[]>(kInitialRoom);
    capacity = kInitialRoom;
    count = 0;
    growBy = kGrowBy;
  }

  void Grow(std::int32_t room) {
    auto grown = std::make_unique<Entry[]>(room);
    std::copy(begin(), end(), grown.get());
    items = std::move(grown);
    capacity = room;
  }

  std::unique_ptr<Entry[]> items;
  std::int32_t capacity = 0;
  std::int32_t count = 0;
  std::int32_t growBy = kGrowBy;
};
