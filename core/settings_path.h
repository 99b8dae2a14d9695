// Where the settings file lives: beside the executable, its extension replaced by "ini".
#pragma once

#include <string>
#include <string_view>

// "C:\\dir\\X.exe" -> "C:\\dir\\X.ini"; "a.b.exe" -> "a.b.ini" (only the last extension).
// A file name without a dot gets ".ini" appended; a dot in a folder name does not count.
// An empty path stays empty.
std::u16string IniPathFor(std::u16string_view modulePath);
