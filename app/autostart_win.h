// Starting with Windows through the current user's Run key: value "Pelgra" holding
// the quoted full path of this executable.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The stored command, or nothing when there is no such value (or it is not text).
std::optional<std::wstring> StoredRunCommand();

// True when the value exists and starts this executable.
bool AutostartRegistered();

// Writes or removes the value as the box asks (see AutostartChangeFor); false when
// the registry refused the change.
bool ApplyAutostart(bool checked);
