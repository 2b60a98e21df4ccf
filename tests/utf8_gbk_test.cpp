// The byte-level conversions of the UTF-8 mode: UTF-8 decoding, UTF-8 to the
// GBK text the rules read (with the stand-in and the positions back), GBK and
// doubtful UTF-8 to well-formed UTF-8. Literals: "..." is GBK here, u8"..." UTF-8.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chinese/ChineseSentence.h"
#include "core/Utf8Gbk.h"
#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/ChineseToEnglishMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {
namespace {

using utf8::standIn;

std::string hex(std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
    out += ' ';
  }
  return out;
}

TEST(Utf8Gbk, TheTablesAreMade) {
  // Without iconv's GBK converter every test below would only see stand-ins.
  ASSERT_TRUE(utf8::tablesAvailable());
  EXPECT_EQ(utf8::gbkCode(U'三'), 0xC8FD);
  EXPECT_EQ(utf8::gbkCharacter(0xC8, 0xFD), U'三');
}

// The code of each character is found by turning the GBK-to-Unicode table round;
// it must be the two-byte code iconv itself writes for that character.
TEST(Utf8Gbk, CodesAreTheOnesIconvWrites) {
  iconv_t toGbk = iconv_open("GBK", "UTF-8");
  ASSERT_NE(toGbk, reinterpret_cast<iconv_t>(-1));
  std::size_t mapped = 0;
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string in;
    utf8::appendCharacter(in, c);
    char out[8];
    char* inp = in.data();
    char* outp = out;
    std::size_t inLeft = in.size(), outLeft = sizeof out;
    iconv(toGbk, nullptr, nullptr, nullptr, nullptr);
    const bool converted = iconv(toGbk, &inp, &inLeft, &outp, &outLeft) != static_cast<std::size_t>(-1);
    const std::size_t n = sizeof out - outLeft;
    const std::uint16_t expected =
        converted && n == 2 && static_cast<unsigned char>(out[0]) >= 0x81
            ? static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]))
            : 0;
    ASSERT_EQ(utf8::gbkCode(c), expected) << "U+" << std::hex << static_cast<unsigned>(c);
    mapped += expected != 0;
  }
  iconv_close(toGbk);
  EXPECT_GT(mapped, 20000u);
}

TEST(Utf8Gbk, DecodingTakesWellFormedCharactersAndMaximalIllFormedSubparts) {
  const struct {
    const char* name;
    std::string bytes;
    std::size_t length;
    bool valid;
    char32_t character;
  } cases[] = {
      {"ASCII", "a", 1, true, U'a'},
      {"two bytes", u8"é", 2, true, U'é'},
      {"three bytes", u8"三", 3, true, U'三'},
      {"four bytes", u8"😀", 4, true, U'😀'},
      {"last scalar value", "\xF4\x8F\xBF\xBF", 4, true, 0x10FFFF},
      {"lone continuation byte", "\x80", 1, false, 0},
      {"0xFF", "\xFF", 1, false, 0},
      {"overlong two bytes", "\xC0\x80", 1, false, 0},
      {"overlong three bytes", "\xE0\x80\x80", 1, false, 0},
      {"overlong four bytes", "\xF0\x8F\xBF\xBF", 1, false, 0},
      {"surrogate", "\xED\xA0\x80", 1, false, 0},
      {"past U+10FFFF", "\xF4\x90\x80\x80", 1, false, 0},
      {"truncated at the end", "\xE4\xB8", 2, false, 0},
      {"truncated four bytes", "\xF0\x9F\x98", 3, false, 0},
      {"truncated before ASCII", "\xE4\xB8" "a", 2, false, 0},
      {"empty", "", 0, false, 0},
  };
  for (const auto& c : cases) {
    const utf8::Decoded d = utf8::decode(c.bytes);
    EXPECT_EQ(d.length, c.length) << c.name;
    EXPECT_EQ(d.valid, c.valid) << c.name;
    if (c.valid) {
      EXPECT_EQ(d.character, c.character) << c.name;
    }
  }
}

TEST(Utf8Gbk, Utf8BecomesTheGbkTheRulesReadWithPositionsBack) {
  const std::string s(standIn);
  const struct {
    const char* name;
    std::string utf8;
    std::string gbk;
    std::vector<std::uint32_t> positions;
  } cases[] = {
      {"empty", "", "", {0}},
      {"ASCII and control bytes", std::string("a 3\r\0", 5), std::string("a 3\r\0", 5), {0, 1, 2, 3, 4, 5}},
      {"Chinese", u8"三点", "三点", {0, 0, 3, 3, 6}},
      {"emoji before a number", u8"😀3", s + "3", {0, 0, 4, 5}},
      {"non-breaking space", u8"3\u00A05", "3" + s + "5", {0, 1, 1, 3, 4}},
      // iconv writes the euro sign as the single byte 0x80, which the rules
      // would read as half a character.
      {"euro sign", u8"€5", s + "5", {0, 0, 3, 4}},
      {"byte-order mark inside a line", u8"\uFEFF三", s + "三", {0, 0, 3, 3, 6}},
      {"lone continuation byte", "\x80" "3", s + "3", {0, 0, 1, 2}},
      {"truncated at the end", "3\xE4\xB8", "3" + s, {0, 1, 1, 3}},
      {"overlong form", "\xC0\x80", s + s, {0, 0, 1, 1, 2}},
      {"0xFF", "\xFF", s, {0, 0, 1}},
      {"four-byte character between numerals", u8"三😀四", "三" + s + "四", {0, 0, 3, 3, 7, 7, 10}},
  };
  for (const auto& c : cases) {
    std::string gbk = "leftover";
    std::vector<std::uint32_t> positions = {9, 9, 9};
    utf8::toGbk(c.utf8, gbk, positions);
    EXPECT_EQ(hex(gbk), hex(c.gbk)) << c.name;
    EXPECT_EQ(positions, c.positions) << c.name;
  }
}

