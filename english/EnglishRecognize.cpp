// English recognition: four passes over the classified tokens that merge
// neighbouring records into number and time entities.
//
// Each pass walks the records once. At every position it takes the neighbour
// view and tries its rules in order; the first rule that holds acts and says
// where the pass goes on: with the record after the merged entity ("continue
// after"), or with the merged entity itself ("again"), so that it can grow
// further. Later passes build on what earlier ones joined.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "english/EnglishWordClasses.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishToChineseMaps.h"
#include "lexicon/EnglishNumberMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace {

using Kind = EnglishEntityKind;

// Merges first..last as kind; the pass looks at the merged entity again.
std::size_t again(EnglishSentence& s, std::size_t first, std::size_t last, Kind kind) {
  s.merge(first, last, kind);
  return first;
}

bool isAnyOf(Kind kind, Kind a, Kind b) { return kind == a || kind == b; }
bool isAnyOf(Kind kind, Kind a, Kind b, Kind c) { return kind == a || kind == b || kind == c; }

std::string_view withoutLastByte(std::string_view t) { return t.empty() ? t : t.substr(0, t.size() - 1); }

std::int32_t valueOf(EnglishSentence& s, std::string_view words) { return s.rememberedWordsValue(words); }

// Joins a tens word with the units or ordinal word after it: the separator byte
// before the second word becomes "-" in the working copy ("twenty five" reads
// "twenty-five").
std::size_t joinTens(EnglishSentence& s, std::size_t i, const EnglishEntity& next, Kind kind) {
  const std::int32_t at = next.start - 1;
  if (at >= 0 && static_cast<std::size_t>(at) < s.lowered.size()) s.lowered[static_cast<std::size_t>(at)] = '-';
  return s.merge(i, i + 1, kind);
}

// The kind of record j, NoNeighbour past either end.
Kind kindAt(const EnglishSentence& s, std::size_t j) {
  return j < s.entities.size() ? s.entities[j].kind : Kind::NoNeighbour;
}
Kind kindBefore(const EnglishSentence& s, std::size_t i) { return i > 0 ? kindAt(s, i - 1) : Kind::NoNeighbour; }

// Each pass first tests, on the records in place, whether any of its rules can
// act at record i: every rule needs certain kinds at i or next to it, or one of
// a few words at i. Most records are quiet, and their step costs a few
// comparisons instead of the neighbour view and every rule.

// Pass 1: a Magnitude, Tens, MonthDate or Units record, a Units record before
// it, or one of "-", "o", "o'clock", "quarter", "a.m", "p.m", "b.c", "a.d".
// Rules 10 and 11 test the text against the units list, not the kind, but in
// this pass the current record is always a token as the tokenizer classed it
// (every rule goes on after the records it joined; the dot rule leaves the
// next token a run of punctuation), and a token that is a units word is Units.
bool quietInFirstPass(const EnglishSentence& s, std::size_t i) {
  const Kind kc = s.entities[i].kind;
  if (kc == Kind::Magnitude || kc == Kind::Tens || kc == Kind::MonthDate || kc == Kind::Units ||
      kindBefore(s, i) == Kind::Units)
    return false;
  const std::string_view t = s.workingText(i);
  switch (t.size()) {
    case 1:
      if (t == "-" || t == enWord::zeroLetter) return false;
      break;
    case 3:
      if (isListedWord(dayHalfStemList, t) || isListedWord(eraStemList, t)) return false;
      break;
    case 7:
      if (t == oclockWord || t == enWord::quarter) return false;
      break;
    default:
      break;
  }
  return true;
}

// Pass 2: a MonthDate, Magnitude or Units record, or a MonthDate or Units record before it.
// (For the extended rules also a WordNumber record before it: two hundred point five.)
bool quietInSecondPass(const EnglishSentence& s, std::size_t i) {
  const Kind kc = s.entities[i].kind, kp = kindBefore(s, i);
  return !isAnyOf(kc, Kind::MonthDate, Kind::Magnitude, Kind::Units) && !isAnyOf(kp, Kind::MonthDate, Kind::Units) &&
         !(s.extended() && kp == Kind::WordNumber);
}

// Pass 3: a WordNumber record, or a MonthDate, DayDate or WordNumber record
// before it (and, for the extended rules, a Units or Tens record before it).
bool quietInThirdPass(const EnglishSentence& s, std::size_t i) {
  const Kind kp = kindBefore(s, i);
  return s.entities[i].kind != Kind::WordNumber && !isAnyOf(kp, Kind::MonthDate, Kind::DayDate, Kind::WordNumber) &&
         !(s.extended() && isAnyOf(kp, Kind::Units, Kind::Tens));
}

