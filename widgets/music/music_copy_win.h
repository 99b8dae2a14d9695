// MCI's MP3 reader under some systems stumbles over a leading ID3v2 tag, so a tagged
// file is played from a copy of the rest of it, kept hidden beside the executable.
#pragma once

#include <string>

// What to hand to MCI for `path`: tempPath holding the file without its tag when it
// has a usable one and the whole copy was written, else path itself (a file that
// cannot be read, has no tag, or whose copy failed).
std::wstring PlayableElement(const wchar_t* path, const std::wstring& tempPath);
