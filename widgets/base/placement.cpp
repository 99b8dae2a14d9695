#include "widgets/base/placement.h"

namespace {
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;
}  // namespace

int OpenShowCmd(int stored) { return stored == kShowMaximized ? kShowMaximized : kShowNormal; }
