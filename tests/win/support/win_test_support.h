// Shared helpers of the Wine tests: pumping messages, reading pixels back, mouse
// messages, dialogs and message boxes answered from inside their own modal loops,
// temporary settings files and stand-in top-level windows.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/settings_win.h"
#include "core/window_win.h"

namespace test_support {

// Dispatches every queued message of this thread.
void PumpMessages();
// Pumps, waiting for input rather than sleeping, until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
void PumpFor(DWORD ms);

// Pixel of a bitmap (selected into a scratch DC for the read), or CLR_INVALID.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
SIZE BitmapSize(HBITMAP bitmap);

// Pixel of a window's client area as it is shown.
COLORREF WindowPixel(HWND hwnd, int x, int y);

// Pixels read whole at once (one GetPixel per pixel is slow under Wine).
class Snapshot {
 public:
  static Snapshot OfBitmap(HBITMAP bitmap);
  // The client area as shown on the screen.
  static Snapshot OfWindow(HWND hwnd);
  // A CWindow repainted now, read from its own back buffer.
  static Snapshot Repainted(CWindow& window);

  int width() const { return width_; }
  int height() const { return height_; }
  // CLR_INVALID outside.
  COLORREF At(int x, int y) const;
  // Pixels of [left, right) × [top, bottom) that match.
  int Count(RECT area, const std::function<bool(COLORREF)>& match) const;
  int CountNot(RECT area, COLORREF background) const;

 private:
  std::vector<DWORD> pixels_;
  int width_ = 0;
  int height_ = 0;
};

struct Pixel {
  int x;
  int y;
  COLORREF color;
};
// Expects every listed pixel in the snapshot (failures name the point).
void ExpectPixels(const Snapshot& shot, std::initializer_list<Pixel> pixels);

// Mouse messages in client coordinates; At gives the signed 16-bit lParam.
LPARAM At(int x, int y);
LRESULT MouseDown(HWND window, int x, int y);
LRESULT MouseMove(HWND window, int x, int y, WPARAM keys = MK_LBUTTON);
LRESULT MouseUp(HWND window, int x, int y);

std::wstring TextOf(HWND window);
// A visible dialog or message box (#32770) of this thread: by title, by owner, or both.
HWND FindDialog(const wchar_t* title, HWND owner = nullptr);
int CountDialogs();

// Calls `start`, which runs a modal loop; inside it `poll` is called every 20 ms until
// it answers true. Answers whether it did.
bool WhileModal(const std::function<void()>& start, const std::function<bool()>& poll);

// A dialog or message box met inside a modal loop and answered.
struct Answered {
  bool seen = false;
  std::wstring caption;
  std::wstring text;  // a message box's text
};
// Calls `start`; the first dialog owned by `owner` that shows is read and sent `answer`.
Answered AnswerModal(HWND owner, int answer, const std::function<void()>& start);

// A whole file's bytes; empty when it cannot be read.
std::string FileBytes(const std::wstring& path);

// An empty folder under the temporary directory, removed with its files at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::wstring Path(const wchar_t* name) const { return folder_ + L"\\" + name; }

 private:
  std::wstring folder_;
};

// A fresh pelgra.ini in a folder of its own for as long as this lives, and a settings
// store of it for the objects under test.
class IniSandbox {
 public:
  IniSandbox();
  const std::wstring& path() const { return path_; }
  int Int(const wchar_t* section, const wchar_t* key, int missing = -99) const;
  std::wstring String(const wchar_t* section, const wchar_t* key) const;  // "<missing>" when absent
  bool HasSection(const wchar_t* section) const;
  bool Exists() const;
  void Write(const wchar_t* section, const wchar_t* key, const wchar_t* value) const;
  // A file beside the .ini.
  std::wstring Beside(const wchar_t* name) const { return folder_.Path(name); }

 private:
  TempFolder folder_;
  std::wstring path_;

 public:
  CSettings settings;
};

// A plain visible top-level CWindow, e.g. standing in for the bar.
class HostWindow {
 public:
  HostWindow(int x, int y, int width, int height);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND hwnd() const { return object_.hwnd; }

 private:
  CWindow object_;
};

}  // namespace test_support
