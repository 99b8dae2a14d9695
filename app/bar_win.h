// The bar: the one top-level window of the program. It owns the caption band with
// the close and menu buttons, the widget and tidget records with their objects, the
// tidget strip, the splitters between the widgets, the popup menu, its options and
// the settings store, and writes section "main" when it goes. Its dialogs reach it as
// a BarHost, its widgets and tidgets as a DgetHost.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "app/bar_host_win.h"
#include "app/bar_state.h"
#include "app/screen_sharing_win.h"
#include "app/layout.h"
#include "app/tray_win.h"
#include "core/bar_settings.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "core/texts_win.h"
#include "core/window_win.h"
#include "widgets/base/dget_win.h"

class CMainWindow : public CWindow, public BarHost, public DgetHost, public SettingsWriteWatcher {
 public:
  CMainWindow() { settings.watcher = this; }
  // Deletes the widget and tidget objects; their windows are gone with the bar's.
  ~CMainWindow() override;

  // Section "main" from `settings` (whose paths are filled): the options, the lists
  // (or the default set of a first run), the placement and the texts of the language.
  void Load();
  // Makes the bar from its options and lists; OnCreate makes every child and lays them
  // out. Returns the window, or null.
  HWND CreateBar();
  // The program's icon (task switcher, task bar) is given half a second after the bar
  // is shown, when the start has settled: nothing in the bar shows it, and loading it
  // costs a millisecond, which a timer of 0 ms still spent before the first idle moment.
  void GiveIconWhenSettled();

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSize(WPARAM wParam, LPARAM lParam) override;
  // The program's icon, given once the start has settled.
  LRESULT OnTimer(WPARAM wParam, LPARAM lParam) override;
  // One beat of the heartbeat, from the message loop once a second: the widgets that
  // tick in whole seconds, and a look at the window in front.
  void Beat();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam) override;
  // A new monitor scale: the suggested position, the shared fonts, every child at the
  // new scale and one layout pass, whose size is the bar's new size.
  LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam) override;
  void SetScale(Scale newScale) override;

  // The layout pass: every child's place and the bar's size from the records and the
  // options, the bar's length kept inside its monitor's work area. Nothing while the
  // bar has no window.
  void LayoutBar();
  // Lays the bar out again when the work area along it is not the one the last pass
  // fitted it to (the bar moved to another monitor, the screen changed).
  void RefitIfRoomChanged();
  // What the layout pass gives the bar as it is now, without applying it.
  BarLayout CurrentLayout() const;

  // Section "main" as the flags ask: at the bar's end and once changes pause.
  void SaveBarChanges();
  // What section "main" keeps has changed: it is written once changes pause.
  void SaveBarLater();
  // Deletes the widget and tidget objects of the records once their windows are gone.
  void ReleaseRecordObjects();

  // BarHost
  HWND BarWindow() const override { return hwnd; }
  Scale BarScale() const override { return scale; }
  CSettings& Settings() override { return settings; }
  const BarSettings& Options() const override { return barSettings; }
  const TextTable& Texts() const override { return texts; }
  void ApplyOptions(const BarSettings& next) override;
  RecordList<WidgetInfo>& Widgets() override { return widgetList; }
  RecordList<TidgetInfo>& Tidgets() override { return tidgetList; }
  void MakeWidgetWindow(int index) override;
  void MakeTidgetWindow(int index) override;
  void Relayout() override { LayoutBar(); }
  void MarkListsChanged() override;
  std::array<COLORREF, 16>& CustomColors() override { return customColors; }

  // DgetHost
  const BarSettings& BarOptions() const override { return barSettings; }
  OpenPopup& Popup() override { return popup; }
  const std::wstring& DataProgramPath() const override { return dataProgramPath; }
  Heartbeat& Beats() override { return heartbeat; }

  // SettingsWriteWatcher: told over the bar from the loop, or at once while it ends.
  void SettingsNotWritten() override;

  // The store of section "main" and of every instance's section.
  CSettings settings;
  // The executable's path in the data folder, after which the widgets' files are named.
  std::wstring dataProgramPath;
  BarSettings barSettings;
  // The texts of the language barSettings.language means; Korean until Load.
  TextTable texts = LoadTexts(Language::Korean);
  BarState barState;
  RecordList<WidgetInfo> widgetList;
  RecordList<TidgetInfo> tidgetList;
  CTrayWindow trayWindow;
  // The one settings popup of the program (its `activeDialog` gets the keyboard first).
  OpenPopup popup;
  std::array<COLORREF, 16> customColors{};
  // Ticks every widget whose period is whole seconds, once a second.
  Heartbeat heartbeat;
  // Stepping back behind full-screen programs, and the screen edge the bar holds.
  ScreenSharing screen;

  HWND closeButton = nullptr;
  HWND menuButton = nullptr;
  HWND scrollBack = nullptr;
  HWND scrollOn = nullptr;
  // Record index of the widget whose splitter is being dragged, -1 when none.
  int dragIndex = -1;

 private:
  LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetMinMaxInfo(LPARAM lParam);
  LRESULT OnWindowPosChanging(LPARAM lParam);
  LRESULT OnEndSession(WPARAM wParam);
  // A later start for this data folder wants the user to see this bar.
  void ShowToUser();
  void CreateChildren(const BarLayout& plan);
  BarLayout PlannedLayout() const;
  BarFit CurrentFit() const;
  void KeepLayout(const BarLayout& layout, const BarFit& fit);
  // The arrow buttons of a scrolling widget area: made while it scrolls, each shown
  // while there is more to see its way, gone when everything fits again.
  void PlaceScrollArrows(const BarLayout& layout);
  void ShowPopupMenu();
  void ToggleTopmost();
  void ToggleDirection();
  void ScrollRows(int step);
  void RunSelection(UINT command);
  void ShowNotice(const std::u16string& text);
  // Loads the texts of the language the options mean, when they are not those yet, and
  // tells every window that shows texts.
  void UseLanguage();
  void MarkPlacementChanged();
  void KeepWidgetsWithinLimits();
  // Splitter under a client point: the record index of its leader, or -1.
  int SplitterUnder(POINT client) const;

  HCURSOR SplitCursor();
  HCURSOR splitCursorLeftRight = nullptr;
  HCURSOR splitCursorUpDown = nullptr;
  // Fitting moves the bar; where monitors overlap oddly that move must not start another.
  bool refitting_ = false;
  // From the bar's WM_DESTROY to its WM_NCDESTROY, which comes after every child has
  // gone: what the bar and its widgets write as they end reaches the file as one write.
  std::optional<CSettings::WriteBatch> endingWrites_;
  // From WM_DESTROY on, a notice posted to the bar would never be seen.
  bool ending_ = false;
};
