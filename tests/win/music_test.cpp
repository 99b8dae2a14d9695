// The music player made through the factory under a stand-in bar, playing real files
// through MCI (the test run provides a sound server): the end of a play, the copy of
// a tagged MP3, skipping, stop, seeking, the tabs, dropping and the stored state.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/write_later_win.h"
#include "support/widget_bench.h"
#include "widgets/controls/grpbtn_win.h"
#include "widgets/controls/grpscrl_win.h"
#include "widgets/music/music_win.h"

namespace {

using test_support::PumpFor;
using test_support::PumpUntil;
using test_support::TempFolder;

constexpr wchar_t kSection[] = L"MusicPlayer";

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadAll(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (file != INVALID_HANDLE_VALUE && ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
    bytes.append(chunk, read);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return bytes;
}

// A mono 8 kHz 8-bit .wav of silence lasting `ms`.
void WriteWav(const std::wstring& path, int ms) {
  const std::uint32_t samples = 8 * static_cast<std::uint32_t>(ms);
  std::string bytes(44 + samples, static_cast<char>(0x80));
  auto put32 = [&](int at, std::uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
  auto put16 = [&](int at, std::uint16_t v) { std::memcpy(&bytes[at], &v, 2); };
  std::memcpy(&bytes[0], "RIFF", 4);
  put32(4, 36 + samples);
  std::memcpy(&bytes[8], "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);
  put16(22, 1);
  put32(24, 8000);
  put32(28, 8000);
  put16(32, 1);
  put16(34, 8);
  std::memcpy(&bytes[36], "data", 4);
  put32(40, samples);
  WriteBytes(path, bytes);
}

// The untagged MP3 kept beside this test (drive Z: is the Unix root under Wine).
std::string ToneMp3() {
  std::string source = __FILE__;
  source.erase(source.find_last_of("/\\") + 1);
  return ReadAll(L"Z:" + std::wstring(source.begin(), source.end()) + L"data/tone.mp3");
}

std::wstring ListValue(std::initializer_list<std::wstring> paths) {
  std::wstring value;
  for (const std::wstring& path : paths) value += path + L"§";
  return value;
}

// A dropped-files handle as the shell makes it: the paths after a DROPFILES header.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::wstring all;
  for (const std::wstring& path : paths) all += path + L'\0';
  all += L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + all.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, all.data(), all.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

class MusicPlayer : public test_support::WidgetBench {
 protected:
  CMusicPlayer* AddPlayer() {
    CMusicPlayer* player = Place<CMusicPlayer>(u"MusicPlayer", 150, 150);
    if (player) player->tempPath = files.Path(L"Pelgra-temp.mp3");
    return player;
  }
  void Command(CMusicPlayer& player, int id, WORD code = 0) {
    SendMessageW(player.hwnd, WM_COMMAND, MAKEWPARAM(id, code), 0);
  }
  static LRESULT Seek(CMusicPlayer& player, UINT msg, WPARAM wParam = 0) {
    return SendMessageW(player.Control(kSeekBar), msg, wParam, 0);
  }
  static DWORD Mode(CMusicPlayer& player) { return mci::Status(player.deviceId, MCI_STATUS_MODE); }
  static int Line(CMusicPlayer& player) {
    return static_cast<int>(SendMessageW(player.Control(kFileList), LB_GETCURSEL, 0, 0));
  }
  void Playing(const std::wstring& list, int index = 0) {
    ini.Write(kSection, L"MusicList0", list.c_str());
    ini.Write(kSection, L"playIdx", std::to_wstring(index).c_str());
  }

  TempFolder files;
};

TEST_F(MusicPlayer, WavPlaysToItsEndAndTheNextEntryFollows) {
  const std::wstring shortWav = files.Path(L"short.wav"), longWav = files.Path(L"long.wav");
  WriteWav(shortWav, 400);
  WriteWav(longWav, 3000);
  Playing(ListValue({shortWav, longWav}));
  CMusicPlayer* player = AddPlayer();
  ASSERT_NE(player, nullptr);
  EXPECT_FALSE(player->deviceId);
  EXPECT_FALSE(KillTimer(player->hwnd, kPositionTimer));  // nothing to follow yet

  Command(*player, kPlayButton);
  ASSERT_TRUE(player->deviceId);
  EXPECT_EQ(Seek(*player, GSM_GETMAX), 400);
  ASSERT_TRUE(PumpUntil([&] { return player->playIdx == 1 && player->deviceId; }, 5000));
  EXPECT_EQ(player->selIdx[0], 1);
  EXPECT_EQ(Line(*player), 1);
  EXPECT_EQ(Seek(*player, GSM_GETMAX), 3000);
  EXPECT_TRUE(PumpUntil([&] { return Seek(*player, GSM_GETPOS) > 0; }));

  // The Pause key pauses and resumes through the play/pause command.
  SendMessageW(player->hwnd, WM_HOTKEY, 0, 0);
  PumpFor(50);
  EXPECT_EQ(Mode(*player), static_cast<DWORD>(MCI_MODE_PAUSE));
  SendMessageW(player->hwnd, WM_HOTKEY, 0, 0);
  PumpFor(50);
  EXPECT_EQ(Mode(*player), static_cast<DWORD>(MCI_MODE_PLAY));

  // Stop keeps the device; play/pause then finds it neither playing nor paused.
  Command(*player, kStopButton);
  const MCIDEVICEID device = player->deviceId.get();
  EXPECT_EQ(Seek(*player, GSM_GETPOS), 0);
  Command(*player, kPlayButton);
  EXPECT_EQ(player->deviceId.get(), device);
  EXPECT_NE(Mode(*player), static_cast<DWORD>(MCI_MODE_PLAY));
}

TEST_F(MusicPlayer, TaggedMp3PlaysFromAHiddenCopyWithoutItsTag) {
  const std::string tone = ToneMp3();
  ASSERT_GT(tone.size(), 1000u);
  const std::string tag = std::string("ID3\x03\0\0\0\0\x01\0", 10) + std::string(128, '\0');
  const std::wstring tagged = files.Path(L"tagged.mp3");
  WriteBytes(tagged, tag + tone);
  Playing(ListValue({tagged}));
  CMusicPlayer* player = AddPlayer();
  ASSERT_NE(player, nullptr);

  Command(*player, kPlayButton);
  ASSERT_TRUE(player->deviceId);
  EXPECT_EQ(ReadAll(player->tempPath), tone);
  EXPECT_TRUE(GetFileAttributesW(player->tempPath.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_GT(Seek(*player, GSM_GETMAX), 900);

  // The same song again while its device holds the copy: the device closes first.
  Command(*player, kNextButton);
  ASSERT_TRUE(PumpUntil([&] { return player->deviceId && Mode(*player) == MCI_MODE_PLAY; }));
  EXPECT_EQ(ReadAll(player->tempPath), tone);

  // Where the copy cannot be written, the original plays.
  player->tempPath = files.Path(L"missing\\Pelgra-temp.mp3");
  Command(*player, kNextButton);
  ASSERT_TRUE(PumpUntil([&] { return player->deviceId && Mode(*player) == MCI_MODE_PLAY; }));
}

TEST_F(MusicPlayer, UnplayableEntriesAreSkippedWithoutHoldingTheBar) {
  const std::wstring good = files.Path(L"good.wav");
  WriteWav(good, 2000);
  Playing(ListValue({files.Path(L"gone.wav"), good}));
  CMusicPlayer* player = AddPlayer();
  ASSERT_NE(player, nullptr);
  Command(*player, kPlayButton);
  EXPECT_EQ(player->playIdx, 1);  // moved on at once; the next try waits on a timer
  EXPECT_FALSE(player->deviceId);
  ASSERT_TRUE(PumpUntil([&] { return static_cast<bool>(player->deviceId); }));
  EXPECT_EQ(player->selIdx[0], 0);  // the round moves only the playing entry
  DestroyWindow(player->hwnd);

  // A whole list that fails: every try is one open attempt, then the round gives up.
  std::wstring gone;
  for (int i = 0; i < 8; ++i) gone += files.Path((L"gone" + std::to_wstring(i) + L".wav").c_str()) + L"§";
  Playing(gone, 2);
  player = AddPlayer();
  ASSERT_NE(player, nullptr);
  const DWORD start = GetTickCount();
  Command(*player, kPlayButton);
  EXPECT_LT(GetTickCount() - start, 1000u);
  PumpFor(8 * 300 + 500);
  EXPECT_FALSE(player->deviceId);
  EXPECT_EQ(player->playIdx, 2);
  EXPECT_EQ(Line(*player), 2);
}

TEST_F(MusicPlayer, SeekReopensThePlayingSongWhereTheUserAsked) {
  const std::wstring first = files.Path(L"first.wav"), second = files.Path(L"second.wav");
  WriteWav(first, 3000);
  WriteWav(second, 3000);
  Playing(ListValue({first, second}));
  CMusicPlayer* player = AddPlayer();
  ASSERT_NE(player, nullptr);
  Command(*player, kPlayButton);
  ASSERT_TRUE(player->deviceId);
  // The user clicks another line without starting it.
  SendMessageW(player->Control(kFileList), LB_SETCURSEL, 1, 0);
  Command(*player, kFileList, LBN_SELCHANGE);
  EXPECT_EQ(player->selIdx[0], 1);

  Seek(*player, GSM_SETPOS, 2000);
  SendMessageW(player->hwnd, WM_HSCROLL, SB_THUMBPOSITION, reinterpret_cast<LPARAM>(player->Control(kSeekBar)));
  SendMessageW(player->hwnd, WM_TIMER, kPositionTimer, 0);
  EXPECT_EQ(Seek(*player, GSM_GETPOS), 2000);  // the stopped device's position is not shown meanwhile
  ASSERT_TRUE(PumpUntil([&] { return player->deviceId && Mode(*player) == MCI_MODE_PLAY; }));
  EXPECT_EQ(player->playIdx, 0);
  EXPECT_GE(mci::Status(player->deviceId, MCI_STATUS_POSITION), 2000u);

  // The play list cleared under the open device: next, the end of play and
  // play/pause open nothing.
  Command(*player, kClearButton);
  EXPECT_TRUE(player->deviceId);
  EXPECT_EQ(player->lists[0].Count(), 0);
  EXPECT_EQ(ini.String(kSection, L"MusicList0"), L"");
  Command(*player, kNextButton);
  PumpFor(250);
  EXPECT_EQ(player->playIdx, -1);
  SendMessageW(player->hwnd, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, player->deviceId.get());
  EXPECT_FALSE(player->deviceId);
  Command(*player, kPlayButton);
  EXPECT_FALSE(player->deviceId);
}

TEST_F(MusicPlayer, TabsShowTheirListAndDroppedFilesSelectTheFirstLine) {
  ini.Write(kSection, L"MusicList1", L"C:\\a\\one.mp3§C:\\b\\two.wav§C:\\c\\unfinished.mp3");
  CMusicPlayer* player = AddPlayer();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->DisplayedList(), 0);
  Command(*player, kTabOfList0 + 1);
  EXPECT_EQ(player->DisplayedList(), 1);
  for (int g = 0; g < 4; ++g)
    EXPECT_EQ(SendMessageW(player->Control(static_cast<MusicControl>(kTabOfList0 + g)), GBM_GETSTATE, 0, 0),
              g == 1 ? grpbtn::kNormal : grpbtn::kPressed);
  HWND lines = player->Control(kFileList);
  ASSERT_EQ(SendMessageW(lines, LB_GETCOUNT, 0, 0), 2);
  wchar_t text[64] = {};
  SendMessageW(lines, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"two.wav");

  Command(*player, kTabOfList0 + 2);
  const std::wstring tooLong = L"C:\\" + std::wstring(256, L'x') + L".mp3";
  SendMessageW(player->hwnd, WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop({L"C:\\m\\x.MP3", L"C:\\m\\notes.txt", tooLong, L"C:\\m\\z.wav"})), 0);
  EXPECT_EQ(SendMessageW(lines, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(player->selIdx[2], 0);
  EXPECT_EQ(Line(*player), 0);
  EXPECT_EQ(ini.String(kSection, L"MusicList2"), L"C:\\m\\x.MP3§C:\\m\\z.wav§");
  EXPECT_EQ(ini.String(kSection, L"MusicList1"), L"C:\\a\\one.mp3§C:\\b\\two.wav§");
}

TEST_F(MusicPlayer, StateIsRestoredAtCreationAndWrittenAtDestroy) {
  ini.Write(kSection, L"MusicList2", L"C:\\a.mp3§C:\\b.mp3§C:\\c.mp3§");
  ini.Write(kSection, L"playGroup", L"2");
  ini.Write(kSection, L"playIdx", L"1");
  ini.Write(kSection, L"groupIdx2", L"0");
  ini.Write(kSection, L"groupIdx3", L"5");
  ini.Write(kSection, L"randomPlay", L"1");
  // A list longer than many rooms of the first read.
  const std::wstring longPath = L"C:\\" + std::wstring(240, L'p') + L".wav";
  std::wstring huge;
  for (int i = 0; i < 1200; ++i) huge += longPath + L"§";
  ini.Write(kSection, L"MusicList0", huge.c_str());
  CMusicPlayer* player = AddPlayer();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->DisplayedList(), 2);
  EXPECT_EQ(player->selIdx[2], 1);  // playIdx wins over groupIdx2
  EXPECT_EQ(player->selIdx[3], 5);
  EXPECT_EQ(Line(*player), 1);
  EXPECT_TRUE(player->random);
  EXPECT_EQ(SendMessageW(player->Control(kRandomButton), GBM_GETSTATE, 0, 0), grpbtn::kPressed);
  EXPECT_EQ(player->lists[0].Count(), 1200);
  EXPECT_FALSE(write_later::Waiting(player));  // what was read is no change

  Command(*player, kTabOfList0);
  SendMessageW(player->Control(kRandomButton), GBM_SETSTATE, grpbtn::kNormal, 0);
  Command(*player, kRandomButton);
  Command(*player, kNextButton);  // nothing plays: only the displayed selection moves, -1 stays
  EXPECT_EQ(player->selIdx[0], -1);
  write_later::WriteAll();  // once changes pause, not only at the end
  EXPECT_EQ(ini.Int(kSection, L"randomPlay"), 0);
  DestroyWindow(player->hwnd);
  EXPECT_EQ(ini.Int(kSection, L"playGroup"), 2);
  EXPECT_EQ(ini.Int(kSection, L"playIdx"), 1);
  EXPECT_EQ(ini.Int(kSection, L"groupIdx2"), 1);
  EXPECT_EQ(ini.Int(kSection, L"groupIdx0"), -1);
  EXPECT_EQ(ini.Int(kSection, L"randomPlay"), 0);

  ini.Write(kSection, L"playGroup", L"9");
  player = AddPlayer();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->playGroup, 0);
  EXPECT_EQ(player->DisplayedList(), 0);
}

}  // namespace
