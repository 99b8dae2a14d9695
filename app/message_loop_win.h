// The program's message loop. It keeps the bar's beat itself: its wait for messages
// ends when the next beat is due, so an idle bar wakes once a second with no timer
// and no timer message (under Wine, a timer's message costs two more trips to the
// server than a wait that simply ends). A modal loop (a menu, a message box, a move)
// takes the messages elsewhere: a thread timer armed when a message is handed on
// keeps the beat there, and goes once this loop is idle again.
#pragma once

#include <functional>

struct OpenPopup;

// Runs until WM_QUIT and returns its exit code. `beat` is called once a second.
int RunMessageLoop(const OpenPopup& popup, std::function<void()> beat);
