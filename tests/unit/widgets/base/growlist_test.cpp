#include "widgets/base/growlist.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int*> Entries(const GrowList<int*>& list) { return {list.begin(), list.end()}; }

TEST(GrowList, StartsWithRoomForAHundred) {
  GrowList<int*> list;
  EXPECT_EQ(list.Capacity(), 100);
  EXPECT_EQ(list.Count(), 0);
}

TEST(GrowList, HundredAndFirstAppendGrowsToHundredFiftyOne) {
  static int values[160];
  GrowList<int*> list;
  for (int i = 0; i < 100; ++i) list.Append(&values[i]);
  EXPECT_EQ(list.Capacity(), 100);
  list.Append(&values[100]);
  EXPECT_EQ(list.Capacity(), 151);
  EXPECT_EQ(list.Count(), 101);
  for (int i = 0; i < 101; ++i) ASSERT_EQ(list[i], &values[i]) << i;
  // Full again only after 151 entries; then 50 more past the count.
  for (int i = 101; i < 151; ++i) list.Append(&values[i]);
  EXPECT_EQ(list.Capacity(), 151);
  list.Append(&values[151]);
  EXPECT_EQ(list.Capacity(), 202);
  EXPECT_EQ(list[151], &values[151]);
  EXPECT_EQ(list[0], &values[0]);
}

TEST(GrowList, RemoveShiftsTheRestDownAndKeepsTheRoom) {
  int a = 0, b = 0, c = 0;
  GrowList<int*> list;
  list.Append(&a);
  list.Append(&b);
  list.Append(&c);
  list.RemoveAt(0);
  EXPECT_EQ(Entries(list), (std::vector<int*>{&b, &c}));
  list.RemoveAt(1);
  EXPECT_EQ(Entries(list), (std::vector<int*>{&b}));
  list.RemoveAt(-1);
  list.RemoveAt(1);
  EXPECT_EQ(Entries(list), (std::vector<int*>{&b}));
}

TEST(GrowList, RoomIsNeverGivenBackButClearResetsIt) {
  static int value;
  GrowList<int*> list;
  for (int i = 0; i < 101; ++i) list.Append(&value);
  for (int i = 0; i < 101; ++i) list.RemoveAt(0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 151);
  list.Append(&value);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 100);
  list.Append(&value);
  EXPECT_EQ(Entries(list), (std::vector<int*>{&value}));
}

}  // namespace
