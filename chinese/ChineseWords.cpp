// The extended rules' pass over whole words, run after the first two passes of
// recognition (chinese/ChineseRecognize.cpp) in place of the third, whose era
// rule it applies in its own walk. The segmenter writes a numeral and the word
// it counts as one word, which the passes leave as ordinary text or read for
// its numeral alone; the forms around a number (a sign, a range, a bound, an
// approximation, a fraction with digits, percentage points, a discount, a
// decade) become one record here, which chinese/TranslateForms.cpp translates;
// and some records the passes make are no numbers to translate after all.
// Most records of a line are words no rule here reads: one test of their first
// character passes them over (quietInWordPass).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "chinese/RecognizeSupport.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace {

using namespace recognize_support;

// ---------------------------------------------------------------------------
// Counted words (extended rules). The segmenter writes a numeral and the
// measure word it counts as one word (三个, 兩種, 三年, 一个包, 第一代, 之一),
// which the passes above leave as ordinary text, or read for its numeral alone.
// A word that starts with a numeral and ends with a measure word is a number
// (or an ordinal after 第), unless it is 一 after a word that takes its count
// away (最后 一次 "the last", 哪 一个 "which", 这 一组 "this"). It runs last, so
// no other rule reads such a word as a numeral (一个 时 is no clock time).

bool isUncountedOne(const ChineseSentence& s, std::size_t p, std::string_view numeral) {
  return numeral == numeralOne && p > 0 && startsWord(s, p) && uncountedOneAfterList.hasWord(s.text(p - 1));
}

// The text of record q when it starts a word, empty otherwise or past the end.
std::string_view wordAt(const ChineseSentence& s, std::size_t q) {
  return q < s.entities.size() && startsWord(s, q) ? s.text(q) : std::string_view();
}

// Whether the measure word of a count is 次 taken as a degree by the word after
// it (三次 贝塞尔 曲线, 二次 方程); the count's word ends before record next.
bool isDegree(const ChineseSentence& s, std::string_view measure, std::size_t next) {
  return measure == timesWord && degreeNounList.hasWord(wordAt(s, next));
}

// Whether a figure repeats its digits (一一 "one by one", 三三两两 "in twos and
// threes"): no number.
bool isRepetition(std::string_view t) {
  if (t.size() == 4) return t.substr(0, 2) == t.substr(2, 2);
  return t.size() == 8 && t.substr(0, 2) == t.substr(2, 2) && t.substr(4, 2) == t.substr(6, 2);
}

// A clock time takes the part of the day before it (下午 4 点 "four p.m.") and
// the seconds after its minutes (23 时 05 分 25 秒).
std::size_t clockPartsStep(ChineseSentence& s, std::size_t p) {
  const ChineseEntity cur = s.entities[p];
  if (p + 2 < s.entities.size() && contains(s.text(cur), minuteUnit) &&
      isOneOf(s.entities[p + 1].kind, Kind::Number, Kind::Arabic) && s.text(p + 2) == secondUnit &&
      numeralOrDigitsValue(s, s.entities[p + 1]) < 60)
    s.merge(p, p + 2, Kind::Clock);
  if (p > 0 && dayPartMap.hasKey(s.text(p - 1))) {
    s.merge(p - 1, p, Kind::Clock);
    return p;
  }
  return p + 1;
}

// A number with two points or more is a section, version or address (9.6 . 3,
// 192.168 . 0.1), and a number after 表 or 图 a label (表 9.11): no number to
// translate.
bool isIdentifier(const ChineseSentence& s, std::size_t p) {
  const std::string_view t = s.text(p);
  const std::size_t point = t.find('.');
  if (point != std::string_view::npos && t.find('.', point + 1) != std::string_view::npos) return true;
  return p > 0 && s.entities[p - 1].length == 2 && startsWord(s, p) && labelWordList.hasWord(s.text(p - 1));
}

