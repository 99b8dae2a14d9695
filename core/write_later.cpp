#include "core/write_later.h"

#include <algorithm>

WriteSchedule::Entry* WriteSchedule::Find(Owner owner) {
  for (Entry& entry : entries_)
    if (entry.owner == owner) return &entry;
  return nullptr;
}

void WriteSchedule::Change(Owner owner, Ms now, Ms wait) {
  Entry* entry = Find(owner);
  if (!entry) {
    entries_.push_back({owner, now, now + wait, wait == 0});
    return;
  }
  if (wait == 0) {
    entry->due = std::min(entry->due, now);
    entry->atOnce = true;
  } else if (!entry->atOnce) {
    entry->due = std::min(std::max(entry->due, now + wait), entry->first + longest_);
  }
}

void WriteSchedule::Drop(Owner owner) {
  std::erase_if(entries_, [owner](const Entry& entry) { return entry.owner == owner; });
}

bool WriteSchedule::Waiting(Owner owner) const {
  return std::any_of(entries_.begin(), entries_.end(), [owner](const Entry& entry) { return entry.owner == owner; });
}

std::optional<WriteSchedule::Ms> WriteSchedule::NextDue() const {
  if (entries_.empty()) return std::nullopt;
  Ms earliest = entries_.front().due;
  for (const Entry& entry : entries_) earliest = std::min(earliest, entry.due);
  return earliest;
}

std::vector<WriteSchedule::Owner> WriteSchedule::TakeDue(Ms now) {
  std::vector<Owner> due;
  for (const Entry& entry : entries_)
    if (entry.due <= now) due.push_back(entry.owner);
  std::erase_if(entries_, [now](const Entry& entry) { return entry.due <= now; });
  return due;
}

std::vector<WriteSchedule::Owner> WriteSchedule::TakeAll() {
  std::vector<Owner> all;
  for (const Entry& entry : entries_) all.push_back(entry.owner);
  entries_.clear();
  return all;
}
