#include "benchmarks/floor_tree_win.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>

namespace {

// One window of the tree. Depth -1 is a top-level popup of its own, outside the tree
// (the tooltip the bar makes with its first button). A null class is the floor's own, standing in for the
// program's classes (the bar, widgets, the strip, tidgets, GrpBtn, GrpScrl). Styles
// are what the program asks for; the child and visible bits are added to children.
struct Node {
  int depth;
  const wchar_t* windowClass;
  const wchar_t* text;
  DWORD style;
  DWORD exStyle;
  int id;
  int x, y, width, height;
  bool sharedFont;  // the program sends the control its normal font
};

constexpr DWORD kToggle = 0x1;  // GBS_TOGGLE and GSS_HORZ of the program's own controls

// The default set of ten widgets and seven tidgets as the bar lays them out at 96 DPI,
// in creation order (which is also the order of the children).
const Node kTree[] = {
    {0, nullptr, floor_tree::kTitle, WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST, 0, 0, 0, 200, 917, false},
    {1, nullptr, L"", 0, 0, 1, 178, 8, 16, 16, false},  // close button
    {-1, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, WS_EX_TOPMOST, 0, CW_USEDEFAULT,
     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, false},
    {1, nullptr, L"", 0, 0, 2, 158, 8, 16, 16, false},  // menu button
    {1, nullptr, L"", 0, 0, 0, 4, 28, 192, 80, false},    // clock
    {1, nullptr, L"", 0, 0, 0, 4, 113, 192, 100, false},  // CPU
    {1, nullptr, L"", 0, 0, 0, 4, 218, 93, 50, false},    // memory
    {1, nullptr, L"", 0, 0, 0, 102, 218, 94, 50, false},  // battery
    {1, nullptr, L"", 0, 0, 0, 4, 273, 192, 50, false},   // disk
    {1, nullptr, L"", 0, WS_EX_ACCEPTFILES, 0, 4, 328, 192, 150, false},  // music player
    {2, nullptr, L"", 0, 0, 0, 2, 2, 24, 16, false},
    {2, nullptr, L"", 0, 0, 1, 28, 2, 16, 16, false},
    {2, nullptr, L"", 0, 0, 2, 46, 2, 16, 16, false},
    {2, nullptr, L"", 0, 0, 3, 64, 2, 16, 16, false},
    {2, nullptr, L"", kToggle, 0, 12, 90, 2, 16, 16, false},
    {2, nullptr, L"", kToggle, 0, 4, 2, 20, 188, 14, false},  // seek bar
    {2, nullptr, L"", kToggle, 0, 6, 2, 38, 16, 12, false},
    {2, nullptr, L"", kToggle, 0, 7, 18, 38, 16, 12, false},
    {2, nullptr, L"", kToggle, 0, 8, 34, 38, 16, 12, false},
    {2, nullptr, L"", kToggle, 0, 9, 50, 38, 16, 12, false},
    {2, nullptr, L"", 0, 0, 10, 156, 34, 16, 16, false},
    {2, nullptr, L"", 0, 0, 11, 174, 34, 16, 16, false},
    {2, L"LISTBOX", L"", WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 5, 2, 50, 188, 100, true},
    {1, nullptr, L"", 0, 0, 0, 4, 483, 192, 150, false},  // memo
    {2, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 2, 2, 122, 200, true},
    {2, L"BUTTON", L"+", 0, 0, 1, 126, 5, 20, 20, true},
    {2, L"BUTTON", L"-", 0, 0, 2, 148, 5, 20, 20, true},
    {2, L"BUTTON", L"ㅁ", 0, 0, 3, 170, 5, 20, 20, true},
    // Disabled while the memo list is empty.
    {2, L"EDIT", L"", WS_DISABLED | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL, 0, 4, 2, 28, 188, 120,
     true},
    {1, nullptr, L"", WS_CLIPCHILDREN, 0, 0, 4, 638, 192, 50, false},  // calculator
    {2, L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 1, 2, 2, 188, 125, true},
    {2, nullptr, L"", 0, 0, 2, 174, 29, 16, 16, false},
    {1, nullptr, L"", 0, 0, 0, 4, 693, 192, 50, false},  // radix converter
    {2, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 0, 2, 20, 3, 167, 20, true},
    {2, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 0, 10, 20, 28, 76, 20, true},
    {2, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 0, 16, 121, 28, 66, 20, true},
    {1, nullptr, L"", 0, WS_EX_ACCEPTFILES, 0, 4, 748, 192, 100, false},  // image slide show
    {1, nullptr, L"", 0, 0, 5, 4, 853, 192, 60, false},                   // tidget strip
    {2, nullptr, L"", 0, 0, 0, 4, 4, 24, 24, false},
    {2, nullptr, L"", 0, 0, 0, 32, 4, 24, 24, false},
    {2, nullptr, L"", 0, 0, 0, 60, 4, 24, 24, false},
    {2, nullptr, L"", 0, 0, 0, 88, 4, 24, 24, false},
    {2, nullptr, L"", 0, 0, 0, 116, 4, 24, 24, false},
    {2, nullptr, L"", 0, 0, 0, 144, 4, 24, 24, false},
    {2, nullptr, L"", 0, 0, 0, 4, 32, 24, 24, false},
};

constexpr wchar_t kLine[] = L"펠그라";

HFONT normalFont = nullptr;
HFONT smallFont = nullptr;
HFONT largeFont = nullptr;
HFONT tooltipFont = nullptr;
HWND tooltip = nullptr;  // goes with the top window
HBRUSH fill = nullptr;

// As the bar makes its shared fonts.
HFONT SharedFont(int height) {
  return CreateFontW(height, 0, 0, 0, 0, FALSE, FALSE, FALSE, HANGEUL_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS,
                     DRAFT_QUALITY, FF_MODERN | VARIABLE_PITCH, L"맑은 고딕");
}

// As the bar makes its tooltip's font: its family at the system's tooltip height.
HFONT TooltipFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  LOGFONTW face = metrics.lfStatusFont;
  face.lfCharSet = HANGEUL_CHARSET;
  wcscpy_s(face.lfFaceName, L"맑은 고딕");
  return CreateFontIndirectW(&face);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(dc, &client, fill);
      HGDIOBJ previous = SelectObject(dc, normalFont);
      SetBkMode(dc, TRANSPARENT);
      TextOutW(dc, 2, 2, kLine, static_cast<int>(std::size(kLine)) - 1);
      SelectObject(dc, previous);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_DESTROY:
      if (!GetParent(hwnd)) {
        if (tooltip) DestroyWindow(tooltip);
        tooltip = nullptr;
        PostQuitMessage(0);
      }
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

bool RegisterOnce(HINSTANCE instance) {
  static const ATOM atom = [instance] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // The program's class styles.
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = floor_tree::kClassName;
    return RegisterClassExW(&wc);
  }();
  return atom != 0;
}

}  // namespace

