// The program's version, used by the version resource and the about box.
#pragma once

#define PELGRA_VERSION_MAJOR 0
#define PELGRA_VERSION_MINOR 1
#define PELGRA_VERSION_PATCH 0
#define PELGRA_VERSION_TEXT "0.1.0"
