// The settings store against the real profile and registry functions.
#include "core/settings_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "common/remove_folder_win.h"
#include "core/ini_file_win.h"

namespace {

std::wstring UniqueName(const wchar_t* prefix) {
  static int counter = 0;
  return prefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) +
         L"-" + std::to_wstring(++counter);
}

std::vector<unsigned char> ReadBytes(const std::wstring& path) {
  std::vector<unsigned char> bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  unsigned char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
    bytes.insert(bytes.end(), chunk, chunk + read);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

// Bytes of a UTF-16LE file after its mark, as text.
std::wstring Utf16Text(const std::vector<unsigned char>& bytes) {
  std::wstring text;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8)));
  return text;
}

bool StartsWithBom(const std::vector<unsigned char>& bytes) {
  return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

struct CountingWatcher : SettingsWriteWatcher {
  void SettingsNotWritten() override { ++told; }
  int told = 0;
};

class IniSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    folder_ = temp + UniqueName(L"pelgra-settings-");
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    store_.iniPath = folder_ + L"\\pelgra.ini";
  }
  void TearDown() override { RemoveTestFolder(folder_); }

  bool Exists(const std::wstring& path) const { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::wstring Backup() const { return store_.iniPath + L".bak"; }
  std::wstring Working() const { return store_.iniPath + L".tmp"; }

  std::wstring folder_;
  CSettings store_;
  CountingWatcher watcher_;
};