// Whether the numeral at p, glued to the end of a Chinese word, is part of an
// idiom: 半 (夜半 "midnight", 多半 "mostly") or a word of numeralEndingIdiomList.
bool isIdiomEnding(const ChineseSentence& s, std::size_t p) {
  std::size_t first = p;
  while (first > 0 && touching(s, first - 1)) --first;
  if (first == p || !gbk::isLeadByte(static_cast<char>(s.firstByte(s.entities[p - 1])))) return false;
  if (s.text(p) == numeralHalf) return true;
  const ChineseEntity& a = s.entities[first];
  const ChineseEntity& b = s.entities[p];
  return numeralEndingIdiomList.hasWord(s.reading().substr(static_cast<std::size_t>(a.start),
                                                           static_cast<std::size_t>(b.start + b.length - a.start)));
}

// Whether record q is a number a sign or a range takes.
bool isSignable(const ChineseSentence& s, std::size_t q) {
  return q < s.entities.size() &&
         (isOneOf(s.entities[q].kind, Kind::Number, Kind::Arabic, Kind::Fractional) ||
          s.entities[q].kind == Kind::ArabicWithUnit);
}

// 设 为 - 1, 负三十二, 负3.9%: a sign before a number (blanks between them) and
// after a Chinese word or punctuation (not tail -1, not 3 - 1), or 负 at the
// start of the line.
bool signStep(ChineseSentence& s, std::size_t p) {
  const std::string_view t = s.text(p);
  const bool minus = t == asciiMinus, negative = t == negativeWord;
  if (!(minus || negative) || !isSignable(s, p + 1)) return false;
  if (p == 0 ? !negative : !gbk::isLeadByte(static_cast<char>(s.firstByte(s.entities[p - 1])))) return false;
  if (p > 0 && isOneOf(s.entities[p - 1].kind, Kind::Number, Kind::Fractional, Kind::Figure)) return false;
  // The minus sign with digits is digits, its own translation (- 1, as the
  // option - 4 is); 负 with them reads as a number (负3.9% "-3.9%").
  const Kind kind = negative && s.entities[p + 1].kind == Kind::Arabic ? Kind::Number : s.entities[p + 1].kind;
  s.merge(p, p + 1, kind);
  return true;
}

// Whether record q is one side of a range: a whole word holding a number in
// digits or a Chinese numeral, without a sign or an approximation.
bool isRangeSide(const ChineseSentence& s, std::size_t q, Kind kind) {
  const ChineseEntity& e = s.entities[q];
  if (e.kind != kind || !startsWord(s, q) || !endsWord(s, e)) return false;
  const std::string_view t = s.text(e);
  if (kind == Kind::Arabic) return ascii::isDigit(t[0]);
  for (std::size_t i = 0; i < t.size(); i += 2)
    if (!gbk::isLeadByte(t[i]) || !(chinese_char::classAt(t, i) & (chinese_char::Numeral | chinese_char::Magnitude)))
      return false;
  return true;
}

// 512 到 4096, 1 至 2, 三 到 五: two numbers of one kind with a range word, a
// word of its own, between them.
bool rangeStep(ChineseSentence& s, std::size_t p) {
  if (p == 0 || p + 1 >= s.entities.size() || !rangeWordList.hasWord(s.text(p)) || !startsWord(s, p) ||
      !endsWord(s, s.entities[p]))
    return false;
  const Kind kind = s.entities[p - 1].kind;
  if (!isOneOf(kind, Kind::Number, Kind::Arabic) || !isRangeSide(s, p - 1, kind) || !isRangeSide(s, p + 1, kind) ||
      (kind == Kind::Arabic && isIdentifier(s, p + 1)))
    return false;
  s.merge(p - 1, p + 1, Kind::Number);
  return true;
}

