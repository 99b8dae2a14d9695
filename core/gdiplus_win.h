// GDI+ runs for the whole process: started before the entry point, shut down at exit.
#pragma once

namespace gdiplus_session {
bool Started();
}
