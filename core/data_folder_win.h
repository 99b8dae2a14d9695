// The folder that holds the program's files, decided once at start: see core/data_folder.h.
#pragma once

#include <string>

#include "core/data_folder.h"

// Which folder it is, asked of the file system without leaving anything there (a probe
// file is made and deleted): a second start decides from it whether to run at all
// before it writes.
DataFolderChoice DecideDataFolder();
// Makes the chosen folder ready: creates %APPDATA%\Pelgra\ when it is chosen and brings
// a read-only stored settings file (and the memo files named after the program) along.
// Answers the executable's file name in that folder.
std::wstring SettleDataFolder(const DataFolderChoice& choice);

// The executable's file name in that folder (the executable's own path in portable
// use), decided and settled by the first call. Every path of a file the program writes
// is formed from this one.
const std::wstring& DataProgramPath();
