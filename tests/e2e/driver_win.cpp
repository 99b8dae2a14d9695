#include "e2e/driver_win.h"

#include "common/remove_folder_win.h"

#include <algorithm>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <utility>

namespace e2e {

namespace {

constexpr DWORD kPollMs = 50;

std::wstring DriverFolder() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  return title;
}

// Real input travels through the display to the program; there is nothing of ours to pump.
void Settle(DWORD ms) { Sleep(ms); }

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

void MoveMouseTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  SendMouse(MOUSEEVENTF_MOVE);
  Settle(30);
}

}  // namespace

const wchar_t* const kDefaultWidgetLines[10] = {
    L"시계§Clock§Clock_1§1§80§120§14020607§0§100",
    L"CPU 사용량§CpuUsage§CpuUsage_1§1§100§140§15658671§0§100",
    L"메모리 사용량§MemUsage§MemUsage_1§1§50§120§15128749§0§100",
    L"배터리§Battery§Battery_1§1§50§120§16436871§1§100",
    L"디스크 사용량§DiskUsage§DiskUsage_1§1§50§120§11788021§0§100",
    L"음악 재생기§MusicPlayer§MusicPlayer§1§150§120§14474460§0§100",
    L"메모§Memo§Memo_1§1§150§150§15794175§0§100",
    L"계산기§Calc§Calc_1§1§50§120§13353215§0§100",
    L"진법변환기§Radix§Radix_1§1§50§120§15631086§0§100",
    L"이미지슬라이더§ImageSlide§ImageSlide_1§1§100§150§11119017§0§100",
};
const wchar_t* const kDefaultTidgetLines[7] = {
    L"LCD 테스트§LCDTest§LCDTest§1",     L"크기 측정§SizeMeter§SizeMeter§1",
    L"참조 이미지§OneImage§OneImage_1§1", L"커서 이동§MoveCursor§MoveCursor§1",
    L"클립보드 변환§TextClip§TextClip§1", L"테트리스§Tetris§Tetris§1",
    L"색상표§ColorTable§ColorTable§1",
};

bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done) {
  for (DWORD waited = 0; waited < timeoutMs; waited += kPollMs) {
    if (done()) return true;
    Sleep(kPollMs);
  }
  return done();
}

bool PumpUntil(DWORD timeoutMs, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
  return true;
}

bool BringToFront(HWND window) {
  constexpr DWORD kSteadyMs = 300;
  SetForegroundWindow(window);
  DWORD since = GetTickCount();
  return PumpUntil(3000, [&] {
    if (GetForegroundWindow() != window) since = GetTickCount();
    return GetTickCount() - since >= kSteadyMs;
  });
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &entry))
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(entry.cFileName);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// --- Sandbox ------------------------------------------------------------------

Sandbox::Sandbox() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  static int serial = 0;
  for (int attempt = 0; attempt < 100 && !ok_; ++attempt) {
    folder_ = std::wstring(temp) + L"pelgra-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++serial) + L"\\";
    ok_ = CreateDirectoryW(folder_.c_str(), nullptr) != 0;
  }
  if (ok_) ok_ = CopyFileW((DriverFolder() + L"pelgra.exe").c_str(), Path(L"pelgra.exe").c_str(), TRUE) != 0;
  runFolder_ = folder_;
}

