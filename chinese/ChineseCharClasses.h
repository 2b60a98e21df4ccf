// The classes of single Chinese characters that the tokenizer and the quick
// scan ask about, read from one table filled from the lexicon's lists, and the
// one test of two neighbouring characters that the tokenizer and the numeral
// readers share (the measure word 两 after a magnitude).
#pragma once

#include <cstdint>
#include <string_view>

#include "core/CharClassTable.h"
#include "core/LineRecords.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace chinese_char {

enum : std::uint16_t {
  Numeral = 1,      // numeralList
  Magnitude = 2,    // unitList
  Ten = 4,          // 十, which starts a numeral run although it is a magnitude
  EntityChar = 8,   // a character without which no line holds an entity (see ChineseSentence::mayHoldEntity)
  UnitWordStart = 16,  // the first character of a word of the unit-word lists the tokenizer tests
  // The extended rules' reading of the line (see ChineseSentence::reading).
  Variant = 32,          // read as another character wherever it stands (readingVariantMap)
  NumeralVariant = 64,   // read as a numeral beside another one (financialNumeralMap)
  SignVariant = 128,     // read as an ASCII sign beside digits (fullWidthSignMap)
  // A character without which no line holds an entity of the extended rules,
  // beside the EntityChar and NumeralVariant characters: 几, and the variants
  // that read as a digit or an EntityChar character.
  ExtendedEntityChar = 256,
  // The first character of a word the extended rules' pass over whole words
  // acts on although it starts with no numeral or magnitude (wordPassMarkerList).
  WordPassMarkerStart = 512,
};

// The classes of the characters a line needs to hold an entity under the rules.
// Under the extended rules a variant counts when it reads as such a character
// (萬, 兩, 週, ４, 幾: marked ExtendedEntityChar below); the others (個, 點, 時,
// 號, 鐘, 負) matter only beside a number, which the line then holds.
constexpr std::uint16_t entityChars(RuleSet rules) {
  return rules == RuleSet::Extended ? EntityChar | NumeralVariant | ExtendedEntityChar : EntityChar;
}

// The first characters of the words of ordinalList, weekPrefixList,
// everyWeekList, dateUnitList and clockUnitList.
constexpr void addFirstCharacters(CharClassTable& t, std::string_view list, std::uint16_t bits) {
  forEachBracketedWord(list, [&](std::string_view word, std::size_t) {
    if (word.size() >= 2 && static_cast<unsigned char>(word[0]) >= 0x80) t.addCharacter(word.substr(0, 2), bits);
    return true;
  });
}

constexpr CharClassTable makeTable() {
  CharClassTable t;
  t.add(numeralList.text(), Numeral | EntityChar);
  t.add(unitList.text(), Magnitude | EntityChar);
  t.add(weekWordCharList.text(), EntityChar);
  t.addCharacter(magnitudeTen, Ten);
  for (const LexiconList* list : {&ordinalList, &weekPrefixList, &everyWeekList, &dateUnitList, &clockUnitList})
    addFirstCharacters(t, list->text(), UnitWordStart);
  t.add(readingVariantMap.text(), Variant);
  t.add(financialNumeralMap.text(), NumeralVariant);
  t.add(fullWidthSignMap.text(), SignVariant);
  t.addCharacter(severalMarker, ExtendedEntityChar);
  addFirstCharacters(t, wordPassMarkerList.text(), WordPassMarkerStart);
  // The variants read as a digit or as a character a line needs for an entity.
  const std::string_view variants = readingVariantMap.text();
  forEachBracketedWord(variants, [&](std::string_view key, std::size_t p) {
    const std::size_t open = p + key.size() + 2;
    if (open >= variants.size() || variants[open] != '(') return true;
    const std::size_t close = variants.find(')', open);
    if (close == std::string_view::npos) return true;
    const std::string_view read = variants.substr(open + 1, close - open - 1);
    const bool entity =
        (read.size() == 1 && read[0] >= '0' && read[0] <= '9') ||
        (read.size() == 2 && (t.of(static_cast<unsigned char>(read[0]), static_cast<unsigned char>(read[1])) &
                              (EntityChar | ExtendedEntityChar)));
    if (entity && key.size() == 2) t.addCharacter(key, ExtendedEntityChar);
    return true;
  });
  return t;
}

inline constexpr CharClassTable table = makeTable();
static_assert(!table.overflowed(), "too many lead bytes for the character table");

// The class of the character whose first byte is at i of text; a last lead byte
// without its second byte reads as that byte followed by byte 0.
inline std::uint16_t classAt(std::string_view text, std::size_t i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  const unsigned char trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
  return table.of(lead, trail);
}

// Whether the character `last`, ending a numeral right after the character
// `before`, is the measure word 两 (tael) rather than an abbreviated 二: 两 after
// 百, 千, 万 or 亿 (三百两, 一千两, 两万两).
inline bool isTaelAfter(std::string_view before, std::string_view last) {
  return last == numeralTwo && before.size() == 2 && taelMagnitudeList.hasWord(before);
}

}  // namespace chinese_char

}  // namespace vestrilo
