// The shared word lists of both directions, and the English words that the
// stages of both directions read or write. Each list is data only: its words
// in angle brackets, tested through the word-list rules of core/WordList.h.
#pragma once

#include <string_view>

#include "core/WordList.h"

namespace vestrilo {

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
    "<november><december><jan><feb><mar><apr><may><jun><june><jul><july><aug><sep><sept><oct><nov><dec>"};
// Kept with the others for completeness; no stage consults it.
inline constexpr LexiconList englishClockList{
    "<quarter><quarters><a.m><p.m><a.m.><p.m.><o'clock>"};

// English words the stages of both directions name: read in English text, or
// written into English renderings. The forms with blanks are searched for (or
// written) as they stand.
namespace enWord {
inline constexpr std::string_view zero = "zero";
inline constexpr std::string_view one = "one";
inline constexpr std::string_view a = "a";               // the article, read as one (a hundred)
inline constexpr std::string_view half = "half";
inline constexpr std::string_view quarter = "quarter";
inline constexpr std::string_view first = "first";
inline constexpr std::string_view second = "second";
inline constexpr std::string_view point = "point";        // decimal point in words
inline constexpr std::string_view percent = " percent";
inline constexpr std::string_view percentWord = "percent";
inline constexpr std::string_view andWord = "and";
inline constexpr std::string_view orWord = "or";
inline constexpr std::string_view over = "over";          // a fraction of two numbers (five over seven)
inline constexpr std::string_view past = "past";          // minutes past the hour
inline constexpr std::string_view every = "every";        // every Friday
inline constexpr std::string_view to = "to";
inline constexpr std::string_view from = "from";
inline constexpr std::string_view the = "the ";
inline constexpr std::string_view zeroLetter = "o";       // "o" read as the digit zero (five o two)
inline constexpr std::string_view rangeTo = " to ";
inline constexpr std::string_view of = " of ";
inline constexpr std::string_view ofWord = "of";
inline constexpr char pluralSuffix = 's';                 // two thirds, three fifths
}  // namespace enWord

// The word that ends a clock time told in whole hours ("three o'clock").
inline constexpr std::string_view oclockWord = "o'clock";

// The scale word of the hundreds.
inline constexpr std::string_view englishHundredWord = "hundred";

// Suffixes of ordinals written in digits: th, the general one, then those of
// the last digits 1, 2 and 3 (21st, 22nd, 23rd), each at the index of its digit.
inline constexpr std::string_view ordinalSuffixes[] = {"th", "st", "nd", "rd"};

}  // namespace vestrilo