// Whether t is digits and a unit of latinUnitList (30GiB).
bool isQuantityWithUnit(std::string_view t) {
  std::size_t n = 0;
  while (n < t.size() && ascii::isDigit(t[n])) ++n;
  return n > 0 && latinUnitList.hasWord(t.substr(n));
}

// Whether t is a date written with hyphens, year, month and day (2013 - 03 - 03).
bool isHyphenDate(std::string_view t) {
  std::int64_t parts[3] = {0, 0, 0};
  std::size_t digits[3] = {0, 0, 0};
  std::size_t part = 0;
  for (const char c : t) {
    if (c == ' ') continue;
    if (c == dateHyphen[0] && digits[part] > 0 && part < 2) {
      ++part;
    } else if (ascii::isDigit(c) && digits[part] < 4) {
      parts[part] = parts[part] * 10 + (c - '0');
      ++digits[part];
    } else {
      return false;
    }
  }
  return part == 2 && digits[0] == 4 && digits[1] <= 2 && digits[2] > 0 && digits[2] <= 2 && parts[1] >= 1 &&
         parts[1] <= 12 && parts[2] >= 1 && parts[2] <= 31;
}

// Whether t is a fraction written with a slash, a smaller number over one of
// two digits at most (3/4, 1/2; not 2004/5 or 24/7).
bool isSlashFraction(std::string_view t) {
  const std::size_t slash = t.find(fractionSlash);
  if (slash == std::string_view::npos || slash == 0 || slash > 2 || t.size() - slash - 1 > 2) return false;
  const std::string_view a = t.substr(0, slash), b = t.substr(slash + 1);
  if (!ascii::isDigits(a) || !ascii::isDigits(b)) return false;
  const std::int64_t numerator = leadingNumber(a), denominator = leadingNumber(b);
  return numerator >= 1 && numerator < denominator;
}

// Whether t is a word of 几 or 好几 and a measure word (几条, 好几个).
bool isSeveralWord(std::string_view t) {
  for (const std::string_view head : {t.substr(0, 4), t.substr(0, 2)})
    if (head.size() < t.size() && severalWordMap.hasKey(head) && isMeasureWord(t.substr(head.size()))) return true;
  return false;
}

// Whether the clause that goes on at record q ends in a question.
bool asksQuestion(const ChineseSentence& s, std::size_t q) {
  for (; q < s.entities.size(); ++q) {
    const std::string_view t = s.text(q);
    if (questionMarkList.hasWord(t)) return true;
    if (clauseEndList.hasWord(t)) return false;
  }
  return false;
}

// Whether a numeral holds no word of an approximation (十多 does).
bool approximationMapFree(std::string_view t) {
  for (std::size_t i = 0; i + 1 < t.size(); i += 2)
    if (approximationMap.hasKey(t.substr(i, 2))) return false;
  return true;
}

// Whether record q is a whole number in digits (16, 3.2), or a Chinese numeral
// when Chinese is allowed.
bool isFractionPart(const ChineseSentence& s, std::size_t q, bool chinese) {
  if (q >= s.entities.size()) return false;
  const ChineseEntity& e = s.entities[q];
  const std::string_view t = s.text(e);
  if (e.kind == Kind::Arabic) return ascii::isDigit(t[0]) && t.back() != '%';
  return chinese && e.kind == Kind::Number && numeralRunLength(t) == t.size() && approximationMapFree(t);
}

// Whether t is a Chinese numeral (without an approximation) and then the word
// given: 一百分之, 三又, 六个 (the passes glue a numeral to the word after it).
bool isNumeralThen(std::string_view t, std::string_view word) {
  if (t.size() <= word.size() || t.substr(t.size() - word.size()) != word) return false;
  const std::string_view numeral = t.substr(0, t.size() - word.size());
  return numeralRunLength(numeral) == numeral.size() && approximationMapFree(numeral);
}