namespace floor_tree {

HWND Create(HINSTANCE instance, int left, int top) {
  if (!RegisterOnce(instance)) return nullptr;
  normalFont = SharedFont(15);
  smallFont = SharedFont(12);
  largeFont = SharedFont(28);
  fill = CreateSolidBrush(RGB(0xD6, 0xEA, 0xF8));
  HWND parents[3] = {};
  for (const Node& node : kTree) {
    HWND parent = node.depth > 0 ? parents[node.depth - 1] : nullptr;
    const DWORD style = node.style | (parent ? WS_CHILD | WS_VISIBLE : 0);
    const int x = parent || node.depth < 0 ? node.x : left;
    const int y = parent || node.depth < 0 ? node.y : top;
    if (node.depth < 0) {
      // Its classes are registered on demand, as the bar does.
      INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
      InitCommonControlsEx(&classes);
    }
    HWND window = CreateWindowExW(node.exStyle, node.windowClass ? node.windowClass : kClassName, node.text, style,
                                  x, y, node.width, node.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(node.id)), instance, nullptr);
    if (!window) {
      if (parents[0]) DestroyWindow(parents[0]);
      if (tooltip) DestroyWindow(tooltip);
      tooltip = nullptr;
      return nullptr;
    }
    if (node.sharedFont) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(normalFont), FALSE);
    if (node.depth < 0) {
      tooltip = window;
      tooltipFont = TooltipFont();
      if (tooltipFont) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(tooltipFont), FALSE);
      continue;
    }
    parents[node.depth] = window;
  }
  return parents[0];
}

void Release() {
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(normalFont), static_cast<HGDIOBJ>(smallFont),
                         static_cast<HGDIOBJ>(largeFont), static_cast<HGDIOBJ>(tooltipFont), static_cast<HGDIOBJ>(fill)})
    if (object) DeleteObject(object);
  normalFont = smallFont = largeFont = tooltipFont = nullptr;
  fill = nullptr;
}

}  // namespace floor_tree
