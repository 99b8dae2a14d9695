// Memo widget: the memo window's properties button faces and the memo properties dialog.
#pragma once

#define IDB_PENCIL_PRESSED 189
#define IDB_PENCIL_HOVER 190
#define IDB_PENCIL 191

#define IDD_MEMO_PROPS 185
#define IDC_MEMO_PLAIN 1027
#define IDC_MEMO_FORMATTED 1028
#define IDC_MEMO_FONTS 1029
#define IDC_MEMO_FONT_SIZE 1030
#define IDC_MEMO_FONT_SIZE_SPIN 1032
#define IDC_MEMO_WORD_WRAP 1033
#define IDC_MEMO_TITLE 1036
#define IDC_MEMO_BACK_COLOR 1037
#define IDC_MEMO_TEXT_COLOR 1038
