// End-to-end driver: runs the real pelgra.exe in a private folder, drives its bar
// from outside (messages, real mouse input) and reads back the files it wrote.
//
// A scenario is a GoogleTest case in tests/e2e/<area>_test.cpp:
//   e2e::Sandbox box;                        // empty folder with a copy of pelgra.exe
//   box.WriteIni(L"[main]\r\nwnum=0\r\n");   // optional seed settings
//   e2e::Pelgra run(box);                    // starts it and waits for the bar
//   run.Command(ID_TOGGLE_DIRECTION);        // drive it
//   run.Close();                             // WM_CLOSE, waits for the exit
//   box.Ini(L"main", L"vertical");           // check what it wrote
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Polls `done` every 50 ms until it holds or the time is up; answers done().
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& done);

// The same, keeping this thread's windows answering (its queued input and focus
// events are handled) while it waits.
bool PumpUntil(DWORD timeoutMs, const std::function<bool()>& done);

// Brings a window of this process to the front and waits until it has stayed there a
// moment, so that no focus event of this process still on its way takes the front back
// from a window another process raises later.
bool BringToFront(HWND window);

// The names of the files (not folders) in a folder, sorted.
std::vector<std::wstring> FilesIn(const std::wstring& folder);

// The lines a first run writes for its default set of widgets and tidgets.
extern const wchar_t* const kDefaultWidgetLines[10];
extern const wchar_t* const kDefaultTidgetLines[7];

// A fresh folder under the temporary directory holding a copy of pelgra.exe (taken
// from beside the driver executable); deleted with everything in it at the end.
class Sandbox {
 public:
  Sandbox();
  // An existing folder holding pelgra.exe, which runs from `runFolder`, another view of
  // the same folder (a read-only mount of it); left as it is at the end.
  Sandbox(std::wstring folder, std::wstring runFolder);
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  bool ok() const { return ok_; }
  const std::wstring& folder() const { return folder_; }
  const std::wstring& runFolder() const { return runFolder_; }
  std::wstring Path(const wchar_t* name) const { return folder_ + name; }

  // Whole file contents; empty when it cannot be read.
  std::string ReadBytes(const wchar_t* name) const;
  // Writes the settings file as the program does: UTF-16LE after a byte order mark.
  bool WriteIni(const std::wstring& text) const;

  // What the program's pelgra.ini holds: one value, a number (`missing` when absent),
  // or a whole section as "key=value" lines in order.
  std::optional<std::wstring> Ini(const wchar_t* section, const wchar_t* key) const;
  long long IniInt(const wchar_t* section, const wchar_t* key, long long missing = -1) const;
  std::vector<std::wstring> IniSection(const wchar_t* section) const;

 private:
  std::wstring folder_;
  std::wstring runFolder_;
  bool ok_ = false;
  bool owned_ = true;
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
  // A menu command as the popup menu delivers it. Commands that open a modal
  // dialog must be posted, then the dialog found with WaitForWindow.
  void Command(UINT id) const { Send(WM_COMMAND, id, 0); }
  void PostCommand(UINT id) const { PostMessageW(bar_, WM_COMMAND, id, 0); }

  RECT WindowRect() const;
  // A child of the bar by control id (1 close button, 2 menu button, 5 the strip).
  HWND Child(UINT id, const wchar_t* className = nullptr) const;
  // Child windows of the bar of this class.
  int CountChildren(const wchar_t* className) const;
  // The first window inside the bar, at any depth, of this class (case ignored) and,
  // when given, this caption; null when none.
  HWND Descendant(const wchar_t* className, const wchar_t* text = nullptr) const;
  // A visible top-level window of the program with this title (a dialog, a
  // message box), once it shows; null after the time is up.
  HWND WaitForWindow(const wchar_t* title, DWORD timeoutMs = 10000) const;

  // Real mouse input: a click on the middle of a window, a drag between screen points.
  void ClickOn(HWND window) const;
  // The pointer comes to rest on the middle of a window, arriving from a few pixels off.
  void HoverOn(HWND window) const;
  void DragFromTo(POINT from, POINT to, int steps = 8) const;
  // A bar client point in screen coordinates.
  POINT BarToScreen(POINT client) const;

  // Asks the bar to close (WM_CLOSE) and waits for the process to end.
  bool Close(DWORD timeoutMs = 20000);
  bool WaitForExit(DWORD timeoutMs = 20000);
  // Ends the process the hard way, as a crash or "End task" does: nothing of it runs.
  bool Kill();
  // The process's exit code, or STILL_ACTIVE.
  DWORD ExitCode() const;

 private:
  HWND FindWindowOfProcess(const wchar_t* className, const wchar_t* title) const;

  PROCESS_INFORMATION process_{};
  HWND bar_ = nullptr;
};

}  // namespace e2e
