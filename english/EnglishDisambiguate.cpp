// English disambiguation: one more pass whose rules need a context word.
//
// It joins clock times told with "past", "after", "to" and "of", ranges
// "from X to Y", ordinal dates with "of", percentages and ordinals after a word
// number; it marks small numbers after "at" and similar words as clock-or-number
// candidates, and leaves a lone "one", "may", "march", "jun", "jul" or "sep"
// plain.
//
// A rule that merges ends the step, and the pass goes on with the record after
// the merged entity. The two marking rules change a kind in place and let the
// later rules of the same step run; the step's neighbour copies do not follow
// those changes, but later steps see them.
#include <cstdint>
#include <string>
#include <string_view>

#include "english/EnglishSentence.h"
#include "core/Bytes.h"
#include "english/EnglishWordClasses.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishNumberMaps.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

using Kind = EnglishEntityKind;

std::int32_t valueOf(EnglishSentence& s, std::string_view words) { return s.rememberedWordsValue(words); }

bool isUnitsOrClock(Kind kind) { return kind == Kind::Units || kind == Kind::Clock; }
bool isUnitsOrTens(Kind kind) { return kind == Kind::Units || kind == Kind::Tens; }

// Whether no rule can act at record i, tested on the records in place: every
// rule needs a WordNumber or Arabic record at i, a Units, Clock, MonthDate or
// Ordinal record after it, a Units, Arabic or WordNumber record before it, or
// one of the words never alone at i (three or five letters long).
bool quiet(const EnglishSentence& s, std::size_t i) {
  const Kind kc = s.entities[i].kind;
  if (kc == Kind::WordNumber || kc == Kind::Arabic) return false;
  if (i + 1 < s.entities.size()) {
    const Kind kn = s.entities[i + 1].kind;
    if (kn == Kind::Units || kn == Kind::Clock || kn == Kind::MonthDate || kn == Kind::Ordinal) return false;
  }
  if (i > 0) {
    const Kind kp = s.entities[i - 1].kind;
    if (kp == Kind::Units || kp == Kind::Arabic || kp == Kind::WordNumber) return false;
  }
  const std::string_view t = s.workingText(i);
  return !((t.size() == 3 || t.size() == 5) && isListedWord(neverAloneList, t));
}

// The working text of record j, empty past either end.
std::string_view textAt(const EnglishSentence& s, std::size_t j) {
  return j < s.entities.size() ? s.workingText(j) : std::string_view();
}

// Whether the words from record j on name a time of day: o'clock, p.m.,
// sharp, tonight ... or "in the morning" and the like.
bool timeWordsAt(const EnglishSentence& s, std::size_t j) {
  const std::string_view w = textAt(s, j);
  if (isListedWord(clockEvidenceAfterList, w)) return true;
  return w == "in" && textAt(s, j + 1) == "the" && isListedWord(partOfDayList, textAt(s, j + 2));
}

// Whether the sentence ends at record j: a stop, comma, bracket or the like
// (not the end of the line, which in a wrapped manual page says nothing).
bool sentenceEndsAt(const EnglishSentence& s, std::size_t j) {
  const std::string_view w = textAt(s, j);
  return !w.empty() && (w[0] == '.' || w[0] == ',' || w[0] == ';' || w[0] == '!' || w[0] == '?' || w[0] == ')');
}

// The extended rules read a clock time told with "to" or "of" (the minutes
// at i - 1, the hour at i + 1) only with a sign of a time: words after it
// (ten to five p.m.), or a word before it and the end of the sentence after it
// (at ten to five.).
bool clockEvidence(const EnglishSentence& s, std::size_t i) {
  return timeWordsAt(s, i + 2) ||
         (i >= 2 && isListedWord(clockEvidenceBeforeList, textAt(s, i - 2)) && sentenceEndsAt(s, i + 2));
}

// Likewise a small number after "at", "after" ... (the number at record
// `number`): at eleven. at nine in the morning; not at zero (counting starts
// there), not after three days.
bool mayBeClockAfterContext(const EnglishSentence& s, std::size_t number) {
  if (s.workingText(number) == enWord::zero) return false;
  return timeWordsAt(s, number + 1) || sentenceEndsAt(s, number + 1);
}

