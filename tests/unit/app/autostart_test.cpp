#include "app/autostart.h"

#include <gtest/gtest.h>

namespace {

TEST(Autostart, AStoredCommandNamesThisProgramWhateverItsSpelling) {
  constexpr char16_t kProgram[] = u"C:\\Tools\\Pelgra 2\\pelgra.exe";
  const struct {
    const char16_t* command;
    bool names;
  } cases[] = {
      {u"\"C:\\Tools\\Pelgra 2\\pelgra.exe\"", true},
      {u"  \"c:/tools/PELGRA 2/PELGRA.EXE\" -x", true},
      {u"C:\\Tools\\Pelgra 2\\pelgra.exe  ", true},
      {u"\"C:\\Tools\\Pelgra 2\\pelgra.exe", true},  // quote never closed
      {u"\"C:\\Other\\pelgra.exe\"", false},
      {u"\"C:\\Tools\\Pelgra 2\\pelgra.exe2\"", false},
      {u"", false},
      {u"\"\"", false},
  };
  for (const auto& c : cases) {
    const std::u16string command = c.command;
    EXPECT_EQ(SamePath(RunCommandProgram(command), kProgram), c.names) << std::string(command.begin(), command.end());
  }
  EXPECT_EQ(RunCommandFor(kProgram), u"\"C:\\Tools\\Pelgra 2\\pelgra.exe\"");
  EXPECT_TRUE(SamePath(RunCommandProgram(RunCommandFor(kProgram)), kProgram));
}

TEST(Autostart, OnlyTheBoxChangesTheValueAndAnotherCopysValueStaysUntilChecked) {
  EXPECT_EQ(AutostartChangeFor(false, true), AutostartChange::Register);
  EXPECT_EQ(AutostartChangeFor(true, false), AutostartChange::Remove);
  EXPECT_EQ(AutostartChangeFor(true, true), AutostartChange::None);
  EXPECT_EQ(AutostartChangeFor(false, false), AutostartChange::None);
}

}  // namespace
