// Chinese entity recognition: three passes over the adjusted tokens that join
// neighbouring records into entities and settle their final kinds.
//
//   Pass 1  Arabic numbers with their separators, Arabic numbers with Chinese
//           magnitudes, ordinals, weekdays, a numeral with its date or clock unit,
//           and numerals that are part of ordinary words.
//   Pass 2  Latin words glued to digits, Chinese decimal numbers, and the parts of
//           clock times, unit numbers and dates.
//   Pass 3  The era prefix 公元 (前) in front of a date (under the extended
//           rules, in the walk of their pass over whole words,
//           chinese/ChineseWords.cpp, which runs last).
//
// Every step copies the current record and its two neighbours first (the
// neighbour view), so the tests of one step see the records as they were before
// that step's own changes. After a rule has joined records, the pass either
// continues after the records the rule used, or looks at the joined record
// again; which one is fixed per rule.
#include <cstddef>
#include <cstdint>
#include <string>
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

using Kind = ChineseEntityKind;
using namespace recognize_support;

// "Does the current record contain word", for a record that a pass may look at
// again after it has grown at its end. The scan remembers the longest text of the
// record (known by its start, which a join keeps) found without the word and only
// searches the bytes added since, so a long chain of joins stays linear.
class GrowingScan {
 public:
  explicit GrowingScan(std::string_view word) : word_(word) {}

  bool contains(const ChineseEntity& e, std::string_view text) {
    std::size_t from = 0;
    if (e.start == start_ && clean_ <= text.size() && clean_ >= word_.size()) from = clean_ - (word_.size() - 1);
    if (text.find(word_, from) != std::string_view::npos) return true;
    start_ = e.start;
    clean_ = text.size();
    return false;
  }

 private:
  std::string_view word_;
  std::int32_t start_ = -1;
  std::size_t clean_ = 0;
};

// ---------------------------------------------------------------------------
// Pass 1. Each step function returns the position of the next step.

// A Chinese run beginning with 百, 千, 万 or 亿 after an Arabic number (5万), or
// after such a unit number with no single space between (5千万, 5万  亿).
std::size_t unitNumberStep(ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  if (p > 0 && v.prev.kind == Kind::Arabic && v.cur.length == 2) {
    s.merge(p - 1, p, Kind::ArabicWithUnit);
    return p;
  }
  if (p > 0 && v.prev.kind == Kind::ArabicWithUnit && !singleSpaceBetween(s, v.prev, v.cur)) {
    s.merge(p - 1, p, Kind::ArabicWithUnit);
    return p;
  }
  s.entities[p].kind = Kind::Plain;
  return p + 1;
}

// Whether the Arabic number at p goes on with a point and more digits (9.8),
// which makes 第 before it a section number, not an ordinal (第 9.8 节).
bool goesOnAfterPoint(const ChineseSentence& s, std::size_t p) {
  return p + 2 < s.entities.size() && touching(s, p) && touching(s, p + 1) && s.text(p + 1) == asciiPoint &&
         s.entities[p + 2].kind == Kind::Arabic;
}

// 第 with a number after it.
std::size_t ordinalStep(ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  if (isOneOf(v.next.kind, Kind::Number, Kind::Arabic) &&
      !(s.extended() && v.next.kind == Kind::Arabic && goesOnAfterPoint(s, p + 1))) {
    s.merge(p, p + 1, Kind::Ordinal);
    return p + 1;
  }
  s.entities[p].kind = Kind::Plain;
  return p + 1;
}

// 周, 星期, 每周, 每星期 with a weekday character after them. A two-character
// numeral starting with the weekday is split: 星期 五十 gives 星期五 and 十.
std::size_t weekStep(ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  const bool day = !v.nextText.empty() && weekdayList.hasWord(v.nextText.substr(0, 2));
  if (day && v.next.length == 2) {
    s.merge(p, p + 1, Kind::Week);
    return p + 1;
  }
  if (day && v.next.length == 4 && isOneOf(v.next.kind, Kind::Number, Kind::Figure)) {
    s.entities[p].length = v.next.start + 2 - v.cur.start;
    s.entities[p + 1] = ChineseEntity{v.next.start + 2, v.next.length - 2, Kind::Number};
    return p + 1;
  }
  s.entities[p].kind = Kind::Plain;
  return p + 1;
}

