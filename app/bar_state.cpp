#include "app/bar_state.h"

BarState barState;
