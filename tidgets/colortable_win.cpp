#include "tidgets/colortable_win.h"

#include <windowsx.h>

#include <cstring>
#include <string>
#include <utility>

#include "core/control_win.h"
#include "core/clipboard_win.h"
#include "core/colors.h"
#include "core/fonts_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "core/write_later_win.h"
#include "res/resource.h"
#include "widgets/base/placement_win.h"

namespace {

constexpr int kButtonCount = 4;
constexpr int kMaxButtonText = 128;
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kSelectedCell = RGB(0, 0, 255);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);

const StoredPlacement kDefaultPlacement{{10, 10, 1500, 1024}, 1, false};

constexpr int kFontHeight = 15;
constexpr int kSmallFontHeight = 12;

HWND MakeChild(HWND parent, const wchar_t* windowClass, DWORD style, int id, Rect at, HFONT font) {
  HWND child = CreateControl(parent, windowClass, style, id, at);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}


void Box(HDC dc, Rect at, COLORREF fill) {
  SetDCBrushColor(dc, fill);
  Rectangle(dc, at.left, at.top, at.right, at.bottom);
}

void Text(HDC dc, int x, int y, std::u16string_view text) {
  TextOutW(dc, x, y, AsWide(text.data()), static_cast<int>(text.size()));
}

}  // namespace

CColorTable::CColorTable(DgetHost& host, const wchar_t* caption, const wchar_t* name)
    : CIconTidget(host, caption, name, IDB_COLORTABLE) {}

void CColorTable::Activate() { CColorTableApp::Open(Settings(), host.Texts()); }

CColorTableApp::CColorTableApp(CSettings& settings, const TextTable& texts) : settings_(settings), texts_(texts) {
  bgBrush = gdi::SolidBrush(kBackground);
}

CColorTableApp* CColorTableApp::Open(CSettings& settings, const TextTable& texts) {
  auto* app = new CColorTableApp(settings, texts);
  HWND window = CreateWindowExW(0, kWindowClassName, WideText(texts, TextId::ColorTableTitle),
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 0, 0, nullptr, nullptr, appInstance, app);
  if (!window) {
    delete app;
    return nullptr;
  }
  // From here the window owns the object (not before: a failed creation leaves it ours).
  app->deleteWithWindow = true;
  ApplyPlacement(window, ReadPlacement(app->settings_, kColorTableSection, kDefaultPlacement, false), app->scale);
  app->placed_ = true;
  return app;
}

CColorTableApp::~CColorTableApp() { write_later::Forget(this); }

LRESULT CColorTableApp::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if ((msg == WM_MOVE || msg == WM_SIZE) && placed_) write_later::Changed(this, [this] { WritePlacementNow(); });
  return CWindow::WindowProc(msg, wParam, lParam);
}

void CColorTableApp::WritePlacementNow() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (hwnd && GetWindowPlacement(hwnd, &placement)) WritePlacement(settings_, kColorTableSection, placement, false, false, scale);
}

LRESULT CColorTableApp::OnCreate(WPARAM, LPARAM) {
  MakeFonts();
  const ColorPanel panel = ColorPanelOf(scale);
  listBox = MakeChild(hwnd, L"listbox", WS_BORDER | LBS_NOTIFY, kListBoxId, panel.listBox, textFont);
  FillLists();
  SendMessageW(listBox, LB_SETCURSEL, 0, 0);
  for (int i = 0; i < kButtonCount; ++i)
    buttons[i] = MakeChild(hwnd, L"button", BS_PUSHBUTTON, kFirstButtonId + i, panel.buttons[i], textFont);
  table.BuildList(kNamedByHue);
  LayoutToClient();
  Select(0);
  return 0;
}

LRESULT CColorTableApp::OnDestroy(WPARAM, LPARAM) {
  placed_ = false;
  write_later::Forget(this);
  WritePlacementNow();
  return 0;
}

void CColorTableApp::FillLists() {
  SendMessageW(listBox, LB_RESETCONTENT, 0, 0);
  for (TextId name : kColorListNames) SendMessageW(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(texts_, name)));
}