// A date unit with the number before it.
std::size_t dateStep(ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  const bool year = v.curText == yearUnit;
  const bool monthOrDay = monthDayUnitList.hasWord(v.curText);
  bool joins = false;
  if (v.prev.kind == Kind::Figure) {
    joins = year && numeralValue(s, v.prevText) <= 9999;
  } else if (v.prev.kind == Kind::Number) {
    joins = monthOrDay && v.prevText != numeralHalf && numeralValue(s, v.prevText) <= 31;
  } else if (v.prev.kind == Kind::Arabic) {
    joins = (year && v.prev.length >= 2 && leadingNumber(v.prevText) <= 9999) ||
            (monthOrDay && leadingNumber(v.prevText) <= 31);
    // A year, month or day is digits alone: not 1.5 年, not 27.1 . 2021 年.
    if (s.extended() && !ascii::isDigits(v.prevText)) joins = false;
  }
  if (p > 0 && joins) {
    s.merge(p - 1, p, Kind::Date);
    return p;
  }
  s.entities[p].kind = Kind::Plain;
  return p + 1;
}

// A clock unit with the number before it. Minutes and quarters need a clock
// time two records before them (三点 十分, 三点 一刻).
// Under the extended rules, whether the hour word at p (点 or 时 after a number)
// has the evidence that makes it a time of day (see dayPartMap): 点钟; a
// date, weekday, part of the day or day word before the number (or a
// preposition of time before a number other than 一 with 点); or after it
// minutes, a number glued to it (minutes or decimals, which pass 2 tells
// apart), 分 or 刻 two records on, or 整, 左右, 钟, 半.
bool hasClockEvidence(const ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  if (v.curText == clockWithBell) return true;
  if (p >= 2) {
    const ChineseEntity& before = s.entities[p - 2];
    const std::string_view b = s.text(before);
    if (isOneOf(before.kind, Kind::Date, Kind::Week) || dayPartMap.hasKey(b) || clockDayWordList.hasWord(b))
      return true;
    if (v.curText == hourUnit && v.prevText != numeralOne && v.prevText != "1" && clockPrepositionList.hasWord(b))
      return true;
  }
  if (p + 1 >= s.entities.size()) return false;
  const ChineseEntity& next = s.entities[p + 1];
  const bool glued = next.start == v.cur.start + v.cur.length;
  if (glued && isOneOf(next.kind, Kind::Number, Kind::Figure, Kind::Arabic)) return true;
  if (clockAfterWordList.hasWord(v.nextText)) return true;
  if (p + 2 < s.entities.size() && isOneOf(next.kind, Kind::Number, Kind::Figure, Kind::Arabic)) {
    const std::string_view after = s.text(p + 2);
    return after == minuteUnit || after == quarterUnit;
  }
  return false;
}

std::size_t clockStep(ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  const bool hour = hourUnitList.hasWord(v.curText);
  const bool minute = v.curText == minuteUnit;
  const bool quarter = v.curText == quarterUnit;
  const bool clockBefore = p >= 2 && s.entities[p - 2].kind == Kind::Clock;
  bool joins = false;
  if (v.prev.kind == Kind::Figure) {
    joins = v.prev.length <= 6 && contains(v.prevText, numeralZero);
  } else if (v.prev.kind == Kind::Number) {
    if (hour || (minute && clockBefore)) {
      const std::int64_t value = numeralValue(s, v.prevText);
      joins = hour ? value <= 24 : value <= 60;
    } else if (quarter && clockBefore) {
      joins = quarterCountList.hasWord(v.prevText) || (s.extended() && twoQuartersCountList.hasWord(v.prevText));
    }
  } else if (v.prev.kind == Kind::Arabic && v.prev.length <= 2) {
    joins = (hour && leadingNumber(v.prevText) <= 24) || (minute && clockBefore && leadingNumber(v.prevText) <= 60);
  }
  if (p > 0 && joins && hour && s.extended() && (v.prevText == numeralHalf || !hasClockEvidence(s, p, v))) {
    // No time of day: a numeral glued to the hour word is an ordinary word
    // with it (一点 "a bit", 一时 "for a while"); a number in digits stays.
    if (v.prev.kind != Kind::Arabic && v.cur.start == v.prev.start + v.prev.length) {
      s.merge(p - 1, p, Kind::Plain);
      return p;
    }
    joins = false;
  }
  if (p > 0 && joins) {
    s.merge(p - 1, p, Kind::Clock);
    return p;
  }
  s.entities[p].kind = Kind::Plain;
  return p + 1;
}

