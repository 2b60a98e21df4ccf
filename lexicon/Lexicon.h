// The shared word lists of both directions. Each list is data only: its words
// in angle brackets, tested through the word-list rules of core/WordList.h.
#pragma once

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

}  // namespace vestrilo
