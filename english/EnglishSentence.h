// EnglishSentence: one line of English text, its lower-cased working copy, the
// entity records found in it, and every stage and translator of the
// English-to-Chinese direction.
//
// Stages run once each, in this order: tokenize, recognize, disambiguate; what
// the sentence then gives (markup, renderings, pairs) is written for both
// directions in core/SentenceOutput.h over english/EnglishStyle.h. Each stage
// file holds one stage:
//   EnglishSentence.cpp        construction, record texts, neighbour view, merge
//   EnglishQuickScan.cpp       mayHoldEntity, the scan that lets a line skip the stages
//   EnglishWordClasses.cpp     the table of the six word-class lists
//   EnglishTokenizer.cpp       tokenize
//   EnglishRecognize.cpp       recognize
//   EnglishDisambiguate.cpp    disambiguate
//   WordsToArabic.cpp          English number words to digit strings
//   ChineseNumeralWriter.cpp   digit strings to Chinese numerals
//   TranslateNumber.cpp        numbers and Arabic numbers with magnitudes
//   TranslateFigure.cpp        figures and ranges
//   TranslateDate.cpp          month dates and day dates
//   TranslateClock.cpp         clock times
//   TranslateFraction.cpp      fractions and percentages
//   TranslateOrdinal.cpp       ordinals and weekdays
//   NumericShapes.cpp          numeric dates, clock times with seconds, decades and
//                              other digit forms of the extended rules
//   EnglishOutput.cpp          the translation of a record, by kind
//   EnglishStyle.h             the tags, colours and separators of markup and renderings
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/EntityList.h"
#include "core/LineRecords.h"
#include "core/TranslationCache.h"

namespace vestrilo {

// Single bits except the two candidate kinds; always compared for equality.
enum class EnglishEntityKind : std::int32_t {
  NoNeighbour = -2,
  Plain = -1,
  Ordinal = 0x0001,
  MonthDate = 0x0002,
  Week = 0x0004,
  Magnitude = 0x0008,
  Clock = 0x0010,
  Figure = 0x0020,
  FigureOrClock = 0x0030,
  Arabic = 0x0040,
  Tens = 0x0080,
  WordNumber = 0x0100,
  Fraction = 0x0200,
  ArabicMagnitude = 0x0400,
  DayDate = 0x0800,
  Units = 0x1000,
  ClockOrNumber = 0x1010,
};

using EnglishEntity = Record<EnglishEntityKind>;

// The neighbour view the passes take at the start of a step (see neighbourView),
// texts cut from `lowered`; a missing neighbour reads as {0, 0, NoNeighbour}
// with empty text.
using EnglishNeighbours = NeighbourView<EnglishEntity>;

class EnglishSentence : public LineRecords<EnglishEntityKind> {
 public:
  std::string lowered;  // working copy of `sentence`, always as long as it
  // The values of number words that the passes have tested, kept from line to line.
  TextMemo<std::int32_t> wordValues;

  EnglishSentence() = default;
  explicit EnglishSentence(std::string line);

  // Starts over on a new line: the line and its working copy are copied and
  // the records cleared; buffers are kept, so one object can serve line after line.
  void assign(std::string_view line);

  // Stages, and all of them in their fixed order (tokenize, recognize,
  // disambiguate); after runStages the sentence is ready for its output.
  void tokenize();
  void recognize();
  void disambiguate();
  void runStages();

  // The quick scan: false when the line can hold no entity, so that its stages
  // may be skipped (the proof is in the scan's source file). True does not mean
  // that the line holds one.
  static bool mayHoldEntity(std::string_view line, RuleSet rules = RuleSet::Classic);
  // The same for a UTF-8 line: the rules read a line's own bytes in both
  // encodings (bytes of 0x80 and above are word bytes), so a UTF-8 line is read
  // as it is.
  static bool mayHoldEntityUtf8(std::string_view line, RuleSet rules = RuleSet::Classic) {
    return mayHoldEntity(line, rules);
  }
  static constexpr bool readsGbk = false;

  // The translation of record e: its working text through the translator of
  // its kind (an Arabic number gives its source text); empty for a kind that is
  // not translated. For the two kinds with a second reading that reading is
  // stored in *second when that is given (else *second is cleared).
  std::string translationOf(const EnglishEntity& e, std::string* second = nullptr) const;

  // A record's working text (from `lowered`; its source text is sourceText),
  // clamped to the line.
  std::string_view workingText(const EnglishEntity& e) const { return recordText(lowered, e); }
  std::string_view workingText(std::size_t i) const { return workingText(entities[i]); }

  // Neighbour view of record i.
  EnglishNeighbours neighbours(std::size_t i) const {
    return neighbourView(entities, i, lowered, EnglishEntity{0, 0, EnglishEntityKind::NoNeighbour});
  }

  // Whether the records beside record i are plain words or the line's edges:
  // the extended passes join a plain word to a number beside it, so such a word
  // is left alone unless it stands for a number itself (half, a dozen).
  bool amidPlainWords(std::size_t i) const {
    return (i == 0 || entities[i - 1].kind == EnglishEntityKind::Plain) &&
           (i + 1 >= entities.size() || entities[i + 1].kind == EnglishEntityKind::Plain);
  }

  // Extends record i over the first byte of the record after it (and whatever
  // lies between them) as kind; that record loses the byte, or goes when it
  // had no other ("a.m" and "." make "a.m.", "61" and "%." make "61%" and ".").
  // Returns the position after record i.
  std::size_t takeFirstByteOfNext(std::size_t i, EnglishEntityKind kind);

  // English number words to digit strings.
  static std::string hundredsToDigits(std::string text);
  static std::string wordsToArabic(std::string text);
  // The value of number words as an integer for limit tests; saturates at
  // INT32_MAX instead of wrapping.
  static std::int32_t wordsValue(std::string text);
  // wordsValue through the memo of the object.
  std::int32_t rememberedWordsValue(std::string_view words) {
    return wordValues.get(0, words, [&] { return wordsValue(std::string(words)); });
  }

  // Digit strings to Chinese numerals.
  static std::string fourDigitsToChinese(std::string digits);
  static std::string eightDigitsToChinese(std::string digits);
  static std::string sixteenDigitsToChinese(std::string digits);

  // Translators: each takes an entity's working text and returns Chinese. The
  // one-argument forms are the classic rules; the forms with a rule set add
  // what that set reads (the extended forms, renderings without padding) and
  // are the classic ones for RuleSet::Classic.
  static std::string translateNumber(std::string text);
  static std::string translateArabicMagnitude(std::string text);
  static std::string translateFigure(std::string text);
  static std::string translateMonthDate(std::string text);
  static std::string translateDayDate(std::string text);
  static std::string translateClock(std::string text);
  static std::string translateFraction(std::string text);
  static std::string translateOrdinal(std::string text);
  static std::string translateWeek(std::string text);
  static std::string translateNumber(std::string text, RuleSet rules);
  static std::string translateArabicMagnitude(std::string text, RuleSet rules);
  static std::string translateFigure(std::string text, RuleSet rules);
  static std::string translateMonthDate(std::string text, RuleSet rules);
  static std::string translateDayDate(std::string text, RuleSet rules);
  static std::string translateClock(std::string text, RuleSet rules);
  static std::string translateFraction(std::string text, RuleSet rules);
  static std::string translateOrdinal(std::string text, RuleSet rules);
  static std::string translateWeek(std::string text, RuleSet rules);
};

}  // namespace vestrilo
