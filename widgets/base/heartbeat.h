// The bar's one clock for everything that ticks in whole seconds. A listener joins
// with the id its tick carries and its period in beats (one beat a second) and is
// called back every period from then on. One timer for all of them wakes the program
// once a second; a timer each would wake it once per timer, and under Wine every
// wake-up is a trip to the server.
#pragma once

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
