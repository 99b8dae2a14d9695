// The one settings store: integers and strings by section and key, in the .ini file
// named after the executable in the program's data folder (beside it in portable use)
// or, when useIni is false, under a registry key. The .ini is written whole
// (core/ini_file_win.h): each write, or each batch of writes, replaces it at once.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/ini_values.h"

// Told when a write of the .ini did not reach it: once, until a write succeeds again.
class SettingsWriteWatcher {
 public:
  virtual void SettingsNotWritten() = 0;

 protected:
  ~SettingsWriteWatcher() = default;
};

class CSettings {
 public:
  // The writes made while one lives (nested ones join the outer) reach the .ini together,
  // as one replacement of the file, when the outermost ends; reads in between see them.
  class WriteBatch {
   public:
    explicit WriteBatch(CSettings& store) : store_(store) { ++store_.batchDepth_; }
    ~WriteBatch() { store_.EndBatch(); }
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

   private:
    CSettings& store_;
  };

  // The reads made while one lives (nested ones join the outer) take the file as it was
  // at the first of them: a burst of reads, as at start-up, asks for its stamp once.
  class ReadBatch {
   public:
    explicit ReadBatch(CSettings& store) : store_(store) { ++store_.readBatchDepth_; }
    ~ReadBatch() {
      if (--store_.readBatchDepth_ == 0) store_.stampChecked_ = false;
    }
    ReadBatch(const ReadBatch&) = delete;
    ReadBatch& operator=(const ReadBatch&) = delete;

   private:
    CSettings& store_;
  };

  bool useIni = true;
  std::wstring iniPath;
  std::wstring regBase = L"Software\\Tarvinex\\Pelgra\\";
  HKEY rootKey = HKEY_CURRENT_USER;

  // Sets iniPath from DataProgramPath() and regBase; called before the first read.
  void FillPaths();
  // The same for the executable's path in a data folder settled already.
  void FillPaths(const std::wstring& dataProgramPath);

  int GetInt(const wchar_t* section, const wchar_t* key, int def);
  // Always leaves a terminated string in buffer ("" when missing); nothing for capacity <= 0.
  void GetString(const wchar_t* section, const wchar_t* key, wchar_t* buffer, int capacity);
  // The whole value, however long: read again with more room while it fills the buffer
  // (up to some 67 million units).
  std::wstring GetWholeString(const wchar_t* section, const wchar_t* key);
  // False when the value did not reach the file (or, inside a batch, the working copy).
  bool SetInt(const wchar_t* section, const wchar_t* key, int value);
  bool SetString(const wchar_t* section, const wchar_t* key, const wchar_t* value);
  // The whole section with its keys; in .ini mode only (nothing in the registry).
  bool DeleteSection(const wchar_t* section);

  SettingsWriteWatcher* watcher = nullptr;

 private:
  // A profile write (a null key deletes the section) into the open batch's working copy.
  bool WriteProfile(const wchar_t* section, const wchar_t* key, const wchar_t* value);
  // Closes one level; the outermost commits. False when what it had was not written.
  bool EndBatch();
  // Where reads go: the working copy while a batch has written to it.
  const std::wstring& ReadPath() const { return editing_ ? workingPath_ : iniPath; }
  // The file's values, read again when it changed; null where the profile API must answer
  // (a batch's working copy, a file in another encoding, one that cannot be read).
  const IniValues* CurrentValues();

  // Whether the file is there, its size and its last write: what a read copy was taken of.
  struct FileStamp {
    bool present = false;
    unsigned long long size = 0;
    unsigned long long written = 0;
    bool operator==(const FileStamp&) const = default;
  };
  struct ReadCopy {
    FileStamp stamp;
    IniValues values;
    bool usable = false;
  };
  std::optional<ReadCopy> read_;

  int readBatchDepth_ = 0;
  bool stampChecked_ = false;  // read_ was checked against the file in this read batch
  int batchDepth_ = 0;
  bool editing_ = false;      // the working copy holds this batch's writes
  bool editFailed_ = false;   // a write of this batch failed: nothing of it reaches the file
  std::string staged_;        // what the working copy held when the batch began
  std::wstring workingPath_;
  bool failureTold_ = false;
};

// "MusicList" and 2 -> "MusicList2": the numbered keys of stored lists.
std::wstring NumberedKey(const wchar_t* prefix, int n);

