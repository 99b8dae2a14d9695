#include "core/write_later.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int memo = 0, bar = 0;
const void* const kMemo = &memo;
const void* const kBar = &bar;

TEST(WriteSchedule, ChangesPutTheWriteOffUntilAPauseOrTheLongestWait) {
  struct Step {
    const void* owner;
    WriteSchedule::Ms at;
    WriteSchedule::Ms wait;
  };
  struct Case {
    const char* what;
    std::vector<Step> changes;
    WriteSchedule::Ms due;
  } cases[] = {
      {"one change", {{kMemo, 100, 2000}}, 2100},
      {"typing goes on: the pause starts again", {{kMemo, 100, 2000}, {kMemo, 1500, 2000}}, 3500},
      {"steady typing is written at the longest wait", {{kMemo, 0, 2000}, {kMemo, 1900, 2000}, {kMemo, 3800, 2000}},
       5000},
      {"at once", {{kMemo, 100, 2000}, {kMemo, 900, 0}}, 900},
      {"typing after an at-once change does not put it off", {{kMemo, 100, 0}, {kMemo, 150, 2000}}, 100},
      {"the earliest owner counts", {{kMemo, 100, 2000}, {kBar, 500, 200}}, 700},
  };
  for (const Case& c : cases) {
    WriteSchedule schedule(5000);
    for (const Step& step : c.changes) schedule.Change(step.owner, step.at, step.wait);
    EXPECT_EQ(schedule.NextDue(), c.due) << c.what;
  }
}

TEST(WriteSchedule, DueWritesAreTakenOnceInTheOrderOfTheirFirstChange) {
  WriteSchedule schedule(5000);
  EXPECT_FALSE(schedule.NextDue());
  schedule.Change(kBar, 0, 2000);
  schedule.Change(kMemo, 10, 0);
  EXPECT_EQ(schedule.TakeDue(1999), std::vector<WriteSchedule::Owner>{kMemo});
  EXPECT_TRUE(schedule.Waiting(kBar));
  EXPECT_FALSE(schedule.Waiting(kMemo));
  schedule.Change(kMemo, 20, 2000);
  EXPECT_EQ(schedule.TakeDue(2020), (std::vector<WriteSchedule::Owner>{kBar, kMemo}));
  EXPECT_TRUE(schedule.TakeDue(99999).empty());

  schedule.Change(kMemo, 0, 2000);
  schedule.Change(kBar, 0, 2000);
  schedule.Drop(kMemo);
  EXPECT_EQ(schedule.TakeAll(), std::vector<WriteSchedule::Owner>{kBar});
  EXPECT_FALSE(schedule.NextDue());
}

}  // namespace
