// Resource ids of the program.
#pragma once

#define IDI_PELGRA 129