Sandbox::Sandbox(std::wstring folder, std::wstring runFolder)
    : folder_(std::move(folder)), runFolder_(std::move(runFolder)), owned_(false) {
  ok_ = !folder_.empty() && GetFileAttributesW(Path(L"pelgra.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
}

Sandbox::~Sandbox() {
  if (owned_) RemoveTestFolder(folder_);
}

std::string Sandbox::ReadBytes(const wchar_t* name) const {
  std::ifstream file(Path(name).c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool Sandbox::WriteIni(const std::wstring& text) const {
  const std::wstring units = L"\xFEFF" + text;  // wchar_t is UTF-16LE here
  std::ofstream file(Path(L"pelgra.ini").c_str(), std::ios::binary);
  file.write(reinterpret_cast<const char*>(units.data()), static_cast<std::streamsize>(units.size() * sizeof(wchar_t)));
  return file.good();
}

// The system's own reader of .ini files understands the UTF-16 the program writes.
std::optional<std::wstring> Sandbox::Ini(const wchar_t* section, const wchar_t* key) const {
  constexpr wchar_t kAbsent[] = L"\x1F<absent>";
  wchar_t value[1024] = {};
  GetPrivateProfileStringW(section, key, kAbsent, value, 1024, Path(L"pelgra.ini").c_str());
  if (std::wstring(value) == kAbsent) return std::nullopt;
  return value;
}

long long Sandbox::IniInt(const wchar_t* section, const wchar_t* key, long long missing) const {
  const std::optional<std::wstring> value = Ini(section, key);
  return value ? std::wcstoll(value->c_str(), nullptr, 10) : missing;
}

std::vector<std::wstring> Sandbox::IniSection(const wchar_t* section) const {
  std::vector<wchar_t> buffer(65536);
  const DWORD length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 Path(L"pelgra.ini").c_str());
  std::vector<std::wstring> lines;
  for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line; line += lines.back().size() + 1)
    lines.emplace_back(line);
  return lines;
}

// --- Pelgra -------------------------------------------------------------------

Pelgra::Pelgra(const Sandbox& box, DWORD timeoutMs) {
  if (!box.ok()) return;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const std::wstring exe = box.runFolder() + L"pelgra.exe";
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, box.runFolder().c_str(),
                      &startup, &process_))
    return;
  WaitUntil(timeoutMs, [&] {
    bar_ = FindWindowOfProcess(L"CWindow", L"Pelgra");
    return bar_ || !running();
  });
  // Until its message loop has gone idle once, the bar may still be laying itself out.
  WaitForInputIdle(process_.hProcess, 5000);
}

Pelgra::~Pelgra() {
  if (!process_.hProcess) return;
  if (running()) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND Pelgra::FindWindowOfProcess(const wchar_t* className, const wchar_t* title) const {
  struct Search {
    DWORD processId;
    const wchar_t* className;
    const wchar_t* title;
    HWND found;
  } search{process_.dwProcessId, className, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid != s->processId || !IsWindowVisible(window) || TitleOf(window) != s->title) return TRUE;
        if (s->className && ClassOf(window) != s->className) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool Pelgra::running() const { return process_.hProcess && ExitCode() == STILL_ACTIVE; }

LRESULT Pelgra::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(bar_, msg, wParam, lParam, SMTO_NORMAL, 10000, &result);
  return static_cast<LRESULT>(result);
}

RECT Pelgra::WindowRect() const {
  RECT rect{};
  GetWindowRect(bar_, &rect);
  return rect;
}

HWND Pelgra::Child(UINT id, const wchar_t* className) const {
  for (HWND child = GetWindow(bar_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (static_cast<UINT>(GetDlgCtrlID(child)) == id && (!className || ClassOf(child) == className)) return child;
  return nullptr;
}

int Pelgra::CountChildren(const wchar_t* className) const {
  int count = 0;
  for (HWND child = GetWindow(bar_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    count += ClassOf(child) == className ? 1 : 0;
  return count;
}

HWND Pelgra::Descendant(const wchar_t* className, const wchar_t* text) const {
  struct Search {
    const wchar_t* className;
    const wchar_t* text;
    HWND found;
  } search{className, text, nullptr};
  EnumChildWindows(
      bar_,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (_wcsicmp(ClassOf(child).c_str(), s->className) != 0 || (s->text && TitleOf(child) != s->text)) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Pelgra::WaitForWindow(const wchar_t* title, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(timeoutMs, [&] { return (found = FindWindowOfProcess(nullptr, title)) != nullptr; });
  return found;
}

void Pelgra::ClickOn(HWND window) const {
  RECT rect{};
  GetWindowRect(window, &rect);
  MoveMouseTo({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Settle(50);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Settle(300);
}

void Pelgra::HoverOn(HWND window) const {
  RECT rect{};
  GetWindowRect(window, &rect);
  const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  MoveMouseTo({middle.x - 3, middle.y});
  MoveMouseTo(middle);
}

void Pelgra::DragFromTo(POINT from, POINT to, int steps) const {
  MoveMouseTo(from);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Settle(50);
  for (int i = 1; i <= steps; ++i)
    MoveMouseTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  SendMouse(MOUSEEVENTF_LEFTUP);
  Settle(300);
}

POINT Pelgra::BarToScreen(POINT client) const {
  ClientToScreen(bar_, &client);
  return client;
}

bool Pelgra::Close(DWORD timeoutMs) { return PostMessageW(bar_, WM_CLOSE, 0, 0) && WaitForExit(timeoutMs); }

bool Pelgra::WaitForExit(DWORD timeoutMs) {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Pelgra::Kill() {
  return process_.hProcess && TerminateProcess(process_.hProcess, 99) && WaitForExit(5000);
}

DWORD Pelgra::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_.hProcess) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace e2e
