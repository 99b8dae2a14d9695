// End-to-end driver: runs the real pelgra.exe in a private folder, drives its bar
// from outside (messages, real mouse input) and reads back the files it wrote.
//
// A scenario is a GoogleTest case in tests/e2e/<area>_e2e.cpp:
//   e2e::Sandbox box;                       // empty folder with a copy of pelgra.exe
//   box.WriteIni(u"[main]\r\nwnum=0\r\n");  // optional seed settings
//   e2e::Pelgra run(box);                   // starts it and waits for the bar
//   run.Command(40002);                     // drive it
//   run.Close();                            // WM_CLOSE, waits for the exit
//   e2e::IniFile ini = box.ReadIni();       // check what it wrote
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// An .ini as the program keeps it (UTF-16LE with a byte order mark), parsed into
// sections of ordered key/value pairs. Section and key names compare exactly.
class IniFile {
 public:
  static IniFile Parse(const std::u16string& text);

  bool HasSection(const std::u16string& section) const;
  std::optional<std::u16string> Get(const std::u16string& section, const std::u16string& key) const;
  // The value as a number, or `missing` when the key is absent.
  long long GetInt(const std::u16string& section, const std::u16string& key, long long missing = -1) const;
  std::vector<std::pair<std::u16string, std::u16string>> Entries(const std::u16string& section) const;

 private:
  std::map<std::u16string, std::vector<std::pair<std::u16string, std::u16string>>> sections_;
};

// A fresh folder under the temporary directory holding a copy of pelgra.exe (taken
// from beside the driver executable); deleted with everything in it at the end.
class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  bool ok() const { return ok_; }
  const std::wstring& folder() const { return folder_; }
  std::wstring Path(const wchar_t* name) const;
  std::wstring ExePath() const { return Path(L"pelgra.exe"); }
  std::wstring IniPath() const { return Path(L"pelgra.ini"); }

  bool Exists(const wchar_t* name) const;
  // Whole file contents; empty when it cannot be read.
  std::string ReadBytes(const wchar_t* name) const;
  bool WriteBytes(const wchar_t* name, const std::string& bytes) const;
  // Writes the settings file as the program does: UTF-16LE after a byte order mark.
  bool WriteIni(const std::u16string& text) const;
  IniFile ReadIni() const;

 private:
  std::wstring folder_;
  bool ok_ = false;
};

// One run of pelgra.exe from a sandbox. The constructor starts it and waits for the
// bar window to show; the destructor ends a run that is still going.
class Pelgra {
 public:
  explicit Pelgra(const Sandbox& box, DWORD timeoutMs = 20000);
  ~Pelgra();
  Pelgra(const Pelgra&) = delete;
  Pelgra& operator=(const Pelgra&) = delete;

  // The visible top-level "CWindow" window titled "Pelgra" of this process, or null.
  HWND bar() const { return bar_; }
  bool running() const;

  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  bool Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // A menu command as the popup menu delivers it. Only for commands that return
  // at once; ones that open a modal box need PostCommand and DismissOwnedDialog.
  void Command(UINT id) const { Send(WM_COMMAND, id, 0); }
  void PostCommand(UINT id) const { Post(WM_COMMAND, id, 0); }

  RECT WindowRect() const;
  // A child of the bar by control id (1 close button, 2 menu button or strip).
  HWND Child(UINT id, const wchar_t* className = nullptr) const;

  // Real mouse input at screen coordinates.
  void ClickAt(POINT screen) const;
  void DragFromTo(POINT from, POINT to, int steps = 8) const;
  // The centre of a child window in screen coordinates.
  POINT CentreOf(HWND window) const;
  // A bar client point in screen coordinates.
  POINT BarToScreen(POINT client) const;

  // Waits for a modal message box or dialog owned by the bar, returns its text (the
  // static text of a message box, "" for other dialogs) and closes it with IDOK.
  std::optional<std::wstring> DismissOwnedDialog(DWORD timeoutMs = 10000) const;

  // Asks the bar to close (WM_CLOSE) and waits for the process to end.
  bool Close(DWORD timeoutMs = 20000);
  bool WaitForExit(DWORD timeoutMs = 20000);
  // The process's exit code, or STILL_ACTIVE.
  DWORD ExitCode() const;

 private:
  HWND FindBar() const;

  PROCESS_INFORMATION process_{};
  HWND bar_ = nullptr;
};

// Helpers for the scenarios.
std::u16string Utf16(const std::wstring& text);
// Lets the program's message loop run (real input travels through the display).
void Settle(DWORD ms = 300);

}  // namespace e2e
