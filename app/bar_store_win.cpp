#include "app/bar_store_win.h"

#include <cstdint>
#include <string>

#include "app/bar_limits.h"
#include "app/bar_lists.h"
#include "core/colors.h"
#include "core/wide_win.h"
#include "core/window_win.h"

namespace {

constexpr wchar_t kLanguageKey[] = L"language";

// One option of section "main" and where BarSettings keeps it: a flag stored 0/1, a
// number, or a colour stored as its decimal COLORREF value. The table's order is the
// order they are written in.
struct OptionKey {
  const wchar_t* key;
  bool BarSettings::*flag = nullptr;
  int BarSettings::*number = nullptr;
  std::uint32_t BarSettings::*color = nullptr;
  // Written with the bar's placement too: what the user changes on the bar itself.
  bool withPlacement = false;
};

constexpr OptionKey kOptionKeys[] = {
    {L"vertical", &BarSettings::vertical, nullptr, nullptr, true},
    {L"alwaysontop", &BarSettings::alwaysontop, nullptr, nullptr, true},
    {L"widgetMinThick", nullptr, &BarSettings::widgetMinThick, nullptr, true},
    {L"widgetMaxThick", nullptr, &BarSettings::widgetMaxThick, nullptr, true},
    {L"bdStyle", nullptr, &BarSettings::bdStyle},
    {L"bdThick", nullptr, &BarSettings::bdThick},
    {L"bdColor", nullptr, nullptr, &BarSettings::bdColor},
    {L"capThick", nullptr, &BarSettings::capThick},
    {L"splitThick", nullptr, &BarSettings::splitThick},
    {L"splitColor", nullptr, nullptr, &BarSettings::splitColor},
    {L"vertThick", nullptr, &BarSettings::vertThick, nullptr, true},
    {L"horzThick", nullptr, &BarSettings::horzThick, nullptr, true},
    {L"tidgetSize", nullptr, &BarSettings::tidgetSize},
    {L"tidgetGap", nullptr, &BarSettings::tidgetGap},
    {L"magneticEffet", &BarSettings::magneticEffet},
    {L"fullScreenStepBack", &BarSettings::fullScreenStepBack},
    {L"reserveEdge", &BarSettings::reserveEdge},
};

// Section "main" of one store.
class MainSection {
 public:
  explicit MainSection(CSettings& store) : store_(store) {}

  int ReadInt(const wchar_t* key, int def) const { return store_.GetInt(kMainSection, key, def); }
  bool ReadFlag(const wchar_t* key, bool def) const { return ReadInt(key, def ? 1 : 0) != 0; }
  ColorRef ReadColor(const wchar_t* key, ColorRef def) const {
    return static_cast<ColorRef>(ReadInt(key, static_cast<int>(def)));
  }
  void WriteInt(const wchar_t* key, int value) const { store_.SetInt(kMainSection, key, value); }
  void WriteFlag(const wchar_t* key, bool value) const { WriteInt(key, value ? 1 : 0); }

  void ReadOption(const OptionKey& option, BarSettings& into) const {
    const BarSettings def;
    if (option.flag) into.*option.flag = ReadFlag(option.key, def.*option.flag);
    if (option.number) into.*option.number = ReadInt(option.key, def.*option.number);
    if (option.color) into.*option.color = ReadColor(option.key, def.*option.color);
  }
  void WriteOption(const OptionKey& option, const BarSettings& from) const {
    if (option.flag) WriteFlag(option.key, from.*option.flag);
    if (option.number) WriteInt(option.key, from.*option.number);
    if (option.color) WriteInt(option.key, static_cast<int>(from.*option.color));
  }
  LanguageChoice ReadLanguage() const {
    wchar_t stored[16] = {};
    store_.GetString(kMainSection, kLanguageKey, stored, 16);
    return ParseLanguageChoice(AsU16View(stored));
  }
  // Written only when what is stored means another choice: a file that never had the
  // key keeps not having it while the bar stays Korean.
  void WriteLanguage(LanguageChoice choice) const {
    if (ReadLanguage() != choice) store_.SetString(kMainSection, kLanguageKey, ToWide(LanguageChoiceKey(choice)).c_str());
  }

