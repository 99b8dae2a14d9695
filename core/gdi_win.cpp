#include "core/gdi_win.h"

namespace gdi {
namespace {
int liveObjects = 0;
}

int LiveObjects() { return liveObjects; }
void CountLive(int delta) { liveObjects += delta; }

}  // namespace gdi
