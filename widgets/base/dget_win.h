// The bases of the bar's panels (widgets) and icon buttons (tidgets): every one is
// made from its catalogue caption and its unique instance name, and keeps its own
// options in the settings section named after that instance name.
#pragma once

#include <optional>
#include <string>

#include "core/geometry.h"
#include "core/text.h"
#include "core/texts.h"
#include "core/window_win.h"
#include "widgets/base/heartbeat.h"
#include "widgets/base/popup_win.h"

class CSettings;
struct BarSettings;

// What a widget or tidget asks of the bar that holds it. The bar implements it; tests
// stand in for it.
class DgetHost {
 public:
  // The store every instance keeps its section in.
  virtual CSettings& Settings() = 0;
  // The bar's window (null while there is none) and its options.
  virtual HWND BarWindow() const = 0;
  virtual const BarSettings& BarOptions() const = 0;
  // The one settings popup of the program.
  virtual OpenPopup& Popup() = 0;
  // The executable's path in the data folder: the files an instance writes are named after it.
  virtual const std::wstring& DataProgramPath() const = 0;
  // The texts of the language the bar speaks; the same object for the bar's life, its
  // contents changed with the language (then every widget and tool window is told).
  virtual const TextTable& Texts() const = 0;
  // The bar's once-a-second clock, which ticks the widgets whose periods are whole seconds.
  virtual Heartbeat& Beats() = 0;

 protected:
  ~DgetHost() = default;
};

class CDget : public CWindow {
 public:
  CDget(DgetHost& host, const wchar_t* caption, const wchar_t* name);
  // Takes its settings popup along if that is still open.
  ~CDget() override;

  DgetHost& host;
  NameField caption = {};
  NameField instanceName = {};

  // instanceName as the settings section.
  const wchar_t* Section() const;
  // The store of that section.
  CSettings& Settings() const { return host.Settings(); }
  // Puts a popup or tool window beside the bar, lined up with `offset` along it.
  void PlaceBesideBar(HWND window, Point offset) const;
};

// A widget's periodic readings come from the bar's heartbeat as calls of OnTimer with
// the widget's own timer id, as its timer would deliver them.
class CWidget : public CDget, public BeatListener {
 public:
  using CDget::CDget;
  ~CWidget() override;

  void OnBeat(unsigned id) override { OnTimer(id, 0); }
  // OnTimer(id) every `seconds` from now on (again: from now on with the new period).
  void TickEvery(UINT_PTR id, int seconds);
  void StopTicking();

  // Whether the bar shows this widget: false while its row is scrolled out of view
  // or it is hidden. The bar repaints every widget it places, so one coming back
  // into view shows what changed meanwhile.
  bool InView() const { return inView_; }
  void SetInView(bool inView) { inView_ = inView; }
  // What the widget shows has changed: repainted at once when anyone can see it. A widget
  // out of view, or on a bar not yet shown, keeps its values and paints nothing.
  void ShowChanged(const RECT* part = nullptr);

 private:
  bool inView_ = true;
};

// The client size a widget's controls stand placed for. A widget made at its size makes
// its controls where its layout puts them, so the WM_SIZE of its creation moves none.
class PlacedSize {
 public:
  // Remembers a size to place for; false for an empty one and for the size placed for.
  bool Take(int width, int height) {
    if (width <= 0 || height <= 0 || (width == width_ && height == height_)) return false;
    width_ = width;
    height_ = height;
    return true;
  }
  bool Take(LPARAM sizeParam) { return Take(LOWORD(sizeParam), HIWORD(sizeParam)); }
  // At creation: the client size the window was made at, when there is one to place for.
  std::optional<SIZE> TakeClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    if (!Take(client.right, client.bottom)) return std::nullopt;
    return SIZE{client.right, client.bottom};
  }

 private:
  int width_ = 0;
  int height_ = 0;
};

// A tidget acts on a click: press, then release inside the button while it still
// holds the capture. No pressed look, no repeat.
class CTidget : public CDget {
 public:
  using CDget::CDget;

  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
  virtual void Activate() = 0;
};

// Copies a face bitmap to (0, 0) in its own size; the rest keeps the background.
void DrawFaceBitmap(HDC dc, HBITMAP face);

// The tidgets whose face is one bitmap resource, loaded in OnCreate (drawn for the
// tidget's scale, and again when that changes) and freed in OnDestroy.
class CIconTidget : public CTidget {
 public:
  CIconTidget(DgetHost& host, const wchar_t* caption, const wchar_t* name, int iconResource);

  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  void Draw(HDC dc, RECT client) override;
  void SetScale(Scale newScale) override;

  gdi::Bitmap icon;

 private:
  int iconResource_;
};
