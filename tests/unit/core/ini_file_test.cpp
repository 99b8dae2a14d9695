#include "core/ini_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct TornCase {
  const char* what;
  std::string bytes;
  bool torn;
};

TEST(IniLooksTorn, OnlyAFileWithNothingToReadCountsAsTorn) {
  const TornCase cases[] = {
      {"empty", ""s, true},
      {"zero bytes", std::string(4096, '\0'), true},
      {"the UTF-16 mark alone", "\xFF\xFE"s, true},
      {"the mark, then zero bytes", "\xFF\xFE"s + std::string(100, '\0'), true},
      {"keys but no section", "left=10\r\ntop=20\r\n"s, true},
      {"an unclosed section", "[main\r\nleft=10\r\n"s, true},
      {"a bracket inside a line", "left=[10]\r\n"s, true},
      {"ANSI", "[main]\r\nleft=10\r\n"s, false},
      {"blanks before the section", " \t[main]\n"s, false},
      {"UTF-16LE", "\xFF\xFE[\0m\0]\0\r\0\n\0"s, false},
      {"UTF-16BE", "\xFE\xFF\0[\0m\0]"s, false},
      {"UTF-16LE, a letter whose low byte is '['", "\xFF\xFE\x5B\xAC]\0"s, true},
      {"zero bytes before the text", std::string(64, '\0') + "[main]"s, false},
      {"text, then zero bytes", "\xFF\xFE[\0m\0]\0"s + std::string(512, '\0'), false},
      {"an odd UTF-16 length", "\xFF\xFE[\0m\0]\0\r"s, false},
  };
  for (const TornCase& c : cases) EXPECT_EQ(IniLooksTorn(c.bytes), c.torn) << c.what;
}

}  // namespace
