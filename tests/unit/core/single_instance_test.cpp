#include "core/single_instance.h"

#include <gtest/gtest.h>

namespace {

struct SpellingCase {
  const char* what;
  std::u16string_view one;
  std::u16string_view other;
  bool sameFolder;
};

TEST(InstanceObjectName, EverySpellingOfOneFolderGivesOneNameAndOtherFoldersAnother) {
  const SpellingCase cases[] = {
      {"letters' case", u"C:\\Users\\Kim\\Pelgra", u"c:\\USERS\\kim\\pelgra", true},
      {"a closing separator", u"C:\\Tools\\Pelgra\\", u"C:\\Tools\\Pelgra", true},
      {"forward slashes", u"C:/Tools/Pelgra", u"C:\\Tools\\Pelgra", true},
      {"a doubled separator", u"C:\\Tools\\\\Pelgra", u"C:\\Tools\\Pelgra", true},
      {"a drive root", u"D:\\", u"d:", false},
      {"a network share", u"\\\\server\\share\\Pelgra", u"\\server\\share\\Pelgra", false},
      {"another folder", u"C:\\Tools\\Pelgra", u"C:\\Tools\\Pelgra2", false},
      {"another drive", u"C:\\Pelgra", u"D:\\Pelgra", false},
      {"Korean folder names", u"C:\\사용자\\김", u"C:\\사용자\\이", false},
  };
  for (const SpellingCase& c : cases) {
    const std::u16string one = InstanceObjectName(c.one);
    EXPECT_EQ(one == InstanceObjectName(c.other), c.sameFolder) << c.what;
    // The session's own namespace, then a fixed-length part with no separator in it.
    ASSERT_EQ(one.size(), 13u + 16u) << c.what;
    EXPECT_EQ(one.substr(0, 13), u"Local\\Pelgra-") << c.what;
    EXPECT_EQ(one.find_first_not_of(u"0123456789ABCDEF", 13), std::u16string::npos) << c.what;
  }
}

}  // namespace
