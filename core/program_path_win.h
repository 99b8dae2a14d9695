// Where the running executable is.
#pragma once

#include <string>

// The executable's full path, however long it is.
std::wstring ProgramFilePath();
