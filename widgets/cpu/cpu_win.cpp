#include "widgets/cpu/cpu_win.h"

#include <pdhmsg.h>

#include <string>

#include "core/fonts_win.h"
#include "core/dialog_win.h"
#include "res/resource.h"
#include "widgets/base/popup_win.h"
#include "widgets/base/text_draw_win.h"

namespace {

constexpr wchar_t kCounterPath[] = L"\\Processor(_Total)\\% Processor Time";
constexpr int kPeriods[] = {1, 2, 5, 10};
constexpr int kPeriodButtons[] = {IDC_CPU_PERIOD_1S, IDC_CPU_PERIOD_2S, IDC_CPU_PERIOD_5S, IDC_CPU_PERIOD_10S};

std::uint64_t Ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool ReadProcessorTimes(ProcessorTimes& times) {
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user)) return false;
  times = {Ticks(idle), Ticks(kernel), Ticks(user)};
  return true;
}

// A text whose right edge is at x and whose middle is at y.
void RightTextCentredOn(HDC dc, int x, int y, std::u16string_view text) {
  TextOut16(dc, x, y - TextExtent16(dc, text).cy / 2, text);
}

struct CpuPopup {
  using Owner = CCpuUsage;
  static constexpr int kDialogId = IDD_CPUUSAGE;

  static void Init(HWND dialog, CCpuUsage& owner) {
    int button = 0;  // a period outside the four choices ticks none
    for (int i = 0; i < 4; ++i)
      if (owner.period == kPeriods[i]) button = kPeriodButtons[i];
    CheckRadioButton(dialog, IDC_CPU_PERIOD_1S, IDC_CPU_PERIOD_10S, button);
    SetCheck(dialog, IDC_CPU_VARIABLE_Y, owner.variableY);
    SetCheck(dialog, IDC_CPU_PER_THREAD, owner.perThread);
  }

  static void Apply(HWND dialog, CCpuUsage& owner) {
    for (int i = 0; i < 4; ++i)
      if (IsChecked(dialog, kPeriodButtons[i])) owner.period = kPeriods[i];
    owner.RestartTimer();
    owner.variableY = IsChecked(dialog, IDC_CPU_VARIABLE_Y);
    owner.perThread = IsChecked(dialog, IDC_CPU_PER_THREAD);
    InvalidateRect(owner.hwnd, nullptr, TRUE);
  }
};

}  // namespace

bool PdhQuery::Open() {
  reset();
  if (PdhOpenQueryW(nullptr, 0, &handle_) != ERROR_SUCCESS) handle_ = nullptr;
  return handle_ != nullptr;
}

void PdhQuery::reset() {
  if (handle_) PdhCloseQuery(handle_);
  handle_ = nullptr;
}

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

LRESULT CCpuUsage::OnCreate(WPARAM, LPARAM) {
  period = 5;
  variableY = true;
  perThread = false;
  RestartTimer();
  // Wine's PDH accepts the processor-time counter but always reports 0, which would
  // show a dead graph on Linux; there the load comes from system time deltas.
  useSystemTimes_ = RunningUnderWine();
  if (useSystemTimes_)
    ReadProcessorTimes(lastTimes_);
  else
    OpenCounter();
  samples.fill(0);
  return 0;
}

void CCpuUsage::OpenCounter() {
  counter = nullptr;
  if (!query.Open()) return;
  // Counter names are localised; a Korean system may only know the English path
  // through the English entry point.
  if (PdhAddCounterW(query.get(), kCounterPath, 0, &counter) != ERROR_SUCCESS &&
      PdhAddEnglishCounterW(query.get(), kCounterPath, 0, &counter) != ERROR_SUCCESS)
    counter = nullptr;
  // A rate counter needs two collections; this one primes it.
  PdhCollectQueryData(query.get());
}

LRESULT CCpuUsage::OnDestroy(WPARAM, LPARAM) {
  StopTicking();
  counter = nullptr;
  query.reset();
  return 0;
}

void CCpuUsage::RestartTimer() {
  if (hwnd) TickEvery(kCpuTimerId, period);
}

// A steady load (an idle machine's 0 %) leaves the graph as it was.
LRESULT CCpuUsage::OnTimer(WPARAM, LPARAM) {
  const CpuSamples before = samples;
  PushSample(samples, ReadLoad());
  if (samples != before) ShowChanged();
  return 0;
}

