// GDI+ starts with the first picture and runs until the process ends: a bar that
// shows no picture never loads it, which keeps it out of the start-up.
#pragma once

namespace gdiplus_session {
// Starts GDI+ once; answers whether it runs. Call before any GDI+ object is made.
bool Start();
bool Started();
}  // namespace gdiplus_session
