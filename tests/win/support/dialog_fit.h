// Whether every text of the program's dialogs fits its control: each dialog of a
// language made from its template, with the longest texts the program puts into it.
#pragma once

#include <string>
#include <vector>

#include "core/language.h"

namespace test_support {

// One line per text that is cut off or control that sticks out of its dialog, naming
// the dialog, the control and the text.
std::vector<std::wstring> CutOffDialogTexts(Language language);

}  // namespace test_support
