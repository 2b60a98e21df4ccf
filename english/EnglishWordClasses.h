// The word classes of the English tokenizer (units, tens, magnitudes, ordinals,
// weekdays, months) gathered into one table, so that a token's classes are
// found with one look-up.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/WordTable.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace english_word {

// One bit per list; a word may be in several (may, june, july are months twice).
enum : std::uint32_t {
  Units = 1,       // englishUnitsList
  Tens = 2,        // englishTensList
  Magnitude = 4,   // englishMagnitudeList
  Ordinal = 8,     // englishOrdinalList
  Weekday = 16,    // englishWeekdayList
  Month = 32,      // englishMonthList
};

// The six lists with their bits.
struct ClassList {
  const LexiconList* list;
  std::uint32_t bits;
};
inline constexpr ClassList classLists[] = {
    {&englishUnitsList, Units},     {&englishTensList, Tens},       {&englishMagnitudeList, Magnitude},
    {&englishOrdinalList, Ordinal}, {&englishWeekdayList, Weekday}, {&englishMonthList, Month},
};

// The table of the six lists. No word of them holds "<" or ">", is longer than
// WordTable::kMaxWord or holds anything but lower-case ASCII letters.
const WordTable& table();

// The classes of word (0: in none of the lists).
inline std::uint32_t classesOf(std::string_view word) { return table().bitsOf(word); }

// The words the extended rules read beyond the six lists, with one bit per
// role, so that a token the extended rules have nothing to say about costs one
// look-up.
enum : std::uint32_t {
  Zero = 1,                 // zeroWordList: nought, naught
  Trillion = 2,             // trillionWord
  Score = 4,                // scoreWordMap: twoscore ...
  ClockWord = 8,            // clockWordMap: midnight, noon
  ExtendedOrdinal = 16,     // extendedOrdinalMap
  WeekdayAbbreviation = 32, // weekdayAbbreviationMap: mon, tue. ...
  // A plain word the extended recognition and guard passes look at: and, to,
  // or, the signs and words of negatives, half, quarters, per, dozen ...
  Joiner = 64,
};
WordTable buildExtendedTable();
inline const WordTable& extendedTable() {
  static const WordTable words = buildExtendedTable();
  return words;
}
inline std::uint32_t extendedClassesOf(std::string_view word) { return extendedTable().bitsOf(word); }

}  // namespace english_word

}  // namespace vestrilo
