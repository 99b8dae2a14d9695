#include "app/bar_settings.h"

BarSettings barSettings;
