// When a write that waits for a pause in changes is due. Each owner (a memo widget,
// the bar, a tool window) has at most one write waiting; times are milliseconds of
// one steady clock, given by the caller, so the rules are plain arithmetic.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class WriteSchedule {
 public:
  using Owner = const void*;
  using Ms = std::uint64_t;

  // `longest`: a write is never put off further than this after the first change it
  // has to carry, so steady typing is written too.
  explicit WriteSchedule(Ms longest) : longest_(longest) {}

  // A change of `owner` at `now`: its write is due `wait` ms later, a later change
  // putting it off again; a wait of 0 asks for the next chance and is not put off.
  void Change(Owner owner, Ms now, Ms wait);
  // Takes the owner's waiting write out (it wrote itself, or is gone).
  void Drop(Owner owner);
  bool Waiting(Owner owner) const;
  // The earliest due time; none when nothing waits.
  std::optional<Ms> NextDue() const;
  // The owners whose write is due at `now`, in the order of their first change, out of the schedule.
  std::vector<Owner> TakeDue(Ms now);
  // Every waiting owner, in the same order, out of the schedule.
  std::vector<Owner> TakeAll();

 private:
  struct Entry {
    Owner owner;
    Ms first;
    Ms due;
    bool atOnce;
  };
  Entry* Find(Owner owner);

  Ms longest_;
  std::vector<Entry> entries_;
};