// Numerals and words that are not entities after all: a numeral glued to the word
// after it (三个), 一 glued to the character before it (统一), and 十分 used as
// an adverb.
std::size_t wordStep(ChineseSentence& s, std::size_t p, const ChineseNeighbours& v) {
  if (v.cur.kind == Kind::Number && p + 1 < s.entities.size() &&
      !isOneOf(v.next.kind, Kind::Number, Kind::Date, Kind::Clock) && byteAfter(s, v.cur) != ' ') {
    s.merge(p, p + 1, Kind::Plain);
    return p + 1;
  }
  // (Under the extended rules 负 before it is a sign: 负一点一.)
  if (v.curText == numeralOne && p > 0 && v.prevText != hourUnit &&
      !isOneOf(v.prev.kind, Kind::Number, Kind::Date, Kind::Clock) && byteAfter(s, v.prev) != ' ' &&
      v.prev.length == 2 && !(s.extended() && v.prevText == negativeWord)) {
    s.merge(p - 1, p);
    return p;
  }
  if (v.curText == magnitudeTen && v.nextText == minuteUnit && v.prev.kind != Kind::Clock) {
    s.merge(p, p + 1, Kind::Plain);
    return p + 1;
  }
  return p + 1;
}

// The first bytes of the texts the rules of pass 1 test the current record for.
constexpr ByteSet textRuleStarts =
    ByteSet().addFirstByte(numeralOne).addFirstByte(magnitudeTen).addFirstBytesOfList(sundayWordList.text());

// The first bytes of the separators inside an Arabic number.
constexpr ByteSet joinerStarts =
    ByteSet().addFirstBytesOfList(arabicJoinerList.text()).addFirstByte(fullWidthComma).addFirstByte(fullWidthColon);

// Whether no rule of pass 1 can act at record p, tested on the records in place:
// the joiner rule needs Arabic on both sides, the unit-word and numeral rules
// need their kinds, and the text rules need 一, 十 or a Sunday word. Most
// records of ordinary text are quiet, and the step costs a few comparisons.
bool quietInFirstPass(const ChineseSentence& s, std::size_t p) {
  const ChineseEntity& cur = s.entities[p];
  switch (cur.kind) {
    case Kind::ArabicWithUnit:
    case Kind::Ordinal:
    case Kind::Week:
    case Kind::Date:
    case Kind::Clock:
    case Kind::Number:
      return false;
    default:
      break;
  }
  const unsigned char first = s.firstByte(cur);
  if (joinerStarts.has(first) && p > 0 && p + 1 < s.entities.size() && s.entities[p - 1].kind == Kind::Arabic &&
      s.entities[p + 1].kind == Kind::Arabic)
    return false;
  // 一 and 十 are two bytes, the Sunday words four to eight.
  if (cur.length < 2 || !textRuleStarts.has(first)) return true;
  const std::string_view T = s.text(cur);
  if (T.size() > 8) return true;
  if (T == numeralOne || T == magnitudeTen) return false;
  return !sundayWordList.hasWord(T);
}

