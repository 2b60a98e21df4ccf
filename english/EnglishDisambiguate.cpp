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
#include "english/EnglishWordClasses.h"
#include "lexicon/EnglishNumberMaps.h"

namespace vestrilo {

namespace {

using Kind = EnglishEntityKind;

std::int32_t valueOf(EnglishSentence& s, std::string_view words) { return s.rememberedWordsValue(words); }

bool isUnitsOrClock(Kind kind) { return kind == Kind::Units || kind == Kind::Clock; }

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
      return s.merge(i - 1, i + 1, range ? Kind::Figure : Kind::FigureOrClock);
    }
    if (isListedWord(hourQuarterList, tp) && isUnitsOrClock(kn)) return s.merge(i - 1, i + 1, Kind::Clock);
  }
  if (t == enWord::ofWord) {
    if (kp == Kind::Ordinal && kn == Kind::MonthDate) return s.merge(i - 1, i + 1, Kind::MonthDate);
    if (isUnitsOrClock(kn) && (minutesBefore() || isListedWord(hourQuarterList, tp)))
      return s.merge(i - 1, i + 1, Kind::Clock);
  }
  if (isListedWord(neverAloneList, t)) s.entities[i].kind = Kind::Plain;
  if (isListedWord(clockContextList, t) && kn == Kind::Units && valueOf(s, tn) <= 24)
    s.entities[i + 1].kind = Kind::ClockOrNumber;
  if (t == enWord::andWord && kp == Kind::WordNumber && kn == Kind::Ordinal) return s.merge(i - 1, i + 1, Kind::Ordinal);
  if (t == enWord::percentWord && (kp == Kind::Units || kp == Kind::Arabic || kp == Kind::WordNumber))
    return s.merge(i - 1, i, Kind::Fraction);
  return i + 1;
}

}  // namespace

void EnglishSentence::disambiguate() {
  for (std::size_t i = 0; i < entities.size();) i = disambiguateStep(*this, i);
}

}  // namespace vestrilo
