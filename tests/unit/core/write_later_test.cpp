#include "core/write_later.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int memo = 0, bar = 0;

TEST(WriteSchedule, ChangesPutTheWriteOffUntilAPauseOrTheLongestWait) {
  struct Change {
    const void* owner;
    WriteSchedule::Ms at, wait;
  };
  const struct Case {
    const char* what;
    std::vector<Change> changes;
    WriteSchedule::Ms due;
  } cases[] = {
      {"one change", {{&memo, 100, 2000}}, 2100},
      {"typing goes on: the pause starts again", {{&memo, 100, 2000}, {&memo, 1500, 2000}}, 3500},
      {"steady typing: the longest wait", {{&memo, 0, 2000}, {&memo, 1900, 2000}, {&memo, 3800, 2000}}, 5000},
      {"at once", {{&memo, 100, 2000}, {&memo, 900, 0}}, 900},
      {"typing after an at-once change does not put it off", {{&memo, 100, 0}, {&memo, 150, 2000}}, 100},
      {"the earliest owner", {{&memo, 100, 2000}, {&bar, 500, 200}}, 700},
  };
  for (const Case& c : cases) {
    WriteSchedule schedule(5000);
    for (const Change& change : c.changes) schedule.Change(change.owner, change.at, change.wait);
    EXPECT_EQ(schedule.NextDue(), c.due) << c.what;
    // One owner is due then (the other one later), and it is taken once.
    EXPECT_EQ(schedule.TakeDue(c.due).size(), 1u) << c.what;
    EXPECT_TRUE(schedule.TakeDue(c.due).empty()) << c.what;
  }
  WriteSchedule schedule(5000);
  schedule.Change(&bar, 0, 2000);
  schedule.Change(&memo, 10, 0);
  schedule.Drop(&bar);
  EXPECT_EQ(schedule.TakeAll(), std::vector<WriteSchedule::Owner>{&memo});
  EXPECT_FALSE(schedule.NextDue());
}

}  // namespace
