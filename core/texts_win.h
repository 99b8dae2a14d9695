// The texts, dialogs and menus of one language from the program's resources: a string
// table, dialog templates and menus per language (LANGUAGE blocks of res/pelgra.rc).
// What a language lacks comes from the Korean ones.
#pragma once

#include <windows.h>

#include <string>

#include "core/texts.h"
#include "core/wide_win.h"

TextTable LoadTexts(Language language);
// Whether the user's Windows display language is Korean.
bool WindowsIsKorean();

// Dialog template `id` of `language`: modal (the dialog's result, -1 on failure) and modeless.
INT_PTR RunDialogIn(Language language, int id, HWND owner, DLGPROC procedure, LPARAM param);
HWND CreateDialogIn(Language language, int id, HWND owner, DLGPROC procedure, LPARAM param);
// Menu `id` of `language`; the caller destroys it.
HMENU LoadMenuIn(Language language, int id);

// An open-file dialog's filter of one kind: its name (text `kind`), then `patterns`.
std::wstring FileFilter(const TextTable& texts, TextId kind, const wchar_t* patterns);

// A text as the system takes it.
inline const wchar_t* WideText(const TextTable& texts, TextId id) { return AsWide(texts[id].c_str()); }