void CColorTableApp::TextsChanged() {
  SetWindowTextW(hwnd, WideText(texts_, TextId::ColorTableTitle));
  const LRESULT shown = SendMessageW(listBox, LB_GETCURSEL, 0, 0);
  FillLists();
  SendMessageW(listBox, LB_SETCURSEL, static_cast<WPARAM>(shown), 0);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void CColorTableApp::MakeFonts() {
  textFont = SharedFamilyFont(scale.Px(kFontHeight));
  smallTextFont = SharedFamilyFont(scale.Px(kSmallFontHeight));
}

void CColorTableApp::SetScale(Scale newScale) {
  CWindow::SetScale(newScale);
  // The controls let go of the old font before it is deleted.
  gdi::Font oldFont = std::move(textFont);
  MakeFonts();
  const ColorPanel panel = ColorPanelOf(scale);
  SendMessageW(listBox, WM_SETFONT, reinterpret_cast<WPARAM>(textFont.get()), TRUE);
  MoveControl(listBox, panel.listBox);
  for (int i = 0; i < kButtonCount; ++i) {
    SendMessageW(buttons[i], WM_SETFONT, reinterpret_cast<WPARAM>(textFont.get()), TRUE);
    MoveControl(buttons[i], panel.buttons[i]);
  }
  LayoutToClient();
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CColorTableApp::OnSize(WPARAM wParam, LPARAM lParam) {
  CWindow::OnSize(wParam, lParam);
  LayoutToClient();
  return 0;
}

LRESULT CColorTableApp::OnCommand(WPARAM wParam, LPARAM) {
  const int id = LOWORD(wParam);
  if (id == kListBoxId && HIWORD(wParam) == LBN_SELCHANGE) {
    // Only the grid changes; the buttons keep the colour chosen before.
    table.BuildList(static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)));
    LayoutToClient();
    InvalidateRect(hwnd, nullptr, TRUE);
  } else if (id >= kFirstButtonId && id < kFirstButtonId + kButtonCount) {
    CopyButtonText(id);
  }
  return 0;
}

LRESULT CColorTableApp::OnLButtonDown(WPARAM, LPARAM lParam) {
  const int index = table.IndexAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  if (index >= 0) Select(index);
  return 0;
}

void CColorTableApp::Select(int index) {
  if (index < 0 || index >= table.count) return;
  table.Select(index);
  const ColorEntry& entry = table.entries[index];
  const std::u16string texts[kButtonCount] = {entry.name, RgbText(entry.rgb), HexText(entry.rgb),
                                              HashText(entry.rgb)};
  for (int i = 0; i < kButtonCount; ++i) SetWindowTextW(buttons[i], AsWide(texts[i].c_str()));
  InvalidateRect(hwnd, nullptr, TRUE);
}

void CColorTableApp::LayoutToClient() {
  RECT client{};
  GetClientRect(hwnd, &client);
  table.Layout(client.right, client.bottom, scale);
}

void CColorTableApp::CopyButtonText(int id) const {
  wchar_t text[kMaxButtonText + 1] = {};
  const int length = GetWindowTextW(GetDlgItem(hwnd, id), text, kMaxButtonText + 1);
  CopyUnicodeText(hwnd, text, length);
}

void CColorTableApp::Draw(HDC dc, RECT) {
  if (table.count == 0) return;
  const ColorPanel panel = ColorPanelOf(scale);
  gdi::Selection brush(dc, GetStockObject(DC_BRUSH));
  Box(dc, panel.selectedBox, RgbToColorRef(table.entries[table.selected].rgb));
  Box(dc, panel.previousBox, RgbToColorRef(table.entries[table.previous].rgb));
  SetBkMode(dc, TRANSPARENT);
  gdi::Selection captionFont(dc, textFont);
  SetTextColor(dc, kText);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  const std::u16string& caption = texts_[TextId::ColorTableCopy];
  TextOutW(dc, panel.caption.x, panel.caption.y, AsWide(caption.c_str()), static_cast<int>(caption.size()));
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  gdi::Selection swatchFont(dc, table.NarrowCells(scale) ? smallTextFont : textFont);
  for (int i = 0; i < table.count; ++i) DrawSwatch(dc, i);
}

void CColorTableApp::DrawSwatch(HDC dc, int index) const {
  const Rect cell = table.Cell(index);
  const ColorEntry& entry = table.entries[index];
  const bool isSelected = index == table.selected;
  if (isSelected) Box(dc, cell, kSelectedCell);
  SetTextColor(dc, isSelected ? kSelectedText : kText);
  const SwatchParts parts = SwatchPartsOf(cell, table.showNames, scale);
  if (table.showNames) Text(dc, parts.name.x, parts.name.y, entry.name);
  Box(dc, parts.box, RgbToColorRef(entry.rgb));
  Text(dc, parts.label.x, parts.label.y, SwatchLabel(entry.rgb));
}
