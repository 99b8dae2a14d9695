#include "core/settings_path.h"

#include <gtest/gtest.h>

TEST(IniPathFor, ReplacesTheLastExtension) {
  EXPECT_EQ(IniPathFor(u"X.exe"), u"X.ini");
  EXPECT_EQ(IniPathFor(u"a.b.exe"), u"a.b.ini");
  EXPECT_EQ(IniPathFor(u"C:\\Program Files\\Pelgra\\pelgra.exe"),
            u"C:\\Program Files\\Pelgra\\pelgra.ini");
  EXPECT_EQ(IniPathFor(u"C:\\tools\\pel.gra.EXE"), u"C:\\tools\\pel.gra.ini");
  EXPECT_EQ(IniPathFor(u"\\\\server\\share\\bar.exe"), u"\\\\server\\share\\bar.ini");
  EXPECT_EQ(IniPathFor(u"C:\\d\\X."), u"C:\\d\\X.ini");
}

TEST(IniPathFor, DotInFolderNameOnly) {
  EXPECT_EQ(IniPathFor(u"C:\\my.tools\\pelgra"), u"C:\\my.tools\\pelgra.ini");
  EXPECT_EQ(IniPathFor(u"C:/my.tools/pelgra"), u"C:/my.tools/pelgra.ini");
  EXPECT_EQ(IniPathFor(u"C:\\v1.2\\sub\\pelgra.exe"), u"C:\\v1.2\\sub\\pelgra.ini");
  EXPECT_EQ(IniPathFor(u"pelgra"), u"pelgra.ini");
}

TEST(IniPathFor, EmptyStaysEmpty) { EXPECT_EQ(IniPathFor(u""), u""); }
