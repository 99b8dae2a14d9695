#include "widgets/base/heartbeat.h"

#include <gtest/gtest.h>

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

TEST(Heartbeat, CallsEachListenerEveryPeriodCountedFromItsJoin) {
  const struct {
    const char* name;
    int period, rejoinAtBeat, rejoinPeriod, leaveAtBeat;  // 0: never
    std::vector<int> calledAt;
  } cases[] = {
      {"every beat", 1, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"every third", 3, 0, 0, 0, {3, 6}},
      {"no period counts as one", 0, 0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"rejoining restarts the count", 3, 2, 3, 0, {5, 8}},
      {"rejoining with a new period", 5, 1, 2, 0, {3, 5, 7}},
      {"leaving ends the calls", 2, 0, 0, 5, {2, 4}},
  };
  for (const auto& c : cases) {
    Heartbeat heartbeat;
    Recorder recorder;
    heartbeat.Join(recorder, 1, c.period);
    for (recorder.beat = 1; recorder.beat <= 8; ++recorder.beat) {
      heartbeat.Beat();
      if (recorder.beat == c.rejoinAtBeat) heartbeat.Join(recorder, 1, c.rejoinPeriod);
      if (recorder.beat == c.leaveAtBeat) heartbeat.Leave(recorder);
    }
    EXPECT_EQ(recorder.calls, c.calledAt) << c.name;
  }
}

// A widget destroyed by an earlier call of the same beat must not be called.
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
  EXPECT_EQ(heartbeat.PeriodOf(second, 1), 0);
  EXPECT_EQ(heartbeat.PeriodOf(third, 7), 1);
}

// The moments a loop asks at, and which of them get a beat.
TEST(BeatClock, BeatsKeepTheirPaceWithoutBurstsOrDoubles) {
  const struct {
    const char* name;
    std::vector<BeatClock::Ms> asks;
    std::vector<BeatClock::Ms> beats;
  } cases[] = {
      {"on time", {1000, 2000, 3000}, {1000, 2000, 3000}},
      {"a little early counts", {985, 1990}, {985, 1990}},
      {"too early waits", {970, 1000}, {1000}},
      {"asked twice, one beat", {1000, 1001, 1500, 2000}, {1000, 2000}},
      {"late keeps the pace", {1400, 2000}, {1400, 2000}},
      {"very late: no burst", {3500, 3600, 4000, 4500}, {3500, 4500}},
  };
  for (const auto& c : cases) {
    BeatClock clock(0);
    std::vector<BeatClock::Ms> beats;
    for (const BeatClock::Ms now : c.asks)
      if (clock.TakeIfDue(now)) beats.push_back(now);
    EXPECT_EQ(beats, c.beats) << c.name;
  }
  BeatClock clock(0);
  EXPECT_EQ(clock.UntilDue(400), 600u);
  EXPECT_EQ(clock.UntilDue(990), 0u);
}

}  // namespace
