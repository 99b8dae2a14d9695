#include "core/write_later_win.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "core/write_later.h"

namespace write_later {

namespace {

struct Waiter {
  const void* owner;
  std::function<void()> write;
};

// The one queue of the UI thread: when each owner's write is due, the writes, and
// the thread timer that wakes it (it needs no window, so it also runs inside modal
// loops and under any bar).
struct Queue {
  WriteSchedule schedule{kLongestMs};
  std::vector<Waiter> waiters;
  UINT_PTR timer = 0;
};
Queue queue;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

void Arm() {
  if (queue.timer) KillTimer(nullptr, queue.timer);
  queue.timer = 0;
  const std::optional<WriteSchedule::Ms> due = queue.schedule.NextDue();
  if (!due) return;
  const ULONGLONG now = GetTickCount64();
  const UINT wait = *due > now ? static_cast<UINT>(*due - now) : USER_TIMER_MINIMUM;
  queue.timer = SetTimer(nullptr, 0, wait, OnTimer);
}

// The write is taken out before it runs, so one that tells of a change (or runs a
// modal loop in which the timer comes again) finds a consistent state.
std::function<void()> Take(const void* owner) {
  for (auto it = queue.waiters.begin(); it != queue.waiters.end(); ++it) {
    if (it->owner != owner) continue;
    std::function<void()> write = std::move(it->write);
    queue.waiters.erase(it);
    return write;
  }
  return {};
}

void Run(const std::vector<WriteSchedule::Owner>& owners) {
  for (const void* owner : owners)
    if (std::function<void()> write = Take(owner)) write();
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  const std::vector<WriteSchedule::Owner> due = queue.schedule.TakeDue(GetTickCount64());
  Arm();
  Run(due);
}

}  // namespace

void Changed(const void* owner, std::function<void()> write, bool atOnce) {
  bool known = false;
  for (Waiter& waiter : queue.waiters) {
    if (waiter.owner != owner) continue;
    waiter.write = std::move(write);
    known = true;
    break;
  }
  if (!known) queue.waiters.push_back({owner, std::move(write)});
  queue.schedule.Change(owner, GetTickCount64(), atOnce ? 0 : kPauseMs);
  Arm();
}

void Forget(const void* owner) {
  queue.schedule.Drop(owner);
  Take(owner);
  Arm();
}

bool Waiting(const void* owner) { return queue.schedule.Waiting(owner); }

void WriteAll() {
  const std::vector<WriteSchedule::Owner> all = queue.schedule.TakeAll();
  Arm();
  Run(all);
}

}  // namespace write_later
