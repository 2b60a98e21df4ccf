// ChineseSentence: one line of word-segmented GBK Chinese text, the entity
// records found in it, and every stage and translator of the Chinese-to-English
// direction.
//
// Stages run once each, in this order: tokenize, adjust, recognize; what the
// sentence then gives (markup, renderings, pairs) is written for both directions
// in core/SentenceOutput.h over chinese/ChineseStyle.h. Each stage file holds one
// stage:
//   ChineseSentence.cpp      construction, record texts, neighbour view, merge
//   ChineseReading.cpp       the line as the extended rules read it
//   ChineseQuickScan.cpp     mayHoldEntity, the scan that lets a line skip the stages
//   ChineseCharClasses.h     the classes of single characters (numeral, magnitude, ...)
//   ChineseTokenizer.cpp     tokenize
//   ChineseAdjust.cpp        adjust (fractions, percentages, proportions, eras)
//   ChineseRecognize.cpp     recognize
//   ChineseWords.cpp         recognize, the extended rules' pass over whole words
//   RecognizeSupport.h       the tests of records the recognition passes share
//   ChineseNumerals.cpp      Chinese numerals to digit strings
//   EnglishNumberWords.cpp   digit strings to English words
//   TranslateNumber.cpp      Number and Figure
//   TranslateDate.cpp        Date
//   TranslateClock.cpp       Clock
//   TranslateFractional.cpp  Fractional
//   TranslateOrdinal.cpp     Ordinal, Week and punctuation
//   TranslateUnitNumber.cpp  Arabic numbers with Chinese magnitudes
//   TranslateForms.cpp       the extended rules' forms around numbers (signs, ranges, ...)
//   ChineseOutput.cpp        the translation of a record, by kind
//   ChineseStyle.h           the tags, colours and separators of markup and renderings
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/EntityList.h"
#include "core/LineRecords.h"
#include "core/TranslationCache.h"

namespace vestrilo {

enum class ChineseEntityKind : std::int32_t {
  Plain = -1,
  Number = 0,
  Figure = 1,
  Ordinal = 2,
  Week = 3,
  Date = 4,
  Clock = 5,
  Arabic = 6,
  Latin = 7,
  ArabicWithUnit = 9,
  Fractional = 10,
};

using ChineseEntity = Record<ChineseEntityKind>;

// The neighbour view the passes take at the start of a step (see neighbourView);
// a missing neighbour reads as {0, 0, Plain} with empty text.
using ChineseNeighbours = NeighbourView<ChineseEntity>;

class ChineseSentence : public LineRecords<ChineseEntityKind> {
 public:
  // The values of numerals that recognition has tested, kept from line to line.
  TextMemo<std::int64_t> numeralValues;

  ChineseSentence() = default;
  explicit ChineseSentence(std::string line);

  // Starts over on a new line: the line is copied and the records cleared;
  // buffers are kept, so one object can serve line after line.
  void assign(std::string_view line) {
    assignLine(line);
    readingIsLine_ = true;
  }

  // The text the stages read: the line itself, or under the extended rules the
  // line with each variant character read as the one the rules know (萬 as 万,
  // 兩 as 两, ４ as 4, 肆佰 as 四百; see lexicon/ChineseExtendedWords.h). Records
  // are spans of the reading; sourceText gives the line's own bytes for them.
  // makeReading sets it up for the line assigned (runStages calls it first).
  std::string_view reading() const { return readingIsLine_ ? std::string_view(sentence) : std::string_view(reading_); }
  void makeReading();

  // Stages, and all of them in their fixed order (tokenize, adjust, recognize);
  // after runStages the sentence is ready for its output.
  void tokenize();
  void adjust();
  void recognize();
  void runStages();

  // The quick scan: false when the line can hold no entity, so that its stages
  // may be skipped (the proof is in the scan's source file). True does not mean
  // that the line holds one.
  static bool mayHoldEntity(std::string_view line, RuleSet rules = RuleSet::Classic);
  // The same answer for a UTF-8 line as for its GBK conversion (core/Utf8Gbk),
  // found without converting it.
  static bool mayHoldEntityUtf8(std::string_view line, RuleSet rules = RuleSet::Classic);
  // The rules read GBK: a UTF-8 line is converted for them (engine/Utf8Line).
  static constexpr bool readsGbk = true;

  // The translation of record e: its text with white space removed, through
  // the translator of its kind (an Arabic number gives its source text); empty
  // for a kind that is not translated. The extended rules write it without
  // blanks around it. No kind has a second reading: *second, when given, is
  // cleared.
  std::string translationOf(const ChineseEntity& e, std::string* second = nullptr) const;
  // The text a record's translation depends on: its text as read.
  std::string_view workingText(const ChineseEntity& e) const { return text(e); }

