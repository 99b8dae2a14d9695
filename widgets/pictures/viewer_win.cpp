#include "widgets/pictures/viewer_win.h"

#include <memory>

#include "core/app_messages_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "widgets/base/placement_win.h"

namespace {

constexpr DWORD kFramedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
const StoredPlacement kDefaultPlacement{{10, 10, 650, 490}, 1, false};

WINDOWPLACEMENT CurrentPlacement(HWND window) {
  WINDOWPLACEMENT now{};
  now.length = sizeof now;
  GetWindowPlacement(window, &now);
  return now;
}

}  // namespace

CImageViewer::CImageViewer(CDget& owner, const PathList* paths, int index, std::u16string_view path)
    : singlePicture(paths == nullptr), owner(&owner), paths(paths), index(index) {
  CopyText(AsU16(this->path), kPathRoom, path);
  placement.length = sizeof placement;
}

CImageViewer* CImageViewer::OpenList(CDget& owner, const PathList& paths, int index) {
  return Open(new CImageViewer(owner, &paths, index, paths.At(index)));
}

CImageViewer* CImageViewer::OpenSingle(CDget& owner, std::u16string_view path) {
  return Open(new CImageViewer(owner, nullptr, 0, path));
}

CImageViewer* CImageViewer::Open(CImageViewer* made) {
  std::unique_ptr<CImageViewer> viewer(made);
  if (!viewer->Create(nullptr, 0, WideText(viewer->owner->host.Texts(), TextId::ViewerTitle), kFramedStyle))
    return nullptr;
  CImageViewer* open = viewer.release();
  open->deleteWithWindow = true;  // from here the window owns the viewer
  const StoredPlacement stored = ReadPlacement(open->owner->Settings(), open->owner->Section(), kDefaultPlacement, true);
  ApplyPlacement(open->hwnd, stored, open->scale);
  if (stored.fullScreen) open->EnterFullScreen();
  open->placed_ = true;
  return open;
}

CImageViewer::~CImageViewer() { write_later::Forget(this); }

LRESULT CImageViewer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if ((msg == WM_MOVE || msg == WM_SIZE) && placed_) write_later::Changed(this, [this] { WritePlacementNow(); });
  if (msg == kMsgViewerShowPosition) {
    ShowPosition(static_cast<std::int32_t>(wParam));
    return 0;
  }
  return CWindow::WindowProc(msg, wParam, lParam);
}

// In full screen the normal placement kept from before it is the one written.
void CImageViewer::WritePlacementNow() {
  if (!fullScreen) placement = CurrentPlacement(hwnd);
  WritePlacement(owner->Settings(), owner->Section(), placement, true, fullScreen, scale);
}

void CImageViewer::ShowPath() {
  fitted_.Reset();
  image = LoadPicture(path);
  SetWindowTextW(hwnd, path);
}

LRESULT CImageViewer::OnCreate(WPARAM, LPARAM) {
  ShowPath();
  return 0;
}

LRESULT CImageViewer::OnDestroy(WPARAM, LPARAM) {
  fitted_.Reset();
  image.reset();
  placed_ = false;
  write_later::Forget(this);
  WritePlacementNow();
  ended_ = true;
  if (owner->hwnd) SendMessageW(owner->hwnd, kMsgViewerClosed, 0, 0);
  return 0;
}

LRESULT CImageViewer::OnPaint(WPARAM, LPARAM) {
  RECT client{};
  GetClientRect(hwnd, &client);
  gdi::PaintScope paint(hwnd);
  fitted_.Draw(paint.dc(), image.get(), client.right, client.bottom, true, owner->bgBrush);
  return 0;
}

LRESULT CImageViewer::OnSize(WPARAM, LPARAM) {
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

LRESULT CImageViewer::OnKeyDown(WPARAM wParam, LPARAM) {
  if (wParam == VK_ESCAPE) DestroyWindow(hwnd);
  if (wParam == VK_RETURN) fullScreen ? LeaveFullScreen() : EnterFullScreen();
  return 0;
}

LRESULT CImageViewer::OnLButtonDblClk(WPARAM, LPARAM) {
  fullScreen ? LeaveFullScreen() : EnterFullScreen();
  return 0;
}

void CImageViewer::ShowPosition(std::int32_t position) {
  if (singlePicture || !paths || position < 0 || position >= paths->Count()) return;
  index = position;
  CopyText(AsU16(path), kPathRoom, paths->At(index));
  ShowPath();
  InvalidateRect(hwnd, nullptr, TRUE);
}

void CImageViewer::EnterFullScreen() {
  placement = CurrentPlacement(hwnd);
  SetWindowLongPtrW(hwnd, GWL_STYLE, WS_POPUP | WS_VISIBLE);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& whole = monitor.rcMonitor;
  SetWindowPos(hwnd, HWND_NOTOPMOST, whole.left, whole.top, whole.right - whole.left, whole.bottom - whole.top,
               SWP_FRAMECHANGED);
  fullScreen = true;
}

void CImageViewer::LeaveFullScreen() {
  SetWindowLongPtrW(hwnd, GWL_STYLE, kFramedStyle | WS_VISIBLE);
  SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPlacement(hwnd, &placement);
  fullScreen = false;
}