// A word that may be a singular noun after "one" (one person, one Debian
// machine, one UTF-8 locale): letters (and digits or hyphens after them), not
// a function word, modal, verb form or idiom word of the list, and not ending
// like a verb (one requires, one neighed) or an adverb (one simply types).
bool nounAfterOne(std::string_view w) {
  if (w.empty() || !ascii::isLetter(w[0])) return false;
  for (char c : w)
    if (!ascii::isLetter(c) && !ascii::isDigit(c) && c != '-') return false;
  if (isListedWord(oneNotCountingBeforeList, w)) return false;
  auto ends = [&](std::string_view e) { return w.size() > e.size() + 1 && w.substr(w.size() - e.size()) == e; };
  if (ends("ed") || ends("ly")) return false;
  if (ends("s") && !ends("ss") && !ends("us") && !ends("is")) return false;
  return true;
}

bool capitalWord(std::string_view w) { return !w.empty() && w[0] >= 'A' && w[0] <= 'Z'; }

// Whether the "one" at record i counts (one of us, more than one, one person)
// rather than stands for a person or thing (one has to, the one to use, one
// another) or names something (the Holy One).
bool oneCounts(const EnglishSentence& s, std::size_t i) {
  const std::string_view prev = i > 0 ? s.workingText(i - 1) : std::string_view();
  const std::string_view next = textAt(s, i + 1);
  if (i >= 2 && capitalWord(s.sourceText(s.entities[i])) && capitalWord(s.sourceText(s.entities[i - 1])) &&
      ascii::isLetter(prev[0]))
    return false;
  if (isListedWord(onePronounAfterList, prev)) return false;
  if (isListedWord(oneCountsAfterList, prev)) return true;
  if (isListedWord(oneCountsBeforeList, next)) return true;
  if (next == orWord && textAt(s, i + 2) == moreWord) return true;
  return nounAfterOne(next);
}

std::size_t disambiguateStep(EnglishSentence& s, std::size_t i) {
  if (quiet(s, i)) return i + 1;
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText, tn = v.nextText;
  const Kind kp = v.prev.kind, kc = v.cur.kind, kn = v.next.kind;
  // A number of minutes before "past", "to" or "of": a units or tens word up to thirty.
  auto minutesBefore = [&] { return (kp == Kind::Units || kp == Kind::Tens) && valueOf(s, tp) <= 30; };

  if (kc == Kind::WordNumber && kn == Kind::Ordinal) return s.merge(i, i + 1, Kind::Ordinal);
  if (kc == Kind::Arabic && tn == "%") return s.merge(i, i + 1, Kind::Arabic);
  // A percent sign glued to the punctuation after it ("61%.", "15%,") is the
  // number's all the same: the number takes it and leaves the rest.
  if (kc == Kind::Arabic && tn.size() > 1 && tn.front() == '%') return s.takeFirstByteOfNext(i, Kind::Arabic);
  if (isListedWord(clockPastWordList, t) && isUnitsOrClock(kn)) {
    if (minutesBefore()) return s.merge(i - 1, i + 1, Kind::Clock);
    if (isListedWord(hourFractionList, tp)) return s.merge(i - 1, i + 1, Kind::Clock);
  }
  if (t == enWord::to) {
    if (kn == Kind::Units && minutesBefore()) {
      const bool range = i >= 2 && s.workingText(i - 2) == enWord::from;
      if (s.extended() && !range) {
        // A clock time with a sign of one; else a range that climbs (zero to
        // six), and odds (ten to one) are no pair.
        if (clockEvidence(s, i)) return s.merge(i - 1, i + 1, Kind::Clock);
        return s.merge(i - 1, i + 1, valueOf(s, tp) < valueOf(s, tn) ? Kind::Figure : Kind::Plain);
      }
      return s.merge(i - 1, i + 1, range ? Kind::Figure : Kind::FigureOrClock);
    }
    if (isListedWord(hourQuarterList, tp) && isUnitsOrClock(kn)) return s.merge(i - 1, i + 1, Kind::Clock);
    // twenty to six p.m.: the hour has taken its period already.
    if (s.extended() && kn == Kind::Clock && minutesBefore() && !tn.empty() && ascii::isLetter(tn[0]))
      return s.merge(i - 1, i + 1, Kind::Clock);
  }
  if (t == enWord::ofWord) {
    if (kp == Kind::Ordinal && kn == Kind::MonthDate) return s.merge(i - 1, i + 1, Kind::MonthDate);
    if (isUnitsOrClock(kn) && (minutesBefore() || isListedWord(hourQuarterList, tp)) &&
        !(s.extended() && !clockEvidence(s, i)))
      return s.merge(i - 1, i + 1, Kind::Clock);
  }
  if (isListedWord(neverAloneList, t) && !(s.extended() && kc == Kind::Units && oneCounts(s, i)))
    s.entities[i].kind = Kind::Plain;
  if (isListedWord(clockContextList, t) && kn == Kind::Units && valueOf(s, tn) <= 24 &&
      !(s.extended() && !mayBeClockAfterContext(s, i + 1)))
    s.entities[i + 1].kind = Kind::ClockOrNumber;
  if (t == enWord::andWord && kp == Kind::WordNumber && kn == Kind::Ordinal) return s.merge(i - 1, i + 1, Kind::Ordinal);
  if (t == enWord::percentWord && (kp == Kind::Units || kp == Kind::Arabic || kp == Kind::WordNumber))
    return s.merge(i - 1, i, Kind::Fraction);
  return i + 1;
}

