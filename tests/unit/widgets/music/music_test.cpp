#include "widgets/music/music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "widgets/music/music_copy.h"
#include "widgets/music/music_view.h"

namespace {

using namespace std::string_literals;

using music::Step;
using Paths = std::vector<std::u16string>;

TEST(MusicList, ParsesPathsEachEndedBySeparatorAndDropsAnUnfinishedTail) {
  const std::u16string longPath(260, u'x');
  const std::u16string longest(259, u'y');
  struct Case {
    std::u16string value;
    Paths paths;
  } cases[] = {
      {u"", {}},
      {u"C:\\a.mp3§D:\\음악\\b.wav§", {u"C:\\a.mp3", u"D:\\음악\\b.wav"}},
      {u"C:\\a.mp3§C:\\cut", {u"C:\\a.mp3"}},
      {u"C:\\no separator.mp3", {}},
      {u"§§", {u"", u""}},
      {longPath + u"§C:\\b.mp3§", {u"C:\\b.mp3"}},
      {longest + u"§", {longest}},
  };
  for (const Case& c : cases) EXPECT_EQ(music::ParseList(c.value), c.paths) << c.paths.size();
}

TEST(MusicList, OwnsBoundedPathsAndWritesThemBackAsRead) {
  music::PlayList list;
  EXPECT_EQ(list.Format(), u"");
  for (const std::u16string& path : music::ParseList(u"C:\\a.mp3§D:\\음악\\b.wav§")) EXPECT_TRUE(list.Append(path));
  EXPECT_FALSE(list.Append(std::u16string(260, u'x')));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(std::u16string(list[1]), u"D:\\음악\\b.wav");
  EXPECT_EQ(list.Format(), u"C:\\a.mp3§D:\\음악\\b.wav§");
  for (int i = 0; i < 150; ++i) list.Append(u"C:\\more.wav");  // past the first room
  EXPECT_EQ(list.Count(), 152);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Format(), u"");
}

TEST(MusicId3, TagLengthFollowsTheSizeFieldOnlyWithinTheFile) {
  struct Case {
    std::vector<std::uint8_t> head;
    std::uint64_t fileSize;
    std::uint64_t length;
  } cases[] = {
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 2, 1}, 5000, 267},            // 2*128 + 1 + 10
      {{'I', 'D', '3', 4, 0, 0, 1, 2, 3, 4}, 3000000, 2130318},     // 2^21 + 2*2^14 + 3*2^7 + 4 + 10
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0}, 10, 10},               // header only
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0}, 100, 0},               // longer than the file
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0xFF}, 100, 0},            // signed byte: 9, inside the header
      {{'I', 'D', '3', 3, 0, 0, 0xFF, 0, 0, 0}, 1u << 30, 0},       // negative length
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 1, 0xFF}, 1000, 137},         // 128 - 1 + 10
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 2}, 5000, 0},                 // fewer than 10 bytes read
      {{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 1}, 9, 0},                 // file shorter than a header
      {{'R', 'I', 'F', 'F', 0, 0, 0, 0, 2, 1}, 5000, 0},
      {{'i', 'd', '3', 3, 0, 0, 0, 0, 2, 1}, 5000, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(music::Id3TagLength(c.head, c.fileSize), c.length) << c.fileSize;
}

int draws[16];
int drawn = 0;
int Scripted() { return draws[drawn++]; }

TEST(MusicChoice, NeighboursWrapBothWaysAndRandomNeverRepeats) {
  EXPECT_EQ(music::ChooseEntry(Step::kNext, 2, 3, false, Scripted), 0);
  EXPECT_EQ(music::ChooseEntry(Step::kNext, 0, 3, false, Scripted), 1);
  EXPECT_EQ(music::ChooseEntry(Step::kPrevious, 0, 3, false, Scripted), 2);
  EXPECT_EQ(music::ChooseEntry(Step::kPrevious, 2, 3, false, Scripted), 1);
  // A list that shrank under the playing entry, or lost it all.
  EXPECT_EQ(music::ChooseEntry(Step::kNext, 7, 3, false, Scripted), 0);
  EXPECT_EQ(music::ChooseEntry(Step::kPrevious, 7, 3, false, Scripted), 0);
  EXPECT_EQ(music::ChooseEntry(Step::kNext, 0, 0, false, Scripted), -1);
  EXPECT_EQ(music::ChooseEntry(Step::kNext, 0, 0, true, Scripted), -1);
  EXPECT_EQ(drawn, 0);

  EXPECT_EQ(music::ChooseEntry(Step::kNext, 0, 1, true, Scripted), 0);
  EXPECT_EQ(music::ChooseEntry(Step::kPrevious, 5, 1, true, Scripted), 0);
  EXPECT_EQ(drawn, 0);  // one entry: no draw at all
  const int script[] = {4, 9, 14, 7};  // modulo 5: 4, 4, 4, 2
  std::copy(std::begin(script), std::end(script), draws);
  EXPECT_EQ(music::ChooseEntry(Step::kNext, 4, 5, true, Scripted), 2);
  EXPECT_EQ(drawn, 4);
}