// A digit word and a tens word around "and", in either order (two and twenty,
// twenty and eight); the second may carry a scale (forty and two thousand).
bool oldOrderPair(std::string_view a, std::string_view b) {
  const std::size_t space = b.find(' ');
  const std::string_view first = b.substr(0, space);
  const bool digitA = englishUnitsList.wordPosition(a) < unitsDigitWordsEnd && a != enWord::zero;
  const bool digitB = englishUnitsList.wordPosition(first) < unitsDigitWordsEnd && first != enWord::zero;
  if (space != std::string_view::npos && !digitB) return false;
  return (digitA && englishTensList.hasWord(first) && space == std::string_view::npos) ||
         (englishTensList.hasWord(a) && digitB);
}

// Pass 4: a Clock, Units, DayDate, MonthDate or Arabic record before it.
bool quietInFourthPass(const EnglishSentence& s, std::size_t i) {
  const Kind kp = kindBefore(s, i);
  return !isAnyOf(kp, Kind::Clock, Kind::Units, Kind::DayDate) && !isAnyOf(kp, Kind::MonthDate, Kind::Arabic);
}

// Hyphens, clock words, fractions, tens joins, dotted abbreviations, digit-word
// runs and day-month dates.
std::size_t firstPassStep(EnglishSentence& s, std::size_t i) {
  if (quietInFirstPass(s, i)) return i + 1;
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText, tn = v.nextText;
  const Kind kp = v.prev.kind, kc = v.cur.kind, kn = v.next.kind;

  if (t == "-") {
    if (kp == Kind::Tens && kn == Kind::Units) return s.merge(i - 1, i + 1, Kind::Units);
    if (kp == Kind::Units && (englishOrdinalList.hasWord(withoutLastByte(tn)) || kn == Kind::Ordinal))
      return s.merge(i - 1, i + 1, Kind::Fraction);
    if (kp == Kind::Tens && kn == Kind::Ordinal) return s.merge(i - 1, i + 1, Kind::Ordinal);
  }
  if (t == enWord::zeroLetter && kp == Kind::Units && kn == Kind::Units) return s.merge(i - 1, i + 1, Kind::Clock);
  if (t == oclockWord && kp == Kind::Units) return s.merge(i - 1, i, Kind::Clock);
  if (t == enWord::quarter && isListedWord(quarterArticleList, tp)) return s.merge(i - 1, i, Kind::Plain);
  if (kp == Kind::Units && t != enWord::first && t.find(enWord::second) == std::string_view::npos) {
    if (ordinalFractionWordList.hasWord(withoutLastByte(t)) || kc == Kind::Ordinal)
      return s.merge(i - 1, i, Kind::Fraction);
  }
  if (kc == Kind::Magnitude && kp == Kind::Arabic) return s.merge(i - 1, i, Kind::ArabicMagnitude);
  if (kc == Kind::Tens && kn == Kind::Units && englishUnitsList.wordPosition(tn) < unitsDigitWordsEnd)
    return joinTens(s, i, v.next, Kind::Units);
  if (kc == Kind::Tens && kn == Kind::Ordinal && englishOrdinalList.wordPosition(tn) < ordinalDigitWordsEnd)
    return joinTens(s, i, v.next, Kind::Ordinal);
  // "a.m" takes the dot the tokenizer split off (and whatever lies between).
  if ((isListedWord(dayHalfStemList, t) || isListedWord(eraStemList, t)) && !tn.empty() && tn.front() == '.')
    return s.takeFirstByteOfNext(i, Kind::Plain);
  if (englishUnitsList.hasWord(t) && englishUnitsList.hasWord(tp) && englishUnitsList.hasWord(tn))
    return s.merge(i - 1, i + 1, Kind::Figure);
  if (englishUnitsList.hasWord(t) && kp == Kind::Figure) return s.merge(i - 1, i, Kind::Figure);
  if (kc == Kind::MonthDate) {
    // Under the extended rules a month followed by its day is not the day of a
    // number before it: "7 Mar  1 00:19" of a listing is March 1.
    const bool dayAfter = s.extended() && kn == Kind::Arabic && v.next.length <= 2;
    const bool dayBefore = (kp == Kind::Ordinal || (kp == Kind::Arabic && v.prev.length <= 2)) && !dayAfter;
    if (dayBefore && v.next.length == 4 && (kn == Kind::Arabic || kp == Kind::Ordinal))
      return s.merge(i - 1, i + 1, Kind::DayDate);
    if (dayBefore) return s.merge(i - 1, i, Kind::DayDate);
  }
  return i + 1;
}

