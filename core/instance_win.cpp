#include "core/instance_win.h"

HINSTANCE appInstance = GetModuleHandleW(nullptr);
