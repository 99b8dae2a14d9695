// What the memo widget decides without a window: its texts, the memo file's name and
// where its controls go. The memos themselves are in memo_record.h.
#pragma once

#include <string>
#include <string_view>

#include "core/geometry.h"
#include "core/scale.h"
#include "core/texts.h"
#include "widgets/base/face_fit.h"
#include "widgets/memo/memo_record.h"

// The delete question for a title (cut to 63 characters).
std::u16string DeleteQuestion(const TextTable& texts, std::u16string_view title);

// The memo file beside the executable: the program's path cut after the last '.' of
// its file name, then "Memo" for the first instance ("Memo_1") or the instance name.
// A file name without a dot gets one.
std::u16string MemoFilePath(std::u16string_view programPath, std::u16string_view instanceName);

// Where the memo widget's controls go in a client area of the given size: the title
// drop-down (its height includes the list), the "+", "-" and "ㅁ" buttons and the edit.
struct MemoWidgetLayout {
  Rect titleList;
  Rect addButton;
  Rect deleteButton;
  Rect openButton;
  Rect edit;
};
MemoWidgetLayout MemoWidgetLayoutOf(int width, int height, Scale scale = {});
// The least thickness at which the tool row lies inside the widget and the edit shows
// two whole lines of text (face_fit.h).
int MemoUsableThickness(bool vertical, int across, Scale scale);
