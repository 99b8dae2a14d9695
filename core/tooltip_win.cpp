#include "core/tooltip_win.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "core/control_win.h"
#include "core/dpi_win.h"
#include "core/gdi_win.h"
#include "core/instance_win.h"
#include "core/wide_win.h"

namespace {

// A tooltip and the font it shows its text in; both go with the top-level window.
// Its tools' texts are kept by id for a change of language. Tools are handed to the
// tooltip when the first mouse message comes (or someone asks for the tooltip): a
// tip shows only under the pointer, and the two dozen tools of a bar cost its start.
struct Tooltip {
  HWND root = nullptr;
  HWND window = nullptr;
  gdi::Font font;
  std::vector<std::pair<HWND, TextId>> texts;
  std::vector<std::pair<HWND, std::wstring>> pending;
};

// Kept here rather than in window properties or subclasses: under Wine each property
// read is a trip to the server, and a subclassed window pays one for every message.
std::vector<std::unique_ptr<Tooltip>>& Tooltips() {
  static std::vector<std::unique_ptr<Tooltip>> tooltips;
  return tooltips;
}

Tooltip* Find(HWND root) {
  for (const auto& tooltip : Tooltips())
    if (tooltip->root == root) return tooltip.get();
  return nullptr;
}

// The system's tooltip font has no Hangul on non-Korean systems and under Wine: the
// bar's family at the height the system gives tooltips, taken from the desktop's
// scale to the scale of the window the tips are in.
gdi::Font TooltipFont(Scale scale) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return gdi::Font();
  LOGFONTW face = metrics.lfStatusFont;
  face.lfHeight = MulDiv(face.lfHeight, scale.dpi(), DesktopScale().dpi());
  face.lfCharSet = HANGEUL_CHARSET;
  wcscpy_s(face.lfFaceName, L"맑은 고딕");
  return gdi::Font(CreateFontIndirectW(&face));
}

// The mouse messages reach the tooltip through RelayToTooltip, not a subclass.
TTTOOLINFOW ToolOf(HWND control) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

// Every tool has its text kept; only one handed over already is in the tooltip.
void DeleteTool(Tooltip& tooltip, HWND control) {
  if (std::erase_if(tooltip.texts, [control](const auto& text) { return text.first == control; }) == 0) return;
  if (std::erase_if(tooltip.pending, [control](const auto& text) { return text.first == control; }) > 0) return;
  TTTOOLINFOW tool = ToolOf(control);
  SendMessageW(tooltip.window, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void RegisterPending(Tooltip& tooltip) {
  for (auto& [control, text] : tooltip.pending) {
    TTTOOLINFOW tool = ToolOf(control);
    tool.lpszText = text.data();
    SendMessageW(tooltip.window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tooltip.pending.clear();
}

// No owner: under Wine an owned popup keeps its owner from being made topmost again.
// The tooltip goes with `root` instead (ForgetTools). The bar is rarely the active
// window, so its tips show whether or not it is.
Tooltip* MakeTooltip(HWND root, Scale scale) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             appInstance, nullptr);
  if (!tip) return nullptr;
  auto tooltip = std::make_unique<Tooltip>(Tooltip{root, tip, TooltipFont(scale), {}, {}});
  if (tooltip->font) SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(tooltip->font.get()), FALSE);
  return Tooltips().emplace_back(std::move(tooltip)).get();
}

// Naming a control again is a trip to the system (and a message) for nothing.
void NameOnce(HWND control, const wchar_t* name) {
  wchar_t now[64];
  const int length = GetWindowTextW(control, now, static_cast<int>(std::size(now)));
  if (length + 1 < static_cast<int>(std::size(now)) && std::wcscmp(now, name) == 0) return;
  SetWindowTextW(control, name);
}

}  // namespace

void RescaleTooltip(HWND root, Scale scale) {
  Tooltip* tooltip = Find(root);
  if (!tooltip) return;
  gdi::Font font = TooltipFont(scale);
  if (!font) return;
  SendMessageW(tooltip->window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  tooltip->font = std::move(font);
}

HWND TooltipOf(HWND root) {
  Tooltip* tooltip = Find(root);
  if (!tooltip) return nullptr;
  RegisterPending(*tooltip);
  return tooltip->window;
}

const wchar_t* TooltipText(TextId text, const TextTable& texts) { return AsWide(texts[text].c_str()); }

void AddTooltip(HWND control, TextId text, const TextTable& texts, Scale scale) {
  HWND root = GetAncestor(control, GA_ROOT);
  if (!control || !root || root == control) return;
  NameOnce(control, AsWide(texts[text].c_str()));
  Tooltip* tooltip = Find(root);
  if (!tooltip || !IsWindow(tooltip->window)) {
    ForgetTools(root);
    tooltip = MakeTooltip(root, scale);
  }
  if (!tooltip) return;
  // A handle value the system gave an earlier, destroyed control names this one now.
  DeleteTool(*tooltip, control);
  tooltip->pending.emplace_back(control, AsWide(texts[text].c_str()));
  tooltip->texts.emplace_back(control, text);
}

HWND CreateTippedControl(HWND parent, const wchar_t* windowClass, DWORD style, int id, const Rect& place, TextId tip,
                         const TextTable& texts, Scale scale) {
  HWND control = CreateControl(parent, windowClass, style, id, place, TooltipText(tip, texts));
  AddTooltip(control, tip, texts, scale);
  return control;
}

void RetextTooltips(const TextTable& texts) {
  for (const auto& tooltip : Tooltips()) {
    RegisterPending(*tooltip);
    for (const auto& [control, text] : tooltip->texts) {
      SetWindowTextW(control, AsWide(texts[text].c_str()));
      TTTOOLINFOW tool = ToolOf(control);
      tool.lpszText = const_cast<wchar_t*>(AsWide(texts[text].c_str()));
      SendMessageW(tooltip->window, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

void ForgetTools(HWND window) {
  auto& tooltips = Tooltips();
  if (tooltips.empty() || !window) return;
  // A top-level window takes its tooltip along, as does one already gone unnoticed.
  std::erase_if(tooltips, [window](const std::unique_ptr<Tooltip>& tooltip) {
    const bool goes = tooltip->root == window || !IsWindow(tooltip->root);
    if (goes && IsWindow(tooltip->window)) DestroyWindow(tooltip->window);
    return goes;
  });
  Tooltip* tooltip = Find(GetAncestor(window, GA_ROOT));
  if (!tooltip) return;
  std::vector<HWND> gone;
  for (const auto& [control, text] : tooltip->texts)
    if (control == window || IsChild(window, control)) gone.push_back(control);
  for (HWND control : gone) DeleteTool(*tooltip, control);
}

void RelayToTooltip(const MSG& msg) {
  if (msg.message < WM_MOUSEFIRST || msg.message > WM_MOUSELAST || Tooltips().empty()) return;
  if (Tooltip* tooltip = Find(GetAncestor(msg.hwnd, GA_ROOT))) {
    RegisterPending(*tooltip);
    SendMessageW(tooltip->window, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }
}
