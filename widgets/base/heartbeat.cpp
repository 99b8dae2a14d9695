#include "widgets/base/heartbeat.h"

#include <algorithm>

void Heartbeat::Join(BeatListener& listener, unsigned id, int periodBeats) {
  const int period = std::max(periodBeats, 1);
  for (Entry& entry : entries_) {
    if (entry.listener == &listener && entry.id == id) {
      entry.period = entry.left = period;
      return;
    }
  }
  entries_.push_back({&listener, id, period, period});
}

void Heartbeat::Leave(const BeatListener& listener) {
  std::erase_if(entries_, [&](const Entry& entry) { return entry.listener == &listener; });
}

int Heartbeat::PeriodOf(const BeatListener& listener, unsigned id) const {
  for (const Entry& entry : entries_)
    if (entry.listener == &listener && entry.id == id) return entry.period;
  return 0;
}

void Heartbeat::Beat() {
  std::vector<Entry> due;
  for (Entry& entry : entries_) {
    if (--entry.left > 0) continue;
    entry.left = entry.period;
    due.push_back(entry);
  }
  // A call may make listeners join or leave: each due one is looked up again first.
  for (const Entry& entry : due)
    if (PeriodOf(*entry.listener, entry.id) != 0) entry.listener->OnBeat(entry.id);
}

bool BeatClock::TakeIfDue(Ms now) {
  if (UntilDue(now) != 0) return false;
  due_ += kPeriodMs;
  if (due_ <= now) due_ = now + kPeriodMs;
  return true;
}
