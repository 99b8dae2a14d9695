#include "widgets/slide/slide_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cstdlib>
#include <string>

#include "core/app_messages_win.h"
#include "core/geometry_win.h"
#include "core/dialog_win.h"
#include "core/settings_win.h"
#include "core/texts_win.h"
#include "core/fonts_win.h"
#include "core/wide_win.h"
#include "widgets/base/drop_win.h"
#include "res/resource.h"
#include "widgets/base/popup_win.h"
#include "widgets/base/text_draw_win.h"
#include "widgets/pictures/viewer_win.h"

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr wchar_t kImageListKey[] = L"ImageList";

std::wstring DroppedPath(HDROP drop, UINT i) {
  const UINT length = DragQueryFileW(drop, i, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  path.resize(DragQueryFileW(drop, i, path.data(), length + 1));
  return path;
}


void SelectEntry(HWND list, int entry) { SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(entry), 0); }

// Moves the selected entry, with its origin, one place by `step`; nothing at an end.
void MoveSelected(HWND list, int step) {
  const auto selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  const int target = selected + step;
  if (selected == LB_ERR || target < 0 || target >= count) return;
  std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, selected, 0)) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
  const LRESULT origin = SendMessageW(list, LB_GETITEMDATA, selected, 0);
  SendMessageW(list, LB_DELETESTRING, selected, 0);
  SendMessageW(list, LB_INSERTSTRING, target, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(list, LB_SETITEMDATA, target, origin);
  SelectEntry(list, target);
}

void DeleteSelected(HWND list) {
  const auto selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  if (selected == LB_ERR) return;
  SendMessageW(list, LB_DELETESTRING, selected, 0);
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  SelectEntry(list, SelectionAfterDelete(selected, count));
}

struct SlidePopup {
  using Owner = CImageSlide;
  static constexpr int kDialogId = IDD_IMAGESLIDE;

  static void Init(HWND dialog, CImageSlide& slide) {
    SendDlgItemMessageW(dialog, IDC_SLIDE_SPIN, UDM_SETRANGE32, 1, 300);
    SetDlgItemInt(dialog, IDC_SLIDE_INTERVAL, static_cast<UINT>(slide.timerInterval), FALSE);
    SetCheck(dialog, IDC_SLIDE_RANDOM, slide.randomSlide);
    SetCheck(dialog, IDC_SLIDE_FILENAME, slide.displayFileName);
    SetCheck(dialog, IDC_SLIDE_MULTIVIEWER, slide.multiViewer);
    HWND list = GetDlgItem(dialog, IDC_SLIDE_LIST);
    for (std::int32_t i = 0; i < slide.paths.Count(); ++i) {
      const std::wstring path = ToWide(slide.paths.At(i));
      const LRESULT entry = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
      SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(entry), i);
    }
  }

  static void Apply(HWND dialog, CImageSlide& slide) {
    // Not a number reads as 0, which would change pictures as fast as the timer goes.
    slide.timerInterval = ClampInterval(static_cast<int>(GetDlgItemInt(dialog, IDC_SLIDE_INTERVAL, nullptr, FALSE)));
    slide.randomSlide = IsChecked(dialog, IDC_SLIDE_RANDOM);
    slide.displayFileName = IsChecked(dialog, IDC_SLIDE_FILENAME);
    slide.multiViewer = IsChecked(dialog, IDC_SLIDE_MULTIVIEWER);
    slide.RestartTimer();
    slide.SaveSettings();
    HWND list = GetDlgItem(dialog, IDC_SLIDE_LIST);
    std::vector<std::int32_t> origins(static_cast<std::size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
    for (std::size_t i = 0; i < origins.size(); ++i)
      origins[i] = static_cast<std::int32_t>(SendMessageW(list, LB_GETITEMDATA, i, 0));
    slide.TakeList(origins);
    slide.WriteImageList();
    InvalidateRect(slide.hwnd, nullptr, TRUE);
  }

  static bool Message(HWND dialog, CImageSlide&, UINT msg, WPARAM wParam, LPARAM) {
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    HWND list = GetDlgItem(dialog, IDC_SLIDE_LIST);
    switch (LOWORD(wParam)) {
      case IDC_SLIDE_CLEAR: SendMessageW(list, LB_RESETCONTENT, 0, 0); return true;
      case IDC_SLIDE_DELETE: DeleteSelected(list); return true;
      case IDC_SLIDE_UP: MoveSelected(list, -1); return true;
      case IDC_SLIDE_DOWN: MoveSelected(list, +1); return true;
      default: return false;
    }
  }
};

}  // namespace

CImageSlide::~CImageSlide() { CloseViewers(); }

void CImageSlide::LoadSettings() {
  timerInterval = ClampInterval(Settings().GetInt(Section(), L"timerInterval", 5));
  randomSlide = Settings().GetInt(Section(), L"randomSlide", 0) != 0;
  displayFileName = Settings().GetInt(Section(), L"displayFileName", 0) != 0;
  multiViewer = Settings().GetInt(Section(), L"multiViewer", 0) != 0;
}

void CImageSlide::SaveSettings() {
  CSettings::WriteBatch batch(Settings());
  Settings().SetInt(Section(), L"timerInterval", timerInterval);
  Settings().SetInt(Section(), L"randomSlide", randomSlide ? 1 : 0);
  Settings().SetInt(Section(), L"displayFileName", displayFileName ? 1 : 0);
  Settings().SetInt(Section(), L"multiViewer", multiViewer ? 1 : 0);
}

