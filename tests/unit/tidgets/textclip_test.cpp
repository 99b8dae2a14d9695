#include "tidgets/textclip.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr unsigned kBitmap = 2;      // CF_BITMAP
constexpr unsigned kHtml = 0xC0F1;   // a registered format such as "HTML Format"

TEST(ClipboardDecision, RewritesOnlyUnicodeTextThatHasCompany) {
  struct Case {
    bool hasUnicode;
    std::vector<unsigned> formats;
    bool rewrite;
  } cases[] = {
      {true, {kClipUnicodeText, kClipLocale, kClipText, kClipOemText}, false},  // plain text already
      {true, {kClipUnicodeText}, false},
      {true, {}, false},
      {true, {kClipUnicodeText, kHtml, kClipText}, true},
      {true, {kHtml, kClipUnicodeText}, true},
      {false, {kBitmap}, false},  // a picture alone
      {false, {kClipText, kHtml}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(NeedsPlainText(c.hasUnicode, c.formats), c.rewrite) << c.formats.size();
}

TEST(ClipboardDecision, BlockTextStopsAtTheZeroOrTheBlockEnd) {
  const char16_t terminated[] = {u'a', u'b', 0, u'c', 0};
  EXPECT_EQ(BlockText(terminated, sizeof terminated), u"ab");
  const char16_t unterminated[] = {u'가', u'나', u'다'};
  EXPECT_EQ(BlockText(unterminated, sizeof unterminated), u"가나다");
  EXPECT_EQ(BlockText(unterminated, 5), u"가나");  // half a character is dropped
  EXPECT_EQ(BlockText(unterminated, 1), u"");
  EXPECT_EQ(BlockText(nullptr, 100), u"");
}

}  // namespace