double CCpuUsage::ReadLoad() { return useSystemTimes_ ? ReadSystemTimes() : ReadCounter(); }

double CCpuUsage::ReadCounter() {
  if (!query || !counter) return 0.0;
  PdhCollectQueryData(query.get());
  PDH_FMT_COUNTERVALUE value{};
  if (PdhGetFormattedCounterValue(counter, PDH_FMT_DOUBLE, nullptr, &value) != ERROR_SUCCESS) return 0.0;
  if (value.CStatus != PDH_CSTATUS_VALID_DATA && value.CStatus != PDH_CSTATUS_NEW_DATA) return 0.0;
  return value.doubleValue;
}

double CCpuUsage::ReadSystemTimes() {
  ProcessorTimes now;
  if (!ReadProcessorTimes(now)) return 0.0;
  const double load = LoadBetween(lastTimes_, now);
  lastTimes_ = now;
  return load;
}

LRESULT CCpuUsage::OnContextMenu(WPARAM, LPARAM) { return SettingsPopup<CpuPopup>::Open(*this); }

void CCpuUsage::Draw(HDC dc, RECT clientRect) {
  const Rect client{clientRect.left, clientRect.top, clientRect.right, clientRect.bottom};
  const Rect plot = PlotBox(client, scale);
  const CpuStats stats = ComputeStats(samples);
  const CpuScale axis = ChooseScale(stats.maximum, variableY);
  SetBkMode(dc, TRANSPARENT);
  DrawPlot(dc, plot, samples, axis.top);
  DrawTexts(dc, client, plot, stats, axis);
}

void CCpuUsage::DrawPlot(HDC dc, const Rect& plot, const CpuSamples& shown, int scaleTop) const {
  {
    gdi::Pen frame = gdi::FramePen(scale.Px(1), RGB(16, 80, 160));
    gdi::Brush fill = gdi::SolidBrush(RGB(240, 240, 255));
    gdi::Selection pen(dc, frame);
    gdi::Selection brush(dc, fill);
    Rectangle(dc, plot.left, plot.top, plot.right, plot.bottom);
  }
  {
    gdi::Pen gridPen = gdi::SolidPen(scale.Px(1), RGB(220, 220, 255));
    gdi::Selection pen(dc, gridPen);
    for (const Segment& line : GridLines(plot, scale)) {
      MoveToEx(dc, line.from.x, line.from.y, nullptr);
      LineTo(dc, line.to.x, line.to.y);
    }
  }
  // The area is drawn with a black outline (a line as thick as the scale makes one)
  // and a white fill.
  const auto area = AreaPolygon(shown, plot, scaleTop);
  POINT points[kAreaPointCount];
  for (int i = 0; i < kAreaPointCount; ++i) points[i] = {area[i].x, area[i].y};
  gdi::Pen outline = scale.IsBase() ? gdi::Pen() : gdi::SolidPen(scale.Px(1), RGB(0, 0, 0));
  gdi::Selection pen(dc, outline ? static_cast<HGDIOBJ>(outline.get()) : GetStockObject(BLACK_PEN));
  gdi::Selection brush(dc, GetStockObject(WHITE_BRUSH));
  Polygon(dc, points, kAreaPointCount);
}

void CCpuUsage::DrawTexts(HDC dc, const Rect& client, const Rect& plot, const CpuStats& stats,
                          const CpuScale& axis) const {
  const CpuTextPlaces places = CpuTextLayout(client, plot, scale);
  {
    gdi::Selection font(dc, smallFont);
    TextAlignScope align(dc, TA_RIGHT | TA_TOP);
    RightTextCentredOn(dc, places.axisRight, plot.bottom, u"0");
    RightTextCentredOn(dc, places.axisRight, plot.top, axis.label);
  }
  {
    gdi::Selection font(dc, normalFont);
    const int x = TextColumnX(client, plot, scale);
    TextOut16(dc, x, places.rangeTop, RangeText(stats));
    TextOut16(dc, x, places.averageTop, AverageText(stats, host.Texts()));
  }
  gdi::Selection font(dc, largeFont);
  TextAlignScope align(dc, TA_RIGHT | TA_TOP);
  const COLORREF color = SetTextColor(dc, RGB(0, 128, 0));
  TextOut16(dc, client.right, places.percentTop, PercentText(samples.back()));
  SetTextColor(dc, color);
}
