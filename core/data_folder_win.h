// The folder that holds the program's files, decided once at start: see core/data_folder.h.
#pragma once

#include <string>

// The executable's file name in that folder (the executable's own path in portable
// use). Every path of a file the program writes is formed from this one. The first
// call decides, creates %APPDATA%\Pelgra\ when it is chosen and brings a read-only
// stored settings file (and the memo files named after the program) along.
const std::wstring& DataProgramPath();
