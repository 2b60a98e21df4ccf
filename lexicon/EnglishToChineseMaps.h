// Word knowledge of the English-to-Chinese translators: the tagged maps they look
// words up in, the phrase and marker tables they match, and the Chinese words
// they build their renderings from.
//
// Map texts are in the tagged-map format "<key>(value)..." and are looked up
// with TaggedMap; the Chinese texts are GBK at run time.
#pragma once

#include <string_view>

#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

// Digit characters to Chinese digits; 2 is written 二, never 两.
inline constexpr TaggedMap chineseDigitMap{
    "<0>(零)<1>(一)<2>(二)<3>(三)<4>(四)<5>(五)<6>(六)<7>(七)<8>(八)<9>(九)"};

// Month names and their dotted abbreviations, for month-led dates.
inline constexpr TaggedMap monthMap{
    "<january>(1月)<february>(2月)<march>(3月)<april>(4月)<may>(5月)<june>(6月)<july>(7月)"
    "<august>(8月)<september>(9月)<october>(10月)<november>(11月)<december>(12月)"
    "<jan.>(1月)<feb.>(2月)<mar.>(3月)<apr.>(4月)<may.>(5月)<jun.>(6月)<june.>(6月)<jul.>(7月)"
    "<july.>(7月)<aug.>(8月)<sep.>(9月)<sept.>(9月)<oct.>(10月)<nov.>(11月)<dec.>(12月)"};

// Full month names only, for day-led dates.
inline constexpr TaggedMap fullMonthMap{
    "<january>(1月)<february>(2月)<march>(3月)<april>(4月)<may>(5月)<june>(6月)<july>(7月)"
    "<august>(8月)<september>(9月)<october>(10月)<november>(11月)<december>(12月)"};
static_assert(monthMap.text().substr(0, fullMonthMap.text().size()) == fullMonthMap.text(),
              "the full month map is the first twelve pairs of the month map");

// Ordinal words of the days of a month to their numbers.
inline constexpr TaggedMap dayOrdinalMap{
    "<first>(1)<second>(2)<third>(3)<fourth>(4)<fifth>(5)<sixth>(6)<seventh>(7)<eighth>(8)"
    "<ninth>(9)<tenth>(10)<eleventh>(11)<twelfth>(12)<thirteenth>(13)<fourteenth>(14)"
    "<fifteenth>(15)<sixteenth>(16)<seventeenth>(17)<eighteenth>(18)<nineteenth>(19)"
    "<twentieth>(20)<twenty-first>(21)<twenty-second>(22)<twenty-third>(23)<twenty-fourth>(24)"
    "<twenty-fifth>(25)<twenty-sixth>(26)<twenty-seventh>(27)<twenty-eighth>(28)"
    "<twenty-ninth>(29)<thirtieth>(30)<thirty-first>(31)"};

// Ordinal words to the cardinal words they are counted with.
inline constexpr TaggedMap ordinalCardinalMap{
    "<first>(one)<second>(two)<third>(three)<fourth>(four)<fifth>(five)<sixth>(six)"
    "<seventh>(seven)<eighth>(eight)<ninth>(nine)<tenth>(ten)<eleventh>(eleven)"
    "<twelfth>(twelve)<thirteenth>(thirteen)<fourteenth>(fourteen)<fifteenth>(fifteen)"
    "<sixteenth>(sixteen)<seventeenth>(seventeen)<eighteenth>(eighteen)"
    "<nineteenth>(nineteen)<twentieth>(twenty)<thirtieth>(thirty)<fortieth>(forty)"
    "<fiftieth>(fifty)<sixtieth>(sixty)<seventieth>(seventy)<eightieth>(eighty)"
    "<ninetieth>(ninety)<hundredth>(hundred)<thousandth>(thousand)"};

// Weekday names; Sunday is 星期日.
inline constexpr TaggedMap weekdayMap{
    "<monday>(星期一)<tuesday>(星期二)<wednesday>(星期三)<thursday>(星期四)<friday>(星期五)"
    "<saturday>(星期六)<sunday>(星期日)"};

// A marker in the text and the Chinese word it stands for.
struct MarkerWord {
  std::string_view marker;
  std::string_view chinese;
};

// Era words after a year, as the last word of a date.
inline constexpr MarkerWord eraMarkers[] = {
    {"b.c.", "公元前"}, {"bc", "公元前"}, {"a.d.", "公元"}, {"ad", "公元"}};

// Periods of the day after a clock time, in the order they are taken off the
// text (when both occur, the later one stands).
inline constexpr MarkerWord periodMarkers[] = {{"a.m.", "上午"}, {"p.m.", "下午"}};

// Clock phrases whose hour follows them: the phrase and what follows the hour.
// Tried in this order, the first that occurs wins.
inline constexpr MarkerWord clockHourPhrases[] = {
    {"half past ", "点 半"},       {"half after ", "点 半"},       {"quarter past ", "点 一刻"},
    {"quarter after ", "点 一刻"}, {"quarter to ", "点 差 一刻"}, {"quarter of ", "点 差 一刻"}};

// Joining words of minutes and hour: the minutes are short of the hour (ten to
// five) or past it (ten past five). Tried in this order.
inline constexpr std::string_view clockShortOfWords[] = {" to ", " of "};
inline constexpr std::string_view clockPastWords[] = {" past ", " after "};

// Words that repeat the digit word after them (double five, triple seven).
struct RepeatWord {
  std::string_view word;
  int times;
};
inline constexpr RepeatWord figureRepeatWords[] = {{"double", 2}, {"triple", 3}};

// Chinese words the renderings are built from: the characters the Chinese
// rules name (lexicon/ChineseNumeralMaps.h), under the names of their use here.
namespace zhWord {
inline constexpr std::string_view zero = numeralZero;
inline constexpr std::string_view ten = magnitudeTen;
inline constexpr std::string_view hundred = magnitudeHundred;
inline constexpr std::string_view thousand = magnitudeThousand;
inline constexpr std::string_view tenThousand = magnitudeTenThousand;
inline constexpr std::string_view hundredMillion = magnitudeHundredMillion;
inline constexpr std::string_view ordinalPrefix = ordinalMarker;
inline constexpr std::string_view percentPrefix = percentMarker;
inline constexpr std::string_view fractionOf = fractionMarker;
inline constexpr std::string_view fractionOfOne = "分之一";
inline constexpr std::string_view rangeTo = " 到 ";
inline constexpr std::string_view year = yearUnit;
inline constexpr std::string_view day = dayUnit;
inline constexpr std::string_view hour = hourUnit;
inline constexpr std::string_view minute = minuteUnit;
inline constexpr std::string_view shortOf = "差 ";
}  // namespace zhWord

}  // namespace vestrilo
