// Word lists and tagged key/value maps: the two text formats that hold all of
// Vestrilo's word knowledge.
//
// A word list is "<w1><w2>...<wn>"; a tagged map is "<key1>(value1)<key2>(value2)...".
// Every test is a byte-wise substring search of the text from its start, so the
// answers (including first positions and duplicate words) are those of the texts
// exactly as written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vestrilo {

class LexiconList {
 public:
  constexpr explicit LexiconList(std::string_view text) : text_(text) {}

  // Whole-word membership: the list contains "<" + word + ">".
  bool hasWord(std::string_view word) const { return wordPosition(word) != std::string_view::npos; }

  // Plain substring test of the bare text (holds for the empty text).
  bool hasText(std::string_view piece) const { return text_.find(piece) != std::string_view::npos; }

  // Byte offset of the first "<" + word + ">", or npos.
  std::size_t wordPosition(std::string_view word) const;

  constexpr std::string_view text() const { return text_; }

 private:
  std::string_view text_;
};

class TaggedMap {
 public:
  constexpr explicit TaggedMap(std::string_view text) : text_(text) {}

  // The value written in parentheses after the first "<" + key + ">", or the
  // empty text when the key is missing (or has no well-formed value after it).
  std::string_view lookup(std::string_view key) const;

  // The lookup as a new string, for callers that build text from it.
  std::string value(std::string_view key) const { return std::string(lookup(key)); }

  // Offset of the first "<" + key + ">", or npos.
  std::size_t keyPosition(std::string_view key) const;
  bool hasKey(std::string_view key) const { return keyPosition(key) != std::string_view::npos; }

  // Plain substring test of the bare text.
  bool hasText(std::string_view piece) const { return text_.find(piece) != std::string_view::npos; }

  constexpr std::string_view text() const { return text_; }

 private:
  std::string_view text_;
};

// Offset of the first "<" + word + ">" in text, or npos; no allocation.
std::size_t findBracketed(std::string_view text, std::string_view word);

// The shared word lists.
inline constexpr LexiconList numeralList{"<零><一><二><两><三><四><五><六><七><八><九><半>"};
inline constexpr LexiconList unitList{"<十><百><千><万><亿>"};
inline constexpr LexiconList ordinalList{"<第>"};
inline constexpr LexiconList weekPrefixList{"<周><星期>"};
inline constexpr LexiconList weekdayList{"<一><二><三><四><五><六><日><天>"};
inline constexpr LexiconList dateUnitList{"<年><月><月份><日><号>"};
inline constexpr LexiconList clockUnitList{"<点><时><刻><分><点钟>"};
inline constexpr LexiconList englishUnitsList{
    "<zero><one><two><three><four><five><six><seven><eight><nine><ten><eleven><twelve>"
    "<thirteen><fourteen><fifteen><sixteen><seventeen><eighteen><nineteen>"};
inline constexpr LexiconList englishTensList{
    "<twenty><thirty><forty><fifty><sixty><seventy><eighty><ninety>"};
inline constexpr LexiconList englishMagnitudeList{"<hundred><thousand><million><billion>"};
inline constexpr LexiconList englishOrdinalList{
    "<first><second><third><fourth><fifth><sixth><seventh><eighth><ninth><tenth><eleventh>"
    "<twelfth><thirteenth><fourteenth><fifteenth><sixteenth><seventeenth><eighteenth>"
    "<nineteenth><twentieth><thirtieth><fortieth><fiftieth><sixtieth><seventieth><eightieth>"
    "<ninetieth><hundredth><thousandth>"};
inline constexpr LexiconList englishWeekdayList{
    "<monday><tuesday><wednesday><thursday><friday><saturday><sunday>"};
inline constexpr LexiconList englishMonthList{
    "<january><february><march><april><may><june><july><august><september><october>"
    "<november><december><jan><feb><mar><apr><may><june><july><aug><sept><oct><nov><dec>"};
// Kept with the others for completeness; no stage consults it.
inline constexpr LexiconList englishClockList{
    "<quarter><quarters><a.m><p.m><a.m.><p.m.><o'clock>"};

}  // namespace vestrilo
