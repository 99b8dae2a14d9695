#include "core/tooltip_win.h"

#include <commctrl.h>

#include <cwchar>

#include "core/gdi_win.h"
#include "core/window_win.h"

namespace {

constexpr wchar_t kTooltipProperty[] = L"Pelgra.Tooltip";
constexpr UINT_PTR kForgetId = 1;

// A tooltip and the font it shows its text in; both go with the top-level window.
struct Tooltip {
  HWND window = nullptr;
  gdi::Font font;
};

// The system's tooltip font has no Hangul on non-Korean systems and under Wine: the
// bar's family at the height the system gives tooltips, so the text scales with it.
gdi::Font TooltipFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return gdi::Font();
  LOGFONTW face = metrics.lfStatusFont;
  face.lfCharSet = HANGEUL_CHARSET;
  wcscpy_s(face.lfFaceName, L"맑은 고딕");
  return gdi::Font(CreateFontIndirectW(&face));
}

TTTOOLINFOW ToolOf(HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

// A destroyed control's handle may name another window later: its tool goes with it.
LRESULT CALLBACK ForgetTool(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR tip) {
  if (msg == WM_NCDESTROY) {
    TTTOOLINFOW tool = ToolOf(control);
    HWND tooltip = reinterpret_cast<HWND>(tip);
    if (IsWindow(tooltip)) SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    RemoveWindowSubclass(control, ForgetTool, id);
  }
  return DefSubclassProc(control, msg, wParam, lParam);
}

// After every child (and its tool) has gone.
LRESULT CALLBACK ForgetTooltip(HWND root, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
  if (msg == WM_NCDESTROY) {
    auto* tooltip = reinterpret_cast<Tooltip*>(data);
    DestroyWindow(tooltip->window);
    delete tooltip;
    RemovePropW(root, kTooltipProperty);
    RemoveWindowSubclass(root, ForgetTooltip, id);
  }
  return DefSubclassProc(root, msg, wParam, lParam);
}

// No owner: under Wine an owned popup keeps its owner from being made topmost again.
// The tooltip goes with `root` instead. The bar is rarely the active window, so its
// tips show whether or not it is.
HWND MakeTooltip(HWND root) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             appInstance, nullptr);
  if (!tip) return nullptr;
  auto* tooltip = new Tooltip{tip, TooltipFont()};
  if (tooltip->font) SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(tooltip->font.get()), FALSE);
  SetPropW(root, kTooltipProperty, tip);
  SetWindowSubclass(root, ForgetTooltip, kForgetId, reinterpret_cast<DWORD_PTR>(tooltip));
  return tip;
}

}  // namespace

HWND TooltipOf(HWND root) { return static_cast<HWND>(GetPropW(root, kTooltipProperty)); }

void AddTooltip(HWND control, const wchar_t* text) {
  HWND root = GetAncestor(control, GA_ROOT);
  if (!control || !root || root == control) return;
  HWND tip = TooltipOf(root);
  if (!IsWindow(tip)) tip = MakeTooltip(root);
  if (!tip) return;
  TTTOOLINFOW tool = ToolOf(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  if (SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
    SetWindowSubclass(control, ForgetTool, kForgetId, reinterpret_cast<DWORD_PTR>(tip));
}
