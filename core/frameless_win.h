// Windows with no non-client area answer its messages themselves.
#pragma once

#include <windows.h>

// True when `msg` is WM_NCCALCSIZE or WM_NCPAINT and `window` has no border, frame,
// scroll bar or menu: its answer is then 0, as the default handling's (the client area
// stays the whole window, and there is nothing to paint). Under Wine the default
// handling of the two asks for regions and a window DC, some 0.1 ms a window, and the
// bar paints several dozen when it starts.
bool AnswerFramelessNonClient(HWND window, UINT msg);
