#include "app/select_dialogs_win.h"

#include <commctrl.h>

#include <string>

#include "app/select_dialogs.h"
#include "core/dialog_win.h"
#include "core/instance_win.h"
#include "core/place_next_win.h"
#include "core/settings_win.h"
#include "core/texts_win.h"
#include "core/wide_win.h"
#include "core/window_win.h"
#include "res/resource.h"
#include "widgets/base/dget_win.h"

namespace {

constexpr COLORREF kSelectedItemColor = RGB(0, 0, 255);
constexpr COLORREF kItemColor = RGB(255, 255, 255);

struct ListControls {
  int available;
  int inUse;
  int add;
  int remove;
  int up;
  int down;
};

constexpr ListControls kWidgetLists{IDC_WSEL_AVAILABLE, IDC_WSEL_IN_USE, IDC_WSEL_ADD,
                                    IDC_WSEL_REMOVE,    IDC_WSEL_UP,     IDC_WSEL_DOWN};
constexpr ListControls kTidgetLists{IDC_TSEL_AVAILABLE, IDC_TSEL_IN_USE, IDC_TSEL_ADD,
                                    IDC_TSEL_REMOVE,    IDC_TSEL_UP,     IDC_TSEL_DOWN};

std::u16string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  const int length = control ? GetWindowTextLengthW(control) : 0;
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return std::u16string(AsU16View(text.c_str()));
}

void SetControlText(HWND dialog, int id, std::u16string_view text) {
  SetDlgItemTextW(dialog, id, ToWide(text).c_str());
}