// Fractions the adjustment leaves (it reads Chinese numerals): 分之 with digits
// on one side or both (１６分之5, 一百分之2), 百分之 with digits (百分之3.2),
// and 三又五分之一, a whole number and a fraction joined by 又; all glued.
bool fractionStep(ChineseSentence& s, std::size_t p) {
  const std::string_view t = s.text(p);
  if (!touching(s, p)) return false;
  const ChineseEntity& next = s.entities[p + 1];
  if (t == fractionMarker && p > 0 && touching(s, p - 1) && s.entities[p - 1].kind == Kind::Arabic &&
      isFractionPart(s, p - 1, false) && isFractionPart(s, p + 1, true)) {
    s.merge(p - 1, p + 1, Kind::Fractional);
    return true;
  }
  if ((t == percentMarker || isNumeralThen(t, fractionMarker)) && next.kind == Kind::Arabic &&
      isFractionPart(s, p + 1, false)) {
    s.merge(p, p + 1, Kind::Fractional);
    return true;
  }
  if (isNumeralThen(t, mixedNumberWord) && next.kind == Kind::Fractional) {
    s.merge(p, p + 1, Kind::Fractional);
    return true;
  }
  return false;
}

// 六个百分点, 12.56个百分点, 0.5 百分点: a number with 百分点 "percentage points".
bool percentagePointStep(ChineseSentence& s, std::size_t p) {
  if (s.text(p) != percentagePointWord || p == 0) return false;
  std::size_t first = p - 1;
  if (s.text(first) == generalMeasureWord && first > 0) --first;
  const ChineseEntity& number = s.entities[first];
  const std::string_view t = s.text(number);
  const bool digits = number.kind == Kind::Arabic && ascii::isDigit(t[0]) && t.back() != '%';
  const bool numeral = isOneOf(number.kind, Kind::Number, Kind::Plain) &&
                       (isNumeralThen(t, generalMeasureWord) || (number.kind == Kind::Number && isFractionPart(s, first, true)));
  if (!(digits || numeral) || !startsWord(s, first)) return false;
  s.merge(first, p, Kind::Number);
  return true;
}

// 七成六, 三成半: tenths with the digit after them, glued, ending a word.
bool proportionDigitStep(ChineseSentence& s, std::size_t p) {
  const ChineseEntity& e = s.entities[p];
  if (e.kind != Kind::Fractional || !endsWith(s.text(e), proportionWord) || !touching(s, p)) return false;
  const ChineseEntity& next = s.entities[p + 1];
  if (next.kind != Kind::Number || next.length != 2 || !endsWord(s, next) ||
      (s.text(next) != numeralHalf && !numeralDigitMap.hasKey(s.text(next))))
    return false;
  s.merge(p, p + 1, Kind::Fractional);
  return true;
}

// Whether the line speaks of a price, or the word before record p is 打.
bool hasPriceEvidence(const ChineseSentence& s, std::size_t p) {
  if (p > 0 && endsWith(s.text(p - 1), discountVerb)) return true;
  for (std::size_t q = 0; q < s.entities.size(); ++q)
    if (priceWordList.hasWord(s.text(q))) return true;
  return false;
}

// 八折, 八五折, 75折: a discount, one or two digits glued to 折, a word of its
// own, where the line speaks of a price.
bool discountStep(ChineseSentence& s, std::size_t p) {
  const ChineseEntity& e = s.entities[p];
  const std::string_view t = s.text(e);
  if (e.kind == Kind::Plain ? t.size() != 4 || !endsWith(t, discountWord) : !touching(s, p)) return false;
  if (!startsWord(s, p) && !(p > 0 && s.text(p - 1) == discountVerb)) return false;
  if (e.kind == Kind::Plain && t.size() == 4 && endsWith(t, discountWord) && endsWord(s, e) &&
      numeralDigitMap.hasKey(t.substr(0, 2)) && t.substr(0, 2) != numeralZero && hasPriceEvidence(s, p)) {
    s.entities[p].kind = Kind::Fractional;
    return true;
  }
  if (!touching(s, p) || s.text(p + 1) != discountWord || !endsWord(s, s.entities[p + 1])) return false;
  const bool digits = e.kind == Kind::Arabic && t.size() <= 2 && ascii::isDigits(t) && t[0] != '0';
  const bool figure = e.kind == Kind::Figure && t.size() == 4 && numeralDigitMap.hasKey(t.substr(0, 2)) &&
                      numeralDigitMap.hasKey(t.substr(2)) && t.substr(0, 2) != numeralZero;
  if ((!digits && !figure) || !hasPriceEvidence(s, p)) return false;
  s.merge(p, p + 1, Kind::Fractional);
  return true;
}

