#include "widgets/slide/slide.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> Entries(const PathList& paths) {
  std::vector<std::u16string> out;
  for (int i = 0; i < paths.Count(); ++i) out.emplace_back(paths.At(i));
  return out;
}

std::vector<std::u16string> Read(std::u16string_view stored) {
  PathList paths;
  ReadImageList(stored, paths);
  return Entries(paths);
}

TEST(ImageList, ThreePathsAreStoredEachFollowedBySeparatorAndReadBack) {
  PathList paths;
  for (auto path : {u"C:\\a\\one.jpg", u"D:\\사진\\둘.png", u"E:\\three.JPG"}) ASSERT_TRUE(paths.Append(path));
  const std::u16string text = ImageListText(paths);
  EXPECT_EQ(text, u"C:\\a\\one.jpg§D:\\사진\\둘.png§E:\\three.JPG§");
  EXPECT_EQ(Read(text), Entries(paths));
  PathList empty;
  EXPECT_EQ(ImageListText(empty), u"");
}

TEST(ImageList, ReadingSkipsWhatCannotBeAPath) {
  const std::u16string longest(259, u'x'), tooLong(260, u'y');
  struct Case {
    std::u16string stored;
    std::vector<std::u16string> paths;
  } cases[] = {
      {u"", {}},
      {u"a.jpg", {}},                       // no separator: nothing complete
      {u"a.jpg§b.png", {u"a.jpg"}},          // text after the last separator
      {u"§§a.jpg§§", {u"a.jpg"}},            // empty pieces
      {longest + u"§" + tooLong + u"§c§", {longest, u"c"}},
      {std::u16string(u"a\0b§d§", 6), {u"d"}},  // a NUL would end the path early
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.stored), c.paths) << std::string(c.stored.begin(), c.stored.end());
}

TEST(PathList, ReorderKeepsNamedEntriesInTheirNewOrder) {
  PathList paths;
  for (auto path : {u"0", u"1", u"2", u"3"}) paths.Append(path);
  paths.Reorder({3, 1, 9, 1, -1});
  EXPECT_EQ(Entries(paths), (std::vector<std::u16string>{u"3", u"1"}));
  EXPECT_EQ(paths.At(2), u"");
  paths.Reorder({});
  EXPECT_EQ(paths.Count(), 0);
}

TEST(ShowOrder, InOrderWrapsToTheStart) {
  std::vector<int> shown;
  for (int current = -1, i = 0; i < 7; ++i) shown.push_back(current = NextInOrder(current, 3));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(NextInOrder(-1, 0), -1);
  EXPECT_EQ(NextInOrder(5, 3), 0);  // beyond a list that shrank
}

TEST(ShowOrder, AtRandomNeverRepeatsThePictureShownUnlessItIsTheOnlyOne) {
  std::vector<int> draws{4, 7, 7, 10, 2};  // mod 3: 1, 1, 1, 1, 2
  std::size_t next = 0;
  auto draw = [&] { return draws[next++ % draws.size()]; };
  EXPECT_EQ(NextAtRandom(1, 3, draw), 2);
  EXPECT_EQ(next, 5u);
  EXPECT_EQ(NextAtRandom(0, 1, draw), 0);
  EXPECT_EQ(NextAtRandom(-1, 0, draw), -1);
  int current = 0;
  for (int i = 0; i < 200; ++i) {
    const int picked = NextAtRandom(current, 2, [] { return std::rand(); });
    ASSERT_NE(picked, current);
    current = picked;
  }
}

TEST(SlideFiles, OnlyJpgAndPngInAnyCaseJoin) {
  for (auto ext : {u".jpg", u".JPG", u".Png"}) EXPECT_TRUE(IsSlideExtension(ext));
  for (auto ext : {u".jpeg", u".gif", u"", u".jpg "}) EXPECT_FALSE(IsSlideExtension(ext));
  EXPECT_EQ(FileNameOf(u"C:\\pics\\a.jpg"), u"a.jpg");
  EXPECT_EQ(FileNameOf(u"a.jpg"), u"a.jpg");
}

TEST(SlidePopup, IntervalAndSelectionStayInRange) {
  EXPECT_EQ(ClampInterval(0), 1);
  EXPECT_EQ(ClampInterval(-5), 1);
  EXPECT_EQ(ClampInterval(5), 5);
  EXPECT_EQ(ClampInterval(301), 300);
  EXPECT_EQ(SelectionAfterDelete(1, 3), 1);
  EXPECT_EQ(SelectionAfterDelete(3, 3), 2);  // the last one was deleted
  EXPECT_EQ(SelectionAfterDelete(0, 0), -1);
}

TEST(SlidePopup, ShownPictureIsFollowedToItsNewPlaceOrDropped) {
  EXPECT_EQ(FollowShown({2, 0, 1}, 0), 1);
  EXPECT_EQ(FollowShown({0, 2}, 1), -1);
  EXPECT_EQ(FollowShown({}, 0), -1);
  EXPECT_EQ(FollowShown({0}, -1), -1);
}

}  // namespace
