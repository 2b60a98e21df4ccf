// Arbitrary bytes through the Chinese tokenizer, adjustment and recognition
// passes: every line is valid input, nothing reads outside the line, and the
// record lists keep their shape (ordered, disjoint, inside the line). Run under
// the sanitizers to catch reads past the end.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"

namespace vestrilo {
namespace {

using K = ChineseEntityKind;

bool isKnownKind(K kind) {
  switch (kind) {
    case K::Plain: case K::Number: case K::Figure: case K::Ordinal: case K::Week: case K::Date:
    case K::Clock: case K::Arabic: case K::Latin: case K::ArabicWithUnit: case K::Fractional:
      return true;
  }
  return false;
}

// Records ordered by start, disjoint, non-empty and inside the line.
::testing::AssertionResult wellFormed(const ChineseSentence& s) {
  std::int64_t previousEnd = 0;
  for (std::size_t i = 0; i < s.entities.size(); ++i) {
    const ChineseEntity& e = s.entities[i];
    const std::int64_t end = static_cast<std::int64_t>(e.start) + e.length;
    if (e.length <= 0 || e.start < previousEnd || end > static_cast<std::int64_t>(s.sentence.size()) ||
        !isKnownKind(e.kind)) {
      return ::testing::AssertionFailure() << "record " << i << " {" << e.start << ", " << e.length << ", "
                                           << static_cast<int>(e.kind) << "} in a line of " << s.sentence.size();
    }
    previousEnd = end;
  }
  return ::testing::AssertionSuccess();
}

// Right after tokenizing, every byte above 0x20 lies in a record.
::testing::AssertionResult coversVisibleBytes(const ChineseSentence& s) {
  std::vector<bool> covered(s.sentence.size(), false);
  for (const ChineseEntity& e : s.entities) {
    for (std::int32_t k = 0; k < e.length; ++k) covered[static_cast<std::size_t>(e.start + k)] = true;
  }
  for (std::size_t i = 0; i < s.sentence.size(); ++i) {
    if (static_cast<unsigned char>(s.sentence[i]) > 0x20 && !covered[i]) {
      return ::testing::AssertionFailure() << "byte " << i << " of a line of " << s.sentence.size()
                                           << " lies in no record";
    }
  }
  return ::testing::AssertionSuccess();
}

// Runs the three stages on a line, checking the lists after each, and reads every
// final record through the numeral conversions.
void runStages(const std::string& line) {
  ChineseSentence s(line);
  s.tokenize();
  ASSERT_TRUE(wellFormed(s));
  ASSERT_TRUE(coversVisibleBytes(s));
  s.adjust();
  ASSERT_TRUE(wellFormed(s));
  s.recognize();
  ASSERT_TRUE(wellFormed(s));
  for (const ChineseEntity& e : s.entities) {
    const std::string text(s.text(e));
    const std::string digits = ChineseSentence::chineseNumeralToArabic(text);
    ASSERT_EQ(digits.size(), 16u);
    ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos);
    ChineseSentence::chineseDigitsToArabic(text);
  }
}

TEST(ChineseHostileBytes, EveryByteAloneAndInPairs) {
  for (int a = 0; a < 256; ++a) {
    runStages(std::string(1, static_cast<char>(a)));
    for (int b = 0; b < 256; ++b) runStages({static_cast<char>(a), static_cast<char>(b)});
  }
}

TEST(ChineseHostileBytes, AllByteValuesInOneLine) {
  std::string up, down;
  for (int a = 0; a < 256; ++a) {
    up += static_cast<char>(a);
    down += static_cast<char>(255 - a);
  }
  runStages(up);
  runStages(down);
  runStages(up + up);
}

TEST(ChineseHostileBytes, LoneLeadBytesAtTheEnd) {
  const std::vector<std::string> heads = {"", "三", "三 ", "十", "星期", "5", "5万", "三点", "第", "公元",
                                          "三分之", "百分之", "2004年", "a", "。"};
  for (const std::string& head : heads) {
    for (int b = 0x80; b < 256; ++b) runStages(head + static_cast<char>(b));
  }
}

TEST(ChineseHostileBytes, RandomBytes) {
  std::mt19937 rng(20240501);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 120);
  for (int n = 0; n < 8000; ++n) {
    std::string line(static_cast<std::size_t>(length(rng)), '\0');
    for (char& c : line) c = static_cast<char>(byte(rng));
    runStages(line);
  }
}

// Random lines made of the pieces the rules look for, so that the rules meet each
// other in every order.
TEST(ChineseHostileBytes, RandomPieces) {
  const std::vector<std::string> pieces = {
      "零", "一", "二", "两", "三", "五", "九", "半", "十", "百", "千", "万", "亿", "第", "周", "星期",
      "每周", "年", "月", "月份", "日", "号", "点", "点钟", "时", "刻", "分", "分之", "成", "公元", "前",
      "天", "个", "的", "，", "：", "0", "1", "12", "25", "2004", "4294967296", ".", ",", "/", "-", "+",
      ":", "%", "MP", "G", " ", " ", "  ", "\t", "\r", "\xD2", "\xE3>", "\x80"};
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> count(0, 24);
  for (int n = 0; n < 12000; ++n) {
    std::string line;
    for (int k = count(rng); k > 0; --k) line += pieces[pick(rng)];
    runStages(line);
  }
}

std::string repeat(const std::string& piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(ChineseHostileBytes, VeryLongRuns) {
  // Single tokens of a hundred thousand characters, and long chains of records
  // that the passes keep joining (or looking at again).
  const std::size_t n = 100000;
  const std::size_t chain = 5000;
  const std::vector<std::string> lines = {
      repeat("一", n),
      repeat("三 ", n),
      repeat("一万", n),
      repeat("九千九百九十九亿", n / 4),
      repeat("9", n),
      repeat("\xD2", n) + "\xD2",
      repeat("十百千", chain),
      repeat("1.", chain),
      repeat("一九九八年 ", chain),
      repeat("三点 二十 ", chain),
      repeat("5万万点 ", chain),
      repeat("MP3", chain),
      repeat("三分之", chain),
      repeat("星期 一二 ", chain),
  };
  for (const std::string& line : lines) runStages(line);
}

TEST(ChineseHostileBytes, LongNumeralValuesSaturate) {
  const std::string big = repeat("九千九百九十九亿", 1000);
  const std::string digits = ChineseSentence::chineseNumeralToArabic(big);
  EXPECT_EQ(digits.size(), 16u);
  // A huge numeral before an hour word is no clock time.
  ChineseSentence s(big + "点");
  s.tokenize();
  s.adjust();
  s.recognize();
  ASSERT_FALSE(s.entities.empty());
  EXPECT_NE(s.entities.back().kind, K::Clock);
}

}  // namespace
}  // namespace vestrilo
