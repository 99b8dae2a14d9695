#include "app/bar_store_win.h"

#include <string>

#include "app/bar_limits.h"
#include "app/bar_lists.h"
#include "core/colors.h"
#include "core/wide_win.h"
#include "core/window_win.h"

namespace {

constexpr wchar_t kLanguageKey[] = L"language";

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
  const BarSettings def;
  s.vertical = main.ReadFlag(L"vertical", def.vertical);
  s.alwaysontop = main.ReadFlag(L"alwaysontop", def.alwaysontop);
  s.widgetMinThick = main.ReadInt(L"widgetMinThick", def.widgetMinThick);
  s.widgetMaxThick = main.ReadInt(L"widgetMaxThick", def.widgetMaxThick);
  s.bdStyle = main.ReadInt(L"bdStyle", def.bdStyle);
  s.bdThick = main.ReadInt(L"bdThick", def.bdThick);
  s.bdColor = main.ReadColor(L"bdColor", def.bdColor);
  s.capThick = main.ReadInt(L"capThick", def.capThick);
  s.splitThick = main.ReadInt(L"splitThick", def.splitThick);
  s.splitColor = main.ReadColor(L"splitColor", ColorFromName(u"indigo"));
  s.vertThick = main.ReadInt(L"vertThick", def.vertThick);
  s.horzThick = main.ReadInt(L"horzThick", def.horzThick);
  s.tidgetSize = main.ReadInt(L"tidgetSize", def.tidgetSize);
  s.tidgetGap = main.ReadInt(L"tidgetGap", def.tidgetGap);
  s.magneticEffet = main.ReadFlag(L"magneticEffet", def.magneticEffet);
  s.fullScreenStepBack = main.ReadFlag(L"fullScreenStepBack", def.fullScreenStepBack);
  s.reserveEdge = main.ReadFlag(L"reserveEdge", def.reserveEdge);
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
  main.WriteFlag(L"vertical", options.vertical);
  main.WriteFlag(L"alwaysontop", options.alwaysontop);
  main.WriteInt(L"widgetMinThick", options.widgetMinThick);
  main.WriteInt(L"widgetMaxThick", options.widgetMaxThick);
  main.WriteInt(L"vertThick", options.vertThick);
  main.WriteInt(L"horzThick", options.horzThick);
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
  main.WriteFlag(L"vertical", s.vertical);
  main.WriteFlag(L"alwaysontop", s.alwaysontop);
  main.WriteInt(L"widgetMinThick", s.widgetMinThick);
  main.WriteInt(L"widgetMaxThick", s.widgetMaxThick);
  main.WriteInt(L"bdStyle", s.bdStyle);
  main.WriteInt(L"bdThick", s.bdThick);
  main.WriteInt(L"bdColor", static_cast<int>(s.bdColor));
  main.WriteInt(L"capThick", s.capThick);
  main.WriteInt(L"splitThick", s.splitThick);
  main.WriteInt(L"splitColor", static_cast<int>(s.splitColor));
  main.WriteInt(L"vertThick", s.vertThick);
  main.WriteInt(L"horzThick", s.horzThick);
  main.WriteInt(L"tidgetSize", s.tidgetSize);
  main.WriteInt(L"tidgetGap", s.tidgetGap);
  main.WriteFlag(L"magneticEffet", s.magneticEffet);
  main.WriteFlag(L"fullScreenStepBack", s.fullScreenStepBack);
  main.WriteFlag(L"reserveEdge", s.reserveEdge);
  main.WriteLanguage(s.language);
}
