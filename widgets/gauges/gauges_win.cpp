#include "widgets/gauges/gauges_win.h"

#include <string>

#include "core/bar_settings.h"
#include "core/fonts_win.h"
#include "core/dialog_win.h"
#include "res/resource.h"
#include "widgets/base/popup_win.h"
#include "widgets/base/text_draw_win.h"

namespace {

int TextHeight(HDC dc, std::u16string_view text) { return TextExtent16(dc, text).cy; }

void Box(HDC dc, const Rect& r) { Rectangle(dc, r.left, r.top, r.right, r.bottom); }

DriveType DriveTypeOf(const wchar_t* root) {
  switch (GetDriveTypeW(root)) {
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_REMOTE: return DriveType::Remote;
    default: return DriveType::Other;
  }
}

// Sizes of a drive; both 0 when they cannot be read (a card reader without a card).
void ReadDriveSpace(const wchar_t* root, DriveEntry& entry) {
  // An empty removable drive must not make the system ask for a disk.
  DWORD previousMode = 0;
  const BOOL modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
  ULARGE_INTEGER available{}, total{};
  if (GetDiskFreeSpaceExW(root, &available, &total, nullptr)) {
    entry.freeBytes = available.QuadPart;
    entry.totalBytes = total.QuadPart;
  }
  if (modeSet) SetThreadErrorMode(previousMode, nullptr);
}

struct DiskPopup {
  using Owner = CDiskUsage;
  static constexpr int kDialogId = IDD_DISKUSAGE;

  static void Init(HWND dialog, CDiskUsage& owner) {
    SetCheck(dialog, IDC_DISK_PROPORTIONAL, owner.proportional);
    SetCheck(dialog, IDC_DISK_REMOVABLE, owner.removable);
    SetCheck(dialog, IDC_DISK_NETWORK, owner.network);
  }

  static void Apply(HWND dialog, CDiskUsage& owner) {
    owner.removable = IsChecked(dialog, IDC_DISK_REMOVABLE);
    owner.network = IsChecked(dialog, IDC_DISK_NETWORK);
    owner.proportional = IsChecked(dialog, IDC_DISK_PROPORTIONAL);
    // The new filter shows at once, not at the next minute's poll.
    SendMessageW(owner.hwnd, WM_TIMER, kGaugeTimerId, 0);
    InvalidateRect(owner.hwnd, nullptr, TRUE);
  }
};

}  // namespace

// ---- Shared ----------------------------------------------------------------

LRESULT CGauge::OnDestroy(WPARAM, LPARAM) {
  StopTicking();
  return 0;
}

void CGauge::StartPolling(int periodSeconds) {
  TickEvery(kGaugeTimerId, periodSeconds);
  SendMessageW(hwnd, WM_TIMER, kGaugeTimerId, 0);
}

// ---- Memory ----------------------------------------------------------------

LRESULT CMemUsage::OnCreate(WPARAM, LPARAM) {
  StartPolling(10);
  return 0;
}

MemoryFigures CMemUsage::Figures() const {
  return {memStatus.dwMemoryLoad, memStatus.ullTotalPhys, memStatus.ullAvailPhys};
}

LRESULT CMemUsage::OnTimer(WPARAM, LPARAM) {
  const MemoryFigures before = Figures();
  memStatus.dwLength = sizeof memStatus;
  GlobalMemoryStatusEx(&memStatus);
  if (!SameMemoryFace(before, Figures(), host.Texts())) ShowChanged();
  return 0;
}

void CMemUsage::Draw(HDC dc, RECT client) {
  const MemoryFace face = MemoryFaceFor(Figures(), host.Texts(), client.right, client.bottom, scale);
  SetBkMode(dc, TRANSPARENT);
  TextAlignScope restoreAlign(dc, GetTextAlign(dc));
  {
    gdi::Selection font(dc, face.smallText ? smallFont : normalFont);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    TextOut16(dc, face.totalAt.x, face.totalAt.y, face.totalLine);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    TextOut16(dc, face.usedAt.x, face.usedAt.y, face.usedLine);
  }
  gdi::Selection font(dc, largeFont);
  const COLORREF color = SetTextColor(dc, RGB(0, 0, 255));
  SetTextAlign(dc, TA_RIGHT | TA_TOP);
  TextOut16(dc, face.loadRight, face.middle - TextHeight(dc, face.loadText) / 2, face.loadText);
  SetTextColor(dc, color);
}

// ---- Disk ------------------------------------------------------------------

