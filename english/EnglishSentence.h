// EnglishSentence: one line of English text, its lower-cased working copy, the
// entity records found in it, and every stage and translator of the
// English-to-Chinese direction.
//
// Stages run once each, in this order: tokenize, recognize, disambiguate, then
// one output builder (translationLine for the batch tool). Each stage file holds
// one stage:
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
//   EnglishOutput.cpp          translationLine and the per-kind rendering
//   EnglishRenderings.cpp      alternative renderings (whole-sentence, HTML pairs)
//   EnglishMarkup.cpp          recognition markup
//   EnglishMarkupTags.h        the tags and colours of markup and renderings
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

struct EnglishEntity {
  std::int32_t start = 0;
  std::int32_t length = 0;
  EnglishEntityKind kind = EnglishEntityKind::Plain;

  bool operator==(const EnglishEntity& o) const {
    return start == o.start && length == o.length && kind == o.kind;
  }
};

// The neighbour view the passes take at the start of a step (see neighbourView),
// texts cut from `lowered`; a missing neighbour reads as {0, 0, NoNeighbour}
// with empty text.
using EnglishNeighbours = NeighbourView<EnglishEntity>;

class EnglishSentence {
 public:
  std::string sentence;  // the line as read
  std::string lowered;   // working copy, always as long as `sentence`
  EntityList<EnglishEntity> entities;
  // The values of number words that the passes have tested, kept from line to line.
  TextMemo<std::int32_t> wordValues;

  EnglishSentence() = default;
  explicit EnglishSentence(std::string line);

  // Starts over on a new line: the line and its working copy are copied and
  // the records cleared; buffers are kept, so one object can serve line after line.
  void assign(std::string_view line);

  // Stages, and all of them in their fixed order (tokenize, recognize,
  // disambiguate); after runStages the sentence is ready for any output builder.
  void tokenize();
  void recognize();
  void disambiguate();
  void runStages();

  // The quick scan: false when the line can hold no entity, so that its stages
  // may be skipped (the proof is in the scan's source file). True does not mean
  // that the line holds one.
  static bool mayHoldEntity(std::string_view line);

  // Output builders. translationLine filters the sentence's pairs through a
  // run's registry; translationPairs gives the same pairs (candidates marked)
  // unfiltered, in order.
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

  // Shared by every output builder: whether a kind is rendered, and the
  // rendering of record e (its working text through the translator of its
  // kind; Arabic records give their source text). For the two candidate kinds
  // the second reading is stored in *candidate when that is given.
  static bool isRendered(EnglishEntityKind kind);
  // The kind's name as written in code ("MonthDate", "FigureOrClock"); stable.
  static std::string_view kindName(EnglishEntityKind kind);
  std::string translationOf(const EnglishEntity& e, std::string* candidate = nullptr) const;

  // A record's source text (from `sentence`) and working text (from `lowered`),
  // clamped to the line.
  std::string_view sourceText(const EnglishEntity& e) const { return recordText(sentence, e); }
  std::string_view workingText(const EnglishEntity& e) const { return recordText(lowered, e); }
  std::string_view workingText(std::size_t i) const { return workingText(entities[i]); }

  // Neighbour view of record i.
  EnglishNeighbours neighbours(std::size_t i) const {
    return neighbourView(entities, i, lowered, EnglishEntity{0, 0, EnglishEntityKind::NoNeighbour});
  }

  // Merges records first..last as kind (see mergeRecords). Returns the position
  // after the merged record, where a pass that continues after it goes on.
  std::size_t merge(std::size_t first, std::size_t last, EnglishEntityKind kind);
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

  // Translators: each takes an entity's working text and returns Chinese.
  static std::string translateNumber(std::string text);
  static std::string translateArabicMagnitude(std::string text);
  static std::string translateFigure(std::string text);
  static std::string translateMonthDate(std::string text);
  static std::string translateDayDate(std::string text);
  static std::string translateClock(std::string text);
  static std::string translateFraction(std::string text);
  static std::string translateOrdinal(std::string text);
  static std::string translateWeek(std::string text);
};

template <class Emit>
void EnglishSentence::forEachPair(TranslationCache& cache, Emit&& emit) const {
  for (const EnglishEntity& e : entities) {
    if (!isRendered(e.kind)) continue;
    const std::string_view source = sourceText(e);
    // An Arabic number is its own translation.
    if (e.kind == EnglishEntityKind::Arabic) {
      emit(source, source, false);
      continue;
    }
    const bool twoReadings = e.kind == EnglishEntityKind::FigureOrClock || e.kind == EnglishEntityKind::ClockOrNumber;
    // Apart from Arabic numbers, the rendering depends on the kind and the working text only.
    const TranslationCache::Translation r = cache.get(static_cast<std::int32_t>(e.kind), workingText(e), [&] {
      CachedTranslation fresh;
      fresh.translation = translationOf(e, twoReadings ? &fresh.candidate : nullptr);
      return fresh;
    });
    emit(source, r.translation, false);
    if (twoReadings) emit(source, r.candidate, true);
  }
}

}  // namespace vestrilo
