#include "english/EnglishWordClasses.h"

#include "lexicon/EnglishExtendedWords.h"


namespace vestrilo {

namespace english_word {

namespace {

WordTable build() {
  WordTable t;
  for (const ClassList& c : classLists) t.addList(c.list->text(), c.bits);
  return t;
}

}  // namespace

WordTable buildExtendedTable() {
  WordTable t;
  t.addList(zeroWordList.text(), Zero);
  t.add(trillionWord, Trillion);
  t.addList(scoreWordMap.text(), Score);
  t.addList(clockWordMap.text(), ClockWord);
  t.addList(extendedOrdinalMap.text(), ExtendedOrdinal);
  t.addList(weekdayAbbreviationMap.text(), WeekdayAbbreviation);
  t.addList(negativeWordList.text(), Joiner);
  for (const std::string_view w : {enWord::andWord, enWord::to, throughWord, orWord, minusSign, halfWord, quartersWord,
                                   aQuarterWords, oneQuarterWords, enWord::one, enWord::percentWord, perWord,
                                   dozenWord, decadeWord, dozensWord})
    t.add(w, Joiner);
  return t;
}

const WordTable& table() {
  static const WordTable words = build();
  return words;
}

}  // namespace english_word

}  // namespace vestrilo
