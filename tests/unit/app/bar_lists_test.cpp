#include "app/bar_lists.h"

#include <gtest/gtest.h>

namespace {

TEST(DefaultSet, TenWidgetsWithTheBatteryMergedAndSevenTidgets) {
  RecordList<WidgetInfo> widgets;
  RecordList<TidgetInfo> tidgets;
  BuildDefaultSet(widgets, tidgets);
  ASSERT_EQ(widgets.count(), 10);
  ASSERT_EQ(tidgets.count(), 7);
  EXPECT_EQ(LineToSave(widgets[0]), u"시계§Clock§Clock_1§1§80§120§14020607§0§100");
  EXPECT_EQ(FieldView(widgets[3].name), u"Battery_1");
  for (int i = 0; i < widgets.count(); ++i) EXPECT_EQ(widgets[i].merged, i == 3) << i;
  EXPECT_EQ(FieldView(widgets[5].name), u"MusicPlayer");
  EXPECT_EQ(FieldView(widgets[9].kind), u"ImageSlide");
  EXPECT_EQ(LineToSave(tidgets[2]), u"참조 이미지§OneImage§OneImage_1§1");
  EXPECT_EQ(LineToSave(tidgets[6]), u"색상표§ColorTable§ColorTable§1");
}

TEST(DefaultSet, ReplacesWhateverTheListsHeld) {
  RecordList<WidgetInfo> widgets;
  RecordList<TidgetInfo> tidgets;
  widgets.Append(MakeWidgetInfo(u"Clock", widgets));
  tidgets.Append(MakeTidgetInfo(u"OneImage", tidgets));
  BuildDefaultSet(widgets, tidgets);
  EXPECT_EQ(widgets.count(), 10);
  EXPECT_EQ(FieldView(widgets[0].name), u"Clock_1");
  EXPECT_EQ(tidgets.count(), 7);
  EXPECT_EQ(FieldView(tidgets[2].name), u"OneImage_1");
}

TEST(DefaultSet, OnlyTheListThatCouldNotBeReadIsBuilt) {
  RecordList<WidgetInfo> widgets;
  RecordList<TidgetInfo> tidgets;
  EXPECT_TRUE(FillUnreadLists(widgets, tidgets));  // a first run: both
  EXPECT_EQ(widgets.count(), 10);
  EXPECT_EQ(tidgets.count(), 7);
  widgets.Clear();
  tidgets.Clear();
  tidgets.Append(ParseTidgetLine(u"테트리스§Tetris§Tetris§1"));
  EXPECT_TRUE(FillUnreadLists(widgets, tidgets));  // widget lines lost: the tidget kept
  EXPECT_EQ(widgets.count(), 10);
  ASSERT_EQ(tidgets.count(), 1);
  EXPECT_EQ(LineToSave(tidgets[0]), u"테트리스§Tetris§Tetris§1");
  tidgets.Clear();
  EXPECT_FALSE(FillUnreadLists(widgets, tidgets));  // widgets read: no tidget is a choice
  EXPECT_EQ(tidgets.count(), 0);
}

TEST(StoredLinesToRead, NegativeReadsNothingAndHugeIsBounded) {
  EXPECT_EQ(StoredLinesToRead(-3), 0);
  EXPECT_EQ(StoredLinesToRead(0), 0);
  EXPECT_EQ(StoredLinesToRead(17), 17);
  EXPECT_EQ(StoredLinesToRead(kMaxStoredLines), kMaxStoredLines);
  EXPECT_EQ(StoredLinesToRead(2000000000), kMaxStoredLines);
}

}  // namespace
