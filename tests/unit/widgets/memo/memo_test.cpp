// The memo model and its file: naming, removal, the file's name, the byte layout,
// the round trip and damaged files.
#include "widgets/memo/memo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/colors.h"
#include "core/text.h"
#include "widgets/memo/memo_file.h"
#include "tests/unit/support/built_in_texts.h"
#include "widgets/memo/memo_viewer.h"

namespace {

using test_support::KoreanTexts;
const std::u16string kNewTitle = KoreanTexts()[TextId::MemoNewTitle];

using Bytes = std::vector<std::uint8_t>;

std::int32_t I32At(const Bytes& bytes, std::size_t at) {
  std::int32_t value = 0;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

void PutI32At(Bytes& bytes, std::size_t at, std::int32_t value) { std::memcpy(bytes.data() + at, &value, 4); }

// Two memos: "첫째" with text "abc" in a buffer of 4 units, "둘째" with text "xy" in a
// buffer of 20 units whose tail still holds older text.
void TwoMemos(MemoSet& set) {
  set.AddNew(kNewTitle);
  set.AddNew(kNewTitle);
  CopyField(set.memos[0]->title, u"첫째");
  set.memos[0]->SetText(u"abc");
  CopyField(set.memos[1]->title, u"둘째");
  set.memos[1]->SetText(u"long text, nineteen");
  set.memos[1]->SetText(u"xy");
  set.current = 1;
}

constexpr std::size_t kFirstBlock = kMemoHeaderBytes;
constexpr std::size_t kSecondBlock = kMemoHeaderBytes + kMemoBlockBytes + 2 * 4;

TEST(MemoNaming, LowestFreeNumberAndPaletteByPosition) {
  MemoSet set;
  set.AddNew(kNewTitle);
  set.AddNew(kNewTitle);
  set.AddNew(kNewTitle);
  EXPECT_EQ(set.memos[2]->Title(), u"새 메모3");
  set.Remove(1);
  EXPECT_EQ(set.At(set.AddNew(kNewTitle))->Title(), u"새 메모2");
  EXPECT_EQ(set.At(set.AddNew(kNewTitle))->Title(), u"새 메모4");
  // A title that only looks alike does not take the number.
  CopyField(set.memos[0]->title, u"새 메모01");
  EXPECT_EQ(set.At(set.AddNew(kNewTitle))->Title(), u"새 메모1");

  MemoSet seven;
  for (int i = 0; i < 7; ++i) seven.AddNew(kNewTitle);
  EXPECT_EQ(seven.memos[0]->backColor, ColorFromName(u"LemonChiffon"));
  EXPECT_EQ(seven.memos[3]->backColor, ColorFromName(u"Plum"));
  EXPECT_EQ(seven.memos[6]->backColor, ColorFromName(u"LemonChiffon"));
  const MemoRecord& fresh = *seven.memos[0];
  EXPECT_EQ(FieldView(fresh.faceName), u"맑은 고딕");
  EXPECT_EQ(fresh.textCapacity, 1);
  EXPECT_EQ(fresh.Text(), u"");
  EXPECT_EQ(fresh.fontSize, 16);
  EXPECT_EQ(fresh.width, 400);
  EXPECT_EQ(fresh.height, 500);
}

TEST(MemoNaming, DeleteQuestionCutsTheTitle) {
  EXPECT_EQ(DeleteQuestion(KoreanTexts(), u"장보기"), u"장보기 메모를 삭제합니다.");
  EXPECT_EQ(DeleteQuestion(KoreanTexts(), std::u16string(70, u'가')), std::u16string(63, u'가') + u" 메모를 삭제합니다.");
}

TEST(MemoSetRemove, KeepsTheShownPositionOrTakesTheNewLast) {
  struct Case {
    int count, current, removed, expectedCurrent;
  };
  const Case cases[] = {{3, 1, 1, 1}, {3, 2, 2, 1}, {1, 0, 0, -1}, {3, 2, 0, 1}, {3, 0, 2, 0}, {2, 0, 5, 0}};
  for (const Case& c : cases) {
    MemoSet set;
    for (int i = 0; i < c.count; ++i) set.AddNew(kNewTitle);
    set.current = c.current;
    const bool existed = set.Remove(c.removed) != nullptr;
    EXPECT_EQ(existed, c.removed < c.count);
    EXPECT_EQ(set.current, c.expectedCurrent) << c.count << " " << c.current << " " << c.removed;
  }
}

TEST(MemoFileName, NamedAfterTheProgramAndTheInstance) {
  EXPECT_EQ(MemoFilePath(u"D:\\apps\\bar.exe", u"Memo_1"), u"D:\\apps\\bar.Memo");
  EXPECT_EQ(MemoFilePath(u"D:\\apps\\bar.exe", u"Memo_2"), u"D:\\apps\\bar.Memo_2");
  EXPECT_EQ(MemoFilePath(u"D:\\a.b\\bar", u"Memo_1"), u"D:\\a.b\\bar.Memo");
  EXPECT_EQ(MemoFilePath(u"D:\\x.y.exe", u"Memo_3"), u"D:\\x.y.Memo_3");
  const std::u16string deep = u"C:\\" + std::u16string(2000, u'd') + u"\\p.exe";
  EXPECT_EQ(MemoFilePath(deep, u"Memo_1"), deep.substr(0, deep.size() - 3) + u"Memo");
  EXPECT_EQ(MemoTempPath(u"D:\\bar.Memo"), u"D:\\bar.Memo.tmp");
}

TEST(MemoFileCodec, FieldsAtTheirOffsetsLittleEndian) {
  MemoSet set;
  TwoMemos(set);
  MemoRecord& first = *set.memos[0];
  first.left = -5;
  first.textColor = 0x00112233;
  first.fontSize = 22;
  first.plainText = 0;
  const Bytes bytes = EncodeMemoFile(set);
  ASSERT_EQ(bytes.size(), kSecondBlock + kMemoBlockBytes + 2 * 20);
  EXPECT_EQ(std::memcmp(bytes.data(), u"PelgraMemo", 20), 0);
  EXPECT_EQ(I32At(bytes, 20), 100);
  EXPECT_EQ(I32At(bytes, 24), 1);
  EXPECT_EQ(I32At(bytes, 28), 2);
  EXPECT_EQ(bytes[kFirstBlock], 0xAB);  // 첫 = U+CCAB, low byte first
  EXPECT_EQ(bytes[kFirstBlock + 1], 0xCC);
  EXPECT_EQ(I32At(bytes, kFirstBlock + 128), -5);
  EXPECT_EQ(I32At(bytes, kFirstBlock + 144), 0x00112233);
  EXPECT_EQ(bytes[kFirstBlock + 152], 0);
  EXPECT_EQ(std::memcmp(bytes.data() + kFirstBlock + 154, u"맑은 고딕", 10), 0);
  EXPECT_EQ(I32At(bytes, kFirstBlock + 220), 22);
  EXPECT_EQ(I32At(bytes, kFirstBlock + 228), 0);  // the in-memory pointers are not stored
  EXPECT_EQ(I32At(bytes, kFirstBlock + 232), 4);
  EXPECT_EQ(I32At(bytes, kFirstBlock + 240), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + kFirstBlock + kMemoBlockBytes, u"abc", 8), 0);
  EXPECT_EQ(I32At(bytes, kSecondBlock + 232), 20);
}

TEST(MemoFileCodec, RoundTripKeepsBuffersAndOlderText) {
  MemoSet set;
  TwoMemos(set);
  set.memos[1]->modified = 1;
  const Bytes bytes = EncodeMemoFile(set);
  MemoSet read;
  ASSERT_EQ(DecodeMemoFile(bytes, read), MemoDecode::kRead);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.current, 1);
  EXPECT_EQ(read.memos[0]->Title(), u"첫째");
  EXPECT_EQ(read.memos[1]->Text(), u"xy");
  EXPECT_EQ(read.memos[1]->textCapacity, 20);
  // Nothing is ahead of a freshly read memo.
  EXPECT_EQ(read.memos[1]->modified, 0);
  EXPECT_EQ(read.memos[1]->viewer, nullptr);
  read.memos[1]->modified = 1;
  EXPECT_EQ(EncodeMemoFile(read), bytes);
}