// Whether record q (a word of its own) is 纪元, 西元 or either with 前.
bool isEraAlias(const ChineseSentence& s, std::size_t q) {
  const std::string_view t = s.text(q);
  if (!startsWord(s, q)) return false;
  return eraAliasMap.hasKey(t) || (t.size() == 6 && endsWith(t, eraAliasBefore) && eraAliasMap.hasKey(t.substr(0, 4)));
}

// 80 年代, 1980年代, 九十年代: a decade.
// 公元 (前), as pass 3 of the classic walk reads it, or 纪元 (前), 西元 (前)
// before the date at p (a year first): joins them, the date now at p - 1.
bool eraStep(ChineseSentence& s, std::size_t p) {
  if (eraPrefixStep(s, p)) return true;
  if (p == 0 || !isEraAlias(s, p - 1) || leadingNumber(s.text(p)) == 0) return false;
  s.merge(p - 1, p, Kind::Date);
  return true;
}

bool decadeStep(ChineseSentence& s, std::size_t p) {
  const ChineseEntity& e = s.entities[p];
  switch (e.kind) {
    case Kind::Plain: {
      const std::string_view t = s.text(e);
      if (!endsWith(t, decadeChineseWord) || !startsWord(s, p) || !endsWord(s, e) ||
          !decadeNameMap.hasKey(t.substr(0, t.size() - decadeChineseWord.size())))
        return false;
      s.entities[p].kind = Kind::Date;
      return true;
    }
    case Kind::Arabic: {
      if (p + 1 >= s.entities.size() || s.text(p + 1) != decadeChineseWord || !endsWord(s, s.entities[p + 1])) return false;
      const std::string_view t = s.text(e);
      if (!ascii::isDigits(t) || (t.size() != 2 && t.size() != 4) || t.back() != '0') return false;
      s.merge(p, p + 1, Kind::Date);
      return true;
    }
    default:
      return false;
  }
}

// 3万4000, 1千零1: digits with a magnitude and the digits below it, glued (the
// digits after it fewer than the zeros of the magnitude, or after 零).
bool digitsAfterMagnitudeStep(ChineseSentence& s, std::size_t p) {
  const ChineseEntity& e = s.entities[p];
  const std::string_view t = s.text(e);
  if (e.kind != Kind::ArabicWithUnit || t.size() < 3 || !touching(s, p)) return false;
  const std::string_view zeros = magnitudeZerosMap.lookup(t.substr(t.size() - 2));
  if (zeros.empty() || !ascii::isDigits(t.substr(0, t.size() - 2))) return false;
  // The passes glue 零 to the digits after it (零1).
  const std::size_t q = p + 1;
  std::string_view digits = s.text(q);
  const bool zero = gbk::startsWith(digits, numeralZero);
  if (zero) digits.remove_prefix(numeralZero.size());
  const std::size_t places = static_cast<std::size_t>(zeros[0] - '0');
  if (!ascii::isDigits(digits) || !endsWord(s, s.entities[q]) || digits.size() > places ||
      (zero ? digits.size() == places : digits.size() < places))
    return false;
  s.merge(p, q, Kind::ArabicWithUnit);
  return true;
}

