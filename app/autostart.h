// Starting with Windows: the command the current user's Run value holds for this
// program, and whether a stored command names this program or another copy.
#pragma once

#include <string>
#include <string_view>

inline constexpr char16_t kRunValueName[] = u"Pelgra";

// The program's full path in quotes, so that a folder with blanks stays one argument.
std::u16string RunCommandFor(std::u16string_view programPath);

// The program a Run command starts: the quoted part when it begins with a quote,
// else the whole command without the blanks around it.
std::u16string_view RunCommandProgram(std::u16string_view command);

// Paths as Windows compares file names: either slash, ASCII letters in any case.
bool SamePath(std::u16string_view a, std::u16string_view b);

enum class AutostartChange { None, Register, Remove };

// What the box asks for. `registered`: the stored value names this program. A value
// of another copy is replaced only when the box is checked and is otherwise left alone.
AutostartChange AutostartChangeFor(bool registered, bool checked);
