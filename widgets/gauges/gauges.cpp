#include "widgets/gauges/gauges.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "core/font_heights.h"
#include "core/text.h"

namespace {

constexpr double kGiB = 1024.0 * 1024.0 * 1024.0;

// Whole GiB as the 32-bit figure the rows print.
int WholeGiB(std::uint64_t bytes) {
  return static_cast<int>(std::min<std::uint64_t>(bytes >> 30, INT_MAX));
}

}  // namespace

// ---- Memory ----------------------------------------------------------------

std::u16string OneDecimal(double value) {
  char digits[64];
  const int n = std::snprintf(digits, sizeof digits, "%.1f", value);
  std::u16string text;
  for (int i = 0; i < n && i < static_cast<int>(sizeof digits); ++i) text += static_cast<char16_t>(digits[i]);
  return text;
}

MemoryFace MemoryFaceFor(const MemoryFigures& figures, const TextTable& texts, int width, int height, Scale scale) {
  const double total = static_cast<double>(figures.totalBytes) / kGiB;
  // A failed status read can report more available than total: show 0, not "-0.1".
  const double used = std::max(0.0, total - static_cast<double>(figures.availableBytes) / kGiB);
  MemoryFace face;
  face.smallText = width < scale.Px(100);
  face.middle = height / 2;
  face.totalLine = (face.smallText ? u"" : u"RAM ") + texts.Format(TextId::MemoryTotal, {OneDecimal(total)});
  face.usedLine = texts.Format(TextId::MemoryUsed, {OneDecimal(used)});
  face.loadText = FormatInt(figures.loadPercent) + u"%";
  face.totalAt = {scale.Px(4), face.middle - scale.Px(2)};
  face.usedAt = {scale.Px(4), face.middle + scale.Px(2)};
  face.loadRight = width - scale.Px(4);
  return face;
}

int MemoryUsableThickness(bool vertical, int across, Scale scale) {
  // Only the places count, not the texts.
  const TextTable noTexts;
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const MemoryFace face = MemoryFaceFor({}, noTexts, size.width, size.height, scale);
    const int line = scale.Px(face.smallText ? kSmallFontHeight : kNormalFontHeight);
    const int large = scale.Px(kLargeFontHeight);
    // The first line stands on its baseline.
    return size.Holds(LineAt(face.totalAt.x, face.totalAt.y - line, line)) &&
           size.Holds(LineAt(face.usedAt.x, face.usedAt.y, line)) &&
           size.Holds(LineAt(face.loadRight, face.middle - large / 2, large));
  });
}

bool SameMemoryFace(const MemoryFigures& a, const MemoryFigures& b, const TextTable& texts) {
  const MemoryFace x = MemoryFaceFor(a, texts, 100, 0);
  const MemoryFace y = MemoryFaceFor(b, texts, 100, 0);
  return x.totalLine == y.totalLine && x.usedLine == y.usedLine && x.loadText == y.loadText;
}

// ---- Disk ------------------------------------------------------------------

bool AcceptDrive(DriveType type, const DriveFilter& filter) {
  switch (type) {
    case DriveType::Fixed: return true;
    case DriveType::Removable: return filter.removable;
    case DriveType::Remote: return filter.network;
    default: return false;
  }
}

void DriveTable::Clear() {
  entries_.fill(DriveEntry{});
  count_ = 0;
}

bool DriveTable::Add(const DriveEntry& entry) {
  if (count_ >= kDriveTableSize - 1) return false;
  entries_[count_++] = entry;
  entries_[count_] = DriveEntry{};
  return true;
}

bool SameDiskFace(const DriveTable& a, const DriveTable& b) {
  if (a.count() != b.count()) return false;
  for (int k = 0; k < a.count(); ++k) {
    if (a[k].letter != b[k].letter || WholeGiB(a[k].totalBytes) != WholeGiB(b[k].totalBytes) ||
        WholeGiB(a[k].freeBytes) != WholeGiB(b[k].freeBytes))
      return false;
  }
  return true;
}