// Whether no rule of this pass can act at record p: a Latin word without
// digits first, or a Plain record that is not the minus sign and starts with no
// numeral, magnitude, 几 or the first character of a marker word (负, 到, 之一,
// 好几, ...). Most records of a line
// are such words, and the test reads one byte or one character class.
inline bool quietInWordPass(std::string_view r, const ChineseEntity& e) {
  if (e.kind != Kind::Plain && e.kind != Kind::Latin) return false;
  const std::size_t at = static_cast<std::size_t>(e.start);
  const unsigned char first = static_cast<unsigned char>(r[at]);
  // A Latin word is read only with digits first (30GiB).
  if (e.kind == Kind::Latin) return !ascii::isDigit(static_cast<char>(first));
  if (first < 0x80) return !(e.length == 1 && first == static_cast<unsigned char>(asciiMinus[0]));
  const unsigned char second = e.length > 1 ? static_cast<unsigned char>(r[at + 1]) : 0;
  const std::uint16_t c = chinese_char::table.of(first, second);
  if (c & (chinese_char::Numeral | chinese_char::Magnitude | chinese_char::ExtendedEntityChar)) return false;
  // The marker words are three characters at most (好几个).
  return !(c & chinese_char::WordPassMarkerStart) || e.length > 6;
}

// Whether an approximation and a magnitude follow record p (500余万, 500 余万
// "more than five million"): the digits count the magnitude, and read alone
// they would say 500.
bool countsMagnitudeAfter(const ChineseSentence& s, std::size_t p) {
  const std::string_view r = s.reading();
  std::size_t end = static_cast<std::size_t>(s.entities[p].start) + static_cast<std::size_t>(s.entities[p].length);
  while (end < r.size() && r[end] == ' ') ++end;
  return end + 4 <= r.size() && gbk::isLeadByte(r[end]) && approximationMap.hasKey(r.substr(end, 2)) &&
         (chinese_char::classAt(r, end + 2) & chinese_char::Magnitude);
}

// An Arabic number: a decade or a discount with the word after it; a label,
// identifier, date with hyphens or fraction with a slash by its own text.
std::size_t arabicStep(ChineseSentence& s, std::size_t p) {
  if (p + 1 < s.entities.size()) {
    const std::string_view next = s.text(p + 1);
    if ((next == decadeChineseWord && decadeStep(s, p)) || (next == discountWord && discountStep(s, p))) return p + 1;
  }
  const std::string_view t = s.text(p);
  if (isIdentifier(s, p) || countsMagnitudeAfter(s, p))
    s.entities[p].kind = Kind::Plain;
  else if (ascii::allDigits(t))
    return p + 1;
  else if (isHyphenDate(t))
    s.entities[p].kind = Kind::Date;
  else if (isSlashFraction(t))
    s.entities[p].kind = Kind::Fractional;
  return p + 1;
}

// boundWord is set when the record is a word of a bound (以上, 多于), which a
// later walk reads (see boundStep).
// A Plain record that starts with no numeral, magnitude or 几: the minus sign
// or a marker word (负, 到, 分之, 以上, 之一, 好几, ...).
std::size_t markerWordStep(ChineseSentence& s, std::size_t p, bool& boundWord) {
  const ChineseEntity& cur = s.entities[p];
  const std::string_view t = s.text(cur);
  // One character: a sign or the word of a range; 分之 of a fraction.
  if (t.size() <= 2) return signStep(s, p) || rangeStep(s, p) ? p : p + 1;
  if (t == fractionMarker) return fractionStep(s, p) ? p : p + 1;
  if (boundMarkerList.hasWord(t)) {
    boundWord = true;
    return p + 1;
  }
  if (!startsWord(s, p) || !endsWord(s, cur)) return p + 1;
  // 之一 "one of"; 好几个 "several", unless the clause asks how many.
  if (t == oneOfWord || (isSeveralWord(t) && !asksQuestion(s, p + 1))) s.entities[p].kind = Kind::Number;
  return p + 1;
}

