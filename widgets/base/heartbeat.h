// The bar's one clock for everything that ticks in whole seconds. A listener joins
// with the id its tick carries and its period in beats (one beat a second) and is
// called back every period from then on. One beat for all of them wakes the program
// once a second; a timer each would wake it once per timer, and under Wine every
// wake-up is a trip to the server.
#pragma once

#include <cstdint>
#include <vector>

class BeatListener {
 public:
  virtual void OnBeat(unsigned id) = 0;

 protected:
  ~BeatListener() = default;
};

class Heartbeat {
 public:
  // `listener` is called with `id` every `periodBeats` beats (at least 1), the first
  // time `periodBeats` beats from now. Joining again with the same id restarts the count.
  void Join(BeatListener& listener, unsigned id, int periodBeats);
  // Every id of `listener`.
  void Leave(const BeatListener& listener);
  // The period `listener` ticks with `id`, 0 when it does not.
  int PeriodOf(const BeatListener& listener, unsigned id) const;
  bool Empty() const { return entries_.empty(); }

  // One beat: calls every listener whose period has come round, in the order they
  // joined. A listener that leaves (or is left) during the beat is not called after.
  void Beat();

 private:
  struct Entry {
    BeatListener* listener;
    unsigned id;
    int period;
    int left;
  };
  std::vector<Entry> entries_;
};

// When the next beat is due, in milliseconds of one steady clock given by the caller.
// Each beat is due a period after the one before, so beats keep their pace; one taken
// more than a period late is not followed by a burst of the missed ones; one taken a
// little early (a timer may fire a clock tick before its time) counts as on time.
class BeatClock {
 public:
  using Ms = std::uint64_t;
  static constexpr Ms kPeriodMs = 1000;
  static constexpr Ms kEarlyMs = 20;

  explicit BeatClock(Ms now) : due_(now + kPeriodMs) {}
  // 0 when the beat is due.
  Ms UntilDue(Ms now) const { return due_ > now + kEarlyMs ? due_ - now : 0; }
  // True when the beat is due at `now`; the next one is then scheduled.
  bool TakeIfDue(Ms now);

 private:
  Ms due_;
};
