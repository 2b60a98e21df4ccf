// Word knowledge of the Chinese tokenizer, adjustment and recognition passes and
// of the Chinese numeral conversions: the digit maps, the small word tables the
// rules test against, and the single characters and words the rules name. The
// translators of both directions name the same characters through these.
//
// Everything is GBK at run time (the sources are compiled with
// -fexec-charset=GBK); each Chinese character below is two bytes.
#pragma once

#include <string_view>

#include "lexicon/Lexicon.h"

namespace vestrilo {

// Digit of each numeral character, in numerals and in digit-by-digit figures
// such as years (两零零八 is 2008).
inline constexpr TaggedMap numeralDigitMap{
    "<零>(0)<一>(1)<二>(2)<两>(2)<三>(3)<四>(4)<五>(5)<六>(6)<七>(7)<八>(8)<九>(9)"};

// Numeral and magnitude characters named by the rules.
inline constexpr std::string_view numeralZero{"零"};
inline constexpr std::string_view numeralOne{"一"};
inline constexpr std::string_view numeralTwo{"两"};
inline constexpr std::string_view numeralHalf{"半"};
inline constexpr std::string_view magnitudeTen{"十"};
inline constexpr std::string_view magnitudeHundred{"百"};
inline constexpr std::string_view magnitudeThousand{"千"};
inline constexpr std::string_view magnitudeTenThousand{"万"};
inline constexpr std::string_view magnitudeHundredMillion{"亿"};
// 万万, an older way of writing 亿 (四万万 is 400 million).
inline constexpr std::string_view magnitudeTenThousandTwice{"万万"};

// Week words: the two-character prefixes that also read as a week word, and the
// fixed words for Sunday that are a weekday on their own.
inline constexpr LexiconList everyWeekList{"<每周><每星期>"};
inline constexpr LexiconList sundayWordList{"<星期天><周日><星期日><周天><每星期天><每周日>"};
// The characters of which every week word above holds one (周, and 星 of 星期).
inline constexpr LexiconList weekWordCharList{"<周><星>"};

// The magnitudes after which a 两 that ends a numeral is the measure word
// (tael), not an abbreviated 二: 三百两 is three hundred taels, never 320.
inline constexpr LexiconList taelMagnitudeList{"<百><千><万><亿>"};

// Ordinals, fractions, percentages, proportions and the era prefix.
inline constexpr std::string_view ordinalMarker{"第"};
inline constexpr std::string_view fractionMarker{"分之"};
inline constexpr std::string_view percentMarker{"百分之"};
inline constexpr std::string_view proportionWord{"成"};
// Counts of tenths before 成 whose percentage is not the count with 十 after it
// (三成 is 三十 percent): 十成 is the whole, 一百 percent; 半成 is half a tenth.
inline constexpr TaggedMap proportionPercentMap{"<十>(一百)<半>(五)"};
inline constexpr std::string_view eraWord{"公元"};
inline constexpr std::string_view eraBeforeWord{"前"};

// Separators inside an Arabic number: the ASCII joiners (3.14, 1,000, 2004/5/1,
// 10:30, 1-2, 1+1), the full-width thousands comma and the full-width colon.
inline constexpr LexiconList arabicJoinerList{"<.><,><+><:></><->"};
inline constexpr std::string_view fullWidthComma{"，"};
inline constexpr std::string_view fullWidthColon{"："};

// Date units: the year, and the units that take a month or day number.
inline constexpr std::string_view yearUnit{"年"};
inline constexpr std::string_view monthUnit{"月"};
inline constexpr LexiconList monthDayUnitList{"<月><日><号><月份>"};
inline constexpr std::string_view dayUnit{"日"};
inline constexpr std::string_view dayNumberUnit{"号"};

// Clock units: the hour words, the minute, the quarter (and how many quarters
// are spoken: 一刻 and 三刻), and the parts of 点钟 the decimal rule looks at.
inline constexpr LexiconList hourUnitList{"<点><点钟><时>"};
inline constexpr std::string_view hourUnit{"点"};
inline constexpr std::string_view decimalPoint = hourUnit;  // 点 between numerals: 三点五
inline constexpr std::string_view hourUnitAlt{"时"};
inline constexpr std::string_view clockBellSuffix{"钟"};
inline constexpr std::string_view minuteUnit{"分"};
inline constexpr std::string_view quarterUnit{"刻"};
inline constexpr LexiconList quarterCountList{"<一><三>"};

}  // namespace vestrilo