// The extended rules' last pass: the false readings the classic rules give
// (first the adverb, second the unit, numbers in titles, Sun the maker) are
// guarded, and the forms that need the clock and range rules done first are
// read: half, fractions with an article, quarters, out of and over, mixed
// numbers, percentages of tens, dozens and scale words alone.

bool isNumberKind(Kind k) {
  return k == Kind::Units || k == Kind::Tens || k == Kind::WordNumber || k == Kind::Arabic;
}

bool allCapitals(std::string_view w) {
  bool letter = false;
  for (char c : w) {
    if (c >= 'a' && c <= 'z') return false;
    letter = letter || (c >= 'A' && c <= 'Z');
  }
  return letter;
}

// Whether the number or ordinal word at i names something: a capitalized word
// after a capitalized word inside a sentence (Count Zero, the Holy One), or a
// word in capitals before a word in lower case (FIFTH is a language).
bool inTitle(const EnglishSentence& s, std::size_t i) {
  const std::string_view source = s.sourceText(s.entities[i]);
  if (i >= 2 && capitalWord(source)) {
    const std::string_view before = s.sourceText(s.entities[i - 1]), earlier = s.sourceText(s.entities[i - 2]);
    if (capitalWord(before) && ascii::isLetter(earlier[0]) && s.entities[i - 1].kind == Kind::Plain) return true;
  }
  if (source.size() >= 3 && allCapitals(source) && i + 1 < s.entities.size()) {
    const std::string_view after = s.sourceText(s.entities[i + 1]);
    if (!after.empty() && after[0] >= 'a' && after[0] <= 'z') return true;
  }
  return false;
}

bool isDateKind(Kind k) { return k == Kind::MonthDate || k == Kind::DayDate; }

// Whether record j is a day of a month alone: 24, 16th, fifth.
bool isDay(const EnglishSentence& s, std::size_t j) {
  const EnglishEntity& e = s.entities[j];
  const std::string_view t = s.workingText(j);
  if (e.kind == Kind::Arabic) return t.size() <= 2 && ascii::isDigits(t) && ascii::saturatingAtoi(t) >= 1 &&
                                     ascii::saturatingAtoi(t) <= 31;
  if (e.kind != Kind::Ordinal) return false;
  if (!t.empty() && ascii::isDigit(t[0])) return t.size() <= 4 && ascii::saturatingAtoi(t) <= 31;
  return dayOrdinalMap.hasKey(t);
}

