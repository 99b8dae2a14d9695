// What the memory, disk and battery gauges show: their texts and the geometry of
// their bars and boxes, from the figures the system reports. No window code here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"
#include "widgets/base/face_fit.h"

// ---- Memory ----------------------------------------------------------------

struct MemoryFigures {
  std::uint32_t loadPercent = 0;
  std::uint64_t totalBytes = 0;
  std::uint64_t availableBytes = 0;
};

struct MemoryFace {
  bool smallText = false;   // narrow widget: small font, no "RAM " prefix
  std::u16string totalLine;  // drawn left-baseline at totalAt
  std::u16string usedLine;   // drawn left-top at usedAt
  std::u16string loadText;   // drawn right-top, right edge at loadRight, centred on middle
  Point totalAt;
  Point usedAt;
  int loadRight = 0;
  int middle = 0;
};
MemoryFace MemoryFaceFor(const MemoryFigures& figures, const TextTable& texts, int width, int height,
                         Scale scale = {});
// The least thickness at which the two lines and the load figure lie inside the widget
// (face_fit.h).
int MemoryUsableThickness(bool vertical, int across, Scale scale);
// Whether two readings show alike (the same texts): a new reading that does repaints nothing.
bool SameMemoryFace(const MemoryFigures& a, const MemoryFigures& b, const TextTable& texts);

// "%.1f" with a '.' whatever the locale.
std::u16string OneDecimal(double value);

// ---- Disk ------------------------------------------------------------------

enum class DriveType { Other, Fixed, Removable, Remote };

struct DriveFilter {
  bool removable = true;
  bool network = false;
};
bool AcceptDrive(DriveType type, const DriveFilter& filter);

struct DriveEntry {
  char16_t letter = u'0';
  std::uint64_t freeBytes = 0;
  std::uint64_t totalBytes = 0;
};

// The accepted drives in letter order, ended by an entry whose letter is '0'.
// 24 drives at most (C to Z); further ones are dropped, never written past the end.
inline constexpr char16_t kDriveListEnd = u'0';
inline constexpr int kDriveTableSize = 25;
class DriveTable {
 public:
  DriveTable() { Clear(); }
  void Clear();
  // False (and nothing stored) when the table is full.
  bool Add(const DriveEntry& entry);
  int count() const { return count_; }
  // 0 <= i <= count(); entry count() is the end entry.
  const DriveEntry& operator[](int i) const { return entries_[i]; }

 private:
  std::array<DriveEntry, kDriveTableSize> entries_{};
  int count_ = 0;
};

struct DiskRow {
  char16_t letter = u'0';
  int y = 0;     // row centre: letter at (x, y - h/2), text at (x, textY - h/2)
  int x = 2;
  int textY = 15;
  Rect box;      // grey outline (`frame` pixels) with white fill
  Rect used;     // green share; empty (right == left) when nothing is known
  int frame = 1;
  std::u16string text;
};
// Whether two polls show alike: the same drives with the same whole GiB.
bool SameDiskFace(const DriveTable& a, const DriveTable& b);

// Rows for a widget `width` pixels wide. A drive under one whole GiB (or whose size
// could not be read) gets an empty bar and figures of 0 instead of a division by zero.
std::vector<DiskRow> DiskRows(const DriveTable& drives, int width, bool proportional, Scale scale = {});
// The least thickness at which one drive row, its letter, box and figures, lies inside
// the widget (face_fit.h).
int DiskUsableThickness(bool vertical, int across, Scale scale);

// ---- Battery ---------------------------------------------------------------

inline constexpr std::uint8_t kNoPercent = 255;
inline constexpr std::uint32_t kNoLifeTime = 0xFFFFFFFFu;

struct PowerFigures {
  std::uint8_t acLineStatus = 255;  // 0 off line, 1 on line, 255 unknown
  std::uint8_t lifePercent = kNoPercent;
  std::uint32_t lifeTimeSeconds = kNoLifeTime;
};

std::u16string BatteryStatusText(const PowerFigures& power, const TextTable& texts);
// Empty when the system has no figure for the charge.
std::u16string BatteryPercentText(const PowerFigures& power);
// Whether two readings show alike: the same status text and charge.
bool SameBatteryFace(const PowerFigures& a, const PowerFigures& b, const TextTable& texts);

struct BatteryFace {
  // Wide strip (vertical bar): both texts are centred on their y and the percent
  // is right-aligned at its x. Tall column: both texts are left-top aligned.
  bool strip = true;
  Point statusAt;
  Point percentAt;
  int percentFontHeight = 18;  // Arial
  Rect box;                    // black outline (`frame` pixels), white fill
  std::optional<Rect> level;   // red level; none when the charge is unknown
  int frame = 1;
};
// The wide-strip face of a vertical bar and the tall-column face of a horizontal one.
BatteryFace BatteryFaceFor(const PowerFigures& power, bool verticalBar, int width, int height,
                           Scale scale = {});
// The least thickness at which the texts and the box lie inside the widget (face_fit.h).
int BatteryUsableThickness(bool vertical, int across, Scale scale);
