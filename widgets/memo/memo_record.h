// The memos of one memo widget: one memo (MemoRecord) and the ordered set of them with
// the shown one and the changed flag (MemoSet). The widget, its file and its windows
// all work on these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/colors.h"
#include "widgets/base/growlist.h"

class CMemoViewer;

inline constexpr std::size_t kMemoTitleUnits = 64;
inline constexpr std::size_t kMemoFaceUnits = 32;

// One memo. Its text is the terminated prefix of a buffer that only grows, so the
// units after the terminator may hold older text (and the file keeps them).
struct MemoRecord {
  MemoRecord();

  char16_t title[kMemoTitleUnits] = {};
  std::int32_t left = 10;
  std::int32_t top = 10;
  std::int32_t width = 400;
  std::int32_t height = 500;
  ColorRef textColor = 0;
  ColorRef backColor = 0;
  std::uint8_t plainText = 1;
  char16_t faceName[kMemoFaceUnits] = {};
  std::int32_t fontSize = 16;
  std::uint8_t wordWrap = 0;
  std::unique_ptr<char16_t[]> text;
  std::int32_t textCapacity = 1;
  // The widget's edit holds text of this memo not yet copied here.
  std::uint8_t modified = 0;
  // The open viewer window's object, owned by the widget; null when none is open.
  CMemoViewer* viewer = nullptr;

  std::u16string_view Text() const;
  std::u16string_view Title() const;
  // Grows the buffer (zero-filled) to at least `units`; never shrinks it.
  void Reserve(std::int32_t units);
  // The text and its terminator; the buffer grows when it is too small.
  void SetText(std::u16string_view value);
};

// A new memo's title: `pattern` ("새 메모%1", "New memo %1") with n.
std::u16string NewMemoTitle(std::u16string_view pattern, int n);

// The memos of one widget in list order, the one shown (-1: none) and whether the
// set differs from its file. Owns the records.
class MemoSet {
 public:
  MemoSet() = default;
  ~MemoSet();
  MemoSet(const MemoSet&) = delete;
  MemoSet& operator=(const MemoSet&) = delete;

  std::int32_t Count() const { return memos.Count(); }
  // Null outside 0..Count()-1.
  MemoRecord* At(std::int32_t index) const;
  // -1 when the record is not (or no longer) in the set.
  std::int32_t IndexOf(const MemoRecord* record) const;

  // The lowest n >= 1 whose title from `pattern` no memo has as its title.
  int LowestFreeNumber(std::u16string_view pattern) const;
  // Appends a memo with the defaults, the lowest free title from `pattern` and the
  // next background of the palette; returns its index.
  std::int32_t AddNew(std::u16string_view titlePattern);
  void Append(std::unique_ptr<MemoRecord> record);
  // Takes memo `index` out of the set (null when there is none) and keeps `current`
  // on the entry that follows it, or the new last one.
  std::unique_ptr<MemoRecord> Remove(std::int32_t index);
  void Clear();
  // -1..Count()-1: a stored index outside is brought to the nearer end.
  void ClampCurrent();

  GrowList<MemoRecord*> memos;
  std::int32_t current = -1;
  bool changed = false;
};
