// Ids of the cursor mover, clipboard-to-text, LCD test and size meter tidgets.
#pragma once

// Tidget faces (24 x 24 bitmaps).
#define IDB_MOVECURSOR_OFF 133
#define IDB_MOVECURSOR_ON 134
#define IDB_LCDTEST 135
#define IDB_SIZEMETER 137
#define IDB_TEXTCLIP_ON 140
#define IDB_TEXTCLIP_OFF 141

// Cursor mover settings popup.
#define IDD_MOVECURSOR 110
#define IDC_MOVECURSOR_ACTIVE 1001
#define IDC_MOVECURSOR_PERIOD 1005
#define IDC_MOVECURSOR_SPIN 1006
#define IDC_MOVECURSOR_COUNT 1007