// Month-day dates, decimals in words, word numbers with magnitudes and clock
// times in words.
std::size_t secondPassStep(EnglishSentence& s, std::size_t i) {
  if (quietInSecondPass(s, i)) return i + 1;
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText, tn = v.nextText;
  const Kind kp = v.prev.kind, kc = v.cur.kind, kn = v.next.kind;

  if (kc == Kind::MonthDate && isAnyOf(kn, Kind::Ordinal, Kind::Arabic))
    return s.merge(i, i + 1, Kind::MonthDate);
  if (t == "." && isAnyOf(kn, Kind::Ordinal, Kind::Units, Kind::Arabic) && kp == Kind::MonthDate)
    return s.merge(i - 1, i + 1, Kind::MonthDate);
  if (t == enWord::point && (kp == Kind::Units || (s.extended() && kp == Kind::WordNumber)) &&
      isAnyOf(kn, Kind::Units, Kind::Tens, Kind::Figure)) {
    s.merge(i - 1, i + 1, Kind::Units);
    while (i < s.entities.size() && s.entities[i].kind == Kind::Units) s.merge(i - 1, i, Kind::Units);
    return i;
  }
  if (kc == Kind::Magnitude &&
      (isAnyOf(kp, Kind::Units, Kind::Tens, Kind::WordNumber) || tp == enWord::a || (s.extended() && tp == "an")))
    return again(s, i - 1, i, Kind::WordNumber);
  if (kc == Kind::Units && kp == Kind::Units && tp.find(enWord::point) == std::string_view::npos) {
    const std::int32_t minutes = valueOf(s, t);
    if (minutes >= 10 && minutes < 59) return again(s, i - 1, i, Kind::Clock);
  }
  if (kc == Kind::Units && kn == Kind::Tens && englishTensList.text().find(tn) < tensMinuteWordsEnd)
    return again(s, i, i + 1, Kind::Clock);
  return i + 1;
}

// Years after a comma, and word numbers continued by more number words or "and".
std::size_t thirdPassStep(EnglishSentence& s, std::size_t i) {
  if (quietInThirdPass(s, i)) return i + 1;
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText, tn = v.nextText;
  const Kind kp = v.prev.kind, kc = v.cur.kind, kn = v.next.kind;

  if (t == "," && kn == Kind::Arabic && v.next.length == 4 && ascii::saturatingAtoi(tn) <= 9999) {
    if (kp == Kind::MonthDate) return s.merge(i - 1, i + 1, Kind::MonthDate);
    if (kp == Kind::DayDate) return s.merge(i - 1, i + 1, Kind::DayDate);
  }
  if (kc == Kind::WordNumber && isAnyOf(kn, Kind::Units, Kind::WordNumber, Kind::Tens))
    return again(s, i, i + 1, Kind::WordNumber);
  if (t == enWord::andWord && kp == Kind::WordNumber && isAnyOf(kn, Kind::Units, Kind::WordNumber, Kind::Tens))
    return again(s, i - 1, i + 1, Kind::WordNumber);
  // The extended rules read the old order of units and tens: two and twenty,
  // forty and two thousand.
  if (s.extended() && t == enWord::andWord && isAnyOf(kp, Kind::Units, Kind::Tens) &&
      isAnyOf(kn, Kind::Units, Kind::Tens, Kind::WordNumber) && oldOrderPair(tp, tn))
    return again(s, i - 1, i + 1, Kind::WordNumber);
  return i + 1;
}

// Time-of-day and era suffixes.
std::size_t fourthPassStep(EnglishSentence& s, std::size_t i) {
  if (quietInFourthPass(s, i)) return i + 1;
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText;
  const Kind kp = v.prev.kind;

  if (isListedWord(dayHalfList, t) && (kp == Kind::Clock || (kp == Kind::Units && valueOf(s, tp) <= 24)))
    return again(s, i - 1, i, Kind::Clock);
  if (isListedWord(eraList, t)) {
    if (kp == Kind::DayDate) return again(s, i - 1, i, Kind::DayDate);
    if (kp == Kind::MonthDate || (kp == Kind::Arabic && ascii::saturatingAtoi(tp) <= 9999))
      return again(s, i - 1, i, Kind::MonthDate);
  }
  return i + 1;
}

// The extended rules' pass, after the four classic ones: dates of logs and
// mail headers (weekday, date, time, year), ranges of digits and
// approximations in words, negatives, and the fractions, dozens and
// percentages in words.
bool isDate(Kind k) { return k == Kind::MonthDate || k == Kind::DayDate; }

bool endsInDigitClock(const EnglishSentence& s, std::size_t i) {
  const std::string_view t = s.workingText(i);
  const std::size_t space = t.rfind(' ');
  const std::string_view last = space == std::string_view::npos ? t : t.substr(space + 1);
  return !last.empty() && ascii::isDigit(last[0]) && last.find(':') != std::string_view::npos;
}

