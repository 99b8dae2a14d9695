#include "tidgets/oneimage_win.h"

#include <commdlg.h>

#include "core/app_messages_win.h"
#include "core/dpi_win.h"
#include "core/settings_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "res/resource.h"
#include "widgets/pictures/viewer_win.h"

namespace {

constexpr int kFace = 24;
constexpr wchar_t kPathKey[] = L"imagePath";

}  // namespace

COneImage::~COneImage() { CloseViewer(); }

LRESULT COneImage::OnCreate(WPARAM, LPARAM) {
  Settings().GetString(Section(), kPathKey, imagePath, static_cast<int>(kPathRoom));
  if (imagePath[0]) image = LoadPicture(imagePath);
  defaultIcon = LoadScaledBitmap(IDB_ONEIMAGE, scale);
  return 0;
}

void COneImage::SetScale(Scale newScale) {
  CTidget::SetScale(newScale);
  if (defaultIcon) defaultIcon = LoadScaledBitmap(IDB_ONEIMAGE, scale);
  fitted_.Reset();
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT COneImage::OnDestroy(WPARAM, LPARAM) {
  defaultIcon.reset();
  fitted_.Reset();
  image.reset();
  CloseViewer();
  return 0;
}

void COneImage::Draw(HDC dc, RECT) {
  // A picture that could not be loaded still counts: it draws a plain face.
  if (image)
    fitted_.Draw(dc, image.get(), scale.Px(kFace), scale.Px(kFace), true, bgBrush);
  else
    DrawFaceBitmap(dc, defaultIcon);
}

LRESULT COneImage::OnContextMenu(WPARAM, LPARAM) {
  // A buffer of its own: a cancelled dialog leaves the chosen path as it was.
  wchar_t chosen[kPathRoom] = {};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = hwnd;
  const std::wstring filter = FileFilter(host.Texts(), TextId::ImageFileKind, L"*.jpg;*.png");
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = chosen;
  dialog.nMaxFile = static_cast<DWORD>(kPathRoom);
  if (GetOpenFileNameW(&dialog)) Choose(chosen);
  return 0;
}

void COneImage::Choose(const wchar_t* path) {
  CopyText(AsU16(imagePath), kPathRoom, AsU16View(path));
  Settings().SetString(Section(), kPathKey, imagePath);
  fitted_.Reset();
  image = LoadPicture(imagePath);
  InvalidateRect(hwnd, nullptr, TRUE);
}

// The viewer has closed.
LRESULT COneImage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != kMsgViewerClosed) return CTidget::WindowProc(msg, wParam, lParam);
  if (viewer && viewer->Ended()) viewer = nullptr;
  return 0;
}

void COneImage::Activate() {
  if (!image || viewer) return;
  viewer = CImageViewer::OpenSingle(*this, AsU16View(imagePath));
}

void COneImage::CloseViewer() {
  CImageViewer* open = viewer;
  viewer = nullptr;
  if (open && open->hwnd) DestroyWindow(open->hwnd);
}
