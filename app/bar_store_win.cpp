#include "app/bar_store_win.h"

#include <string>

#include "app/bar_limits.h"
#include "app/bar_lists.h"
#include "core/bar_settings.h"
#include "app/bar_state.h"
#include "core/colors.h"
#include "core/dpi_win.h"
#include "core/records.h"
#include "core/settings_win.h"
#include "core/wide_win.h"

namespace {

int ReadInt(const wchar_t* key, int def) { return settings.GetInt(kMainSection, key, def); }
bool ReadFlag(const wchar_t* key, bool def) { return ReadInt(key, def ? 1 : 0) != 0; }
ColorRef ReadColor(const wchar_t* key, ColorRef def) {
  return static_cast<ColorRef>(ReadInt(key, static_cast<int>(def)));
}
void WriteInt(const wchar_t* key, int value) { settings.SetInt(kMainSection, key, value); }

std::u16string ReadLine(const wchar_t* prefix, int i) {
  wchar_t line[kStoredLineCapacity] = {};
  settings.GetString(kMainSection, NumberedKey(prefix, i).c_str(), line, kStoredLineCapacity);
  return std::u16string(AsU16(line));
}

// A key the count promises but the file lacks gives no record: it would come back
// as an empty line and be written out as one.
template <class Record, class Parse>
void ReadLines(RecordList<Record>& list, const wchar_t* countKey, const wchar_t* prefix, Parse parse) {
  const int count = StoredLinesToRead(ReadInt(countKey, 0));
  for (int i = 0; i < count; ++i) {
    std::u16string line = ReadLine(prefix, i);
    if (!line.empty()) list.Append(parse(line));
  }
}

}  // namespace

void LoadBarSettings() {
  BarSettings& s = barSettings;
  const BarSettings def;
  s.vertical = ReadFlag(L"vertical", def.vertical);
  s.alwaysontop = ReadFlag(L"alwaysontop", def.alwaysontop);
  s.widgetMinThick = ReadInt(L"widgetMinThick", def.widgetMinThick);
  s.widgetMaxThick = ReadInt(L"widgetMaxThick", def.widgetMaxThick);
  s.bdStyle = ReadInt(L"bdStyle", def.bdStyle);
  s.bdThick = ReadInt(L"bdThick", def.bdThick);
  s.bdColor = ReadColor(L"bdColor", def.bdColor);
  s.capThick = ReadInt(L"capThick", def.capThick);
  s.splitThick = ReadInt(L"splitThick", def.splitThick);
  s.splitColor = ReadColor(L"splitColor", ColorFromName(u"indigo"));
  s.vertThick = ReadInt(L"vertThick", def.vertThick);
  s.horzThick = ReadInt(L"horzThick", def.horzThick);
  s.tidgetSize = ReadInt(L"tidgetSize", def.tidgetSize);
  s.tidgetGap = ReadInt(L"tidgetGap", def.tidgetGap);
  s.magneticEffet = ReadFlag(L"magneticEffet", def.magneticEffet);
  KeepBarUsable(s);
}

void LoadRecordLists() {
  widgetList.Clear();
  tidgetList.Clear();
  ReadLines(widgetList, L"wnum", L"widget_", ParseWidgetLine);
  ReadLines(tidgetList, L"tnum", L"tidget_", ParseTidgetLine);
  barState.listsChanged = FillUnreadLists(widgetList, tidgetList);
  for (WidgetInfo& record : widgetList) KeepWidgetUsable(record, barSettings);
}

void LoadBarPlacement() {
  const BarSettings def;
  barSettings.left = ReadInt(L"left", def.left);
  barSettings.top = ReadInt(L"top", def.top);
  barSettings.right = ReadInt(L"right", def.right);
  barSettings.bottom = ReadInt(L"bottom", def.bottom);
}

void SaveBarPlacement(HWND bar) {
  RECT rect{};
  if (!GetWindowRect(bar, &rect)) return;
  // The position as the system gives it, the size in units: the file means the same
  // bar on a monitor of any scale.
  const Scale scale = ScaleOf(bar);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  // A bar shown shorter for a small screen keeps its full length: on a larger one it is whole again.
  if (barState.shortened) (barSettings.vertical ? height : width) = barState.fullLength;
  WriteInt(L"left", rect.left);
  WriteInt(L"top", rect.top);
  WriteInt(L"right", rect.left + scale.Units(width));
  WriteInt(L"bottom", rect.top + scale.Units(height));
  WriteInt(L"vertical", barSettings.vertical ? 1 : 0);
  WriteInt(L"alwaysontop", barSettings.alwaysontop ? 1 : 0);
  WriteInt(L"widgetMinThick", barSettings.widgetMinThick);
  WriteInt(L"widgetMaxThick", barSettings.widgetMaxThick);
  WriteInt(L"vertThick", barSettings.vertThick);
  WriteInt(L"horzThick", barSettings.horzThick);
}

void SaveRecordLists() {
  WriteInt(L"wnum", widgetList.count());
  for (int i = 0; i < widgetList.count(); ++i)
    settings.SetString(kMainSection, NumberedKey(L"widget_", i).c_str(),
                       AsWide(LineToSave(widgetList[i]).c_str()));
  WriteInt(L"tnum", tidgetList.count());
  for (int i = 0; i < tidgetList.count(); ++i)
    settings.SetString(kMainSection, NumberedKey(L"tidget_", i).c_str(),
                       AsWide(LineToSave(tidgetList[i]).c_str()));
}

void SaveBarOptions() {
  const BarSettings& s = barSettings;
  WriteInt(L"vertical", s.vertical ? 1 : 0);
  WriteInt(L"alwaysontop", s.alwaysontop ? 1 : 0);
  WriteInt(L"widgetMinThick", s.widgetMinThick);
  WriteInt(L"widgetMaxThick", s.widgetMaxThick);
  WriteInt(L"bdStyle", s.bdStyle);
  WriteInt(L"bdThick", s.bdThick);
  WriteInt(L"bdColor", static_cast<int>(s.bdColor));
  WriteInt(L"capThick", s.capThick);
  WriteInt(L"splitThick", s.splitThick);
  WriteInt(L"splitColor", static_cast<int>(s.splitColor));
  WriteInt(L"vertThick", s.vertThick);
  WriteInt(L"horzThick", s.horzThick);
  WriteInt(L"tidgetSize", s.tidgetSize);
  WriteInt(L"tidgetGap", s.tidgetGap);
  WriteInt(L"magneticEffet", s.magneticEffet ? 1 : 0);
}
