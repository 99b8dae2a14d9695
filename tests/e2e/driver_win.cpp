#include "e2e/driver_win.h"

#include <cstdlib>
#include <cwchar>

namespace e2e {

namespace {

constexpr DWORD kPollMs = 50;

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring OwnExePath() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path;
}

std::u16string Trim(std::u16string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && (text[begin] == u' ' || text[begin] == u'\t')) ++begin;
  while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t' || text[end - 1] == u'\r')) --end;
  return std::u16string(text.substr(begin, end - begin));
}

std::u16string DecodeIni(const std::string& bytes) {
  std::u16string text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                    (static_cast<unsigned char>(bytes[i + 1]) << 8));
    return text;
  }
  for (char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

struct WindowSearch {
  DWORD processId;
  HWND owner;  // null: the bar itself; else a dialog owned by it
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  bool match = false;
  if (search->owner) {
    match = std::wcscmp(className, L"#32770") == 0 && GetWindow(window, GW_OWNER) == search->owner;
  } else {
    wchar_t title[16] = {};
    GetWindowTextW(window, title, 16);
    match = std::wcscmp(className, L"CWindow") == 0 && std::wcscmp(title, L"Pelgra") == 0;
  }
  if (!match) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindProcessWindow(DWORD processId, HWND owner) {
  WindowSearch search{processId, owner, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

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

// --- IniFile ------------------------------------------------------------------

IniFile IniFile::Parse(const std::u16string& text) {
  IniFile ini;
  std::u16string section;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string::npos) end = text.size();
    const std::u16string line = Trim(std::u16string_view(text).substr(start, end - start));
    start = end + 1;
    if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
      section = line.substr(1, line.size() - 2);
      ini.sections_[section];
      continue;
    }
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string::npos) continue;
    ini.sections_[section].emplace_back(Trim(std::u16string_view(line).substr(0, equals)),
                                        Trim(std::u16string_view(line).substr(equals + 1)));
  }
  return ini;
}

bool IniFile::HasSection(const std::u16string& section) const { return sections_.count(section) != 0; }

std::optional<std::u16string> IniFile::Get(const std::u16string& section, const std::u16string& key) const {
  auto found = sections_.find(section);
  if (found == sections_.end()) return std::nullopt;
  for (const auto& [name, value] : found->second)
    if (name == key) return value;
  return std::nullopt;
}

long long IniFile::GetInt(const std::u16string& section, const std::u16string& key, long long missing) const {
  std::optional<std::u16string> value = Get(section, key);
  if (!value) return missing;
  std::string narrow(value->begin(), value->end());
  return std::strtoll(narrow.c_str(), nullptr, 10);
}

std::vector<std::pair<std::u16string, std::u16string>> IniFile::Entries(const std::u16string& section) const {
  auto found = sections_.find(section);
  return found == sections_.end() ? std::vector<std::pair<std::u16string, std::u16string>>() : found->second;
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
  if (ok_) ok_ = CopyFileW((FolderOf(OwnExePath()) + L"pelgra.exe").c_str(), ExePath().c_str(), TRUE) != 0;
}

Sandbox::~Sandbox() {
  if (folder_.empty()) return;
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW((folder_ + L"*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder_ + entry.cFileName).c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder_.c_str());
}

std::wstring Sandbox::Path(const wchar_t* name) const { return folder_ + name; }

bool Sandbox::Exists(const wchar_t* name) const {
  return GetFileAttributesW(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Sandbox::ReadBytes(const wchar_t* name) const {
  HANDLE file = CreateFileW(Path(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(file);
  return bytes;
}

bool Sandbox::WriteBytes(const wchar_t* name, const std::string& bytes) const {
  HANDLE file = CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool Sandbox::WriteIni(const std::u16string& text) const {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return WriteBytes(L"pelgra.ini", bytes);
}

IniFile Sandbox::ReadIni() const { return IniFile::Parse(DecodeIni(ReadBytes(L"pelgra.ini"))); }

// --- Pelgra -------------------------------------------------------------------

Pelgra::Pelgra(const Sandbox& box, DWORD timeoutMs) {
  if (!box.ok()) return;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + box.ExePath() + L"\"";
  if (!CreateProcessW(box.ExePath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      box.folder().c_str(), &startup, &process_))
    return;
  for (DWORD waited = 0; waited < timeoutMs && running(); waited += kPollMs) {
    bar_ = FindBar();
    if (bar_) break;
    Sleep(kPollMs);
  }
  Settle();
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

HWND Pelgra::FindBar() const { return FindProcessWindow(process_.dwProcessId, nullptr); }

bool Pelgra::running() const { return process_.hProcess && ExitCode() == STILL_ACTIVE; }

LRESULT Pelgra::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(bar_, msg, wParam, lParam, SMTO_NORMAL, 10000, &result);
  return static_cast<LRESULT>(result);
}

bool Pelgra::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return PostMessageW(bar_, msg, wParam, lParam) != 0;
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

void Pelgra::ClickAt(POINT screen) const {
  MoveMouseTo(screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Settle(50);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Settle();
}

void Pelgra::DragFromTo(POINT from, POINT to, int steps) const {
  MoveMouseTo(from);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Settle(50);
  for (int i = 1; i <= steps; ++i)
    MoveMouseTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
  SendMouse(MOUSEEVENTF_LEFTUP);
  Settle();
}

POINT Pelgra::CentreOf(HWND window) const {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT Pelgra::BarToScreen(POINT client) const {
  ClientToScreen(bar_, &client);
  return client;
}

std::optional<std::wstring> Pelgra::DismissOwnedDialog(DWORD timeoutMs) const {
  for (DWORD waited = 0; waited < timeoutMs; waited += kPollMs) {
    if (HWND dialog = FindProcessWindow(process_.dwProcessId, bar_)) {
      HWND text = GetDlgItem(dialog, 0xFFFF);
      std::wstring shown = text ? TextOf(text) : std::wstring();
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      // Gone before the next search, so it is never found twice.
      for (DWORD closing = 0; closing < timeoutMs && IsWindow(dialog); closing += kPollMs) Sleep(kPollMs);
      return shown;
    }
    Sleep(kPollMs);
  }
  return std::nullopt;
}

bool Pelgra::Close(DWORD timeoutMs) {
  if (!Post(WM_CLOSE)) return false;
  return WaitForExit(timeoutMs);
}

bool Pelgra::WaitForExit(DWORD timeoutMs) {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Pelgra::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_.hProcess) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

// --- Helpers ------------------------------------------------------------------

std::u16string Utf16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

void Settle(DWORD ms) { Sleep(ms); }

}  // namespace e2e