std::size_t firstPassStep(ChineseSentence& s, std::size_t p) {
  if (quietInFirstPass(s, p)) return p + 1;
  const ChineseNeighbours v = s.neighbours(p);
  const bool arabicAround = p > 0 && v.prev.kind == Kind::Arabic && v.next.kind == Kind::Arabic;

  // Separators inside an Arabic number: 3.14, 2004/5/1, 1，000, 10：30.
  if (arabicAround) {
    const bool joiner = arabicJoinerList.hasWord(v.curText);
    const bool thousands = v.curText == fullWidthComma && v.next.length == 3 && ascii::allDigits(v.nextText);
    const bool colon = v.curText == fullWidthColon && v.prev.length == 2 && v.next.length == 2 &&
                       ascii::allDigits(v.nextText);
    // Under the extended rules a point does not join a year to a dotted
    // number before it (27.1 . 2021 年 is a section number and a date).
    const bool yearAfter = s.extended() && v.curText == asciiPoint && contains(v.prevText, asciiPoint) &&
                           p + 2 < s.entities.size() && s.text(p + 2) == yearUnit;
    if ((joiner || thousands || colon) && !yearAfter) {
      s.merge(p - 1, p + 1, Kind::Arabic);
      return p;
    }
  }

  switch (v.cur.kind) {
    case Kind::ArabicWithUnit:
      return unitNumberStep(s, p, v);
    case Kind::Ordinal:
      return ordinalStep(s, p, v);
    case Kind::Week:
      return weekStep(s, p, v);
    default:
      break;
  }
  if (sundayWordList.hasWord(v.curText)) {
    s.entities[p].kind = Kind::Week;
    return p + 1;
  }
  if (v.cur.kind == Kind::Date) return dateStep(s, p, v);
  if (v.cur.kind == Kind::Clock) return clockStep(s, p, v);
  return wordStep(s, p, v);
}

// ---------------------------------------------------------------------------
// Pass 2.

struct SecondPassScans {
  GrowingScan bell{clockBellSuffix};
  GrowingScan day{dayUnit};
  GrowingScan dayNumber{dayNumberUnit};
};

bool hasLargeMagnitude(std::string_view text) {
  return contains(text, magnitudeTenThousand) || contains(text, magnitudeHundredMillion);
}

// Whether no rule of pass 2 can act at record p: every rule needs the current
// record to be Latin, Clock, ArabicWithUnit or Date, or the one before it to be
// a Number or Fractional (the decimal point rules).
bool quietInSecondPass(const ChineseSentence& s, std::size_t p) {
  switch (s.entities[p].kind) {
    case Kind::Latin:
    case Kind::Clock:
    case Kind::ArabicWithUnit:
    case Kind::Date:
      return false;
    default:
      break;
  }
  return p == 0 || !isOneOf(s.entities[p - 1].kind, Kind::Number, Kind::Fractional);
}

