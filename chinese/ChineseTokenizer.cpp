// Chinese tokenizer: one left-to-right walk over the line that appends one record
// per token with a first, provisional kind.
//
// Tokens: runs of Chinese numeral and magnitude characters (Number or Figure),
// other Chinese runs (Plain, or the kind of the unit word they are), ASCII digit
// runs with an optional '%' (Arabic), ASCII letter runs (Latin) and single ASCII
// punctuation bytes (Plain). Spaces and control bytes make no token, except
// spaces inside a numeral run.
//
// A byte of value 0x80 or more starts a two-byte character. A position at or past
// the end of the line reads as byte 0, so a last lead byte without its second
// byte is a character that matches no list; its token ends at the end of the line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace {

using Kind = ChineseEntityKind;

// The line as the tokenizer sees it. Records are 32-bit, so a line longer than
// INT32_MAX bytes is tokenized up to that point only.
class Line {
 public:
  explicit Line(std::string_view s)
      : s_(s.substr(0, std::min<std::size_t>(s.size(), std::numeric_limits<std::int32_t>::max()))) {}

  std::size_t size() const { return s_.size(); }
  unsigned char byte(std::size_t i) const { return i < s_.size() ? static_cast<unsigned char>(s_[i]) : 0; }

  std::string_view cut(std::size_t first, std::size_t last) const { return s_.substr(first, last - first + 1); }

 private:
  std::string_view s_;
};

// The class of the character at i (see ChineseCharClasses.h); the missing
// second byte of a last lead byte reads as 0, which no listed character has.
std::uint16_t classAt(const Line& line, std::size_t i) { return chinese_char::table.of(line.byte(i), line.byte(i + 1)); }

ChineseEntity record(std::size_t start, std::size_t last, Kind kind) {
  return ChineseEntity{static_cast<std::int32_t>(start), static_cast<std::int32_t>(last - start + 1), kind};
}

// The last byte of a run of other Chinese characters from i: it ends at an
// ASCII byte or at a numeral or magnitude character (after the first).
std::size_t chineseRunLast(const Line& line, std::size_t i) {
  std::size_t j = i;
  for (;;) {
    j += 2;
    if (!gbk::isLeadByte(static_cast<char>(line.byte(j)))) break;
    if (classAt(line, j) & (chinese_char::Numeral | chinese_char::Magnitude)) break;
  }
  return std::min(j - 1, line.size() - 1);
}

// A numeral run from start to end (its last byte) that ends in 两 right after
// 百, 千, 万 or 亿 (the character before the 两 ends at the last byte before it
// that is not a space): the numeral without the 两, then the measure word with
// the Chinese characters glued to it as a Plain token. Returns the position
// after them, or 0 when the run ends otherwise.
std::size_t splitMeasureWord(const Line& line, std::size_t start, std::size_t end, EntityList<ChineseEntity>& out) {
  if (line.cut(end - 1, end) != numeralTwo) return 0;
  std::size_t before = end - 2;
  while (line.byte(before) == 0x20) --before;
  if (!chinese_char::isTaelAfter(line.cut(before - 1, before), numeralTwo)) return 0;
  out.push_back(record(start, before, Kind::Number));
  const std::size_t wordEnd = chineseRunLast(line, end - 1);
  out.push_back(record(end - 1, wordEnd, Kind::Plain));
  return wordEnd + 1;
}

// Whether the word at j (up to a blank, an ASCII byte or a character that is
// no numeral or magnitude) holds magnitude characters only: 百 of 三 百, 万 of
// 十五 万, but not 十六 of 十五 十六.
bool magnitudeWordAt(const Line& line, std::size_t j) {
  bool any = false;
  for (; gbk::isLeadByte(static_cast<char>(line.byte(j))); j += 2) {
    const std::uint16_t c = classAt(line, j);
    if (c & chinese_char::Numeral) return false;
    if (!(c & chinese_char::Magnitude)) break;
    any = true;
  }
  return any;
}