std::size_t countedWordStep(ChineseSentence& s, std::size_t p, bool& boundWord) {
  const ChineseEntity cur = s.entities[p];
  if (cur.kind == Kind::Plain) {
    const std::string_view t = s.text(cur);
    const std::uint16_t c = gbk::isLeadByte(t[0]) ? chinese_char::classAt(t, 0) : 0;
    if (!(c & (chinese_char::Numeral | chinese_char::Magnitude | chinese_char::ExtendedEntityChar)))
      return markerWordStep(s, p, boundWord);
  }
  switch (cur.kind) {
    case Kind::Latin:
      // Digits with a unit (30GiB); other Latin words are no numbers.
      if (ascii::isDigit(static_cast<char>(s.firstByte(cur))) && isQuantityWithUnit(s.text(cur)))
        s.entities[p].kind = Kind::Arabic;
      return p + 1;
    case Kind::ArabicWithUnit:
      if (digitsAfterMagnitudeStep(s, p)) return p + 1;
      break;
    case Kind::Fractional:
      if (proportionDigitStep(s, p)) return p + 1;
      break;
    case Kind::Plain: {
      // Only a word ending in 年代, 折, 分之 or 又 takes these rules.
      const std::string_view t = s.text(cur);
      if (endsWith(t, decadeChineseWord) && decadeStep(s, p)) return p + 1;
      if (endsWith(t, discountWord) && discountStep(s, p)) return p + 1;
      if ((endsWith(t, fractionMarker) || endsWith(t, mixedNumberWord)) && fractionStep(s, p)) return p;
      break;
    }
    case Kind::Date:
      if (eraStep(s, p)) return p;
      break;
    case Kind::Arabic:
      return arabicStep(s, p);
    case Kind::Figure:
      if (discountStep(s, p)) return p + 1;
      break;
    default:
      break;
  }
  if (cur.kind == Kind::Plain && cur.length == static_cast<std::int32_t>(percentagePointWord.size()) &&
      percentagePointStep(s, p))
    return p;
  if (cur.kind == Kind::Clock) return clockPartsStep(s, p);
  if (cur.kind == Kind::Figure) {
    // 三五个: two digits fused with a measure word are an approximate count.
    if (isRepetition(s.text(cur))) {
      s.entities[p].kind = Kind::Plain;
    } else if (cur.length == 4 && startsWord(s, p) && p + 1 < s.entities.size() &&
               s.entities[p + 1].kind == Kind::Plain && s.entities[p + 1].start == cur.start + cur.length &&
               endsWord(s, s.entities[p + 1]) && isMeasureWord(s.text(p + 1))) {
      s.merge(p, p + 1, Kind::Number);
    }
    return p + 1;
  }
  if (cur.kind == Kind::Plain ? !gbk::isLeadByte(static_cast<char>(s.firstByte(cur)))
                              : !isOneOf(cur.kind, Kind::Number, Kind::Date, Kind::Ordinal))
    return p + 1;
  if (!startsWord(s, p)) {
    if (cur.kind == Kind::Number && endsWord(s, cur) && isIdiomEnding(s, p)) s.entities[p].kind = Kind::Plain;
    return p + 1;
  }
  const std::string_view t = s.text(cur);
  const bool nextGlued = p + 1 < s.entities.size() && s.entities[p + 1].start == cur.start + cur.length &&
                         gbk::isLeadByte(static_cast<char>(s.firstByte(s.entities[p + 1])));

  // 第一代, 第二天: an ordinal with the word glued to its number.
  if (cur.kind == Kind::Ordinal) {
    if (nextGlued && !isOneOf(s.entities[p + 1].kind, Kind::Number, Kind::Figure) && endsWord(s, s.entities[p + 1]))
      s.merge(p, p + 1, Kind::Ordinal);
    return p + 1;
  }
  // 三年: a numeral with a unit that no date took.
  if (cur.kind == Kind::Number) {
    // 一 些, 一 直, 一 但: an adverb or a conjunction.
    if (t == numeralOne && endsWord(s, cur) && oneAdverbNextList.hasWord(wordAt(s, p + 1))) {
      s.entities[p].kind = Kind::Plain;
      return p + 1;
    }
    if (nextGlued && s.entities[p + 1].kind == Kind::Plain && endsWord(s, s.entities[p + 1]) &&
        isMeasureWord(s.text(p + 1)) && !isUncountedOne(s, p, t) && !isDegree(s, s.text(p + 1), p + 2))
      s.merge(p, p + 1, Kind::Number);
    return p + 1;
  }
  // 百三, 千二: a hundred or a thousand and one digit.
  if (cur.kind == Kind::Plain && leadingMagnitudeList.hasWord(t) && touching(s, p)) {
    const ChineseEntity& next = s.entities[p + 1];
    const std::string_view digit = s.text(next);
    if (next.kind == Kind::Number && next.length == 2 && endsWord(s, next) && abbreviatedDigitList.hasWord(digit)) {
      s.merge(p, p + 1, Kind::Number);
      return p + 1;
    }
  }
  if (!endsWord(s, cur)) return p + 1;
  if (uncountedWordList.hasWord(t)) return p + 1;
  // 几条 "a few", unless the clause asks how many.
  if (cur.kind == Kind::Plain && gbk::startsWith(t, severalMarker) && isSeveralWord(t) && !asksQuestion(s, p + 1)) {
    s.entities[p].kind = Kind::Number;
    return p + 1;
  }
  // 一打 "a dozen".
  if (cur.kind == Kind::Plain && t == aDozenWord) {
    const std::string_view after = wordAt(s, p + 1);
    if (after.size() < 2 || !assoonAsList.hasWord(after.substr(0, 2))) s.entities[p].kind = Kind::Number;
    return p + 1;
  }
  // 三个, 兩種, 一个包, and a day counted without a month (一日).
  const std::size_t numeral = numeralRunLength(t);
  if (numeral == 0 || numeral == t.size() || isUncountedOne(s, p, t.substr(0, numeral))) return p + 1;
  const std::string_view measure = t.substr(numeral);
  if (cur.kind == Kind::Date ? measure == dayUnit : isMeasureWord(measure) && !isDegree(s, measure, p + 1))
    s.entities[p].kind = Kind::Number;
  return p + 1;
}

