#include "widgets/base/heartbeat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Notes the beat of every call it gets, and can act when called.
struct Recorder : BeatListener {
  std::vector<int> calls;
  int beat = 0;
  std::function<void()> onCall;
  void OnBeat(unsigned) override {
    calls.push_back(beat);
    if (onCall) onCall();
  }
};

struct BeatCase {
  const char* name;
  int period;
  int rejoinAtBeat;  // 0: never
  int rejoinPeriod;
  int leaveAtBeat;  // 0: never
  std::vector<int> calledAt;
};

TEST(Heartbeat, CallsEachListenerEveryPeriodCountedFromItsJoin) {
  const BeatCase cases[] = {
      {"every beat", 1, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"every third", 3, 0, 0, 0, {3, 6}},
      {"no period counts as one", 0, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"rejoining restarts the count", 3, 2, 3, 0, {5, 8}},
      {"rejoining with a new period", 5, 1, 2, 0, {3, 5, 7}},
      {"leaving ends the calls", 2, 0, 0, 5, {2, 4}},
  };
  for (const BeatCase& c : cases) {
    Heartbeat heartbeat;
    Recorder recorder;
    heartbeat.Join(recorder, 1, c.period);
    for (int beat = 1; beat <= 8; ++beat) {
      recorder.beat = beat;
      heartbeat.Beat();
      if (beat == c.rejoinAtBeat) heartbeat.Join(recorder, 1, c.rejoinPeriod);
      if (beat == c.leaveAtBeat) heartbeat.Leave(recorder);
    }
    EXPECT_EQ(recorder.calls, c.calledAt) << c.name;
    EXPECT_EQ(heartbeat.PeriodOf(recorder, 1), c.leaveAtBeat ? 0 : c.rejoinAtBeat ? c.rejoinPeriod : std::max(c.period, 1))
        << c.name;
  }
}

TEST(Heartbeat, AListenerLeftDuringABeatIsNotCalledAfter) {
  Heartbeat heartbeat;
  Recorder first, second, third;
  first.onCall = [&] { heartbeat.Leave(second); };
  heartbeat.Join(first, 1, 1);
  heartbeat.Join(second, 1, 1);
  heartbeat.Join(third, 7, 1);
  heartbeat.Beat();
  EXPECT_EQ(first.calls.size(), 1u);
  EXPECT_TRUE(second.calls.empty());
  EXPECT_EQ(third.calls.size(), 1u);
  heartbeat.Leave(first);
  heartbeat.Leave(third);
  EXPECT_TRUE(heartbeat.Empty());
}

}  // namespace
