#include "english/EnglishWordClasses.h"

#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace english_word {

namespace {

WordTable build() {
  WordTable t;
  t.addList(englishUnitsList.text(), Units);
  t.addList(englishTensList.text(), Tens);
  t.addList(englishMagnitudeList.text(), Magnitude);
  t.addList(englishOrdinalList.text(), Ordinal);
  t.addList(englishWeekdayList.text(), Weekday);
  t.addList(englishMonthList.text(), Month);
  return t;
}

}  // namespace

const WordTable& table() {
  static const WordTable words = build();
  return words;
}

}  // namespace english_word

}  // namespace vestrilo
