// The settings file on disk, written whole. The profile API rewrites a file in place,
// where a cut write leaves it torn, so it edits a working copy beside the file instead;
// once a batch of writes is done the copy is flushed and moved over the file in one
// step, then written again as the last good copy ("pelgra.ini.bak").
#pragma once

#include <string>

// The copy the profile API edits while a batch is open (also the file's temporary file).
std::wstring IniWorkingPath(const std::wstring& iniPath);
std::wstring IniBackupPath(const std::wstring& iniPath);

// Opens a batch: the file's bytes go to the working copy (a UTF-16 byte order mark alone
// for a missing or torn file, so the profile API writes Unicode), and into `staged`.
// False when the file is there but cannot be read.
bool BeginIniEdit(const std::wstring& iniPath, std::string& staged);
// Closes it: a working copy that differs from `staged` replaces the file and the last good
// copy; an unchanged one is dropped. False when the file could not be replaced, which is
// then left as it was, with its copy.
bool CommitIniEdit(const std::wstring& iniPath, const std::string& staged);
void DropIniEdit(const std::wstring& iniPath);

// At start: a torn file is put back from its last good copy when that copy is whole.
// True when it was.
bool RestoreTornIni(const std::wstring& iniPath);
