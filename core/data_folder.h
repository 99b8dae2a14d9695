// Where the program keeps its files (settings, memos, the temporary MP3): beside the
// executable when it may write there, as a portable program does, else in a folder of
// its own under the user's roaming application data, with the same file names.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::u16string_view kDataFolderName = u"Pelgra";

enum class StoredIni { kNone, kReadOnly, kWritable };

// What start-up finds out about the executable's folder.
struct DataFolderFacts {
  std::u16string_view programPath;        // the executable's full path
  bool folderWritable = false;            // a file could be created and deleted there
  StoredIni iniBeside = StoredIni::kNone;  // the settings file beside the executable
  std::u16string_view appData;            // %APPDATA%; empty when unset
};

struct DataFolderChoice {
  // The executable's file name placed in the folder that holds its files: the settings,
  // memo and temporary paths are formed from it as from the executable's own path.
  std::u16string dataProgramPath;
  // The stored files beside the executable are to be copied there (they cannot be
  // written whole where they are); the caller does so only while the folder has no settings.
  bool carryStoredFiles = false;
};

// Beside the executable when its folder takes new files; else %APPDATA%\Pelgra\, with
// the stored files carried there. Without %APPDATA% there is nowhere better: beside the
// executable.
DataFolderChoice ChooseDataFolder(const DataFolderFacts& facts);