TEST(MusicChoice, SelectionStepsOnlyWhenThereIsOne) {
  EXPECT_EQ(music::StepSelection(Step::kNext, -1, 3), -1);
  EXPECT_EQ(music::StepSelection(Step::kNext, 2, 3), 0);
  EXPECT_EQ(music::StepSelection(Step::kPrevious, 0, 3), 2);
  EXPECT_EQ(music::StepSelection(Step::kPrevious, 1, 0), -1);
  EXPECT_EQ(music::ValidGroup(3), 3);
  EXPECT_EQ(music::ValidGroup(4), 0);
  EXPECT_EQ(music::ValidGroup(-1), 0);
}

TEST(MusicChoice, SkipRoundEndsWhereItStartedOrWhenTheListShrank) {
  music::SkipRound forward(Step::kNext, 1);
  EXPECT_EQ(forward.AfterFailure(1, 3), 2);
  EXPECT_EQ(forward.AfterFailure(2, 3), 0);
  EXPECT_EQ(forward.AfterFailure(0, 3), -1);
  music::SkipRound backward(Step::kPrevious, 0);
  EXPECT_EQ(backward.AfterFailure(0, 3), 2);
  music::SkipRound single(Step::kNext, 0);
  EXPECT_EQ(single.AfterFailure(0, 1), -1);
  // The start vanished from a list that was cleared and refilled shorter: the
  // round still ends after as many failures as there are entries.
  music::SkipRound shrunk(Step::kNext, 5);
  EXPECT_EQ(shrunk.AfterFailure(5, 2), 0);
  EXPECT_EQ(shrunk.AfterFailure(0, 2), -1);
  music::SkipRound emptied(Step::kNext, 0);
  EXPECT_EQ(emptied.AfterFailure(0, 0), -1);
}

TEST(MusicFiles, SoundFilesByExtensionAndTheDialogsAnswer) {
  EXPECT_TRUE(music::IsSoundFile(u"C:\\a\\Song.MP3"));
  EXPECT_TRUE(music::IsSoundFile(u"C:\\a.b\\x.wav"));
  EXPECT_FALSE(music::IsSoundFile(u"C:\\music.mp3\\readme"));
  EXPECT_FALSE(music::IsSoundFile(u"C:\\a\\x.mp3.txt"));
  EXPECT_FALSE(music::IsSoundFile(u"C:\\a\\mp3"));

  const std::u16string one = u"C:\\m\\a.mp3\0\0"s;
  EXPECT_EQ(music::DialogSelection(one.data(), one.size()), (Paths{u"C:\\m\\a.mp3"}));
  const std::u16string many = u"C:\\m\0a.mp3\0b.wav\0\0"s;
  EXPECT_EQ(music::DialogSelection(many.data(), many.size()), (Paths{u"C:\\m\\a.mp3", u"C:\\m\\b.wav"}));
  const std::u16string root = u"D:\\\0a.mp3\0b.wav\0\0"s;
  EXPECT_EQ(music::DialogSelection(root.data(), root.size()), (Paths{u"D:\\a.mp3", u"D:\\b.wav"}));
  const std::u16string tooLong = u"C:\\m\0"s + std::u16string(255, u'x') + u"\0b.wav\0\0"s;
  EXPECT_EQ(music::DialogSelection(tooLong.data(), tooLong.size()), (Paths{u"C:\\m\\b.wav"}));
  // A buffer filled to its end without the final terminator is read only within it.
  const std::u16string unended = u"C:\\m\0a.mp3\0b.w"s;
  EXPECT_EQ(music::DialogSelection(unended.data(), unended.size()), (Paths{u"C:\\m\\a.mp3", u"C:\\m\\b.w"}));
}

}  // namespace