  // The bytes of the reading a record covers (what the stages and translators read).
  std::string_view text(const ChineseEntity& e) const { return recordText(reading(), e); }
  std::string_view text(std::size_t i) const { return text(entities[i]); }
  // The bytes of the line a record covers (what is written as its source).
  std::string_view sourceText(const ChineseEntity& e) const;
  // An Arabic number is its own translation; the extended rules write it as
  // they read it where they read it all as ASCII (１６ "16"), as written
  // otherwise.
  std::string_view ownTranslation(const ChineseEntity& e) const {
    if (!extended()) return sourceText(e);
    const std::string_view read = text(e);
    for (const char c : read)
      if (static_cast<unsigned char>(c) >= 0x80) return sourceText(e);  // not all read as ASCII (４，５６５)
    return read;
  }
  // The first byte of a record's text, 0 for an empty text: a record can hold
  // a word only if this is the word's first byte.
  unsigned char firstByte(const ChineseEntity& e) const {
    const std::string_view r = reading();
    return e.start >= 0 && e.length > 0 && static_cast<std::size_t>(e.start) < r.size()
               ? static_cast<unsigned char>(r[static_cast<std::size_t>(e.start)])
               : 0;
  }

  // Neighbour view of record i.
  ChineseNeighbours neighbours(std::size_t i) const {
    return neighbourView(entities, i, reading(), ChineseEntity{0, 0, ChineseEntityKind::Plain});
  }

  // Merges record first with the later record last (see mergeRecords), the
  // merged record keeping the kind of the first, or taking the kind given.
  using LineRecords::merge;
  void merge(std::size_t first, std::size_t last) { mergeRecords(entities, first, last); }

  // Chinese numerals to digit strings.
  static std::string chineseNumeralToDigits4(std::string text);
  static std::string chineseNumeralToDigits8(std::string text);
  static std::string chineseNumeralToArabic(std::string text);
  static std::string chineseDigitsToArabic(std::string text);
  static std::string arabicToChineseNumeral(std::string_view digits);

  // Digit strings to English words.
  static std::string hundredsToEnglish(std::string digits);
  static std::string digitsToEnglish(std::string digits);

  // Translators: each takes an entity's text (spaces removed) and returns English,
  // under the classic rules or the rules given.
  static std::string translateNumber(std::string text) { return translateNumber(std::move(text), RuleSet::Classic); }
  static std::string translateNumber(std::string text, RuleSet rules);
  static std::string translateFigure(std::string text) { return translateFigure(std::move(text), RuleSet::Classic); }
  static std::string translateFigure(std::string text, RuleSet rules);
  static std::string translateDate(std::string text);
  static std::string translateClock(std::string text) { return translateClock(std::move(text), RuleSet::Classic); }
  static std::string translateClock(std::string text, RuleSet rules);
  static std::string translateFractional(std::string text);
  static std::string translateOrdinal(std::string text);
  static std::string translateWeek(std::string text);
  static std::string convertPunctuation(std::string text);
  static std::string translateUnitNumber(std::string text);
  // What a translator reads: the source without any ASCII white space, so that
  // 三 百 reads as 三百.
  static std::string translatorInput(std::string_view source);
  // The number a fused word counts (三个, 一个包, 之一, 第一代 after its 第): its
  // first run of numeral and magnitude characters, or of ASCII digits; the text
  // itself when it starts with neither. A magnitude that starts it counts one
  // (百尺 "a hundred feet" counts 一百).
  static std::string countedNumber(const std::string& text);

 private:
  // The extended rules' last pass of recognition, over whole words, in place
  // of pass 3 (chinese/ChineseWords.cpp).
  void recognizeWords();

  // The translation of record e by the translator of its kind.
  std::string translationByKind(const ChineseEntity& e) const;
  // The extended rules' forms (signs, ranges, approximations, bounds, fractions
  // with digits, ...): true with the translation in out when record e is one.
  bool formTranslation(const ChineseEntity& e, std::string& out) const;
  // The translation of a number inside such a form.
  std::string partTranslation(const ChineseEntity& part) const;

  // The reading when it is not the line: its bytes, and for each of them (and
  // for its end) the offset in the line of the character it was read from.
  std::string reading_;
  std::vector<std::uint32_t> lineOffsets_;
  bool readingIsLine_ = true;
};

}  // namespace vestrilo
