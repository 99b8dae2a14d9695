// The module instance of the program: windows, dialogs and resources are made from it.
#pragma once

#include <windows.h>

// Set at the start of the entry point; the executable's own module before that.
extern HINSTANCE appInstance;
