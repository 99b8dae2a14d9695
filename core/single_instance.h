// One bar per data folder: two bars writing the same files would overwrite each
// other's changes. The bar that serves a folder holds a named kernel object made from the
// folder's path for its whole run; a later start for that folder finds it there.
#pragma once

#include <string>
#include <string_view>

// "Local\\Pelgra-" and 16 hexadecimal digits of a hash of the folder's full path: an
// object name may hold no further backslash and has a length limit that a path does not.
// Every spelling of one folder gives one name: separators count as one kind ('/' as '\\',
// a run of them as one, a closing one not at all) and letters a–z as A–Z. The caller
// gives a full path, already in the file system's upper case for other letters.
std::u16string InstanceObjectName(std::u16string_view folderPath);

enum class StartStep {
  kRunBar,          // the object was made here: this start is the folder's bar
  kWakeRunningBar,  // a bar serves the folder: ask it to show itself, then end
  kWait,            // a bar is starting or ending: look again in a moment
  kGiveUp,          // it could not be reached in time: end without writing anything
};

// `created`: this start made the object; `barKnown`: the bar holding it has left a live
// window there; `timeLeft`: the few seconds a start waits for that are not over.
StartStep NextStartStep(bool created, bool barKnown, bool timeLeft);
