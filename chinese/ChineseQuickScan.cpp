// The quick scan in front of the Chinese stages: one walk over the line that
// decides whether it can hold an entity at all. Most lines of real text hold
// none, and for them the stages are skipped.
//
// Claim: a line in which no character (read as the tokenizer reads them: a byte
// of 0x80 or more and the byte after it are one character, any other byte is
// one) is an ASCII digit or one of 零一二两三四五六七八九半 (numeralList),
// 十百千万亿 (unitList), 周 or 星 (weekWordCharList) gives no entity: after the
// stages, no record has a translated kind.
//
// Proof, stage by stage, for such a line:
// - tokenize: numeral runs start only at a numeral or 十, and ASCII digits are
//   the only Arabic tokens, so there is no Number, Figure or Arabic token; a
//   Chinese run is ArabicWithUnit only when its first character is a magnitude,
//   so there is none. The kinds are Plain, Latin and the unit-word kinds
//   Ordinal, Week, Date and Clock. Every Week token is 周, 星期, 每周 or 每星期.
// - adjust: a fraction needs a Number after 分之 or a 百 token, a proportion a
//   Number, Figure or Arabic before 成; neither exists. 公元 前 is joined with
//   the kind of 公元, Plain.
// - recognize, pass 1: the joiner rule needs Arabic on both sides. Ordinal
//   needs a Number or Arabic after it, Date and Clock need a Figure, Number or
//   Arabic before them: each becomes Plain. The numeral-word rules need a
//   Number, 一 or 十. Only Week survives: a week prefix joined with the day
//   after it, or one of the Sunday words (星期天, 周日, ... each holds 周 or
//   星; a record's text starts where a token starts, so its characters are
//   characters of the tokenizer's reading).
// - pass 2 acts on Latin (stays Latin, not translated), needs a Number,
//   Fractional, Figure, ArabicWithUnit, Clock or Date record for everything
//   else; after pass 1 there is none. Pass 3 needs a Date.
// So the only translated kind left is Week, which needs 周 or 星: without them
// and the numerals, magnitudes and digits, the line gives no pair.
//
// Under the extended rules the scan also lets through the financial numerals
// that are ordinary characters too (NumeralVariant: 陆拾 holds no other
// numeral) and the ExtendedEntityChar characters: 几, the one word of those
// rules that counts without a numeral, magnitude or digit (几条 "a few"), and
// every variant the reading turns into a digit or an EntityChar character (萬,
// 兩, 週, ４, 幾). The other variants read as 个, 点, 时, 号, 钟 or 负, which
// the proof above allows. Every other extended rule joins records around a
// numeral, a magnitude or digits, so the proof carries over to the line as
// read.
//
// The claim is checked against the full stages by a differential test
// (tests/quick_scan_test.cpp) and by both Chinese fuzz targets.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "core/Utf8Gbk.h"

namespace vestrilo {

bool ChineseSentence::mayHoldEntity(std::string_view line, RuleSet rules) {
  const std::uint16_t entity = chinese_char::entityChars(rules);
  const std::size_t n = line.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = static_cast<unsigned char>(line[i]);
    if (b < 0x80) {
      if (ascii::isDigit(static_cast<char>(b))) return true;
      ++i;
    } else {
      if (chinese_char::classAt(line, i) & entity) return true;
      i += 2;
    }
  }
  return false;
}

// The UTF-8 form of the scan, which lets a UTF-8 line skip its conversion too.
// The conversion to GBK (core/Utf8Gbk) turns each UTF-8 character into one
// character (an ASCII byte stays, anything else becomes two bytes, the stand-in
// included), so the tokenizer's reading of the converted line is one character
// per UTF-8 character, and the converted line passes the scan above exactly when
// the UTF-8 line holds an ASCII digit or a character whose GBK form is an entity
// character. Those characters (found once, by asking the class table about the
// GBK form of every character) are all three-byte sequences in UTF-8; a byte
// below 0x80 or from 0xC0 up is never taken into the sequence before it, so the
// three bytes of such a character decode as that character wherever they stand.
namespace {

using EntityCodePoints = std::array<std::uint64_t, 0x10000 / 64>;

EntityCodePoints codePointsOf(std::uint16_t classes) {
  EntityCodePoints b{};
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    const std::uint16_t code = utf8::gbkCode(c);
    if (code != 0 && chinese_char::table.of(code >> 8, code & 0xFF) & classes)
      b[c / 64] |= std::uint64_t{1} << (c % 64);
  }
  return b;
}

const EntityCodePoints& entityCodePoints(RuleSet rules) {
  static const EntityCodePoints classic = codePointsOf(chinese_char::entityChars(RuleSet::Classic));
  if (rules == RuleSet::Classic) return classic;
  static const EntityCodePoints extended = codePointsOf(chinese_char::entityChars(RuleSet::Extended));
  return extended;
}

}  // namespace

bool ChineseSentence::mayHoldEntityUtf8(std::string_view line, RuleSet rules) {
  const auto* p = reinterpret_cast<const unsigned char*>(line.data());
  const std::size_t n = line.size();
  const EntityCodePoints* bits = nullptr;  // looked up at the first three-byte character
  std::size_t i = 0;
  while (i < n) {
    const unsigned b = p[i];
    if (b < 0x80) {
      if (b - '0' < 10u) return true;
      ++i;
    } else if (b - 0xE0 < 16u && i + 2 < n && ((p[i + 1] ^ 0x80u) | (p[i + 2] ^ 0x80u)) < 0x40u) {
      // A lead byte of three with its two continuation bytes.
      const char32_t c = char32_t(b & 0x0F) << 12 | char32_t(p[i + 1] & 0x3F) << 6 | (p[i + 2] & 0x3F);
      if (!bits) bits = &entityCodePoints(rules);
      if ((*bits)[c / 64] >> (c % 64) & 1) return true;
      i += 3;
    } else {
      ++i;
    }
  }
  return false;
}

}  // namespace vestrilo
