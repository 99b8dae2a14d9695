#include "core/records.h"

#include <gtest/gtest.h>

namespace {

// Fields joined by the separator, written readably in the tests.
std::u16string Line(std::u16string text) {
  for (char16_t& c : text)
    if (c == u'|') c = kFieldSeparator;
  return text;
}

TEST(Catalogue, SeventeenKindsInOrderWithResolvedColours) {
  const auto& rows = Catalogue();
  EXPECT_EQ(FieldView(rows[0].kind), u"Clock");
  EXPECT_EQ(FieldView(rows[0].caption), u"시계");
  EXPECT_EQ(rows[0].bgColor, 14020607u);  // PapayaWhip
  EXPECT_EQ(FieldView(rows[5].kind), u"MusicPlayer");
  EXPECT_FALSE(rows[5].multi);
  EXPECT_EQ(FieldView(rows[9].caption), u"이미지슬라이더");
  EXPECT_EQ(rows[9].vertHeight, 100);
  EXPECT_EQ(rows[9].horzWidth, 150);
  EXPECT_EQ(rows[9].bgColor, 0xA9A9A9u);  // DarkGray
  int widgets = 0;
  for (const auto& row : rows) widgets += row.isWidget ? 1 : 0;
  EXPECT_EQ(widgets, 10);
  EXPECT_EQ(FieldView(rows[14].kind), u"OneImage");
  EXPECT_TRUE(rows[14].multi);
  EXPECT_EQ(FieldView(rows[16].caption), u"색상표");
  EXPECT_EQ(FindCatalogueEntry(u"clock"), nullptr);  // kinds compare case-sensitively
}

TEST(Naming, MultiKindsTakeTheLowestFreeNumber) {
  RecordList<WidgetInfo> list;
  for (int i = 0; i < 3; ++i) list.Append(MakeWidgetInfo(u"Clock", list));
  EXPECT_EQ(FieldView(list[0].name), u"Clock_1");
  EXPECT_EQ(FieldView(list[1].name), u"Clock_2");
  EXPECT_EQ(FieldView(list[2].name), u"Clock_3");
  list.RemoveAt(1);
  EXPECT_EQ(FieldView(MakeWidgetInfo(u"Clock", list).name), u"Clock_2");
  // Other kinds' names do not count.
  list.Append(MakeWidgetInfo(u"Memo", list));
  EXPECT_EQ(FieldView(list[2].name), u"Memo_1");
}

TEST(Naming, SingleKindsAreNamedAfterTheKind) {
  EXPECT_EQ(FieldView(MakeWidgetInfo(u"MusicPlayer", {}).name), u"MusicPlayer");
  EXPECT_EQ(FieldView(MakeTidgetInfo(u"LCDTest", {}).name), u"LCDTest");
  EXPECT_EQ(FieldView(MakeTidgetInfo(u"TextClip", {}).name), u"TextClip");
  RecordList<TidgetInfo> tidgets;
  tidgets.Append(MakeTidgetInfo(u"OneImage", tidgets));
  tidgets.Append(MakeTidgetInfo(u"OneImage", tidgets));
  EXPECT_EQ(FieldView(tidgets[1].name), u"OneImage_2");
}

TEST(Naming, NewWidgetRecordTakesTheCatalogueDefaults) {
  WidgetInfo record = MakeWidgetInfo(u"CpuUsage", {});
  EXPECT_EQ(FieldView(record.caption), u"CPU 사용량");
  EXPECT_TRUE(record.visible);
  EXPECT_EQ(record.vertHeight, 100);
  EXPECT_EQ(record.horzWidth, 140);
  EXPECT_EQ(record.bgColor, 0xEEEEAFu);  // PaleTurquoise as COLORREF
  EXPECT_FALSE(record.merged);
  EXPECT_EQ(record.ratio, 100);
  EXPECT_EQ(record.widget, nullptr);
}

TEST(StoredLine, DefaultFirstClock) {
  EXPECT_EQ(FormatWidgetLine(MakeWidgetInfo(u"Clock", {})), Line(u"시계|Clock|Clock_1|1|80|120|14020607|0|100"));
  EXPECT_EQ(FormatTidgetLine(MakeTidgetInfo(u"Tetris", {})), Line(u"테트리스|Tetris|Tetris|1"));
}

TEST(StoredLine, MergedHiddenFixedShareRoundTrips) {
  WidgetInfo record = MakeWidgetInfo(u"Memo", {});
  record.visible = false;
  record.merged = true;
  record.ratio = -40;
  std::u16string line = FormatWidgetLine(record);
  EXPECT_EQ(line, Line(u"메모|Memo|Memo_1|0|150|150|15794175|1|-40"));
  WidgetInfo back = ParseWidgetLine(line);
  EXPECT_FALSE(back.visible);
  EXPECT_TRUE(back.merged);
  EXPECT_EQ(back.ratio, -40);
  EXPECT_EQ(back.bgColor, record.bgColor);
  EXPECT_EQ(FormatWidgetLine(back), line);
}

TEST(StoredLine, MissingFieldsRepeatTheLastFieldPresent) {
  WidgetInfo record = ParseWidgetLine(Line(u"시계|Clock|Clock_1"));
  EXPECT_EQ(FieldView(record.name), u"Clock_1");
  EXPECT_FALSE(record.visible);
  EXPECT_EQ(record.vertHeight, 0);
  EXPECT_EQ(record.ratio, 0);
  // A number as the last field present repeats into every later field.
  record = ParseWidgetLine(Line(u"a|Clock|n|1|77"));
  EXPECT_EQ(record.vertHeight, 77);
  EXPECT_EQ(record.horzWidth, 77);
  EXPECT_EQ(record.ratio, 77);
  EXPECT_FALSE(record.merged);
  // No separator at all: only a caption.
  record = ParseWidgetLine(u"혼자");
  EXPECT_EQ(FieldView(record.caption), u"혼자");
  EXPECT_EQ(FieldView(record.kind), u"");
  EXPECT_EQ(record.horzWidth, 0);
  // An empty field clears what came before.
  record = ParseWidgetLine(Line(u"a|Clock|n|1|5||"));
  EXPECT_EQ(record.vertHeight, 5);
  EXPECT_EQ(record.horzWidth, 0);
  EXPECT_EQ(record.ratio, 0);
}

TEST(StoredLine, FlagsAndNumbers) {
  WidgetInfo record = ParseWidgetLine(Line(u"c|Clock|n|10|  -12x|+7|-1|2|0042"));
  EXPECT_TRUE(record.visible);   // "10" starts with 1
  EXPECT_FALSE(record.merged);   // "2" does not
  EXPECT_EQ(record.vertHeight, -12);
  EXPECT_EQ(record.horzWidth, 7);
  EXPECT_EQ(record.bgColor, 0xFFFFFFFFu);
  EXPECT_EQ(record.ratio, 42);
  // Writing it again gives the canonical numbers; -1 survives as a colour.
  EXPECT_EQ(FormatWidgetLine(record), Line(u"c|Clock|n|1|-12|7|-1|0|42"));
  EXPECT_EQ(ParseWidgetLine(Line(u"c|k|n|1|99999999999|-99999999999|x|1|")).vertHeight, 2147483647);
  EXPECT_EQ(ParseWidgetLine(Line(u"c|k|n|1|1|-99999999999|x|1|")).horzWidth, -2147483647 - 1);
}

TEST(StoredLine, TidgetLine) {
  TidgetInfo record = ParseTidgetLine(Line(u"색상표|ColorTable|ColorTable|0"));
  EXPECT_EQ(FieldView(record.caption), u"색상표");
  EXPECT_EQ(FieldView(record.kind), u"ColorTable");
  EXPECT_FALSE(record.visible);
  EXPECT_EQ(ParseTidgetLine(Line(u"a|b|c")).visible, false);
  EXPECT_TRUE(ParseTidgetLine(Line(u"a|b|1")).visible);  // the name field repeats into visible
}

TEST(StoredLine, OverlongFieldsAreCutTo31Characters) {
  std::u16string longName(40, u'x');
  WidgetInfo record = ParseWidgetLine(Line(u"c|Clock|") + longName + Line(u"|1|80|120|0|0|100"));
  EXPECT_EQ(FieldView(record.name), std::u16string(31, u'x'));
  EXPECT_EQ(record.name[31], u'\0');
  EXPECT_EQ(record.vertHeight, 80);
  // A surrogate pair straddling the cut is dropped whole.
  std::u16string caption(30, u'a');
  caption += u"\U0001F600";
  record = ParseWidgetLine(caption + Line(u"|Clock"));
  EXPECT_EQ(FieldView(record.caption), std::u16string(30, u'a'));
}

TEST(StoredLine, UnknownKindsAreWrittenBackAsRead) {
  // Odd spellings a newer version might write: kept to the letter while no object exists.
  std::u16string line = Line(u"새 위젯|Weather|Weather_1|10|+80|120|7|1|100|extra");
  WidgetInfo record = ParseWidgetLine(line);
  EXPECT_EQ(LineToSave(record), line);
  TidgetInfo tidget = ParseTidgetLine(Line(u"x|Future|Future|1|more"));
  EXPECT_EQ(LineToSave(tidget), Line(u"x|Future|Future|1|more"));
  // A record made here has no stored line: its fields are written.
  EXPECT_EQ(LineToSave(MakeWidgetInfo(u"Clock", {})), Line(u"시계|Clock|Clock_1|1|80|120|14020607|0|100"));
}

TEST(RecordList, GrowsToIndexPlus51AtThe101stRecord) {
  RecordList<WidgetInfo> list;
  EXPECT_EQ(list.capacity(), 100);
  for (int i = 0; i < 100; ++i) list.Append(MakeWidgetInfo(u"Clock", {}));
  EXPECT_EQ(list.capacity(), 100);
  list.Append(MakeWidgetInfo(u"Memo", {}));
  EXPECT_EQ(list.capacity(), 151);
  EXPECT_EQ(list.count(), 101);
  EXPECT_EQ(FieldView(list[100].kind), u"Memo");
  EXPECT_EQ(FieldView(list[99].kind), u"Clock");
}

TEST(RecordList, InsertIntoAFullListGrowsFirst) {
  for (int at : {0, 50, 100}) {
    RecordList<WidgetInfo> list;
    for (int i = 0; i < 100; ++i) {
      list.Append(MakeWidgetInfo(u"Clock", {}));
      list[i].vertHeight = i;
    }
    WidgetInfo inserted = MakeWidgetInfo(u"Memo", {});
    inserted.vertHeight = -1;
    list.Insert(at, std::move(inserted));
    ASSERT_EQ(list.count(), 101) << at;
    EXPECT_EQ(list.capacity(), 151) << at;
    for (int i = 0; i < 101; ++i)
      EXPECT_EQ(list[i].vertHeight, i < at ? i : i == at ? -1 : i - 1) << "insert at " << at << ", slot " << i;
  }
}

TEST(RecordList, InsertRemoveSwapKeepOrder) {
  RecordList<TidgetInfo> list;
  for (const char16_t* kind : {u"LCDTest", u"Tetris", u"ColorTable"}) list.Append(MakeTidgetInfo(kind, list));
  list.Insert(1, MakeTidgetInfo(u"SizeMeter", list));
  list.Swap(0, 3);
  list.RemoveAt(2);
  list.RemoveAt(7);  // out of range: nothing
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(FieldView(list[0].kind), u"ColorTable");
  EXPECT_EQ(FieldView(list[1].kind), u"SizeMeter");
  EXPECT_EQ(FieldView(list[2].kind), u"LCDTest");
  EXPECT_EQ(FieldView(list.begin()[3].kind), u"");  // the freed slot is cleared
}

}  // namespace
