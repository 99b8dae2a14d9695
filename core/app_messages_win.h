// The program's own messages between its windows: one number each, named for what it
// says, handled by the one class written beside it. (Controls keep their own
// WM_USER-based messages, which mean something to their window class only.)
#pragma once

#include <windows.h>

// To the owner of an image viewer (slide show, reference image): a viewer has ended.
inline constexpr UINT kMsgViewerClosed = WM_APP + 1;
// To an image viewer of a list: show list position wParam.
inline constexpr UINT kMsgViewerShowPosition = WM_APP + 2;
// To a memo widget: its memo window has ended (wParam the viewer object, lParam its serial).
inline constexpr UINT kMsgMemoViewerClosed = WM_APP + 3;
// To a memo widget, posted: tell the user about its file (wParam a MemoNotice).
inline constexpr UINT kMsgMemoFileNotice = WM_APP + 4;
// To a calculator, posted by its box on Enter: evaluate what the box holds.
inline constexpr UINT kMsgCalcEvaluate = WM_APP + 5;
// To a calculator (Tab in its box, or its menu): put the last result back into the box.
inline constexpr UINT kMsgCalcReinput = WM_APP + 6;
// To the bar, posted: tell the user about the settings file (wParam a SettingsNotice).
inline constexpr UINT kMsgSettingsNotice = WM_APP + 7;
// To the bar, posted by a later start for the same data folder: draw the user's eye.
inline constexpr UINT kMsgShowBar = WM_APP + 8;
// To the bar, posted by the foreground hook: another window has come to the front.
inline constexpr UINT kMsgForegroundChanged = WM_APP + 9;
// To the bar: the shell's notices to an application desktop toolbar (wParam ABN_*).
inline constexpr UINT kMsgAppBarNotice = WM_APP + 10;
