#include "core/bar_settings.h"

BarSettings barSettings;
