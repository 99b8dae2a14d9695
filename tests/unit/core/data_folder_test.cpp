#include "core/data_folder.h"

#include <gtest/gtest.h>

namespace {

struct DataFolderCase {
  const char* what;
  bool folderWritable;
  StoredIni iniBeside;
  std::u16string_view appData;
  std::u16string_view dataProgramPath;
  bool carry;
};

constexpr std::u16string_view kProgram = u"C:\\Program Files\\Pelgra\\pelgra.exe";
constexpr std::u16string_view kRoaming = u"C:\\Users\\kim\\AppData\\Roaming";
constexpr std::u16string_view kInRoaming = u"C:\\Users\\kim\\AppData\\Roaming\\Pelgra\\pelgra.exe";

TEST(ChooseDataFolder, PortableFirstElseTheUsersRoamingFolder) {
  const DataFolderCase cases[] = {
      {"writable folder", true, StoredIni::kNone, kRoaming, kProgram, false},
      {"writable folder, read-only ini", true, StoredIni::kReadOnly, kRoaming, kProgram, false},
      {"read-only folder, writable ini", false, StoredIni::kWritable, kRoaming, kInRoaming, true},
      {"read-only folder, no ini", false, StoredIni::kNone, kRoaming, kInRoaming, false},
      {"read-only folder, read-only ini", false, StoredIni::kReadOnly, kRoaming, kInRoaming, true},
      {"APPDATA ending in a backslash", false, StoredIni::kNone, u"D:\\roam\\", u"D:\\roam\\Pelgra\\pelgra.exe", false},
      {"no APPDATA", false, StoredIni::kReadOnly, u"", kProgram, false},
  };
  for (const DataFolderCase& c : cases) {
    const DataFolderChoice choice = ChooseDataFolder({kProgram, c.folderWritable, c.iniBeside, c.appData});
    EXPECT_EQ(choice.dataProgramPath, c.dataProgramPath) << c.what;
    EXPECT_EQ(choice.carryStoredFiles, c.carry) << c.what;
  }
}

}  // namespace
