#include "app/preferences_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <iterator>
#include <string>

#include "app/autostart_win.h"
#include "app/bar_limits.h"
#include "app/bar_store_win.h"
#include "app/preferences.h"
#include "core/dialog_win.h"
#include "core/gdi_win.h"
#include "core/instance_win.h"
#include "core/place_next_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kMessageColor = RGB(192, 0, 0);
// Room for the longest colour name and more than any number needs.
constexpr int kFieldCapacity = 32;
// The dialog's result when "적용" changed the language: it is shown again in the new one.
constexpr INT_PTR kShowAgain = 100;
// The language drop-down's entries, in the order of LanguageChoice.
constexpr TextId kLanguageEntries[] = {TextId::LanguageKorean, TextId::LanguageEnglish, TextId::LanguageSystem};

// The controls of one typed field: a number has a spinner, a colour a swatch button.
struct FieldControls {
  PrefsField field;
  int edit;
  int message;
  int spin;
  int swatch;
};

constexpr FieldControls kFields[kPrefsFieldCount] = {
    {PrefsField::BorderThick, IDC_PREF_BD_THICK, IDC_PREF_BD_THICK_MSG, IDC_PREF_BD_THICK_SPIN, 0},
    {PrefsField::BorderColor, IDC_PREF_BD_COLOR, IDC_PREF_BD_COLOR_MSG, 0, IDC_PREF_BD_SWATCH},
    {PrefsField::CaptionThick, IDC_PREF_CAP_THICK, IDC_PREF_CAP_THICK_MSG, IDC_PREF_CAP_THICK_SPIN, 0},
    {PrefsField::SplitThick, IDC_PREF_SPLIT_THICK, IDC_PREF_SPLIT_THICK_MSG, IDC_PREF_SPLIT_THICK_SPIN, 0},
    {PrefsField::SplitColor, IDC_PREF_SPLIT_COLOR, IDC_PREF_SPLIT_COLOR_MSG, 0, IDC_PREF_SPLIT_SWATCH},
    {PrefsField::VertThick, IDC_PREF_VERT_THICK, IDC_PREF_VERT_THICK_MSG, IDC_PREF_VERT_THICK_SPIN, 0},
    {PrefsField::HorzThick, IDC_PREF_HORZ_THICK, IDC_PREF_HORZ_THICK_MSG, IDC_PREF_HORZ_THICK_SPIN, 0},
    {PrefsField::TidgetSize, IDC_PREF_TIDGET_SIZE, IDC_PREF_TIDGET_SIZE_MSG, IDC_PREF_TIDGET_SIZE_SPIN, 0},
    {PrefsField::TidgetGap, IDC_PREF_TIDGET_GAP, IDC_PREF_TIDGET_GAP_MSG, IDC_PREF_TIDGET_GAP_SPIN, 0},
    {PrefsField::WidgetMinThick, IDC_PREF_MIN_THICK, IDC_PREF_MIN_THICK_MSG, IDC_PREF_MIN_THICK_SPIN, 0},
    {PrefsField::WidgetMaxThick, IDC_PREF_MAX_THICK, IDC_PREF_MAX_THICK_MSG, IDC_PREF_MAX_THICK_SPIN, 0},
};

const FieldControls& ControlsOf(PrefsField field) { return kFields[FieldIndex(field)]; }

template <class Match>
const FieldControls* FindField(Match match) {
  for (const FieldControls& controls : kFields)
    if (match(controls)) return &controls;
  return nullptr;
}

// The colour inside a swatch button: clear of the button's raised edge.
RECT SwatchArea(RECT button) {
  const int dx = 2 * GetSystemMetrics(SM_CXEDGE) + 1;
  const int dy = 2 * GetSystemMetrics(SM_CYEDGE) + 1;
  InflateRect(&button, -dx, -dy);
  return button;
}

class PreferencesDialog {
 public:
  explicit PreferencesDialog(BarHost& bar) : bar_(bar) {}

