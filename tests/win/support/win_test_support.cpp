#include "support/win_test_support.h"

#include "common/remove_folder_win.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <utility>

#include "core/settings_win.h"

namespace test_support {

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  COLORREF pixel = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return pixel;
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  return SIZE{info.bmWidth, info.bmHeight};
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return pixel;
}

// --- Snapshot --------------------------------------------------------------------

Snapshot Snapshot::OfBitmap(HBITMAP bitmap) {
  Snapshot shot;
  const SIZE size = BitmapSize(bitmap);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  shot.pixels_.resize(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
  HDC screen = GetDC(nullptr);
  if (GetDIBits(screen, bitmap, 0, size.cy, shot.pixels_.data(), &info, DIB_RGB_COLORS) == size.cy) {
    shot.width_ = size.cx;
    shot.height_ = size.cy;
  }
  ReleaseDC(nullptr, screen);
  return shot;
}

Snapshot Snapshot::OfWindow(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  HDC window = GetDC(hwnd);
  HDC copy = CreateCompatibleDC(window);
  HBITMAP bitmap = CreateCompatibleBitmap(window, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
  SelectObject(copy, previous);
  DeleteDC(copy);
  ReleaseDC(hwnd, window);
  Snapshot shot = OfBitmap(bitmap);
  DeleteObject(bitmap);
  return shot;
}

Snapshot Snapshot::Repainted(CWindow& window) {
  InvalidateRect(window.hwnd, nullptr, TRUE);
  UpdateWindow(window.hwnd);
  return OfBitmap(window.backBuffer);
}

COLORREF Snapshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const DWORD bgr = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int Snapshot::Count(RECT area, const std::function<bool(COLORREF)>& match) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += match(At(x, y)) ? 1 : 0;
  return count;
}

int Snapshot::CountNot(RECT area, COLORREF background) const {
  return Count(area, [&](COLORREF c) { return c != background; });
}

void ExpectPixels(const Snapshot& shot, std::initializer_list<Pixel> pixels) {
  for (const Pixel& pixel : pixels) EXPECT_EQ(shot.At(pixel.x, pixel.y), pixel.color) << pixel.x << "," << pixel.y;
}

// --- Mouse -----------------------------------------------------------------------

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
LRESULT MouseDown(HWND window, int x, int y) { return SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
LRESULT MouseMove(HWND window, int x, int y, WPARAM keys) { return SendMessageW(window, WM_MOUSEMOVE, keys, At(x, y)); }
LRESULT MouseUp(HWND window, int x, int y) { return SendMessageW(window, WM_LBUTTONUP, 0, At(x, y)); }

// --- Dialogs -----------------------------------------------------------------------

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

namespace {

struct DialogSearch {
  const wchar_t* title;
  HWND owner;
  HWND found = nullptr;
  int count = 0;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  if (search->title && TextOf(window) != search->title) return TRUE;
  if (search->owner && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  search->found = window;
  ++search->count;
  return TRUE;
}

// The poll of the innermost WhileModal; `busy` keeps a poll that pumps messages
// itself from being entered again by its own timer.
struct ModalPoll {
  const std::function<bool()>* poll;
  bool done = false;
  bool busy = false;
};
ModalPoll* currentPoll = nullptr;

void CALLBACK PollInsideModal(HWND, UINT, UINT_PTR, DWORD) {
  ModalPoll* state = currentPoll;
  if (!state || state->done || state->busy) return;
  state->busy = true;
  state->done = (*state->poll)();
  state->busy = false;
}

}  // namespace

HWND FindDialog(const wchar_t* title, HWND owner) {
  DialogSearch search{title, owner};
  EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int CountDialogs() {
  DialogSearch search{nullptr, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.count;
}

bool WhileModal(const std::function<void()>& start, const std::function<bool()>& poll) {
  ModalPoll state{&poll};
  ModalPoll* outer = std::exchange(currentPoll, &state);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, PollInsideModal);
  start();
  KillTimer(nullptr, timer);
  currentPoll = outer;
  return state.done;
}

Answered AnswerModal(HWND owner, int answer, const std::function<void()>& start) {
  Answered answered;
  WhileModal(start, [&] {
    HWND dialog = FindDialog(nullptr, owner);
    if (!dialog) return false;
    answered = {true, TextOf(dialog), TextOf(GetDlgItem(dialog, 0xFFFF))};
    PostMessageW(dialog, WM_COMMAND, answer, 0);
    return true;
  });
  return answered;
}

// --- Files ---------------------------------------------------------------------------

std::string FileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

TempFolder::TempFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  static int serial = 0;
  do {
    folder_ = std::wstring(temp) + L"pelgra-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++serial);
  } while (!CreateDirectoryW(folder_.c_str(), nullptr) && serial < 1000);
}

TempFolder::~TempFolder() { RemoveTestFolder(folder_); }

IniSandbox::IniSandbox() : path_(folder_.Path(L"pelgra.ini")) {
  settings.iniPath = path_;
  settings.useIni = true;
}

int IniSandbox::Int(const wchar_t* section, const wchar_t* key, int missing) const {
  return static_cast<int>(GetPrivateProfileIntW(section, key, missing, path_.c_str()));
}

std::wstring IniSandbox::String(const wchar_t* section, const wchar_t* key) const {
  wchar_t value[512] = {};
  GetPrivateProfileStringW(section, key, L"<missing>", value, 512, path_.c_str());
  return value;
}

bool IniSandbox::HasSection(const wchar_t* section) const {
  wchar_t names[4096] = {};
  const DWORD length = GetPrivateProfileSectionNamesW(names, 4096, path_.c_str());
  for (const wchar_t* name = names; name < names + length && *name; name += wcslen(name) + 1)
    if (std::wstring(name) == section) return true;
  return false;
}

bool IniSandbox::Exists() const { return GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

void IniSandbox::Write(const wchar_t* section, const wchar_t* key, const wchar_t* value) const {
  WritePrivateProfileStringW(section, key, value, path_.c_str());
}

// --- Windows -------------------------------------------------------------------------

HostWindow::HostWindow(int x, int y, int width, int height) {
  CreateWindowExW(0, kWindowClassName, L"host", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                  appInstance, &object_);
}

HostWindow::~HostWindow() {
  if (object_.hwnd) DestroyWindow(object_.hwnd);
}

}  // namespace test_support