std::vector<DiskRow> DiskRows(const DriveTable& drives, int width, bool proportional, Scale scale) {
  int maxG = 0;
  for (int k = 0; k < drives.count(); ++k) maxG = std::max(maxG, WholeGiB(drives[k].totalBytes));
  const long long fullLength = std::max(0, width - scale.Px(25));
  const int frame = scale.Px(1);
  const int boxLeft = scale.Px(20);
  const int halfBox = scale.Px(6);

  std::vector<DiskRow> rows;
  for (int k = 0; k < drives.count(); ++k) {
    const int totalG = WholeGiB(drives[k].totalBytes);
    const int freeG = std::min(WholeGiB(drives[k].freeBytes), totalG);
    const int usedG = totalG - freeG;
    // Without a whole GiB there is nothing to scale by: the full-length box, empty.
    const long long length = proportional && totalG > 0 ? fullLength * totalG / maxG : fullLength;
    const long long fill = totalG > 0 ? std::max(0LL, length - 2 * frame) * usedG / totalG : 0;

    DiskRow row;
    row.letter = drives[k].letter;
    row.y = scale.Px(9 + 35 * static_cast<long long>(k));
    row.x = scale.Px(2);
    row.textY = row.y + scale.Px(15);
    row.frame = frame;
    row.box = {boxLeft, row.y - halfBox, static_cast<int>(length) + boxLeft, row.y + halfBox};
    row.used = {boxLeft + frame, row.y - halfBox + frame, static_cast<int>(fill) + boxLeft + frame,
                row.y + halfBox - frame};
    row.text = FormatInt(totalG) + u"-" + FormatInt(usedG) + u"=" + FormatInt(freeG);
    if (width > scale.Px(120)) {
      const long long freeShare = totalG > 0 ? static_cast<long long>(freeG) * 100 / totalG : 0;
      row.text += u"(" + FormatInt(freeShare) + u"%)";
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

int DiskUsableThickness(bool vertical, int across, Scale scale) {
  const int lineHeight = scale.Px(kNormalFontHeight);
  DriveTable oneDrive;
  oneDrive.Add({u'C', 0, 0});
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const DiskRow row = DiskRows(oneDrive, size.width, false, scale).front();
    // The texts' lines, centred on their rows.
    auto line = [&](int centre) { return LineAt(row.x, centre - lineHeight / 2, lineHeight); };
    // The figures keep as clear of the far edge as the letter is of the near one.
    const int margin = scale.Px(2);
    return size.Holds(line(row.y)) && size.Holds(row.box) && size.Holds(line(row.textY), margin);
  });
}

// ---- Battery ---------------------------------------------------------------

namespace {

// The charge in percent, or nothing when the system has no figure (255 on a
// desktop; any other value above 100 is no reading either).
std::optional<int> ChargePercent(const PowerFigures& power) {
  if (power.lifePercent > 100) return std::nullopt;
  return power.lifePercent;
}

}  // namespace

std::u16string BatteryStatusText(const PowerFigures& power, const TextTable& texts) {
  if (power.acLineStatus != 0) return texts[TextId::BatteryOnMains];
  if (power.lifeTimeSeconds == kNoLifeTime) return texts[TextId::BatteryPlain];
  const std::uint32_t t = power.lifeTimeSeconds;
  const std::u16string minutes = FormatInt((t % 3600) / 60);
  const std::u16string time = t < 3600 ? texts.Format(TextId::BatteryMinutes, {minutes})
                                       : texts.Format(TextId::BatteryHours, {FormatInt(t / 3600), minutes});
  return texts.Format(TextId::BatteryLeft, {time});
}

std::u16string BatteryPercentText(const PowerFigures& power) {
  const std::optional<int> percent = ChargePercent(power);
  return percent ? FormatInt(*percent) + u"%" : u"";
}

bool SameBatteryFace(const PowerFigures& a, const PowerFigures& b, const TextTable& texts) {
  return BatteryStatusText(a, texts) == BatteryStatusText(b, texts) && ChargePercent(a) == ChargePercent(b);
}

BatteryFace BatteryFaceFor(const PowerFigures& power, bool verticalBar, int width, int height, Scale scale) {
  const int w = width;
  const int h = height;
  const std::optional<int> percent = ChargePercent(power);
  auto u = [scale](int units) { return scale.Px(units); };
  BatteryFace face;
  face.strip = verticalBar;
  face.frame = u(1);
  if (verticalBar) {
    face.statusAt = {u(5), h / 4};
    face.percentAt = {w - u(5), h / 4};
    face.percentFontHeight = u(18);
    face.box = {u(5), h / 2, w - u(5), h / 2 + u(20)};
    if (percent) face.level = Rect{u(5), h / 2 + u(2), (w - u(14)) * *percent / 100 + u(7), h / 2 + u(18)};
  } else {
    const int c = (3 * w) / 4;
    face.statusAt = {w / 4, h / 4};
    face.percentAt = {w / 4, h / 2};
    face.percentFontHeight = u(17);
    face.box = {c - u(10), u(5), c + u(10), h - u(5)};
    if (percent) face.level = Rect{c - u(8), h - (h - u(14)) * *percent / 100 - u(5), c + u(8), h - u(5)};
  }
  return face;
}

int BatteryUsableThickness(bool vertical, int across, Scale scale) {
  const int line = scale.Px(kNormalFontHeight);
  const PowerFigures charged{1, 100, kNoLifeTime};
  return LeastWholeThickness(vertical, across, scale, [&](const FaceSize& size) {
    const BatteryFace face = BatteryFaceFor(charged, vertical, size.width, size.height, scale);
    // The strip centres its texts on their anchors; the column hangs them from theirs.
    auto text = [&](Point at, int lineHeight) {
      return LineAt(at.x, face.strip ? at.y - lineHeight / 2 : at.y, lineHeight);
    };
    return size.Holds(text(face.statusAt, line)) && size.Holds(text(face.percentAt, face.percentFontHeight)) &&
           size.Holds(face.box) && size.Holds(*face.level);
  });
}
