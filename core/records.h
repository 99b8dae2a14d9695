// The catalogue of the seventeen kinds, the records of placed widgets and tidgets,
// their stored line form, and unique instance naming.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/colors.h"
#include "core/text.h"
#include "core/texts.h"

class CWidget;
class CTidget;

struct CatalogueEntry {
  bool isWidget = false;
  bool multi = false;
  // The caption as records store it: Korean, whatever language the bar speaks.
  NameField caption = {};
  // The kind's name as the lists and tips show it.
  TextId name = TextId::KindClock;
  NameField kind = {};
  // Widget rows only.
  std::int32_t vertHeight = 0;
  std::int32_t horzWidth = 0;
  ColorRef bgColor = 0;
};

// Every kind, in catalogue order: the one index of the catalogue's rows and of the
// factories that make the kinds' objects (each table checks its size and order).
enum class Kind : int {
  Clock, CpuUsage, MemUsage, Battery, DiskUsage, MusicPlayer, Memo, Calc, Radix, ImageSlide,  // widgets
  LCDTest, SizeMeter, MoveCursor, TextClip, OneImage, Tetris, ColorTable,                     // tidgets
  Count
};
inline constexpr int kCatalogueSize = static_cast<int>(Kind::Count);
inline constexpr int kWidgetKindCount = static_cast<int>(Kind::LCDTest);
inline constexpr int KindIndex(Kind kind) { return static_cast<int>(kind); }
inline constexpr bool IsWidget(Kind kind) { return KindIndex(kind) < kWidgetKindCount; }

// Built once, its colours resolved by name on first use.
const std::array<CatalogueEntry, kCatalogueSize>& Catalogue();
// First row of this kind (exact, case-sensitive), or null.
const CatalogueEntry* FindCatalogueEntry(std::u16string_view kind);
// The kind of that name, or nothing for a name this version does not know.
std::optional<Kind> KindNamed(std::u16string_view kind);
// What lists show for a record. The stored caption is the Korean name (unless the file
// was edited), and Korean lists show it as they always have; another language shows
// the kind's name, and the stored caption only for a kind this version does not know.
std::u16string_view ShownCaption(std::u16string_view kind, std::u16string_view storedCaption, const TextTable& texts);

struct WidgetInfo {
  NameField caption = {};
  NameField kind = {};
  NameField name = {};
  bool visible = false;
  std::int32_t vertHeight = 0;
  std::int32_t horzWidth = 0;
  ColorRef bgColor = 0;
  bool merged = false;
  // > 0: relative weight inside a merged group; <= 0: a fixed size of -ratio pixels.
  std::int32_t ratio = 0;
  CWidget* widget = nullptr;
  // The line as it was read. A record whose kind no factory knows gets no object and
  // is written back as this text, so a line from a newer version is never lost.
  std::optional<std::u16string> storedLine;
};

struct TidgetInfo {
  NameField caption = {};
  NameField kind = {};
  NameField name = {};
  bool visible = false;
  CTidget* tidget = nullptr;
  std::optional<std::u16string> storedLine;
};

// An ordered array that starts with room for 100 and grows to count + 1 + 50 when
// an insert finds it full (for an append that is the stored rule index + 1 + 50).
template <class Record>
class RecordList {
 public:
  static constexpr int kInitialCapacity = 100;
  static constexpr int kGrowth = 50;

  RecordList() : slots_(std::make_unique<Record[]>(kInitialCapacity)) {}

  int count() const { return count_; }
  int capacity() const { return capacity_; }
  Record& operator[](int i) { return slots_[i]; }
  const Record& operator[](int i) const { return slots_[i]; }
  Record* begin() { return slots_.get(); }
  Record* end() { return slots_.get() + count_; }
  const Record* begin() const { return slots_.get(); }
  const Record* end() const { return slots_.get() + count_; }

  // Inserts before index (clamped to 0..count).
  void Insert(int index, Record record) {
    if (index < 0) index = 0;
    if (index > count_) index = count_;
    // The shift below writes slot count_, wherever the insert lands.
    if (count_ >= capacity_) Grow(count_ + 1 + kGrowth);
    for (int i = count_; i > index; --i) slots_[i] = std::move(slots_[i - 1]);
    slots_[index] = std::move(record);
    ++count_;
  }
  void Append(Record record) { Insert(count_, std::move(record)); }

  void RemoveAt(int index) {
    if (index < 0 || index >= count_) return;
    for (int i = index; i + 1 < count_; ++i) slots_[i] = std::move(slots_[i + 1]);
    slots_[--count_] = Record{};
  }

  void Swap(int a, int b) {
    if (a < 0 || b < 0 || a >= count_ || b >= count_) return;
    std::swap(slots_[a], slots_[b]);
  }

  void Clear() {
    for (int i = 0; i < count_; ++i) slots_[i] = Record{};
    count_ = 0;
  }

 private:
  void Grow(int capacity) {
    auto grown = std::make_unique<Record[]>(capacity);
    for (int i = 0; i < count_; ++i) grown[i] = std::move(slots_[i]);
    slots_ = std::move(grown);
    capacity_ = capacity;
  }

  std::unique_ptr<Record[]> slots_;
  int capacity_ = kInitialCapacity;
  int count_ = 0;
};

// New records for a catalogue kind, named Kind_1, Kind_2… (lowest free in `list`, the
// bar's list it will join) for kinds that may be placed several times, else the kind itself.
WidgetInfo MakeWidgetInfo(std::u16string_view kind, const RecordList<WidgetInfo>& list);
TidgetInfo MakeTidgetInfo(std::u16string_view kind, const RecordList<TidgetInfo>& list);

// Stored lines: fields joined by "§".
inline constexpr char16_t kFieldSeparator = u'\u00A7';
inline constexpr int kStoredLineCapacity = 256;

WidgetInfo ParseWidgetLine(std::u16string_view line);
TidgetInfo ParseTidgetLine(std::u16string_view line);
std::u16string FormatWidgetLine(const WidgetInfo& record);
std::u16string FormatTidgetLine(const TidgetInfo& record);

// What the bar writes for a record: its stored line when it has no live object
// (its kind is unknown to this version), else the formatted fields.
std::u16string LineToSave(const WidgetInfo& record);
std::u16string LineToSave(const TidgetInfo& record);