void AddListEntry(HWND list, std::u16string_view text, LPARAM data) {
  const LRESULT index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
  if (index >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void ShowChild(const CWindow* object, bool visible) {
  if (object && object->hwnd) ShowWindow(object->hwnd, visible ? SW_SHOW : SW_HIDE);
}

template <class Object>
void DestroyObject(Object*& object) {
  if (!object) return;
  if (object->hwnd) DestroyWindow(object->hwnd);
  delete object;
  object = nullptr;
}

// A removed instance takes its options along; files of its own stay.
void DeleteInstanceSection(CSettings& settings, std::u16string_view name) {
  if (!name.empty()) settings.DeleteSection(ToWide(name).c_str());
}

// An edited record is written from its fields from now on, also when its kind has
// no class here and it would otherwise go back out as the line it was read from.
template <class Record>
void MarkEdited(Record& record) {
  record.storedLine.reset();
}

// The drop-down's items are created before the dialog procedure knows its object.
// The dialog's template scales itself; the items drawn here follow its scale.
bool MeasureSwatch(HWND dialog, LPARAM lParam) {
  auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (!item || item->CtlType != ODT_COMBOBOX || item->CtlID != IDC_WSEL_COLOR) return false;
  item->itemHeight = static_cast<UINT>(ScaleOf(dialog).Px(kSwatchItemHeight));
  return true;
}

// With no current item (id -1) only the background is drawn.
bool DrawSwatch(const SwatchList& colorSwatches, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (!item || item->CtlID != IDC_WSEL_COLOR) return false;
  const RECT& r = item->rcItem;
  gdi::Brush back = gdi::SolidBrush((item->itemState & ODS_SELECTED) ? kSelectedItemColor : kItemColor);
  FillRect(item->hDC, &r, back);
  if (const std::optional<ColorRef> color = SwatchAt(colorSwatches, static_cast<int>(item->itemID))) {
    gdi::Brush fill = gdi::SolidBrush(*color);
    gdi::Selection selected(item->hDC, fill);
    const Scale scale = ScaleOf(item->hwndItem);
    Rectangle(item->hDC, r.left + scale.Px(2), r.top + scale.Px(1), r.right - scale.Px(2), r.bottom - scale.Px(1));
  }
  return true;
}

// What both dialogs share: the available kinds, the instances in use, adding,
// removing and reordering. The in-use entries are kept in record order, so an
// entry's index is its record's index.
class SelectionDialog {
 public:
  SelectionDialog(BarHost& bar, const ListControls& ids) : bar_(bar), ids_(ids) {}
  virtual ~SelectionDialog() = default;
  SelectionDialog(const SelectionDialog&) = delete;
  SelectionDialog& operator=(const SelectionDialog&) = delete;

  INT_PTR Run(int resource) {
    return RunDialogIn(bar_.Texts().language(), resource, bar_.BarWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
  }

 protected:
  virtual bool IsListedKind(const CatalogueEntry& row) const = 0;
  virtual int RecordCount() const = 0;
  virtual std::u16string EntryText(int index) const = 0;
  virtual bool RefusesKind(const CatalogueEntry& row) const = 0;
  virtual TextId RefusalText() const = 0;
  virtual TextId RemovalQuestion() const = 0;
  virtual void AppendInstance(std::u16string_view kind) = 0;
  // Destroys the instance's window and object and drops its record; returns its name.
  virtual std::u16string RemoveInstance(int index) = 0;
  virtual void SwapRecords(int a, int b) = 0;
  virtual void ShowRecord(int index) = 0;
  virtual void OnInit() {}
  virtual void OnPropertyCommand(int id, int code) = 0;
  virtual bool OnOtherMessage(UINT, WPARAM, LPARAM) { return false; }
  virtual void OnClose() {}

  // The record of the selected in-use entry, or -1.
  int SelectedRecord() const {
    const LRESULT entry = SendDlgItemMessageW(dialog_, ids_.inUse, LB_GETCURSEL, 0, 0);
    return entry >= 0 && entry < RecordCount() ? static_cast<int>(entry) : -1;
  }

  BarHost& bar_;
  HWND dialog_ = nullptr;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MEASUREITEM) return MeasureSwatch(dialog, lParam);
    if (msg == WM_INITDIALOG) {
      auto* self = reinterpret_cast<SelectionDialog*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      self->dialog_ = dialog;
      self->Init();
      return TRUE;
    }
    auto* self = reinterpret_cast<SelectionDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    if (msg == WM_COMMAND) {
      self->OnCommand(LOWORD(wParam), HIWORD(wParam));
      // Every edit is in the records at once; a kill while the dialog is open keeps it too.
      self->bar_.MarkListsChanged();
      return TRUE;
    }
    return self->OnOtherMessage(msg, wParam, lParam);
  }

  HWND List(int id) const { return GetDlgItem(dialog_, id); }
  const wchar_t* Text(TextId id) const { return WideText(bar_.Texts(), id); }

  void Init() {
    // Lined up with the bar's own start.
    PlaceNextToBar(bar_.BarWindow(), bar_.Options().vertical, dialog_, {0, 0});
    OnInit();
    const auto& catalogue = Catalogue();
    for (int row = 0; row < kCatalogueSize; ++row)
      if (IsListedKind(catalogue[row]))
        AddListEntry(List(ids_.available), AvailableEntryText(catalogue[row], bar_.Texts()), row);
    for (int i = 0; i < RecordCount(); ++i) AddListEntry(List(ids_.inUse), EntryText(i), 0);
    SendMessageW(List(ids_.available), LB_SETCURSEL, 0, 0);
    SendMessageW(List(ids_.inUse), LB_SETCURSEL, 0, 0);
    ShowSelected();
  }

  // Enter (IDOK) closes like "닫기": every edit is applied already, and the dialog
  // always reports IDCANCEL.
  void OnCommand(int id, int code) {
    if (id == IDCANCEL || id == IDOK) {
      OnClose();
      EndDialog(dialog_, IDCANCEL);
    } else if (id == ids_.inUse && code == LBN_SELCHANGE) {
      ShowSelected();
    } else if (code == BN_CLICKED && id == ids_.add) {
      Add();
    } else if (code == BN_CLICKED && id == ids_.remove) {
      Remove();
    } else if (code == BN_CLICKED && (id == ids_.up || id == ids_.down)) {
      Move(id == ids_.up);
    } else {
      OnPropertyCommand(id, code);
    }
  }

  void ShowSelected() {
    const int index = SelectedRecord();
    if (index >= 0) ShowRecord(index);
  }

  void Select(int index) {
    SendMessageW(List(ids_.inUse), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowSelected();
  }

  void Add() {
    HWND available = List(ids_.available);
    const LRESULT entry = SendMessageW(available, LB_GETCURSEL, 0, 0);
    if (entry < 0) return;
    const LRESULT row = SendMessageW(available, LB_GETITEMDATA, static_cast<WPARAM>(entry), 0);
    if (row < 0 || row >= kCatalogueSize) return;
    const CatalogueEntry& kind = Catalogue()[static_cast<std::size_t>(row)];
    if (RefusesKind(kind)) {
      MessageBoxW(dialog_, Text(RefusalText()), Text(TextId::CaptionNotice), MB_OK);
      return;
    }
    AppendInstance(FieldView(kind.kind));
    const int index = RecordCount() - 1;
    AddListEntry(List(ids_.inUse), EntryText(index), 0);
    Select(index);
    bar_.Relayout();
  }

  // The name comes from the record, not from the entry's text: a caption holding a
  // '-' would otherwise point at another instance's section.
  void Remove() {
    const int index = SelectedRecord();
    if (index < 0) return;
    if (MessageBoxW(dialog_, Text(RemovalQuestion()), Text(TextId::CaptionConfirm), MB_YESNO) != IDYES) return;
    SendMessageW(List(ids_.inUse), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    const std::u16string name = RemoveInstance(index);
    DeleteInstanceSection(bar_.Settings(), name);
    bar_.Relayout();
    // The controls follow the entry that takes the removed one's place, so they
    // never show a record that is gone.
    const int next = SelectionAfterRemoval(index, RecordCount());
    if (next >= 0) Select(next);
  }

  void Move(bool up) {
    const int index = SelectedRecord();
    const auto count = static_cast<int>(SendMessageW(List(ids_.inUse), LB_GETCOUNT, 0, 0));
    const std::optional<int> target = MoveTarget(index, count < RecordCount() ? count : RecordCount(), up);
    if (!target) return;
    SwapRecords(index, *target);
    HWND inUse = List(ids_.inUse);
    SendMessageW(inUse, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(inUse, LB_INSERTSTRING, static_cast<WPARAM>(*target),
                 reinterpret_cast<LPARAM>(ToWide(EntryText(*target)).c_str()));
    SendMessageW(inUse, LB_SETCURSEL, static_cast<WPARAM>(*target), 0);
    bar_.Relayout();
  }

  ListControls ids_;
};

class WidgetSelection final : public SelectionDialog {
 public:
  explicit WidgetSelection(BarHost& bar) : SelectionDialog(bar, kWidgetLists) {}

 private:
  bool IsListedKind(const CatalogueEntry& row) const override { return row.isWidget; }
  int RecordCount() const override { return widgetList.count(); }
  std::u16string EntryText(int index) const override { return InUseEntryText(widgetList[index], bar_.Texts()); }
  bool RefusesKind(const CatalogueEntry& row) const override { return RefusesAnotherInstance(row, widgetList); }
  TextId RefusalText() const override { return TextId::WidgetRefusal; }
  TextId RemovalQuestion() const override { return TextId::WidgetRemoval; }

  void AppendInstance(std::u16string_view kind) override {
    widgetList.Append(MakeWidgetInfo(kind, widgetList));
    bar_.MakeWidgetWindow(widgetList.count() - 1);
  }

  std::u16string RemoveInstance(int index) override {
    WidgetInfo& record = widgetList[index];
    std::u16string name(FieldView(record.name));
    DestroyObject(record.widget);
    widgetList.RemoveAt(index);
    return name;
  }

  void SwapRecords(int a, int b) override { widgetList.Swap(a, b); }

  void ShowRecord(int index) override {
    const WidgetInfo& record = widgetList[index];
    loadingRecord_ = true;
    SetCheck(dialog_, IDC_WSEL_HIDE, !record.visible);
    SetControlText(dialog_, IDC_WSEL_HEIGHT, FormatInt(record.vertHeight));
    SetControlText(dialog_, IDC_WSEL_WIDTH, FormatInt(record.horzWidth));
    SetCheck(dialog_, IDC_WSEL_MERGE, record.merged);
    CheckRadioButton(dialog_, IDC_WSEL_RELATIVE, IDC_WSEL_ABSOLUTE,
                     IsFixedRatio(record.ratio) ? IDC_WSEL_ABSOLUTE : IDC_WSEL_RELATIVE);
    SetControlText(dialog_, IDC_WSEL_RATIO, RatioMagnitudeText(record.ratio));
    loadingRecord_ = false;
    SendDlgItemMessageW(dialog_, IDC_WSEL_COLOR, CB_SETCURSEL,
                        static_cast<WPARAM>(SwatchIndexOf(colorSwatches_, record.bgColor)), 0);
  }

  void OnInit() override {
    colorSwatches_ = ResolvedSwatches();
    for (int i = 0; i < kSwatchCount; ++i) SendDlgItemMessageW(dialog_, IDC_WSEL_COLOR, CB_ADDSTRING, 0, 0);
    const int minThick = bar_.Options().widgetMinThick;
    const int maxThick = bar_.Options().widgetMaxThick;
    SendDlgItemMessageW(dialog_, IDC_WSEL_HEIGHT_SPIN, UDM_SETRANGE32, static_cast<WPARAM>(minThick), maxThick);
    SendDlgItemMessageW(dialog_, IDC_WSEL_WIDTH_SPIN, UDM_SETRANGE32, static_cast<WPARAM>(minThick), maxThick);
    SendDlgItemMessageW(dialog_, IDC_WSEL_RATIO_SPIN, UDM_SETRANGE32, 1, maxThick);
  }

  void OnPropertyCommand(int id, int code) override {
    switch (id) {
      case IDC_WSEL_COLOR:
        if (code == CBN_SELCHANGE) PickColor();
        break;
      case IDC_WSEL_HIDE:
        if (code == BN_CLICKED) ToggleHidden();
        break;
      case IDC_WSEL_HEIGHT:
        if (code == EN_CHANGE) EditThickness(true);
        break;
      case IDC_WSEL_WIDTH:
        if (code == EN_CHANGE) EditThickness(false);
        break;
      case IDC_WSEL_MERGE:
        if (code == BN_CLICKED) ToggleMerged();
        break;
      case IDC_WSEL_RELATIVE:
      case IDC_WSEL_ABSOLUTE:
        if (code == BN_CLICKED) SetRatio(id == IDC_WSEL_RELATIVE);
        break;
      case IDC_WSEL_RATIO:
        if (code == EN_CHANGE && !loadingRecord_) SetRatio(IsChecked(dialog_, IDC_WSEL_RELATIVE));
        break;
      default: break;
    }
  }

  bool OnOtherMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_DRAWITEM) return DrawSwatch(colorSwatches_, lParam);
    if (msg == WM_TIMER && wParam == kDelayedLayoutTimer) {
      RunDelayedLayout();
      return true;
    }
    return false;
  }

  // A change still waiting for its timer is laid out now: the timer dies with the dialog.
  void OnClose() override {
    if (layoutPending_) RunDelayedLayout();
  }

  WidgetInfo* Selected() {
    const int index = SelectedRecord();
    return index >= 0 ? &widgetList[index] : nullptr;
  }

  void PickColor() {
    WidgetInfo* record = Selected();
    if (!record) return;
    const LRESULT item = SendDlgItemMessageW(dialog_, IDC_WSEL_COLOR, CB_GETCURSEL, 0, 0);
    const std::optional<ColorRef> color = SwatchAt(colorSwatches_, item);
    if (!color) return;
    record->bgColor = *color;
    MarkEdited(*record);
    if (CWidget* widget = record->widget) {
      widget->bgBrush = gdi::SolidBrush(*color);
      if (widget->hwnd) InvalidateRect(widget->hwnd, nullptr, TRUE);
    }
  }

  void ToggleHidden() {
    WidgetInfo* record = Selected();
    if (!record) return;
    record->visible = !IsChecked(dialog_, IDC_WSEL_HIDE);
    MarkEdited(*record);
    ShowChild(record->widget, record->visible);
    if (!record->visible) {
      record->merged = false;
      SetCheck(dialog_, IDC_WSEL_MERGE, false);
    }
    bar_.Relayout();
  }

  void EditThickness(bool vertical) {
    if (loadingRecord_) return;
    WidgetInfo* record = Selected();
    if (!record) return;
    const int thickness = ThicknessFromField(ControlText(dialog_, vertical ? IDC_WSEL_HEIGHT : IDC_WSEL_WIDTH),
                                             bar_.Options().widgetMinThick, bar_.Options().widgetMaxThick);
    (vertical ? record->vertHeight : record->horzWidth) = thickness;
    if (CWidget* widget = record->widget) (vertical ? widget->height : widget->width) = thickness;
    MarkEdited(*record);
    if (bar_.Options().vertical == vertical) StartDelayedLayout();
  }

  void ToggleMerged() {
    WidgetInfo* record = Selected();
    if (!record) return;
    record->merged = IsChecked(dialog_, IDC_WSEL_MERGE);
    MarkEdited(*record);
    StartDelayedLayout();
  }

  void SetRatio(bool relative) {
    WidgetInfo* record = Selected();
    if (!record) return;
    record->ratio = RatioFromField(ControlText(dialog_, IDC_WSEL_RATIO), relative);
    MarkEdited(*record);
    StartDelayedLayout();
  }

  // Typing restarts the wait, so the bar is laid out once the user pauses.
  void StartDelayedLayout() {
    SetTimer(dialog_, kDelayedLayoutTimer, kDelayedLayoutMs, nullptr);
    layoutPending_ = true;
  }

  void RunDelayedLayout() {
    KillTimer(dialog_, kDelayedLayoutTimer);
    layoutPending_ = false;
    bar_.Relayout();
  }

  RecordList<WidgetInfo>& widgetList = bar_.Widgets();
  // The background colours offered, in drop-down order.
  SwatchList colorSwatches_{};
  // Set while a record is copied into the property controls: the change notifications
  // of the edits then come from the program, not from the user.
  bool loadingRecord_ = false;
  bool layoutPending_ = false;
};

class TidgetSelection final : public SelectionDialog {
 public:
  explicit TidgetSelection(BarHost& bar) : SelectionDialog(bar, kTidgetLists) {}

 private:
  bool IsListedKind(const CatalogueEntry& row) const override { return !row.isWidget; }
  int RecordCount() const override { return tidgetList.count(); }
  std::u16string EntryText(int index) const override { return InUseEntryText(tidgetList[index], bar_.Texts()); }
  bool RefusesKind(const CatalogueEntry& row) const override { return RefusesAnotherInstance(row, tidgetList); }
  TextId RefusalText() const override { return TextId::TidgetRefusal; }
  TextId RemovalQuestion() const override { return TextId::TidgetRemoval; }

  void AppendInstance(std::u16string_view kind) override {
    tidgetList.Append(MakeTidgetInfo(kind, tidgetList));
    bar_.MakeTidgetWindow(tidgetList.count() - 1);
  }

  std::u16string RemoveInstance(int index) override {
    TidgetInfo& record = tidgetList[index];
    std::u16string name(FieldView(record.name));
    DestroyObject(record.tidget);
    tidgetList.RemoveAt(index);
    return name;
  }

  void SwapRecords(int a, int b) override { tidgetList.Swap(a, b); }

  void ShowRecord(int index) override { SetCheck(dialog_, IDC_TSEL_HIDE, !tidgetList[index].visible); }

  // Hiding a tidget takes it out of the strip at once, as hiding a widget does in the bar.
  void OnPropertyCommand(int id, int code) override {
    if (id != IDC_TSEL_HIDE || code != BN_CLICKED) return;
    const int index = SelectedRecord();
    if (index < 0) return;
    TidgetInfo& record = tidgetList[index];
    record.visible = !IsChecked(dialog_, IDC_TSEL_HIDE);
    MarkEdited(record);
    ShowChild(record.tidget, record.visible);
    bar_.Relayout();
  }

  RecordList<TidgetInfo>& tidgetList = bar_.Tidgets();
};

}  // namespace

INT_PTR RunWidgetSelection(BarHost& bar) { return WidgetSelection(bar).Run(IDD_SELECT_WIDGETS); }

INT_PTR RunTidgetSelection(BarHost& bar) { return TidgetSelection(bar).Run(IDD_SELECT_TIDGETS); }
