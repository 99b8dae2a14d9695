// Files read and written whole. A write goes to a temporary file beside the target, is
// flushed to the disk and only then moved over the old file, so a crash or a power cut
// leaves the old file or the new one, never a mix of both.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

enum class WholeRead {
  kRead,
  kMissing,     // no such file
  kUnreadable,  // there, but held by another program, access denied or failing
};

// `bytes` holds the file after kRead, nothing otherwise.
WholeRead ReadWholeFile(const std::wstring& path, std::string& bytes);

// `write` fills the temporary file, open for writing, and answers whether all of it got
// there. False when the target was not replaced: it is then left as it was and the
// temporary file removed.
bool ReplaceWholeFile(const std::wstring& path, const std::wstring& tempPath,
                      const std::function<bool(HANDLE)>& write);
bool WriteWholeFile(const std::wstring& path, const std::wstring& tempPath, std::string_view bytes);

// Creates or truncates `path` and writes `bytes` into it, nothing more: for a working
// file that is not yet anyone's data.
bool WriteNewFile(const std::wstring& path, std::string_view bytes);

// A file written by someone else (the profile API) is flushed, then moved over `path`.
bool MoveFlushedOver(const std::wstring& from, const std::wstring& path);
