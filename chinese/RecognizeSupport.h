// The tests of records and their texts that the recognition passes share
// (chinese/ChineseRecognize.cpp and chinese/ChineseWords.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"

namespace vestrilo {

namespace recognize_support {

using Kind = ChineseEntityKind;

// Numbers are compared with small limits (hours up to 24, years up to 9999). A
// number that does not fit in 32 bits saturates here, so it fails every upper
// limit and passes every lower one; nothing wraps.
inline constexpr std::int64_t kBeyond32Bits = std::int64_t{1} << 32;

// The number formed by the leading ASCII digits of text (0 when there are none),
// saturated at kBeyond32Bits.
inline std::int64_t leadingNumber(std::string_view text) {
  std::int64_t total = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') break;
    total = total * 10 + (ch - '0');
    if (total >= kBeyond32Bits) return kBeyond32Bits;
  }
  return total;
}

// The value of a Chinese numeral text (a digit-only run counts its last digit).
// The limit tests ask for the same few numerals over and over: the sentence
// object, which serves line after line, remembers the values.
inline std::int64_t numeralValue(ChineseSentence& s, std::string_view text) {
  return s.numeralValues.get(0, text,
                             [&] { return leadingNumber(ChineseSentence::chineseNumeralToArabic(std::string(text))); });
}

// The value of a Number or Arabic record.
inline std::int64_t numeralOrDigitsValue(ChineseSentence& s, const ChineseEntity& e) {
  return e.kind == Kind::Arabic ? leadingNumber(s.text(e)) : numeralValue(s, s.text(e));
}

inline bool endsWith(std::string_view text, std::string_view c) {
  return text.size() >= c.size() && text.substr(text.size() - c.size()) == c;
}
inline bool beginsWith(std::string_view text, std::string_view c) { return text.substr(0, c.size()) == c; }
inline bool contains(std::string_view text, std::string_view c) { return text.find(c) != std::string_view::npos; }

inline bool isOneOf(Kind kind, Kind a, Kind b) { return kind == a || kind == b; }
inline bool isOneOf(Kind kind, Kind a, Kind b, Kind c) { return kind == a || kind == b || kind == c; }

// The byte of the reading right after a record, 0 past the end.
inline unsigned char byteAfter(const ChineseSentence& s, const ChineseEntity& e) {
  const std::int64_t at = static_cast<std::int64_t>(e.start) + e.length;
  const std::string_view r = s.reading();
  return at >= 0 && static_cast<std::uint64_t>(at) < r.size() ? static_cast<unsigned char>(r[at]) : 0;
}

// Whether exactly one space lies between two neighbouring records.
inline bool singleSpaceBetween(const ChineseSentence& s, const ChineseEntity& before, const ChineseEntity& after) {
  const std::int64_t end = static_cast<std::int64_t>(before.start) + before.length;
  return after.start - end == 1 && byteAfter(s, before) == ' ';
}

// Whether record p starts a segmented word: it is the first record, bytes (the
// blanks between words) lie between it and the record before, or that record
// is one ASCII punctuation byte.
inline bool startsWord(const ChineseSentence& s, std::size_t p) {
  if (p == 0) return true;
  const ChineseEntity& prev = s.entities[p - 1];
  if (static_cast<std::int64_t>(prev.start) + prev.length < s.entities[p].start) return true;
  return prev.length == 1 && ascii::isPunct(s.text(prev)[0]);
}

// Whether record e ends a segmented word: no Chinese character follows it.
inline bool endsWord(const ChineseSentence& s, const ChineseEntity& e) {
  return !gbk::isLeadByte(static_cast<char>(byteAfter(s, e)));
}

// Whether t is the measure word or unit that a numeral glued before it counts:
// 个 of 三个, 種 of 兩種, 个包 of 一个包 (see measureWordList).
inline bool isMeasureWord(std::string_view t) {
  if (measureWordList.hasWord(t)) return true;
  return t.size() > generalMeasureWord.size() && gbk::startsWith(t, generalMeasureWord) &&
         !uncountedWordList.hasWord(t.substr(0, 4));
}

// The length of the run of numeral and magnitude characters that t starts with,
// with the word of an approximation after a magnitude (十多, 二十几; see
// approximationMap).
inline std::size_t numeralRunLength(std::string_view t) {
  std::size_t n = 0;
  while (n + 1 < t.size() && gbk::isLeadByte(t[n]) &&
         ((chinese_char::classAt(t, n) & (chinese_char::Numeral | chinese_char::Magnitude)) ||
          (n >= 2 && (chinese_char::classAt(t, n - 2) & chinese_char::Magnitude) &&
           approximationMap.hasKey(t.substr(n, 2)))))
    n += 2;
  return n;
}

// Whether records p and p + 1 touch (no blank between them).
inline bool touching(const ChineseSentence& s, std::size_t p) {
  return p + 1 < s.entities.size() && s.entities[p + 1].start == s.entities[p].start + s.entities[p].length;
}

// 公元 or 公元前 in front of the date at p: joins them and returns true.
inline bool eraPrefixStep(ChineseSentence& s, std::size_t p) {
  if (p == 0) return false;
  const ChineseEntity& prev = s.entities[p - 1];
  if (prev.length >= 8) return false;
  const std::string_view t = s.text(prev);
  if (t != eraWord && !(contains(t, eraWord) && contains(t, eraBeforeWord))) return false;
  s.merge(p - 1, p, Kind::Date);
  return true;
}

}  // namespace recognize_support

}  // namespace vestrilo