  std::u16string ReadLine(const wchar_t* prefix, int i) const {
    wchar_t line[kStoredLineCapacity] = {};
    store_.GetString(kMainSection, NumberedKey(prefix, i).c_str(), line, kStoredLineCapacity);
    return std::u16string(AsU16(line));
  }
  void WriteLine(const wchar_t* prefix, int i, const std::u16string& line) const {
    store_.SetString(kMainSection, NumberedKey(prefix, i).c_str(), AsWide(line.c_str()));
  }

  // A key the count promises but the file lacks gives no record: it would come back
  // as an empty line and be written out as one.
  template <class Record, class Parse>
  void ReadLines(RecordList<Record>& list, const wchar_t* countKey, const wchar_t* prefix, Parse parse) const {
    const int count = StoredLinesToRead(ReadInt(countKey, 0));
    for (int i = 0; i < count; ++i) {
      std::u16string line = ReadLine(prefix, i);
      if (!line.empty()) list.Append(parse(line));
    }
  }

  template <class Record>
  void WriteLines(const RecordList<Record>& list, const wchar_t* countKey, const wchar_t* prefix) const {
    WriteInt(countKey, list.count());
    for (int i = 0; i < list.count(); ++i) WriteLine(prefix, i, LineToSave(list[i]));
  }

 private:
  CSettings& store_;
};

}  // namespace

void LoadBarSettings(CSettings& store, BarSettings& s) {
  const MainSection main(store);
  for (const OptionKey& option : kOptionKeys) main.ReadOption(option, s);
  s.language = main.ReadLanguage();
  KeepBarUsable(s);
}

bool LoadRecordLists(CSettings& store, const BarSettings& options, RecordList<WidgetInfo>& widgets,
                     RecordList<TidgetInfo>& tidgets) {
  const MainSection main(store);
  widgets.Clear();
  tidgets.Clear();
  main.ReadLines(widgets, L"wnum", L"widget_", ParseWidgetLine);
  main.ReadLines(tidgets, L"tnum", L"tidget_", ParseTidgetLine);
  const bool filled = FillUnreadLists(widgets, tidgets);
  for (WidgetInfo& record : widgets) KeepWidgetUsable(record, options);
  return filled;
}

void LoadBarPlacement(CSettings& store, BarSettings& options) {
  const MainSection main(store);
  const BarSettings def;
  options.left = main.ReadInt(L"left", def.left);
  options.top = main.ReadInt(L"top", def.top);
  options.right = main.ReadInt(L"right", def.right);
  options.bottom = main.ReadInt(L"bottom", def.bottom);
}

void SaveBarPlacement(CSettings& store, HWND bar, const BarSettings& options, const BarState& state) {
  CSettings::WriteBatch batch(store);
  RECT rect{};
  if (!GetWindowRect(bar, &rect)) return;
  // The position as the system gives it, the size in units: the file means the same
  // bar on a monitor of any scale.
  const Scale scale = ScaleOf(bar);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  // A bar shown shorter for a small screen keeps its full length: on a larger one it is whole again.
  if (state.shortened) (options.vertical ? height : width) = state.fullLength;
  const MainSection main(store);
  main.WriteInt(L"left", rect.left);
  main.WriteInt(L"top", rect.top);
  main.WriteInt(L"right", rect.left + scale.Units(width));
  main.WriteInt(L"bottom", rect.top + scale.Units(height));
  for (const OptionKey& option : kOptionKeys)
    if (option.withPlacement) main.WriteOption(option, options);
}

void SaveRecordLists(CSettings& store, const RecordList<WidgetInfo>& widgets, const RecordList<TidgetInfo>& tidgets) {
  CSettings::WriteBatch batch(store);
  const MainSection main(store);
  main.WriteLines(widgets, L"wnum", L"widget_");
  main.WriteLines(tidgets, L"tnum", L"tidget_");
}

void SaveBarOptions(CSettings& store, const BarSettings& s) {
  CSettings::WriteBatch batch(store);
  const MainSection main(store);
  for (const OptionKey& option : kOptionKeys) main.WriteOption(option, s);
  main.WriteLanguage(s.language);
}