// Whether the date at record j names its day (July 2011 does not).
bool dayOf(const EnglishSentence& s, std::size_t j) {
  const std::string_view t = s.workingText(j);
  std::size_t digits = 0;
  for (std::size_t k = 0; k < t.size(); ++k) {
    if (!ascii::isDigit(t[k])) {
      if (digits >= 1 && digits <= 2) return true;
      digits = 0;
      continue;
    }
    ++digits;
  }
  if (digits >= 1 && digits <= 2) return true;
  for (std::size_t b = 0; b < t.size();) {
    std::size_t e = t.find(' ', b);
    if (e == std::string_view::npos) e = t.size();
    if (dayOrdinalMap.hasKey(t.substr(b, e - b))) return true;
    b = e + 1;
  }
  return false;
}

// Whether the weekday abbreviation at i (a date has not taken it) is one: Mon,
// or Tue. with a comma or stop after it, or any beside another weekday in a
// list (Sat, Sun and holidays; Mon to Fri).
bool weekdayStands(const EnglishSentence& s, std::size_t i) {
  const std::string_view after = textAt(s, i + 1);
  if (isListedWord(plainWeekdayAbbreviationList, s.workingText(i)) && !after.empty() &&
      (after[0] == ',' || after[0] == '.'))
    return true;
  auto joinsWeekdays = [&](std::size_t j) {
    const std::string_view w = textAt(s, j);
    return w == "," || w == "-" || w == enWord::to || w == throughWord || w == enWord::andWord || w == orWord;
  };
  auto weekdayAt = [&](std::size_t j) { return j < s.entities.size() && s.entities[j].kind == Kind::Week; };
  return (joinsWeekdays(i + 1) && weekdayAt(i + 2)) || (i >= 2 && joinsWeekdays(i - 1) && weekdayAt(i - 2));
}

