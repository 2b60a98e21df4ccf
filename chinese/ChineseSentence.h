// ChineseSentence: one line of word-segmented GBK Chinese text, the entity
// records found in it, and every stage and translator of the Chinese-to-English
// direction.
//
// Stages run once each, in this order: tokenize, adjust, recognize, then one
// output builder (translationLine for the batch tool). Each stage file holds one
// stage:
//   ChineseSentence.cpp      construction, record texts, neighbour view, merge
//   ChineseQuickScan.cpp     mayHoldEntity, the scan that lets a line skip the stages
//   ChineseCharClasses.h     the classes of single characters (numeral, magnitude, ...)
//   ChineseTokenizer.cpp     tokenize
//   ChineseAdjust.cpp        adjust (fractions, percentages, proportions, eras)
//   ChineseRecognize.cpp     recognize
//   ChineseNumerals.cpp      Chinese numerals to digit strings
//   EnglishNumberWords.cpp   digit strings to English words
//   TranslateNumber.cpp      Number and Figure
//   TranslateDate.cpp        Date
//   TranslateClock.cpp       Clock
//   TranslateFractional.cpp  Fractional
//   TranslateOrdinal.cpp     Ordinal, Week and punctuation
//   TranslateUnitNumber.cpp  Arabic numbers with Chinese magnitudes
//   ChineseOutput.cpp        translationLine and the per-kind translation
//   ChineseRenderings.cpp    alternative renderings (whole-sentence, HTML pairs)
//   ChineseMarkup.cpp        recognition markup
//   ChineseMarkupTags.h      the tags and colours of markup and renderings
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/EmittedPairs.h"
#include "core/EntityList.h"
#include "core/Markup.h"
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

struct ChineseEntity {
  std::int32_t start = 0;
  std::int32_t length = 0;
  ChineseEntityKind kind = ChineseEntityKind::Plain;

  bool operator==(const ChineseEntity& o) const {
    return start == o.start && length == o.length && kind == o.kind;
  }
};

// The neighbour view the passes take at the start of a step (see neighbourView);
// a missing neighbour reads as {0, 0, Plain} with empty text.
using ChineseNeighbours = NeighbourView<ChineseEntity>;

class ChineseSentence {
 public:
  std::string sentence;
  EntityList<ChineseEntity> entities;
  // The values of numerals that recognition has tested, kept from line to line.
  TextMemo<std::int64_t> numeralValues;

  ChineseSentence() = default;
  explicit ChineseSentence(std::string line);

  // Starts over on a new line: the line is copied and the records cleared;
  // buffers are kept, so one object can serve line after line.
  void assign(std::string_view line);

  // Stages, and all of them in their fixed order (tokenize, adjust, recognize);
  // after runStages the sentence is ready for any output builder.
  void tokenize();
  void adjust();
  void recognize();
  void runStages();

  // The quick scan: false when the line can hold no entity, so that its stages
  // may be skipped (the proof is in the scan's source file). True does not mean
  // that the line holds one.
  static bool mayHoldEntity(std::string_view line);
  // The same answer for a UTF-8 line as for its GBK conversion (core/Utf8Gbk),
  // found without converting it.
  static bool mayHoldEntityUtf8(std::string_view line);

  // Output builders. translationLine filters the sentence's pairs through a
  // run's registry; translationPairs gives the same pairs unfiltered, in order,
  // one per translated record.
  std::string translationLine(EmittedPairs& registry) const;
  void translationPairs(std::vector<TranslationPair>& out) const;
  // The same pairs handed to emit(source, translation, candidate) as views,
  // valid during the call, so that a caller builds its own pairs without a copy
  // in between; renderings are looked up in (and added to) a memo.
  template <class Emit>
  void forEachPair(TranslationCache& cache, Emit&& emit) const;
  // The renderings list where they show the sentence's own text in *pieces
  // when that is given (see InputPiece). The HTML pair lines show and register
  // the sentence's pairs, or, when given, `shown`: the same pairs in the form
  // the caller writes them, one for each pair of translationPairs.
  std::string translationLineHtml(InputPieces* pieces = nullptr) const;
  std::string translationLineTagged(InputPieces* pieces = nullptr) const;
  std::string translationLineHtmlPairs(EmittedPairs& registry,
                                       const std::vector<TranslationPair>* shown = nullptr) const;
  std::string markupHtml(InputPieces* pieces = nullptr) const;
  std::string markupTags(InputPieces* pieces = nullptr) const;

  // Shared by every output builder: whether a kind is translated, and the
  // translation of record e (its text with white space removed, through the
  // translator of its kind; Arabic records give their source text).
  static bool isTranslated(ChineseEntityKind kind);
  // The kind's name as written in code ("Date", "ArabicWithUnit"); stable.
  static std::string_view kindName(ChineseEntityKind kind);
  std::string translationOf(const ChineseEntity& e) const;

  // The bytes a record covers (clamped to the sentence).
  std::string_view text(const ChineseEntity& e) const { return recordText(sentence, e); }
  std::string_view text(std::size_t i) const { return text(entities[i]); }
  // The first byte of a record's text, 0 for an empty text: a record can hold
  // a word only if this is the word's first byte.
  unsigned char firstByte(const ChineseEntity& e) const {
    return e.start >= 0 && e.length > 0 && static_cast<std::size_t>(e.start) < sentence.size()
               ? static_cast<unsigned char>(sentence[static_cast<std::size_t>(e.start)])
               : 0;
  }

  // Neighbour view of record i.
  ChineseNeighbours neighbours(std::size_t i) const {
    return neighbourView(entities, i, sentence, ChineseEntity{0, 0, ChineseEntityKind::Plain});
  }

  // Merges record first with the later record last (see mergeRecords), optionally
  // giving the merged record a new kind.
  void merge(std::size_t first, std::size_t last) { mergeRecords(entities, first, last); }
  void merge(std::size_t first, std::size_t last, ChineseEntityKind kind);

  // Chinese numerals to digit strings.
  static std::string chineseNumeralToDigits4(std::string text);
  static std::string chineseNumeralToDigits8(std::string text);
  static std::string chineseNumeralToArabic(std::string text);
  static std::string chineseDigitsToArabic(std::string text);

  // Digit strings to English words.
  static std::string hundredsToEnglish(std::string digits);
  static std::string digitsToEnglish(std::string digits);

  // Translators: each takes an entity's text (spaces removed) and returns English.
  static std::string translateNumber(std::string text);
  static std::string translateFigure(std::string text);
  static std::string translateDate(std::string text);
  static std::string translateClock(std::string text);
  static std::string translateFractional(std::string text);
  static std::string translateOrdinal(std::string text);
  static std::string translateWeek(std::string text);
  static std::string convertPunctuation(std::string text);
  static std::string translateUnitNumber(std::string text);
};

template <class Emit>
void ChineseSentence::forEachPair(TranslationCache& cache, Emit&& emit) const {
  for (const ChineseEntity& e : entities) {
    if (!isTranslated(e.kind)) continue;
    const std::string_view source = text(e);
    const TranslationCache::Translation r = cache.get(static_cast<std::int32_t>(e.kind), source,
                                           [&] { return CachedTranslation{translationOf(e), {}}; });
    emit(source, r.translation, false);
  }
}

}  // namespace vestrilo
