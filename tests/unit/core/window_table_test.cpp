#include "core/window_table.h"

#include <gtest/gtest.h>

namespace {

struct Object {
  int id;
};

TEST(HandleTable, GrowsByOneWhenTheLastFreeEntryIsTaken) {
  HandleTable<int, Object> table;
  std::vector<Object> objects(101);
  for (int i = 0; i < 99; ++i) table.Add(i + 1, &objects[i]);
  EXPECT_EQ(table.capacity(), 100u);
  table.Add(100, &objects[99]);
  EXPECT_EQ(table.capacity(), 101u);
  table.Add(101, &objects[100]);
  EXPECT_EQ(table.capacity(), 102u);
  for (int i = 0; i < 101; ++i) ASSERT_EQ(table.Find(i + 1), &objects[i]) << i;
  EXPECT_EQ(table.Find(0), nullptr);  // the empty entries never match
}

TEST(HandleTable, RemovesOnlyTheEntryOfThatObject) {
  HandleTable<int, Object> table;
  Object a{1}, b{2}, c{3};
  table.Add(10, &a);
  table.Add(20, &b);
  table.Add(30, &c);
  EXPECT_FALSE(table.Remove(20, &a));  // the handle now belongs to another object
  EXPECT_FALSE(table.Remove(99, &a));
  EXPECT_EQ(table.count(), 3u);
  EXPECT_TRUE(table.Remove(10, &a));
  EXPECT_EQ(table.count(), 2u);
  EXPECT_EQ(table.Find(10), nullptr);
  EXPECT_EQ(table.Find(20), &b);
  EXPECT_EQ(table.Find(30), &c);
  table.Add(10, &c);  // a reused handle value maps to its new owner
  EXPECT_EQ(table.Find(10), &c);
}

}  // namespace
