#include "app/bar_lists.h"

namespace {

constexpr const char16_t* kDefaultWidgets[] = {u"Clock", u"CpuUsage", u"MemUsage", u"Battery",
                                               u"DiskUsage", u"MusicPlayer", u"Memo", u"Calc",
                                               u"Radix", u"ImageSlide"};
constexpr const char16_t* kDefaultTidgets[] = {u"LCDTest", u"SizeMeter", u"OneImage", u"MoveCursor",
                                               u"TextClip", u"Tetris", u"ColorTable"};

}  // namespace

int StoredLinesToRead(int storedCount) {
  if (storedCount < 0) return 0;
  return storedCount > kMaxStoredLines ? kMaxStoredLines : storedCount;
}

namespace {

void BuildDefaultWidgets(RecordList<WidgetInfo>& widgets) {
  widgets.Clear();
  for (const char16_t* kind : kDefaultWidgets) {
    WidgetInfo record = MakeWidgetInfo(kind, widgets);
    record.merged = std::u16string_view(kind) == u"Battery";
    widgets.Append(std::move(record));
  }
}

void BuildDefaultTidgets(RecordList<TidgetInfo>& tidgets) {
  tidgets.Clear();
  for (const char16_t* kind : kDefaultTidgets) tidgets.Append(MakeTidgetInfo(kind, tidgets));
}

}  // namespace

void BuildDefaultSet(RecordList<WidgetInfo>& widgets, RecordList<TidgetInfo>& tidgets) {
  BuildDefaultWidgets(widgets);
  BuildDefaultTidgets(tidgets);
}

bool FillUnreadLists(RecordList<WidgetInfo>& widgets, RecordList<TidgetInfo>& tidgets) {
  if (widgets.count() > 0) return false;
  BuildDefaultWidgets(widgets);
  if (tidgets.count() == 0) BuildDefaultTidgets(tidgets);
  return true;
}