// 两个 以上, 多于 一个: a count, a whole word in digits or Chinese, with the
// word of a bound after or before it.
std::size_t boundStep(ChineseSentence& s, std::size_t p) {
  const ChineseEntity& e = s.entities[p];
  if (!isOneOf(e.kind, Kind::Number, Kind::Arabic) || !startsWord(s, p) || !endsWord(s, e) ||
      (e.kind == Kind::Arabic && !ascii::isDigits(s.text(e))))
    return p + 1;
  if (p + 1 < s.entities.size() && boundAfterMap.hasKey(wordAt(s, p + 1)) && endsWord(s, s.entities[p + 1])) {
    s.merge(p, p + 1, Kind::Number);
  }
  if (p > 0 && boundBeforeMap.hasKey(s.text(p - 1)) && startsWord(s, p - 1)) {
    s.merge(p - 1, p, Kind::Number);
    return p;
  }
  return p + 1;
}

}  // namespace

void ChineseSentence::recognizeWords() {
  bool boundWord = false;
  const std::string_view r = reading();
  for (std::size_t p = 0; p < entities.size();)
    p = quietInWordPass(r, entities[p]) ? p + 1 : countedWordStep(*this, p, boundWord);
  if (boundWord)
    for (std::size_t p = 0; p < entities.size();) p = boundStep(*this, p);
}

}  // namespace vestrilo
