// Reading and writing a memo file on disk. A write goes to a temporary file beside
// the target, is flushed, and only then moved over the old file.
#pragma once

#include <string>

#include "widgets/memo/memo_record.h"

enum class MemoFileRead {
  kRead,        // the file's memos (none when it was not a memo file)
  kMissing,     // no such file: an empty set
  kUnreadable,  // there but not readable (held by another program, access denied)
};

// The set is emptied first; it holds the file's memos only after kRead.
MemoFileRead ReadMemoFile(const std::wstring& path, MemoSet& set);

// False when the file could not be written whole; the old file is then left as it was
// and the temporary file removed.
bool WriteMemoFile(const std::wstring& path, const MemoSet& set);