TEST(Utf8Gbk, GbkBecomesUtf8AsIconvReadsIt) {
  const struct {
    const char* name;
    std::string gbk;
    std::string utf8;
  } cases[] = {
      {"Chinese and ASCII", "三点 3", u8"三点 3"},
      {"the stand-in", std::string(standIn), u8"〓"},
      {"full-width punctuation", "，：", u8"，："},
      {"a pair that is no character", "\x81\x30", u8"\uFFFD0"},
      {"a last lead byte", "3\xB5", u8"3\uFFFD"},
      {"0x80 alone is the euro sign", "\x80" "A", u8"€A"},
      {"0xFF twice", "\xFF\xFF", u8"\uFFFD\uFFFD"},
      {"NUL", std::string("\0", 1), std::string("\0", 1)},
  };
  for (const auto& c : cases) EXPECT_EQ(hex(utf8::gbkToUtf8(c.gbk)), hex(c.utf8)) << c.name;
}

TEST(Utf8Gbk, EveryGbkCharacterComesBackThroughUtf8) {
  // The two tables agree: each two-byte GBK character, written as UTF-8 and
  // read back, is the same two bytes (and never the stand-in in disguise).
  std::size_t characters = 0;
  std::string gbk;
  std::vector<std::uint32_t> positions;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      if (utf8::gbkCharacter(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)) == 0) continue;
      ++characters;
      const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::string text = utf8::gbkToUtf8(pair);
      utf8::toGbk(text, gbk, positions);
      ASSERT_EQ(gbk, pair) << hex(pair);
    }
  }
  EXPECT_GT(characters, 21000u);
}

TEST(Utf8Gbk, DoubtfulUtf8BecomesWellFormed) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {u8"三点 😀", u8"三点 😀"},
      {"a\x80" "b", u8"a\uFFFDb"},
      {"\xE4\xB8", u8"\uFFFD"},
      {"\xC0\x80", u8"\uFFFD\uFFFD"},
      {"\xED\xA0\x80", u8"\uFFFD\uFFFD\uFFFD"},
      {"\xFF" "3", u8"\uFFFD3"},
  };
  for (const auto& c : cases) {
    std::string out;
    utf8::appendWellFormed(out, c.in);
    EXPECT_EQ(hex(out), hex(c.out)) << hex(c.in);
  }
}

// The stand-in must stay plain text: no list, map or marker of the Chinese
// rules holds its bytes, punctuation conversion leaves it, and next to
// numerals, units and digits it is read like any ordinary character (的).
TEST(Utf8Gbk, TheStandInIsNoWordOfTheRules) {
  const std::string_view texts[] = {
      numeralList.text(), unitList.text(), ordinalList.text(), weekPrefixList.text(), weekdayList.text(),
      dateUnitList.text(), clockUnitList.text(), everyWeekList.text(), sundayWordList.text(),
      arabicJoinerList.text(), monthDayUnitList.text(), hourUnitList.text(), quarterCountList.text(),
      numeralDigitMap.text(), unitWordMap.text(), figureWordMap.text(), monthNameMap.text(),
      ordinalWordMap.text(), weekdayNameMap.text(), fractionMarker, proportionWord, eraWord, eraBeforeWord,
      fullWidthComma, fullWidthColon, clockBellSuffix, quarterUnit};
  for (std::string_view text : texts) EXPECT_EQ(text.find(standIn), std::string_view::npos) << text;
  EXPECT_EQ(ChineseSentence::convertPunctuation(std::string(standIn)), standIn);

  const char* lines[] = {"三 X 四", "三X四", "X3点", "3X点", "第X三", "第 X", "X年", "2004年X5月", "百分之X",
                         "X十", "十X", "1，X000", "X 星期", "三 X 百", "3.X14", "X成", "公元X前"};
  auto records = [](const std::string& line) {
    ChineseSentence s{line};
    s.runStages();
    std::vector<std::pair<int, int>> out;
    for (const ChineseEntity& e : s.entities) out.push_back({e.start, static_cast<int>(e.kind)});
    return out;
  };
  for (std::string line : lines) {
    std::string plain = line;
    const std::size_t x = line.find('X');
    line.replace(x, 1, standIn);
    plain.replace(x, 1, "的");
    EXPECT_EQ(records(line), records(plain)) << line;
  }
}

}  // namespace
}  // namespace vestrilo
