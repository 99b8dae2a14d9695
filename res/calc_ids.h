// Calculator: the face of its copy button (menu 113's second popup is in resource.h).
#pragma once

#define IDB_CALC_COPY 145