  INT_PTR Run() {
    for (;;) {
      shownIn_ = bar_.Texts().language();
      const INT_PTR result = RunDialogIn(shownIn_, IDD_PREFERENCES, bar_.BarWindow(), Procedure,
                                        reinterpret_cast<LPARAM>(this));
      if (result != kShowAgain) return result;
    }
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
      auto* self = reinterpret_cast<PreferencesDialog*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      self->dialog_ = dialog;
      self->Init();
      return TRUE;
    }
    auto* self = reinterpret_cast<PreferencesDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (msg) {
      case WM_COMMAND: return self->OnCommand(LOWORD(wParam), HIWORD(wParam));
      case WM_DRAWITEM: return self->DrawSwatch(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(self->MessageColors(reinterpret_cast<HDC>(wParam),
                                                             reinterpret_cast<HWND>(lParam)));
      default: return FALSE;
    }
  }

  std::u16string Text(int id) const {
    wchar_t text[kFieldCapacity + 1] = {};
    GetDlgItemTextW(dialog_, id, text, kFieldCapacity + 1);
    return std::u16string(AsU16View(text));
  }
  void SetText(int id, std::u16string_view text) { SetDlgItemTextW(dialog_, id, ToWide(text).c_str()); }

  void Init() {
    // Lined up with the bar's own start.
    PlaceNextToBar(bar_.BarWindow(), bar_.Options().vertical, dialog_, {0, 0});
    const BarSettings& s = bar_.Options();
    const PrefsTexts texts = PrefsTextsOf(s);
    for (const FieldControls& controls : kFields) {
      SendDlgItemMessageW(dialog_, controls.edit, EM_LIMITTEXT, kFieldCapacity, 0);
      SetText(controls.edit, texts[FieldIndex(controls.field)]);
      if (const std::optional<IntRange> range = FieldRange(controls.field))
        SendDlgItemMessageW(dialog_, controls.spin, UDM_SETRANGE32, static_cast<WPARAM>(range->low), range->high);
    }
    SetCheck(dialog_, s.bdStyle == kEdgeBorderStyle ? IDC_PREF_BD_3D : IDC_PREF_BD_FLAT, true);
    SetCheck(dialog_, s.vertical ? IDC_PREF_VERTICAL : IDC_PREF_HORIZONTAL, true);
    SetCheck(dialog_, IDC_PREF_MAGNETIC, s.magneticEffet);
    SetCheck(dialog_, IDC_PREF_TOPMOST, s.alwaysontop);
    SetCheck(dialog_, IDC_PREF_STEP_BACK, s.fullScreenStepBack);
    SetCheck(dialog_, IDC_PREF_RESERVE_EDGE, s.reserveEdge);
    SetCheck(dialog_, IDC_PREF_AUTOSTART, AutostartRegistered());
    for (TextId entry : kLanguageEntries)
      SendDlgItemMessageW(dialog_, IDC_PREF_LANGUAGE, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(WideText(bar_.Texts(), entry)));
    SendDlgItemMessageW(dialog_, IDC_PREF_LANGUAGE, CB_SETCURSEL, static_cast<WPARAM>(s.language), 0);
  }

  INT_PTR OnCommand(int id, int code) {
    if (id == IDOK) {
      if (Apply()) EndDialog(dialog_, IDOK);
    } else if (id == IDCANCEL) {
      EndDialog(dialog_, IDCANCEL);
    } else if (id == IDC_PREF_APPLY && code == BN_CLICKED) {
      if (Apply() && bar_.Texts().language() != shownIn_) EndDialog(dialog_, kShowAgain);
    } else if (code == BN_CLICKED) {
      if (const FieldControls* field = FindField([&](const FieldControls& c) { return c.swatch && c.swatch == id; }))
        PickColor(*field);
    } else if (code == EN_CHANGE) {
      if (const FieldControls* field = FindField([&](const FieldControls& c) { return c.edit == id; })) Edited(*field);
    }
    return TRUE;
  }

  // A field being corrected loses its message; a colour shows in its swatch as typed.
  void Edited(const FieldControls& field) {
    SetText(field.message, u"");
    if (field.swatch) InvalidateRect(GetDlgItem(dialog_, field.swatch), nullptr, FALSE);
  }