TEST_F(IniSettings, MissingFileGivesDefaults) {
  EXPECT_EQ(store_.GetInt(L"main", L"vertical", 7), 7);
  EXPECT_EQ(store_.GetInt(L"main", L"left", -3), -3);
  wchar_t buffer[32] = L"stale";
  store_.GetString(L"main", L"widget_1", buffer, 32);
  EXPECT_STREQ(buffer, L"");
  EXPECT_EQ(GetFileAttributesW(store_.iniPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(IniSettings, NegativeIntIsWrittenAsSignedText) {
  EXPECT_TRUE(store_.SetInt(L"main", L"left", -5));
  std::vector<unsigned char> bytes = ReadBytes(store_.iniPath);
  ASSERT_TRUE(StartsWithBom(bytes));
  std::wstring text = Utf16Text(bytes);
  EXPECT_NE(text.find(L"[main]"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"left=-5"), std::wstring::npos) << text;
  EXPECT_EQ(store_.GetInt(L"main", L"left", 0), -5);
}

TEST_F(IniSettings, KoreanLineSurvivesInUnicodeFile) {
  const wchar_t* line = L"시계§Clock§Clock_1§1§80§120§14020607§0§100";
  EXPECT_TRUE(store_.SetString(L"main", L"widget_0", line));
  std::vector<unsigned char> bytes = ReadBytes(store_.iniPath);
  ASSERT_TRUE(StartsWithBom(bytes));
  EXPECT_NE(Utf16Text(bytes).find(line), std::wstring::npos);
  wchar_t buffer[260] = {};
  store_.GetString(L"MAIN", L"Widget_0", buffer, 260);
  EXPECT_STREQ(buffer, line);
}

TEST_F(IniSettings, ExistingAnsiFileIsKeptAnsi) {
  WriteBytes(store_.iniPath, "[main]\r\nvertical=0\r\nwnum=3\r\n");
  EXPECT_EQ(store_.GetInt(L"main", L"vertical", 9), 0);
  EXPECT_TRUE(store_.SetInt(L"main", L"vertical", 1));
  std::vector<unsigned char> bytes = ReadBytes(store_.iniPath);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes[0], '[');
  std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("vertical=1"), std::string::npos) << text;
  EXPECT_EQ(store_.GetInt(L"main", L"vertical", 9), 1);
  EXPECT_EQ(store_.GetInt(L"main", L"wnum", 9), 3);
}

TEST_F(IniSettings, GetStringCutsToCapacityAndIgnoresNoRoom) {
  ASSERT_TRUE(store_.SetString(L"Clock_1", L"format", L"abcdefgh"));
  wchar_t buffer[8] = {L'x', L'x', L'x', L'x', L'x', L'x', L'x', L'x'};
  store_.GetString(L"Clock_1", L"format", buffer, 4);
  EXPECT_STREQ(buffer, L"abc");
  EXPECT_EQ(buffer[4], L'x');
  buffer[0] = L'q';
  store_.GetString(L"Clock_1", L"format", buffer, 0);
  store_.GetString(L"Clock_1", L"format", buffer, -1);
  EXPECT_EQ(buffer[0], L'q');
  store_.GetString(L"Clock_1", L"format", nullptr, 8);
}

// Values are read from the file's text in one pass: what comes back must be what the
// profile API itself gives for the same file, odd spellings included.
TEST_F(IniSettings, ValuesReadInOnePassAreWhatTheProfileApiGives) {
  const std::wstring text =
      L"stray=1\r\n[Main]\r\n  spaced  =  value  \r\nk=a=b\rflag\n"
      L"q1=\"quoted\"\r\nq2='x'\r\nq3=\"\r\nq4=\"\"\r\nq5=\"a'\r\nq6=\"abcd\"\r\n"
      L"dup=first\r\ndup=second\r\nKR=값\u3000\r\n"
      L"i1= 42\r\ni2=-7\r\ni3=+3\r\ni4=12abc\r\ni5=abc\r\ni6=\r\ni7=4294967297\r\n"
      L"i8=-2147483648\r\ni9=0000000000000000000000000000000000012\r\n"
      L"[main]\r\nlater=1\r\n[ sp ]\r\nsp=1\r\n[a]b]\r\nx=2\r\n[broken\r\ny=3\r\n";
  auto utf16 = [](const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
  };
  WriteBytes(store_.iniPath, utf16(text));
  const std::vector<std::pair<const wchar_t*, const wchar_t*>> asked = {
      {L"main", L"spaced"}, {L" MAIN ", L"SPACED "}, {L"main", L"k"}, {L"main", L"flag"}, {L"main", L"stray"},
      {L"main", L"q1"}, {L"main", L"q2"}, {L"main", L"q3"}, {L"main", L"q4"}, {L"main", L"q5"}, {L"main", L"q6"},
      {L"main", L"dup"}, {L"main", L"kr"}, {L"main", L"later"}, {L"sp", L"sp"}, {L" sp ", L"sp"}, {L"a]b", L"x"},
      {L"main", L"y"}, {L"nowhere", L"x"}, {L"main", L"i1"}, {L"main", L"i2"}, {L"main", L"i3"}, {L"main", L"i4"},
      {L"main", L"i5"}, {L"main", L"i6"}, {L"main", L"i7"}, {L"main", L"i8"}, {L"main", L"i9"}};
  for (const auto& [section, key] : asked) {
    for (int room : {1, 2, 3, 4, 5, 6, 260}) {
      wchar_t ours[260], theirs[260];
      std::fill(std::begin(ours), std::end(ours), L'#');
      std::fill(std::begin(theirs), std::end(theirs), L'#');
      store_.GetString(section, key, ours, room);
      GetPrivateProfileStringW(section, key, L"", theirs, room, store_.iniPath.c_str());
      EXPECT_STREQ(ours, theirs) << section << L"/" << key << L" in " << room;
    }
    EXPECT_EQ(store_.GetInt(section, key, -99),
              static_cast<int>(GetPrivateProfileIntW(section, key, -99, store_.iniPath.c_str())))
        << section << L"/" << key;
  }
  // A change from outside, as a hand edit while the bar runs, is seen at the next read.
  WriteBytes(store_.iniPath, utf16(L"[m]\nv=5"));
  EXPECT_EQ(store_.GetInt(L"m", L"v", 0), 5);
  {
    // Within a batch of reads, only after the batch; the store's own writes at once.
    CSettings::ReadBatch reads(store_);
    EXPECT_EQ(store_.GetInt(L"m", L"v", 0), 5);
    WriteBytes(store_.iniPath, utf16(L"[m]\nv=66"));
    EXPECT_EQ(store_.GetInt(L"m", L"v", 0), 5);
    EXPECT_TRUE(store_.SetInt(L"m", L"w", 7));
    EXPECT_EQ(store_.GetInt(L"m", L"w", 0), 7);
    EXPECT_EQ(store_.GetInt(L"m", L"v", 0), 66);
  }
  WriteBytes(store_.iniPath, utf16(L"[m]\nv=8"));
  EXPECT_EQ(store_.GetInt(L"m", L"v", 0), 8);
}

TEST_F(IniSettings, ABatchReachesTheFileInOneStepAndItsLastGoodCopyFollows) {
  {
    CSettings::WriteBatch batch(store_);
    EXPECT_TRUE(store_.SetInt(L"main", L"left", 12));
    EXPECT_TRUE(store_.SetString(L"Clock_1", L"format", L"가"));
    EXPECT_EQ(store_.GetInt(L"main", L"left", 0), 12);
    EXPECT_FALSE(Exists(store_.iniPath));
  }
  const std::vector<unsigned char> written = ReadBytes(store_.iniPath);
  ASSERT_TRUE(StartsWithBom(written));
  EXPECT_NE(Utf16Text(written).find(L"left=12"), std::wstring::npos);
  EXPECT_NE(Utf16Text(written).find(L"format=가"), std::wstring::npos);
  EXPECT_EQ(ReadBytes(Backup()), written);
  EXPECT_FALSE(Exists(Working()));
  // A write that changes nothing writes nothing, not even the copy.
  ASSERT_TRUE(DeleteFileW(Backup().c_str()));
  EXPECT_TRUE(store_.SetInt(L"main", L"left", 12));
  EXPECT_FALSE(Exists(Backup()));
  EXPECT_TRUE(store_.DeleteSection(L"Clock_1"));
  EXPECT_EQ(Utf16Text(ReadBytes(store_.iniPath)).find(L"Clock_1"), std::wstring::npos);
  EXPECT_EQ(ReadBytes(Backup()), ReadBytes(store_.iniPath));
}

TEST_F(IniSettings, AFailedWriteLeavesTheFileAndItsCopyAndIsToldOnceUntilAWriteSucceeds) {
  CountingWatcher& watcher = watcher_;
  store_.watcher = &watcher_;
  // The working copy cannot be made (a folder stands in its place), or it cannot
  // replace the file (held open by another program that lets it be read, not replaced).
  for (const bool held : {false, true}) {
    ASSERT_TRUE(store_.SetInt(L"main", L"left", 1));
    const std::vector<unsigned char> before = ReadBytes(store_.iniPath);
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (held)
      holder = CreateFileW(store_.iniPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    else
      ASSERT_TRUE(CreateDirectoryW(Working().c_str(), nullptr));
    EXPECT_FALSE(store_.SetInt(L"main", L"left", 2)) << held;
    EXPECT_FALSE(store_.SetInt(L"main", L"top", 3)) << held;
    EXPECT_EQ(watcher.told, held ? 2 : 1);
    if (held) CloseHandle(holder);
    RemoveDirectoryW(Working().c_str());
    EXPECT_EQ(ReadBytes(store_.iniPath), before) << held;
    EXPECT_EQ(ReadBytes(Backup()), before) << held;
    EXPECT_FALSE(Exists(Working())) << held;
    EXPECT_EQ(store_.GetInt(L"main", L"left", 0), 1) << held;
    EXPECT_TRUE(store_.SetInt(L"main", L"left", 4)) << held;
    EXPECT_EQ(store_.GetInt(L"main", L"left", 0), 4) << held;
    EXPECT_EQ(ReadBytes(Backup()), ReadBytes(store_.iniPath)) << held;
  }
}

struct TornCase {
  const char* what;
  std::string ini;
  std::string backup;  // "-" for none
  bool restored;
};

TEST_F(IniSettings, ATornFileComesBackFromAWholeLastGoodCopyOnly) {
  const std::string good("\xFF\xFE[\0m\0]\0\r\0\n\0l\0=\0\x31\0", 18);
  const std::string other = "[main]\r\nleft=2\r\n";
  const TornCase cases[] = {
      {"cut to nothing", "", good, true},
      {"zero-filled", std::string(300, '\0'), good, true},
      {"no section", "left=1\r\n", good, true},
      {"whole", other, good, false},
      {"torn without a copy", "", "-", false},
      {"torn with a torn copy", "", std::string(16, '\0'), false},
  };
  for (const TornCase& c : cases) {
    WriteBytes(store_.iniPath, c.ini);
    DeleteFileW(Backup().c_str());
    if (c.backup != "-") WriteBytes(Backup(), c.backup);
    EXPECT_EQ(RestoreTornIni(store_.iniPath), c.restored) << c.what;
    const std::vector<unsigned char> now = ReadBytes(store_.iniPath);
    EXPECT_EQ(std::string(now.begin(), now.end()), c.restored ? good : c.ini) << c.what;
  }
}

class RegistrySettings : public ::testing::Test {
 protected:
  void SetUp() override {
    testKey_ = L"Software\\PelgraTest\\" + UniqueName(L"run-");
    store_.useIni = false;
    store_.regBase = testKey_ + L"\\";
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, testKey_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, testKey_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\PelgraTest");  // only if now empty
  }

  bool SectionExists(const wchar_t* section) {
    HKEY key = nullptr;
    std::wstring path = store_.regBase + section;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }

  void SetRaw(const wchar_t* section, const wchar_t* name, DWORD type, const void* data,
              DWORD size) {
    HKEY key = nullptr;
    std::wstring path = store_.regBase + section;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  std::wstring testKey_;
  CSettings store_;
};

TEST_F(RegistrySettings, MissingSectionGivesDefaultAndLeavesEmptySubkey) {
  EXPECT_FALSE(SectionExists(L"Clock_1"));
  EXPECT_EQ(store_.GetInt(L"Clock_1", L"timerInterval", 42), 42);
  EXPECT_TRUE(SectionExists(L"Clock_1"));
  wchar_t buffer[16] = L"stale";
  store_.GetString(L"Memo_1", L"caption", buffer, 16);
  EXPECT_STREQ(buffer, L"");
  EXPECT_TRUE(SectionExists(L"Memo_1"));
  // The section exists now but the key does not.
  EXPECT_EQ(store_.GetInt(L"Clock_1", L"timerInterval", 43), 43);
}

TEST_F(RegistrySettings, IntRoundTrip) {
  EXPECT_TRUE(store_.SetInt(L"main", L"left", -1234));
  EXPECT_EQ(store_.GetInt(L"MAIN", L"LEFT", 0), -1234);
  EXPECT_TRUE(store_.SetInt(L"main", L"left", 2147483647));
  EXPECT_EQ(store_.GetInt(L"main", L"left", 0), 2147483647);
}

TEST_F(RegistrySettings, StringRoundTripWithKorean) {
  const wchar_t* line = L"시계§Clock§Clock_1§1§80§120§14020607§0§100";
  EXPECT_TRUE(store_.SetString(L"main", L"widget_0", line));
  wchar_t buffer[260];
  store_.GetString(L"main", L"widget_0", buffer, 260);
  EXPECT_STREQ(buffer, line);
}

TEST_F(RegistrySettings, UnterminatedStringFillingBufferComesBackTerminated) {
  // RegSetValueExW adds a forgotten terminator when the next character is one, so the
  // stored text is followed by a non-zero character here.
  SetRaw(L"main", L"name", REG_SZ, L"abcdX", 4 * sizeof(wchar_t));
  wchar_t buffer[8] = {L'x', L'x', L'x', L'x', L'x', L'x', L'x', L'x'};
  store_.GetString(L"main", L"name", buffer, 4);
  EXPECT_STREQ(buffer, L"abc");
  EXPECT_EQ(buffer[4], L'x');
  // With room for the terminator nothing is lost.
  store_.GetString(L"main", L"name", buffer, 5);
  EXPECT_STREQ(buffer, L"abcd");
}

TEST_F(RegistrySettings, StringLongerThanBufferGivesEmpty) {
  ASSERT_TRUE(store_.SetString(L"main", L"name", L"abcdefgh"));
  wchar_t buffer[4] = {L'x', L'x', L'x', L'x'};
  store_.GetString(L"main", L"name", buffer, 4);
  EXPECT_STREQ(buffer, L"");
  buffer[0] = L'q';
  store_.GetString(L"main", L"name", buffer, 0);
  EXPECT_EQ(buffer[0], L'q');
}

TEST_F(RegistrySettings, ShortBinaryValueReadsWithoutStrayBytes) {
  const unsigned char one = 7;
  SetRaw(L"main", L"small", REG_BINARY, &one, 1);
  EXPECT_EQ(store_.GetInt(L"main", L"small", -1), 7);
  const unsigned char eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  SetRaw(L"main", L"big", REG_BINARY, eight, 8);
  EXPECT_EQ(store_.GetInt(L"main", L"big", -1), -1);
}

TEST(SettingsPaths, FillPathsPutsTheIniBesideTheExe) {
  CSettings store;
  store.iniPath = L"unset";
  store.regBase = L"unset";
  store.FillPaths();
  wchar_t exe[MAX_PATH * 4];
  DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH * 4);
  ASSERT_GT(length, 0u);
  std::wstring exePath(exe, length);
  std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\') + 1);
  EXPECT_EQ(store.iniPath, folder + L"settings_test.ini");
  EXPECT_EQ(store.regBase, L"Software\\Tarvinex\\Pelgra\\");
  EXPECT_TRUE(store.useIni);
  EXPECT_EQ(store.rootKey, HKEY_CURRENT_USER);
}

}  // namespace