TEST(MemoFileCodec, NotAMemoFileGivesNoMemos) {
  MemoSet set;
  TwoMemos(set);
  const Bytes good = EncodeMemoFile(set);
  Bytes otherSignature = good;
  otherSignature[2] ^= 1;
  Bytes otherVersion = good;
  PutI32At(otherVersion, 20, 101);
  for (const Bytes& bytes : {Bytes{}, Bytes(good.begin(), good.begin() + 31), otherSignature, otherVersion}) {
    MemoSet read;
    read.AddNew(kNewTitle);
    EXPECT_EQ(DecodeMemoFile(bytes, read), MemoDecode::kNotMemoFile);
    EXPECT_EQ(read.Count(), 0);
    EXPECT_EQ(read.current, -1);
  }
}

TEST(MemoFileCodec, DamageKeepsTheIntactMemosBeforeIt) {
  MemoSet set;
  TwoMemos(set);
  const Bytes good = EncodeMemoFile(set);
  struct Case {
    const char* what;
    std::size_t offset;  // where an int32 is replaced; SIZE_MAX: cut the file there instead
    std::int32_t value;
    std::size_t cutAt;
    int expectedCount;
    int expectedCurrent;
  };
  constexpr std::size_t kNone = SIZE_MAX;
  const Case cases[] = {
      {"header only", kNone, 0, kMemoHeaderBytes, 0, -1},
      {"second block cut", kNone, 0, kSecondBlock + 100, 1, 0},
      {"second text cut", kNone, 0, good.size() - 1, 1, 0},
      {"capacity 0", kSecondBlock + 232, 0, kNone, 1, 0},
      {"capacity negative", kSecondBlock + 232, -7, kNone, 1, 0},
      {"capacity past the end", kSecondBlock + 232, 21, kNone, 1, 0},
      {"capacity huge", kFirstBlock + 232, 0x7FFFFFFF, kNone, 0, -1},
      {"count past the end", 28, 1000000, kNone, 2, 1},
      {"count negative", 28, -3, kNone, 0, -1},
      {"current past the end", 24, 9, kNone, 2, 1},
      {"current below -1", 24, -9, kNone, 2, -1},
  };
  for (const Case& c : cases) {
    Bytes bytes = good;
    if (c.cutAt != kNone) bytes.resize(c.cutAt);
    if (c.offset != kNone) PutI32At(bytes, c.offset, c.value);
    MemoSet read;
    EXPECT_EQ(DecodeMemoFile(bytes, read), MemoDecode::kDamaged) << c.what;
    EXPECT_EQ(read.Count(), c.expectedCount) << c.what;
    EXPECT_EQ(read.current, c.expectedCurrent) << c.what;
    if (read.Count() > 0) EXPECT_EQ(read.memos[0]->Text(), u"abc") << c.what;
  }
}

TEST(MemoFileCodec, UnterminatedFieldsEndInTheirLastUnit) {
  MemoSet set;
  TwoMemos(set);
  Bytes bytes = EncodeMemoFile(set);
  std::memset(bytes.data() + kFirstBlock, 'A', 128);                     // title
  std::memset(bytes.data() + kFirstBlock + 154, 'B', 64);                // face name
  std::memset(bytes.data() + kFirstBlock + kMemoBlockBytes, 'C', 2 * 4);  // text
  MemoSet read;
  ASSERT_EQ(DecodeMemoFile(bytes, read), MemoDecode::kRead);
  EXPECT_EQ(read.memos[0]->Title().size(), kMemoTitleUnits - 1);
  EXPECT_EQ(FieldView(read.memos[0]->faceName).size(), kMemoFaceUnits - 1);
  EXPECT_EQ(read.memos[0]->Text(), u"\u4343\u4343\u4343");
  EXPECT_EQ(read.memos[1]->Text(), u"xy");
}

}  // namespace
