// Resource ids of the program.
#pragma once

#define IDI_PELGRA 129

// The bar's splitter cursors: 138 for a horizontal bar, 139 for a vertical one.
#define IDC_SPLIT_LEFTRIGHT 138
#define IDC_SPLIT_UPDOWN 139

// Menu 113: the bar's popup ("메인 팝업") and the calculator's ("계산기팝업").
#define IDM_POPUPS 113
#define ID_ALWAYS_ON_TOP 32772
#define ID_CALC_AUTOCOPY 32774
#define ID_CALC_REINPUT 32776
#define ID_SELECT_WIDGETS 32780
#define ID_SELECT_TIDGETS 32782
#define ID_HELP_NOTICE 32783
#define ID_TOGGLE_DIRECTION 40002
#define ID_ABOUT 40004
#define ID_PREFERENCES 40006

// Faces of the bar's close button (normal, hover, pressed) and its menu button.
#define IDB_CLOSE_AMBER 130
#define IDB_CLOSE_YELLOW 131
#define IDB_CLOSE_BLUE 132
#define IDB_MENU 136

// Faces of the arrow buttons that scroll the bar's widget area when it does not fit.
#define IDB_ARROW_UP 200
#define IDB_ARROW_DOWN 201
#define IDB_ARROW_LEFT 202
#define IDB_ARROW_RIGHT 203

// CPU usage settings popup.
#define IDD_CPUUSAGE 142
#define IDC_CPU_PERIOD_1S 1000
#define IDC_CPU_PERIOD_2S 1001
#define IDC_CPU_PERIOD_5S 1002
#define IDC_CPU_PERIOD_10S 1003
#define IDC_CPU_VARIABLE_Y 1004
#define IDC_CPU_PER_THREAD 1005

// Disk usage settings popup.
#define IDD_DISKUSAGE 143
#define IDC_DISK_REMOVABLE 1006
#define IDC_DISK_NETWORK 1007
#define IDC_DISK_PROPORTIONAL 1008

// Clock settings popup.
#define IDD_CLOCK 144
#define IDC_CLOCK_FACE 1009
#define IDC_CLOCK_HOUR24 1010
#define IDC_CLOCK_SECONDS 1011
#define IDC_CLOCK_DIGIT2 1012
#define IDC_CLOCK_STARTUP 1013

// Widget selection dialog.
#define IDD_SELECT_WIDGETS 192
#define IDC_WSEL_AVAILABLE 1038
#define IDC_WSEL_IN_USE 1039
#define IDC_WSEL_ADD 1040
#define IDC_WSEL_REMOVE 1041
#define IDC_WSEL_UP 1042
#define IDC_WSEL_DOWN 1043
#define IDC_WSEL_COLOR 1044
#define IDC_WSEL_HIDE 1045
#define IDC_WSEL_MERGE 1046
#define IDC_WSEL_RELATIVE 1047
#define IDC_WSEL_ABSOLUTE 1048
#define IDC_WSEL_RATIO 1049
#define IDC_WSEL_RATIO_SPIN 1050
#define IDC_WSEL_HEIGHT 1051
#define IDC_WSEL_HEIGHT_SPIN 1052
#define IDC_WSEL_WIDTH 1053
#define IDC_WSEL_WIDTH_SPIN 1054

// Tidget selection dialog.
#define IDD_SELECT_TIDGETS 193
#define IDC_TSEL_AVAILABLE 1053
#define IDC_TSEL_IN_USE 1054
#define IDC_TSEL_ADD 1055
#define IDC_TSEL_REMOVE 1056
#define IDC_TSEL_UP 1057
#define IDC_TSEL_DOWN 1058
#define IDC_TSEL_HIDE 1059

// Later modules keep their ids in headers of their own (res/NAME_ids.h).
#include "colortable_ids.h"
#include "tetris_ids.h"
#include "music_ids.h"
#include "calc_ids.h"
#include "tidgets_ids.h"
#include "memo_ids.h"
#include "slide_ids.h"
#include "prefs_ids.h"
#include "texts_ids.h"