  void PickColor(const FieldControls& field) {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dialog_;
    choose.rgbResult = ColorFromText(Text(field.edit)).value_or(0);
    choose.lpCustColors = bar_.CustomColors().data();
    choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (ChooseColorW(&choose)) SetText(field.edit, ColorText(choose.rgbResult));
  }

  // The choices that are not typed, over the bar's current settings.
  BarSettings Choices() const {
    BarSettings base = bar_.Options();
    base.bdStyle = BorderStyleFor(IsChecked(dialog_, IDC_PREF_BD_3D), base.bdStyle);
    base.vertical = IsChecked(dialog_, IDC_PREF_VERTICAL);
    base.magneticEffet = IsChecked(dialog_, IDC_PREF_MAGNETIC);
    base.alwaysontop = IsChecked(dialog_, IDC_PREF_TOPMOST);
    const LRESULT language = SendDlgItemMessageW(dialog_, IDC_PREF_LANGUAGE, CB_GETCURSEL, 0, 0);
    if (language >= 0 && language < static_cast<LRESULT>(std::size(kLanguageEntries)))
      base.language = static_cast<LanguageChoice>(language);
    base.fullScreenStepBack = IsChecked(dialog_, IDC_PREF_STEP_BACK);
    base.reserveEdge = IsChecked(dialog_, IDC_PREF_RESERVE_EDGE);
    return base;
  }

  // Applies the whole entry, or marks every refused field and applies nothing.
  bool Apply() {
    PrefsTexts texts;
    for (const FieldControls& controls : kFields) texts[FieldIndex(controls.field)] = Text(controls.edit);
    const PrefsEntry entry = ReadPrefsTexts(Choices(), texts, bar_.Texts());
    for (const FieldControls& controls : kFields) SetText(controls.message, u"");
    for (const PrefsProblem& problem : entry.problems) SetText(ControlsOf(problem.field).message, problem.message);
    if (!entry.problems.empty()) {
      HWND first = GetDlgItem(dialog_, ControlsOf(entry.problems.front().field).edit);
      SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
      SendMessageW(first, EM_SETSEL, 0, -1);
      return false;
    }
    bar_.ApplyOptions(entry.settings);
    SaveBarOptions(bar_.Settings(), bar_.Options());
    if (!ApplyAutostart(IsChecked(dialog_, IDC_PREF_AUTOSTART))) {
      const TextTable& words = bar_.Texts();
      MessageBoxW(dialog_, WideText(words, TextId::PrefsAutostartFailed), WideText(words, TextId::PrefsTitle),
                  MB_OK | MB_ICONWARNING);
      SetCheck(dialog_, IDC_PREF_AUTOSTART, AutostartRegistered());
    }
    return true;
  }

  INT_PTR DrawSwatch(const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlType != ODT_BUTTON) return FALSE;
    const FieldControls* field = FindField([&](const FieldControls& c) { return c.swatch && c.swatch == static_cast<int>(item->CtlID); });
    if (!field) return FALSE;
    RECT button = item->rcItem;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item->hDC, &button, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const RECT area = SwatchArea(item->rcItem);
    // An entry that is no colour shows the bare button.
    if (const std::optional<ColorRef> color = ColorFromText(Text(field->edit))) {
      gdi::Brush fill = gdi::SolidBrush(*color);
      FillRect(item->hDC, &area, fill);
      FrameRect(item->hDC, &area, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    if (item->itemState & ODS_FOCUS) {
      RECT focus = area;
      InflateRect(&focus, 1, 1);
      DrawFocusRect(item->hDC, &focus);
    }
    return TRUE;
  }

  // The refusal messages stand out in red on the dialog's own background.
  HBRUSH MessageColors(HDC dc, HWND control) const {
    const int id = GetDlgCtrlID(control);
    if (!FindField([&](const FieldControls& c) { return c.message == id; })) return nullptr;
    SetTextColor(dc, kMessageColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
  }

  BarHost& bar_;
  HWND dialog_ = nullptr;
  // The language the dialog is shown in.
  Language shownIn_ = Language::Korean;
};

}  // namespace

INT_PTR RunPreferences(BarHost& bar) { return PreferencesDialog(bar).Run(); }
