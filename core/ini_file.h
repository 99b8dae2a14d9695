// What the settings file holds when a write of it was cut short (a power cut, a crash
// of the writer, a disk that lost it): such a file is put back from its last good copy.
#pragma once

#include <string_view>

// Empty, all zero bytes, or no "[section]" line at all: nothing a reader could take
// from it. Text after a UTF-16 byte order mark is read in that order, anything else byte
// by byte; zero units are passed over, so a zero-filled part alone never hides a section.
bool IniLooksTorn(std::string_view bytes);