// A run of numeral and magnitude characters from i, also across spaces between
// them. The run stops before an ASCII byte or another character, and before a
// third magnitude character in a row (the first character never counts towards
// that streak). A 两 that ends the run right after 百, 千, 万 or 亿 is the
// measure word (see splitMeasureWord: 三百两 gives 三百 and 两, 三百两银子 三百
// and 两银子). Under the extended rules the run goes on across blanks only to
// a word of magnitudes (三 百, 十五 万): the segmenter keeps a number in one
// word, and 十五 十六 are two. Returns the position after the last token.
std::size_t numeralRun(const Line& line, std::size_t i, EntityList<ChineseEntity>& out, bool extended) {
  const std::size_t start = i;
  std::size_t j = i;
  std::size_t end = i + 1;
  bool hasUnit = (classAt(line, i) & chinese_char::Ten) != 0;
  int unitStreak = 0;
  bool counts = true;
  bool approximate = false;
  while (counts && j < line.size()) {
    j += 2;
    end = j - 1;
    while (line.byte(j) == 0x20) ++j;
    if (!gbk::isLeadByte(static_cast<char>(line.byte(j)))) break;
    if (extended && j > end + 1 && !magnitudeWordAt(line, j)) break;
    const std::uint16_t d = classAt(line, j);
    // Under the extended rules the word of an approximation goes on a run
    // right after a magnitude (十多万, 二十几), and only a magnitude after it.
    if (extended && !(d & (chinese_char::Magnitude | chinese_char::Numeral))) {
      if (j == end + 1 && !approximate && (classAt(line, j - 2) & chinese_char::Magnitude) &&
          approximationMap.hasKey(line.cut(j, j + 1))) {
        approximate = true;
        unitStreak = 0;
        continue;
      }
    } else if (approximate && !(d & chinese_char::Magnitude)) {
      break;
    }
    const bool magnitude = (d & chinese_char::Magnitude) != 0;
    if (magnitude) {
      hasUnit = true;
      ++unitStreak;
    } else {
      unitStreak = 0;
    }
    counts = (d & (chinese_char::Magnitude | chinese_char::Numeral)) != 0;
    // The extended rules read 万亿 (a trillion) as one magnitude: 二十万亿.
    if (unitStreak == 3 && !(extended && line.cut(j - 2, j + 1) == trillionChineseWord)) break;
  }
  if (end >= line.size()) end = line.size() - 1;
  while (line.byte(end) == 0x20) --end;
  if (end >= start + 3 && line.byte(end) == static_cast<unsigned char>(numeralTwo[1])) {
    if (const std::size_t next = splitMeasureWord(line, start, end, out)) return next;
  }
  const std::size_t length = end - start + 1;
  out.push_back(record(start, end, (length == 2 || hasUnit) ? Kind::Number : Kind::Figure));
  return end + 1;
}

// The kind of a Chinese run that is not a numeral run: the unit words that later
// passes look for, each later test overriding an earlier one. No unit word is
// longer than six bytes, and a run is a word only when its first character is
// the first character of one, so most runs are Plain (or ArabicWithUnit when
// they start with a magnitude character) without a look-up.
Kind chineseRunKind(std::string_view text, std::uint16_t firstClass) {
  const bool magnitudeFirst = (firstClass & chinese_char::Magnitude) != 0;
  Kind kind = Kind::Plain;
  if (text.size() <= 6 && (firstClass & chinese_char::UnitWordStart)) {
    if (ordinalList.hasWord(text)) kind = Kind::Ordinal;
    if (weekPrefixList.hasWord(text)) kind = Kind::Week;
    if (everyWeekList.hasWord(text)) kind = Kind::Week;
    if (dateUnitList.hasWord(text)) kind = Kind::Date;
    if (clockUnitList.hasWord(text)) kind = Kind::Clock;
  }
  if (magnitudeFirst) kind = Kind::ArabicWithUnit;
  return kind;
}

// A run of other Chinese characters from i: it ends at an ASCII byte or at a
// numeral or magnitude character (its first character may be a magnitude other
// than 十). Returns the position after the token.
std::size_t chineseRun(const Line& line, std::size_t i, EntityList<ChineseEntity>& out) {
  const std::size_t start = i;
  const std::size_t end = chineseRunLast(line, start);
  const std::string_view text = line.cut(start, end);
  out.push_back(record(start, end, chineseRunKind(text, classAt(line, start))));
  return end + 1;
}

}  // namespace

void ChineseSentence::tokenize() {
  const Line line(reading());
  std::size_t i = 0;
  while (i < line.size()) {
    const unsigned char b = line.byte(i);
    if (gbk::isLeadByte(static_cast<char>(b))) {
      const bool numeral = (classAt(line, i) & (chinese_char::Numeral | chinese_char::Ten)) != 0;
      i = numeral ? numeralRun(line, i, entities, extended()) : chineseRun(line, i, entities);
    } else if (ascii::isDigit(b)) {
      const std::size_t start = i;
      while (ascii::isDigit(line.byte(i))) ++i;
      if (line.byte(i) == '%') ++i;
      entities.push_back(record(start, i - 1, Kind::Arabic));
    } else if (ascii::isLetter(b)) {
      const std::size_t start = i;
      while (ascii::isLetter(line.byte(i))) ++i;
      entities.push_back(record(start, i - 1, Kind::Latin));
    } else if (b > 0x20) {
      entities.push_back(record(i, i, Kind::Plain));
      ++i;
    } else {
      ++i;
    }
  }
}

}  // namespace vestrilo
