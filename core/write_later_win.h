// Writes that wait for a pause in changes. A module tells of each change; its write
// runs on the UI thread once changes have paused, from a timer message, which the
// system hands out only when no input or posted message is waiting. One write per
// owner waits at a time; the latest write given replaces the one before.
#pragma once

#include <functional>

namespace write_later {

// The pause after the last change, and the longest a write is put off by steady changes.
inline constexpr unsigned kPauseMs = 2000;
inline constexpr unsigned kLongestMs = 3000;

// A change of `owner`: `write` runs once changes pause, or at the next chance with atOnce.
void Changed(const void* owner, std::function<void()> write, bool atOnce = false);
// The owner's waiting write is dropped (it has written itself, or is going).
void Forget(const void* owner);
bool Waiting(const void* owner);
// Runs every waiting write now: before the process ends, and where tests need it now.
void WriteAll();

}  // namespace write_later
