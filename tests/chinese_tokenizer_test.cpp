// The Chinese tokenizer: token positions, lengths and first kinds.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "chinese/ChineseSentence.h"

namespace vestrilo {

void PrintTo(const ChineseEntity& e, std::ostream* os) {
  *os << "{" << e.start << ", " << e.length << ", " << static_cast<int>(e.kind) << "}";
}

namespace {

using K = ChineseEntityKind;

struct Case {
  std::string line;
  std::vector<ChineseEntity> tokens;
};

std::vector<ChineseEntity> tokensOf(const std::string& line) {
  ChineseSentence s(line);
  s.tokenize();
  return s.entities.toVector();
}

void expectTokens(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(tokensOf(c.line), c.tokens) << "line: " << c.line;
}

TEST(ChineseTokenizer, NumeralRuns) {
  expectTokens({
      {"三百二十五", {{0, 10, K::Number}}},
      {"一九九八", {{0, 8, K::Figure}}},
      {"三", {{0, 2, K::Number}}},
      {"十", {{0, 2, K::Number}}},
      {"半", {{0, 2, K::Number}}},
      // Spaces inside the run belong to it; trailing spaces do not.
      {"三 百", {{0, 5, K::Number}}},
      {"三   ", {{0, 2, K::Number}}},
      {"一九 九", {{0, 7, K::Figure}}},
      {"三  百 x", {{0, 6, K::Number}, {7, 1, K::Latin}}},
      {"十 万", {{0, 5, K::Number}}},
      // A third magnitude character in a row starts a new token; the first
      // character of the run never counts towards the streak.
      {"十百千万", {{0, 6, K::Number}, {6, 2, K::ArabicWithUnit}}},
      {"三十百千", {{0, 6, K::Number}, {6, 2, K::ArabicWithUnit}}},
      {"三 百 千 万", {{0, 8, K::Number}, {9, 2, K::ArabicWithUnit}}},
      {"一千一百一十一", {{0, 14, K::Number}}},
      {"五万万万", {{0, 6, K::Number}, {6, 2, K::ArabicWithUnit}}},
      // Any ASCII byte or other character ends the run.
      {"三，", {{0, 2, K::Number}, {2, 2, K::Plain}}},
      {"三5", {{0, 2, K::Number}, {2, 1, K::Arabic}}},
      {"三个", {{0, 2, K::Number}, {2, 2, K::Plain}}},
      {"二十\r", {{0, 4, K::Number}}},
      // A 两 ending the run right after 百, 千, 万 or 亿 is the measure word: it
      // starts the Chinese run after the numeral.
      {"三百两", {{0, 4, K::Number}, {4, 2, K::Plain}}},
      {"两万两", {{0, 4, K::Number}, {4, 2, K::Plain}}},
      {"三百两银子", {{0, 4, K::Number}, {4, 6, K::Plain}}},
      {"三百 两 x", {{0, 4, K::Number}, {5, 2, K::Plain}, {8, 1, K::Latin}}},
      {"三百二", {{0, 6, K::Number}}},
      {"两万两千", {{0, 8, K::Number}}},
      {"三两", {{0, 4, K::Figure}}},
  });
}

TEST(ChineseTokenizer, OtherChineseRunsAndWordKinds) {
  expectTokens({
      {"百分之五十", {{0, 6, K::ArabicWithUnit}, {6, 4, K::Number}}},
      {"三分之一", {{0, 2, K::Number}, {2, 4, K::Plain}, {6, 2, K::Number}}},
      {"第三", {{0, 2, K::Ordinal}, {2, 2, K::Number}}},
      {"星期三", {{0, 4, K::Week}, {4, 2, K::Number}}},
      {"周一", {{0, 2, K::Week}, {2, 2, K::Number}}},
      {"每周", {{0, 4, K::Week}}},
      {"每星期", {{0, 6, K::Week}}},
      {"星期日", {{0, 6, K::Plain}}},
      {"八月份", {{0, 2, K::Number}, {2, 4, K::Date}}},
      {"八月份的", {{0, 2, K::Number}, {2, 6, K::Plain}}},
      {"五点钟", {{0, 2, K::Number}, {2, 4, K::Clock}}},
      {"点半", {{0, 2, K::Clock}, {2, 2, K::Number}}},
      {"点心", {{0, 4, K::Plain}}},
      {"年 月 日 号 时 刻 分", {{0, 2, K::Date}, {3, 2, K::Date}, {6, 2, K::Date}, {9, 2, K::Date},
                              {12, 2, K::Clock}, {15, 2, K::Clock}, {18, 2, K::Clock}}},
      {"今天 是 星期 三", {{0, 4, K::Plain}, {5, 2, K::Plain}, {8, 4, K::Week}, {13, 2, K::Number}}},
      {"今天是星期三", {{0, 10, K::Plain}, {10, 2, K::Number}}},
      // A run may start with a magnitude other than 十 and goes on over other text.
      {"万人", {{0, 4, K::ArabicWithUnit}}},
      {"亿", {{0, 2, K::ArabicWithUnit}}},
      {"公元前221年", {{0, 6, K::Plain}, {6, 3, K::Arabic}, {9, 2, K::Date}}},
  });
}

TEST(ChineseTokenizer, AsciiTokens) {
  expectTokens({
      {"25%", {{0, 3, K::Arabic}}},
      {"12%%", {{0, 3, K::Arabic}, {3, 1, K::Plain}}},
      {"3.14", {{0, 1, K::Arabic}, {1, 1, K::Plain}, {2, 2, K::Arabic}}},
      {"MP3", {{0, 2, K::Latin}, {2, 1, K::Arabic}}},
      {"abc123", {{0, 3, K::Latin}, {3, 3, K::Arabic}}},
      {"\x7f", {{0, 1, K::Plain}}},
      {"a\tb\x01" "c", {{0, 1, K::Latin}, {2, 1, K::Latin}, {4, 1, K::Latin}}},
      {"\t\x01 三", {{3, 2, K::Number}}},
      {"", {}},
      {"   \r\n", {}},
  });
}

// A last byte of 0x80 or more has no second byte: it reads as that byte followed
// by byte 0, matches no list, and its token ends at the end of the line.
TEST(ChineseTokenizer, TrailingLeadByte) {
  expectTokens({
      {"\xD2", {{0, 1, K::Plain}}},
      {"a\xD2", {{0, 1, K::Latin}, {1, 1, K::Plain}}},
      {"三\xD2", {{0, 2, K::Number}, {2, 1, K::Plain}}},
      {"星期\xB0", {{0, 5, K::Plain}}},
      {"三 \xD2", {{0, 2, K::Number}, {3, 1, K::Plain}}},
      // A lead byte followed by '>' is a broken character, not the end of a
      // numeral word of the list.
      {"\xE3>", {{0, 2, K::Plain}}},
      {"三\xE3>", {{0, 2, K::Number}, {2, 2, K::Plain}}},
  });
}

}  // namespace
}  // namespace vestrilo