// A step of pass 2 at a record that is not quiet.
std::size_t secondPassStep(ChineseSentence& s, std::size_t p, SecondPassScans& scans) {
  const ChineseNeighbours v = s.neighbours(p);
  const std::string_view T = v.curText;
  const std::string_view N = v.nextText;
  const bool nextSingleNumeral = v.next.kind == Kind::Number && v.next.length == 2;

  // Latin glued to digits: MP3, 3G.
  if (v.cur.kind == Kind::Latin) {
    if (p > 0 && isOneOf(v.prev.kind, Kind::Arabic, Kind::Latin)) {
      s.merge(p - 1, p, Kind::Latin);
      return p - 1;
    }
    if (v.next.kind == Kind::Arabic) {
      s.merge(p, p + 1, Kind::Latin);
      return p + 1;
    }
  }

  // 点 as a decimal point: 二十五点五, 三点五, 三点一四一五九.
  if (endsWith(T, hourUnit) && N != numeralHalf && N != numeralTwo && !scans.bell.contains(v.cur, T)) {
    if (p > 0 && isOneOf(v.prev.kind, Kind::Number, Kind::Fractional) &&
        (nextSingleNumeral || v.next.kind == Kind::Figure)) {
      s.merge(p - 1, p + 1, Kind::Fractional);
      return p;
    }
    const bool chineseClock = v.cur.kind == Kind::Clock && !T.empty() && gbk::isLeadByte(T[0]);
    if (chineseClock) {
      const bool figure = v.next.kind == Kind::Figure && (v.next.length >= 6 || !beginsWith(N, numeralZero));
      const bool largeNumber = v.next.kind == Kind::Number && hasLargeMagnitude(N);
      if (nextSingleNumeral || figure || largeNumber) {
        s.merge(p, p + 1, Kind::Fractional);
        return p + 1;
      }
    }
  }

  // 点 after a number too large for an hour.
  if (T == hourUnit && p > 0 && v.prev.kind == Kind::Number &&
      (v.next.kind == Kind::Figure ||
       (v.next.kind == Kind::Number && (v.next.length == 2 || hasLargeMagnitude(N)))) &&
      numeralValue(s, v.prevText) >= 25) {
    s.merge(p - 1, p + 1, Kind::Fractional);
    return p;
  }

  // Arabic numbers with magnitudes separated by a space: 5万 3千.
  if (v.cur.kind == Kind::ArabicWithUnit && v.next.kind == Kind::ArabicWithUnit) {
    s.merge(p, p + 1);
    return p;
  }

  if (v.cur.kind == Kind::Clock) {
    // The hour with its minutes or quarters (三点 十分, 三点 零五).
    if (v.next.kind == Kind::Clock ||
        (v.next.kind == Kind::Figure && v.next.length < 6 && beginsWith(N, numeralZero))) {
      s.merge(p, p + 1, Kind::Clock);
      return p + 1;
    }
    // Minutes as a bare numeral: 三点半, 三点二十.
    if (v.next.kind == Kind::Number &&
        (N == numeralHalf || ((v.next.length == 4 || contains(N, magnitudeTen)) && numeralValue(s, N) <= 59))) {
      s.merge(p, p + 1, Kind::Clock);
      return p;
    }
    // Minutes in digits: 3点15.
    if (!T.empty() && ascii::isDigit(T[0]) && v.next.kind == Kind::Arabic &&
        leadingNumber(N) < 60) {
      s.merge(p, p + 1, Kind::Clock);
      return p;
    }
  }

  if (v.cur.kind == Kind::Date) {
    // The parts of a date, up to and including the day: 2004年 5月 1日.
    if (v.next.kind == Kind::Date && !scans.day.contains(v.cur, T) && !scans.dayNumber.contains(v.cur, T)) {
      s.merge(p, p + 1, Kind::Date);
      return p;
    }
    // A month with a day number after it: 五月 二十.
    if (endsWith(T, monthUnit) && v.next.kind == Kind::Number && v.next.length >= 4) {
      s.merge(p, p + 1, Kind::Date);
      return p + 1;
    }
  }

  // Minutes or quarters without an hour are not a time.
  if (v.cur.kind == Kind::Clock && v.cur.length <= 6 && !contains(T, hourUnit) && !contains(T, hourUnitAlt)) {
    s.entities[p].kind = Kind::Plain;
  }
  return p + 1;
}

// ---------------------------------------------------------------------------
// Pass 3: 公元 or 公元前 in front of a date (see eraPrefixStep).

std::size_t thirdPassStep(ChineseSentence& s, std::size_t p) {
  if (s.entities[p].kind != Kind::Date) return p + 1;
  return eraPrefixStep(s, p) ? p : p + 1;
}

}  // namespace

void ChineseSentence::recognize() {
  for (std::size_t p = 0; p < entities.size();) p = firstPassStep(*this, p);

  SecondPassScans scans;
  for (std::size_t p = 0; p < entities.size();)
    p = quietInSecondPass(*this, p) ? p + 1 : secondPassStep(*this, p, scans);

  // The extended rules' pass over whole words takes pass 3 in its own walk.
  if (extended()) {
    recognizeWords();
    return;
  }
  for (std::size_t p = 0; p < entities.size();) p = thirdPassStep(*this, p);
}

}  // namespace vestrilo