LRESULT CImageSlide::OnCreate(WPARAM, LPARAM) {
  LoadSettings();
  ReadImageListSetting();
  current = -1;
  image.reset();
  AcceptDroppedFiles(hwnd);
  RestartTimer();
  // The first picture shows right away, not after the first interval.
  SendMessageW(hwnd, WM_TIMER, kShowTimer, 0);
  return 0;
}

LRESULT CImageSlide::OnDestroy(WPARAM, LPARAM) {
  StopTicking();
  CloseViewers();
  fitted_.Reset();
  image.reset();
  paths.Clear();
  current = -1;
  return 0;
}

void CImageSlide::ReadImageListSetting() {
  paths.Clear();
  ReadImageList(AsU16View(Settings().GetWholeString(Section(), kImageListKey).c_str()), paths);
}

void CImageSlide::WriteImageList() {
  Settings().SetString(Section(), kImageListKey, AsWide(ImageListText(paths).c_str()));
}

void CImageSlide::RestartTimer() { TickEvery(kShowTimer, timerInterval); }

LRESULT CImageSlide::OnTimer(WPARAM, LPARAM) {
  if (paths.Count() == 0) return 0;
  current = randomSlide ? NextAtRandom(current, paths.Count(), [] { return std::rand(); })
                        : NextInOrder(current, paths.Count());
  ShowCurrent();
  return 0;
}

void CImageSlide::ShowCurrent() {
  fitted_.Reset();
  image.reset();
  image = LoadPicture(ToWide(paths.At(current)).c_str());
  // Scaled now, once: later repaints of the widget only copy it.
  RECT client{};
  GetClientRect(hwnd, &client);
  gdi::WindowDC screen(hwnd);
  fitted_.Prepare(screen, image.get(), client.right, client.bottom, bgBrush);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void CImageSlide::TakeList(const std::vector<std::int32_t>& origins) {
  paths.Reorder(origins);
  const std::int32_t shown = FollowShown(origins, current);
  if (shown < 0 && current >= 0) {
    fitted_.Reset();
    image.reset();
  }
  current = shown;
}

void CImageSlide::Draw(HDC dc, RECT client) {
  if (paths.Count() == 0) return DrawHint(dc, client);
  fitted_.Draw(dc, image.get(), client.right, client.bottom, false, bgBrush);
  if (displayFileName) DrawFileName(dc, client);
}

void CImageSlide::DrawHint(HDC dc, RECT client) const {
  RECT inside = ToRECT(HintBox(ToRect(client), scale));
  gdi::Selection font(dc, normalFont);
  SetTextColor(dc, kYellow);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, WideText(host.Texts(), TextId::SlideEmpty), -1, &inside, DT_WORDBREAK);
}

void CImageSlide::DrawFileName(HDC dc, RECT client) const {
  if (current < 0 || current >= paths.Count()) return;
  gdi::Selection font(dc, normalFont);
  SetTextColor(dc, kYellow);
  SetBkMode(dc, TRANSPARENT);
  TextAlignScope align(dc, TA_CENTER | TA_BASELINE);
  const Point at = FileNameAnchor(ToRect(client), scale);
  TextOut16(dc, at.x, at.y, FileNameOf(paths.At(current)));
}

LRESULT CImageSlide::OnContextMenu(WPARAM, LPARAM) { return SettingsPopup<SlidePopup>::Open(*this); }

LRESULT CImageSlide::OnLButtonDown(WPARAM, LPARAM) {
  if (current < 0 || current >= paths.Count()) return 0;
  if (!multiViewer && lastViewer) {
    SendMessageW(lastViewer->hwnd, kMsgViewerShowPosition, static_cast<WPARAM>(current), 0);
    return 0;
  }
  if (CImageViewer* viewer = CImageViewer::OpenList(*this, paths, current)) {
    viewers.push_back(viewer);
    lastViewer = viewer;
  }
  return 0;
}

// A viewer has ended.
LRESULT CImageSlide::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != kMsgViewerClosed) return CWidget::WindowProc(msg, wParam, lParam);
  std::erase_if(viewers, [](const CImageViewer* viewer) { return viewer->Ended(); });
  if (lastViewer && lastViewer->Ended()) lastViewer = nullptr;
  return 0;
}

void CImageSlide::CloseViewers() {
  const std::vector<CImageViewer*> open = std::move(viewers);
  viewers.clear();
  lastViewer = nullptr;
  for (CImageViewer* viewer : open)
    if (viewer->hwnd) DestroyWindow(viewer->hwnd);
}

LRESULT CImageSlide::OnDropFiles(WPARAM wParam, LPARAM) {
  DropScope drop(reinterpret_cast<HDROP>(wParam));
  const std::int32_t before = paths.Count();
  const UINT count = DragQueryFileW(drop.get(), 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const std::wstring path = DroppedPath(drop.get(), i);
    if (IsSlideExtension(AsU16View(PathFindExtensionW(path.c_str())))) paths.Append(AsU16View(path.c_str()));
  }
  WriteImageList();
  if (paths.Count() > before) {
    current = before - 1;
    SendMessageW(hwnd, WM_TIMER, kShowTimer, 0);
  }
  return 0;
}
