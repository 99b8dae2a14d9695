#include "core/data_folder.h"

DataFolderChoice ChooseDataFolder(const DataFolderFacts& facts) {
  // The settings file is replaced whole through a new file beside it, so a folder that
  // takes no new file cannot keep it, however writable the file itself is.
  if (facts.folderWritable || facts.appData.empty()) return {std::u16string(facts.programPath), false};

  const std::size_t nameStart = facts.programPath.find_last_of(u"\\/") + 1;  // npos + 1 == 0
  std::u16string path(facts.appData);
  if (path.back() != u'\\' && path.back() != u'/') path += u'\\';
  path += kDataFolderName;
  path += u'\\';
  path += facts.programPath.substr(nameStart);
  return {path, facts.iniBeside != StoredIni::kNone};
}
