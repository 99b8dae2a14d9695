#include "support/dialog_fit.h"

#include <windows.h>

#include "app/select_dialogs.h"
#include "core/gdi_win.h"
#include "core/records.h"
#include "core/texts_win.h"
#include "res/resource.h"
#include "support/win_test_support.h"

namespace test_support {
namespace {

// A text the program puts into a control: its text, or an entry of a list or drop-down.
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
      {IDD_PREFERENCES, IDC_PREF_LANGUAGE, texts[TextId::LanguageSystem]},
      {IDD_CLOCK, IDC_CLOCK_FACE, texts[TextId::ClockFaceAnalogue]},
      {IDD_CLOCK, IDC_CLOCK_STARTUP, texts.Format(TextId::ClockStartup, {u"12", u"31", u"23", u"59", u"999", u"23", u"59"})},
      {IDD_MOVECURSOR, IDC_MOVECURSOR_COUNT, texts.Format(TextId::MoveCursorCount, {u"9999"})},
      {IDD_MEMO_PROPS, IDC_MEMO_FONTS, texts[TextId::MemoFontMalgun]},
  };
  for (const CatalogueEntry& row : Catalogue()) {
    const int dialog = row.isWidget ? IDD_SELECT_WIDGETS : IDD_SELECT_TIDGETS;
    const std::u16string instance = std::u16string(FieldView(row.kind)) + (row.multi ? u"_10" : u"");
    samples.push_back({dialog, row.isWidget ? IDC_WSEL_AVAILABLE : IDC_TSEL_AVAILABLE, AvailableEntryText(row, texts)});
    samples.push_back({dialog, row.isWidget ? IDC_WSEL_IN_USE : IDC_TSEL_IN_USE, InUseEntryText(texts[row.name], instance)});
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
  const auto wide = reinterpret_cast<LPARAM>(AsWide(text.c_str()));
  if (kind == L"ListBox" || kind == L"ComboBox")
    SendMessageW(control, kind == L"ListBox" ? LB_ADDSTRING : CB_ADDSTRING, 0, wide);
  else
    SetWindowTextW(control, AsWide(text.c_str()));
}

class Checker {
 public:
  Checker(HWND dialog, int id, std::vector<std::wstring>& problems)
      : dialog_(dialog), id_(id), problems_(problems), dc_(dialog), dpi_(GetDeviceCaps(dc_, LOGPIXELSY)) {}

  void CheckControls() {
    RECT own{};
    GetClientRect(dialog_, &own);
    for (HWND child = GetWindow(dialog_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT at{};
      GetWindowRect(child, &at);
      MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&at), 2);
      if (at.right > own.right || at.bottom > own.bottom) Report(child, L"outside the dialog");
      CheckLabel(child);
      CheckEntries(child);
    }
  }

 private:
  int Px(int units) const { return MulDiv(units, dpi_, 96); }

  // The room a label has beside what its control draws around it; 0 for no label.
  int Room(HWND control, int width) const {
    if (ClassOf(control) == L"Static") return width;
    if (ClassOf(control) != L"Button") return 0;
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
      case BS_AUTOCHECKBOX:
      case BS_AUTORADIOBUTTON: return width - Px(16);  // the box and the gap after it
      case BS_GROUPBOX: return width - Px(16);
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: return width - Px(4);
      default: return 0;
    }
  }

  // A static as tall as two lines breaks its text at words.
  void CheckLabel(HWND control) {
    const std::wstring text = TextOf(control);
    RECT client{};
    GetClientRect(control, &client);
    const int room = Room(control, client.right);
    if (text.empty() || room <= 0) return;
    gdi::Selection font(dc_, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, client.right, 0};
    DrawTextW(dc_, text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    if (ClassOf(control) == L"Static" && client.bottom >= 2 * needed.bottom) {
      needed = {0, 0, client.right, 0};
      DrawTextW(dc_, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
      if (needed.bottom > client.bottom || needed.right > client.right) Report(control, text);
    } else if (needed.right > room) {
      Report(control, text);
    }
  }

  // The entries of a list or a drop-down of texts (the colour drop-downs draw swatches).
  void CheckEntries(HWND control) {
    const bool list = ClassOf(control) == L"ListBox";
    if (!list && (ClassOf(control) != L"ComboBox" || (GetWindowLongW(control, GWL_STYLE) & CBS_OWNERDRAWFIXED))) return;
    RECT client{};
    GetClientRect(control, &client);
    gdi::Selection font(dc_, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const auto count = static_cast<int>(SendMessageW(control, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t entry[256] = {};
      SendMessageW(control, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
      SIZE size{};
      GetTextExtentPoint32W(dc_, entry, lstrlenW(entry), &size);
      if (size.cx > client.right - GetSystemMetrics(SM_CXVSCROLL) - Px(4)) Report(control, entry);
    }
  }

  void Report(HWND control, const std::wstring& what) const {
    problems_.push_back(L"dialog " + std::to_wstring(id_) + L", control " + std::to_wstring(GetDlgCtrlID(control)) +
                        L": " + what);
  }

  HWND dialog_;
  int id_;
  std::vector<std::wstring>& problems_;
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
    Checker(dialog, id, problems).CheckControls();
    DestroyWindow(dialog);
  }
  return problems;
}

}  // namespace test_support