std::size_t guardStep(EnglishSentence& s, std::size_t i) {
  if (s.entities[i].kind == Kind::Plain) {
    const std::string_view w = s.workingText(i);
    const bool alone = w == halfWord || w == dozenWord || w == dozensWord || w == decadeWord || w == aQuarterWords ||
                       w == oneQuarterWords || w == enWord::one || w == enWord::andWord;  // one and a half
    if (!alone && (s.amidPlainWords(i) || !(english_word::extendedClassesOf(w) & english_word::Joiner)))
      return i + 1;
  }
  const EnglishNeighbours v = s.neighbours(i);
  const std::string_view t = v.curText, tp = v.prevText, tn = v.nextText;
  const Kind kp = v.prev.kind, kc = v.cur.kind, kn = v.next.kind;
  EnglishEntity& cur = s.entities[i];

  switch (kc) {
    case Kind::Ordinal:
      if (t == enWord::first) {
        // The adverb (first converted, First, ...) and the idioms (the first
        // few, a first name, the first 35 lines, the first = the former).
        const bool determiner = isListedWord(firstOrdinalAfterList, tp) ||
                                (tp.size() > 2 && tp.substr(tp.size() - 2) == "'s");
        if (!determiner || isListedWord(firstIdiomBeforeList, tn) || isNumberKind(kn) ||
            (!tn.empty() && (tn[0] == '.' || tn[0] == ';')))
          cur.kind = Kind::Plain;
      }
      // The unit of time: 1 second, 30 second timeout, per second.
      if (t == enWord::second && (isNumberKind(kp) || isListedWord(secondUnitAfterList, tp))) cur.kind = Kind::Plain;
      if (t.find(' ') == std::string_view::npos && inTitle(s, i)) cur.kind = Kind::Plain;
      break;
    case Kind::Units:
    case Kind::Tens:
      if (t.find(' ') == std::string_view::npos && inTitle(s, i)) cur.kind = Kind::Plain;
      break;
    case Kind::Week:
      if (weekdayAbbreviationMap.hasKey(t) && !weekdayStands(s, i)) cur.kind = Kind::Plain;
      break;
    case Kind::Magnitude:
      // A scale word alone: Million Instructions Per Second.
      cur.kind = Kind::WordNumber;
      break;
    default:
      break;
  }
  if (cur.kind != kc) return i + 1;

  // Ranges of days: 24 to 30 July 2011, August 10th to 16th, 2008, the 2nd
  // to the 5th of July.
  if (t == enWord::to && i >= 1) {
    const std::size_t after = textAt(s, i + 1) == "the" ? i + 2 : i + 1;
    if (after < s.entities.size()) {
      const EnglishEntity& a = s.entities[i - 1];
      const EnglishEntity& b = s.entities[after];
      const bool dateA = isDateKind(a.kind) && dayOf(s, i - 1), dateB = isDateKind(b.kind) && dayOf(s, after);
      if (dateB && isDay(s, i - 1)) return s.merge(i - 1, after, b.kind);
      if (dateA && isDay(s, after)) {
        // and the year after the second day: August 10th to 16th, 2008
        std::size_t last = after;
        if (textAt(s, after + 1) == "," && after + 2 < s.entities.size() &&
            s.entities[after + 2].kind == Kind::Arabic && s.entities[after + 2].length == 4)
          last = after + 2;
        return s.merge(i - 1, last, a.kind);
      }
    }
  }
  // Fractions: a half, one half, a fifth of, three quarters, a quarter of.
  if (t == halfWord && (tp == enWord::a || tp == enWord::one) && kp != Kind::WordNumber)
    return s.merge(i - 1, i, Kind::Fraction);
  if (t == halfWord && kc == Kind::Plain) {
    // half a million, half a dozen
    if (kn == Kind::WordNumber && tn.substr(0, 2) == "a ") return s.merge(i, i + 1, Kind::WordNumber);
    // half an hour = 半 (小时): the article goes with it.
    if ((tn == enWord::a || tn == "an") && kn == Kind::Plain) return s.merge(i, i + 1, Kind::Fraction);
    cur.kind = Kind::Fraction;
    return i + 1;
  }
  if (t == quartersWord && isUnitsOrTens(kp)) return s.merge(i - 1, i, Kind::Fraction);
  if ((t == aQuarterWords || t == oneQuarterWords) && tn == enWord::ofWord) {
    cur.kind = Kind::Fraction;
    return i + 1;
  }
  if (kc == Kind::Ordinal && (tp == enWord::a || tp == "an") && tn == enWord::ofWord &&
      ordinalFractionWordList.hasWord(t))
    return s.merge(i - 1, i, Kind::Fraction);
  // one out of three, one over three
  if (isUnitsOrTens(kc) || t == enWord::one) {
    if (tn == outWord && textAt(s, i + 2) == enWord::ofWord && i + 3 < s.entities.size() &&
        isUnitsOrTens(s.entities[i + 3].kind))
      return s.merge(i, i + 3, Kind::Fraction);
    if (tn == overWord && i + 2 < s.entities.size() && isUnitsOrTens(s.entities[i + 2].kind))
      return s.merge(i, i + 2, Kind::Fraction);
  }
  // Mixed numbers: one and a half, twenty and three fifths.
  if (t == enWord::andWord && (isUnitsOrTens(kp) || kp == Kind::WordNumber || tp == enWord::one)) {
    if (kn == Kind::Fraction && tn.find(enWord::percent) == std::string_view::npos)
      return s.merge(i - 1, i + 1, Kind::Fraction);
    // "a half" is joined when its own record comes: join it here
    if ((tn == enWord::a || tn == enWord::one) && textAt(s, i + 2) == halfWord)
      return s.merge(i - 1, i + 2, Kind::Fraction);
  }
  // twenty percent; 3 per cent
  if (t == enWord::percentWord && kp == Kind::Tens) return s.merge(i - 1, i, Kind::Fraction);
  if (t == perWord && tn == centWord && isNumberKind(kp)) return s.merge(i - 1, i + 1, Kind::Fraction);
  // a dozen, two dozen, dozens of
  if (t == dozenWord && (tp == enWord::a || isUnitsOrTens(kp)))
    return s.merge(i - 1, i, Kind::WordNumber);
  // a decade = 十年
  if (t == decadeWord && tp == enWord::a) return s.merge(i - 1, i, Kind::WordNumber);
  if (t == dozensWord && tn == enWord::ofWord) {
    cur.kind = Kind::WordNumber;
    return i + 1;
  }
  return i + 1;
}

}  // namespace

void EnglishSentence::disambiguate() {
  for (std::size_t i = 0; i < entities.size();) i = disambiguateStep(*this, i);
  if (extended())
    for (std::size_t i = 0; i < entities.size();) i = guardStep(*this, i);
}

}  // namespace vestrilo