LRESULT CDiskUsage::OnCreate(WPARAM, LPARAM) {
  removable = true;
  network = false;
  proportional = true;
  StartPolling(60);
  return 0;
}

LRESULT CDiskUsage::OnTimer(WPARAM, LPARAM) {
  const DriveTable before = drives;
  PollDrives();
  if (!SameDiskFace(before, drives)) ShowChanged();
  return 0;
}

void CDiskUsage::PollDrives() {
  const DriveFilter filter{removable, network};
  drives.Clear();
  // Only the letters in use are asked their type: each question costs a trip to the
  // system, and an unused letter is never shown.
  const DWORD inUse = GetLogicalDrives();
  for (wchar_t letter = L'C'; letter <= L'Z'; ++letter) {
    if (!(inUse & (1u << (letter - L'A')))) continue;
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    if (!AcceptDrive(DriveTypeOf(root), filter)) continue;
    DriveEntry entry{static_cast<char16_t>(letter), 0, 0};
    ReadDriveSpace(root, entry);
    if (!drives.Add(entry)) break;
  }
}

LRESULT CDiskUsage::OnContextMenu(WPARAM, LPARAM) { return SettingsPopup<DiskPopup>::Open(*this); }

void CDiskUsage::Draw(HDC dc, RECT client) {
  SetBkMode(dc, TRANSPARENT);
  gdi::Selection font(dc, normalFont);
  gdi::Brush green = gdi::SolidBrush(RGB(0, 255, 0));
  gdi::Pen grey = gdi::FramePen(scale.Px(1), RGB(192, 192, 192));
  gdi::Selection pen(dc, grey);
  gdi::Selection white(dc, GetStockObject(WHITE_BRUSH));
  TextAlignScope align(dc, TA_LEFT | TA_TOP);
  for (const DiskRow& row : DiskRows(drives, client.right, proportional, scale)) {
    const std::u16string letter(1, row.letter);
    TextOut16(dc, row.x, row.y - TextHeight(dc, letter) / 2, letter);
    Box(dc, row.box);
    const RECT used{row.used.left, row.used.top, row.used.right, row.used.bottom};
    FillRect(dc, &used, green);
    TextOut16(dc, row.x, row.textY - TextHeight(dc, row.text) / 2, row.text);
  }
}

// ---- Battery ---------------------------------------------------------------

LRESULT CBattery::OnCreate(WPARAM, LPARAM) {
  StartPolling(10);
  return 0;
}

PowerFigures CBattery::Figures() const {
  return {powerStatus.ACLineStatus, powerStatus.BatteryLifePercent, powerStatus.BatteryLifeTime};
}

LRESULT CBattery::OnTimer(WPARAM, LPARAM) {
  const PowerFigures before = Figures();
  GetSystemPowerStatus(&powerStatus);
  if (!SameBatteryFace(before, Figures(), host.Texts())) ShowChanged();
  return 0;
}

void CBattery::Draw(HDC dc, RECT client) {
  const PowerFigures power = Figures();
  const std::u16string status = BatteryStatusText(power, host.Texts());
  const std::u16string percent = BatteryPercentText(power);
  const BatteryFace face = BatteryFaceFor(power, host.BarOptions().vertical, client.right, client.bottom, scale);
  gdi::Brush red = gdi::SolidBrush(RGB(255, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  TextAlignScope align(dc, TA_LEFT | TA_TOP);
  {
    gdi::Selection font(dc, normalFont);
    TextOut16(dc, face.statusAt.x, face.statusAt.y - (face.strip ? TextHeight(dc, status) / 2 : 0), status);
  }
  {
    gdi::Pen frame = face.frame > 1 ? gdi::FramePen(face.frame, RGB(0, 0, 0)) : gdi::Pen();
    gdi::Selection pen(dc, frame ? static_cast<HGDIOBJ>(frame.get()) : GetStockObject(BLACK_PEN));
    gdi::Selection white(dc, GetStockObject(WHITE_BRUSH));
    Box(dc, face.box);
    if (face.level) {
      gdi::Selection level(dc, red);
      Box(dc, *face.level);
    }
  }
  gdi::Font arial = ArialFont(face.percentFontHeight);
  gdi::Selection font(dc, arial);
  if (face.strip) {
    TextAlignScope right(dc, TA_RIGHT | TA_TOP);
    TextOut16(dc, face.percentAt.x, face.percentAt.y - TextHeight(dc, percent) / 2, percent);
  } else {
    TextOut16(dc, face.percentAt.x, face.percentAt.y, percent);
  }
}
