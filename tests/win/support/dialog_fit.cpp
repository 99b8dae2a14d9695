#include "support/dialog_fit.h"

#include <windows.h>

#include <string_view>

#include "app/select_dialogs.h"
#include "core/gdi_win.h"
#include "core/records.h"
#include "core/texts_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"

namespace test_support {
namespace {

// A text the program puts into a control: set as its text, or added as an item of a
// list or drop-down.
struct Sample {
  int dialog;
  int control;
  std::u16string text;
};

std::vector<Sample> Samples(const TextTable& texts) {
  std::vector<Sample> samples = {
      {IDD_PREFERENCES, IDC_PREF_BD_COLOR_MSG, texts[TextId::PrefsColor]},
      {IDD_PREFERENCES, IDC_PREF_MIN_THICK_MSG, texts[TextId::PrefsMinAboveMax]},
      {IDD_PREFERENCES, IDC_PREF_MAX_THICK_MSG, texts.Format(TextId::PrefsRange, {u"1", u"4000"})},
      {IDD_PREFERENCES, IDC_PREF_LANGUAGE, texts[TextId::LanguageKorean]},
      {IDD_PREFERENCES, IDC_PREF_LANGUAGE, texts[TextId::LanguageSystem]},
      {IDD_CLOCK, IDC_CLOCK_FACE, texts[TextId::ClockFaceAnalogue]},
      {IDD_CLOCK, IDC_CLOCK_STARTUP, texts.Format(TextId::ClockStartup, {u"12", u"31", u"23", u"59", u"999", u"23", u"59"})},
      {IDD_MOVECURSOR, IDC_MOVECURSOR_COUNT, texts.Format(TextId::MoveCursorCount, {u"9999"})},
      {IDD_MEMO_PROPS, IDC_MEMO_FONTS, texts[TextId::MemoFontMalgun]},
  };
  for (const CatalogueEntry& row : Catalogue()) {
    const bool widget = row.isWidget;
    const std::u16string instance = std::u16string(FieldView(row.kind)) + (row.multi ? u"_10" : u"");
    samples.push_back({widget ? IDD_SELECT_WIDGETS : IDD_SELECT_TIDGETS, widget ? IDC_WSEL_AVAILABLE : IDC_TSEL_AVAILABLE,
                       AvailableEntryText(row, texts)});
    samples.push_back({widget ? IDD_SELECT_WIDGETS : IDD_SELECT_TIDGETS, widget ? IDC_WSEL_IN_USE : IDC_TSEL_IN_USE,
                       InUseEntryText(texts[row.name], instance)});
  }
  return samples;
}

constexpr int kDialogs[] = {IDD_PREFERENCES, IDD_SELECT_WIDGETS, IDD_SELECT_TIDGETS, IDD_CLOCK,     IDD_CPUUSAGE,
                            IDD_DISKUSAGE,   IDD_IMAGESLIDE,     IDD_MOVECURSOR,     IDD_MEMO_PROPS};

INT_PTR CALLBACK QuietDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

std::wstring ClassOf(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

void Put(HWND control, const std::u16string& text) {
  const std::wstring kind = ClassOf(control);
  const auto item = reinterpret_cast<LPARAM>(AsWide(text.c_str()));
  if (kind == L"ListBox")
    SendMessageW(control, LB_ADDSTRING, 0, item);
  else if (kind == L"ComboBox")
    SendMessageW(control, CB_ADDSTRING, 0, item);
  else
    SetWindowTextW(control, AsWide(text.c_str()));
}

// Room a text has inside its control, in the control's pixels; 0 for controls that do
// not show their window text as a label.
int Room(HWND control, int dpi) {
  RECT client{};
  GetClientRect(control, &client);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::wstring kind = ClassOf(control);
  const int px = MulDiv(1, dpi, 96);
  if (kind == L"Static") return client.right;
  if (kind != L"Button") return 0;
  switch (style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX:
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON: return client.right - MulDiv(16, dpi, 96);  // the box and the gap after it
    case BS_GROUPBOX: return client.right - 16 * px;
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return client.right - 4 * px;
    default: return 0;
  }
}

std::wstring Text(HWND control) { return TextOf(control); }

class Checker {
 public:
  Checker(HWND dialog, int id) : dialog_(dialog), id_(id), dc_(dialog), dpi_(GetDeviceCaps(dc_, LOGPIXELSY)) {}

  void Check(std::vector<std::wstring>& problems) {
    RECT own{};
    GetClientRect(dialog_, &own);
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT at{};
      GetWindowRect(child, &at);
      MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&at), 2);
      if (at.right > own.right || at.bottom > own.bottom) Report(problems, child, L"outside the dialog");
      CheckLabel(child, problems);
      CheckItems(child, problems);
    }
  }

 private:
  SIZE Extent(HWND control, const std::wstring& text) {
    gdi::Selection font(dc_, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }

  void CheckLabel(HWND control, std::vector<std::wstring>& problems) {
    const std::wstring text = Text(control);
    const int room = Room(control, dpi_);
    if (text.empty() || room <= 0) return;
    const SIZE size = Extent(control, text);
    RECT client{};
    GetClientRect(control, &client);
    if (ClassOf(control) == L"Static" && client.bottom >= 2 * size.cy) {
      // A text of several lines: broken at words within the control's width.
      gdi::Selection font(dc_, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      RECT wrapped{0, 0, client.right, 0};
      DrawTextW(dc_, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK);
      if (wrapped.bottom > client.bottom || wrapped.right > client.right) Report(problems, control, text);
    } else if (size.cx > room) {
      Report(problems, control, text);
    }
  }

  void CheckItems(HWND control, std::vector<std::wstring>& problems) {
    const std::wstring kind = ClassOf(control);
    const bool list = kind == L"ListBox";
    if (!list && kind != L"ComboBox") return;
    if (!list && (GetWindowLongW(control, GWL_STYLE) & CBS_OWNERDRAWFIXED)) return;
    RECT client{};
    GetClientRect(control, &client);
    const int room = client.right - GetSystemMetrics(SM_CXVSCROLL) - MulDiv(4, dpi_, 96);
    const auto count = static_cast<int>(SendMessageW(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t item[256] = {};
      SendMessageW(control, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
      if (Extent(control, item).cx > room) Report(problems, control, item);
    }
  }

  void Report(std::vector<std::wstring>& problems, HWND control, const std::wstring& what) const {
    problems.push_back(L"dialog " + std::to_wstring(id_) + L", control " + std::to_wstring(GetDlgCtrlID(control)) +
                       L": " + what);
  }

  HWND dialog_;
  int id_;
  gdi::WindowDC dc_;
  int dpi_;
};

}  // namespace

std::vector<std::wstring> CutOffDialogTexts(Language language) {
  const TextTable texts = LoadTexts(language);
  const std::vector<Sample> samples = Samples(texts);
  HostWindow owner(0, 0, 100, 100);
  std::vector<std::wstring> problems;
  for (int id : kDialogs) {
    HWND dialog = CreateDialogIn(language, id, owner.hwnd(), QuietDialog, 0);
    if (!dialog) {
      problems.push_back(L"dialog " + std::to_wstring(id) + L" missing");
      continue;
    }
    for (const Sample& sample : samples)
      if (sample.dialog == id) Put(GetDlgItem(dialog, sample.control), sample.text);
    Checker(dialog, id).Check(problems);
    DestroyWindow(dialog);
  }
  return problems;
}

}  // namespace test_support