bool hasDigit(std::string_view t) {
  for (char c : t)
    if (ascii::isDigit(c)) return true;
  return false;
}

bool isWholeNumber(const EnglishEntity& e, std::string_view t) { return e.kind == Kind::Arabic && ascii::isDigits(t); }

// Whether no byte separates records a and b.
bool glued(const EnglishEntity& a, const EnglishEntity& b) { return a.start + a.length == b.start; }

std::size_t extendedPassStep(EnglishSentence& s, std::size_t i) {
  if (s.entities[i].kind == Kind::Plain &&
      (s.amidPlainWords(i) || !(english_word::extendedClassesOf(s.workingText(i)) & english_word::Joiner)))
    return i + 1;
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText, tn = v.nextText;
  const Kind kp = v.prev.kind, kc = v.cur.kind, kn = v.next.kind;
  const std::size_t n = s.entities.size();

  // Sun, 09 Feb 2003 and Mon Jan 4: a weekday before a date is the date's.
  if (kc == Kind::Week) {
    std::size_t j = i + 1;
    if (j < n && (s.workingText(j) == "," || s.workingText(j) == ".")) ++j;
    if (j < n && isDate(s.entities[j].kind) && hasDigit(s.workingText(j))) return again(s, i, j, s.entities[j].kind);
  }
  if (isDate(kc)) {
    // A date and its time: Mar 31 17:30:10, 2001-04-20 18:42:14 ...
    if (kn == Kind::Clock && !tn.empty() && ascii::isDigit(tn[0])) return again(s, i, i + 1, kc);
    // ... and the year after the time of ctime: Mon Jan  4 17:59:04 2016.
    if (kn == Kind::Arabic && v.next.length == 4 && ascii::isDigits(tn) && endsInDigitClock(s, i))
      return again(s, i, i + 1, kc);
    // March of 2010.
    if (i + 2 < n && tn == enWord::ofWord && s.entities[i + 2].kind == Kind::Arabic &&
        s.entities[i + 2].length == 4 && kc == Kind::MonthDate && t.find(' ') == std::string_view::npos)
      return s.merge(i, i + 2, kc);
  }
  // 3 hundred and 21
  if (t == enWord::andWord && kp == Kind::ArabicMagnitude &&
      ((kn == Kind::Arabic && tn.size() <= 2 && ascii::isDigits(tn)) || isAnyOf(kn, Kind::Units, Kind::Tens)))
    return s.merge(i - 1, i + 1, Kind::ArabicMagnitude);
  // one and twentieth: the old order of an ordinal.
  if (t == enWord::andWord && kp == Kind::Units && kn == Kind::Ordinal &&
      englishUnitsList.wordPosition(tp) < unitsDigitWordsEnd && tp != enWord::zero &&
      englishTensList.hasWord(ordinalCardinalMap.lookup(tn)))
    return s.merge(i - 1, i + 1, Kind::Ordinal);
  // Ranges: 3 to 4, 0 through 15 (whole numbers, the second the larger).
  if ((t == enWord::to || t == throughWord) && isWholeNumber(v.prev, tp) && isWholeNumber(v.next, tn) &&
      ascii::saturatingAtoi(tp) < ascii::saturatingAtoi(tn))
    return s.merge(i - 1, i + 1, Kind::Figure);
  // Approximations: two or three, one or two.
  if (t == orWord && isAnyOf(kp, Kind::Units, Kind::Tens) && isAnyOf(kn, Kind::Units, Kind::Tens) &&
      valueOf(s, tp) < valueOf(s, tn))
    return s.merge(i - 1, i + 1, Kind::Figure);
  // Negatives: -5 (the sign glued to the number, nothing glued before it), minus five.
  if (t == minusSign && kn == Kind::Arabic && glued(v.cur, v.next) && (i == 0 || !glued(v.prev, v.cur)))
    return s.merge(i, i + 1, Kind::Arabic);
  if (isListedWord(negativeWordList, t) && isAnyOf(kn, Kind::Units, Kind::Tens, Kind::WordNumber))
    return s.merge(i, i + 1, kn);
  if (isListedWord(negativeWordList, t) && kn == Kind::Arabic) return s.merge(i, i + 1, Kind::Units);
  (void)kp;
  return i + 1;
}

template <class Step>
void runPass(EnglishSentence& s, Step step) {
  for (std::size_t i = 0; i < s.entities.size();) i = step(s, i);
}

}  // namespace

void EnglishSentence::recognize() {
  runPass(*this, firstPassStep);
  runPass(*this, secondPassStep);
  runPass(*this, thirdPassStep);
  runPass(*this, fourthPassStep);
  if (extended()) runPass(*this, extendedPassStep);
}

}  // namespace vestrilo
