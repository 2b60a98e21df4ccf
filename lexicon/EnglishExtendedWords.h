// Word data of the extended English rules: the words the extended rule set
// reads beyond the classic lists, the context words its guards weigh, and the
// Chinese its translators write for them.
#pragma once

#include <string_view>

#include "lexicon/Lexicon.h"

namespace vestrilo {

// Weekday abbreviations as logs, mail headers and calendars write them. Those
// of the list below are weekdays whenever a comma or a stop follows them
// (Open Mon, closed Tue.); Wed, Sat and Sun are words and names too (Sun, IBM
// and HP) and are weekdays only inside a date or beside another weekday.
inline constexpr TaggedMap weekdayAbbreviationMap{
    "<mon>(星期一)<tue>(星期二)<tues>(星期二)<wed>(星期三)<thu>(星期四)<thur>(星期四)<thurs>(星期四)"
    "<fri>(星期五)<sat>(星期六)<sun>(星期日)"};

inline constexpr LexiconList plainWeekdayAbbreviationList{"<mon><tue><tues><thu><thur><thurs><fri>"};

// Month words that are ordinary words when written in lower case: may and march
// the verbs, and the abbreviations (dec, sep, mar ...). The extended rules read
// them as months only with a capital.
inline constexpr LexiconList lowerCaseNonMonthList{
    "<may><march><jan><feb><mar><apr><jun><jul><aug><sep><sept><oct><nov><dec>"};

// The words with which the extended rules find an entity in a line that holds
// no digit and no word of the classic lists (half, a dozen, threescore,
// nought, trillionth, midnight, Mon beside Tue): the quick scan lets a line
// through when it holds one of them.
inline constexpr LexiconList extendedTriggerList{
    "<half><quarter><quarters><dozen><dozens><twoscore><threescore><fourscore><nought><naught>"
    "<trillion><trillionth><millionth><billionth><nineth><midnight><noon>"
    "<mon><tue><tues><wed><thu><thur><thurs><fri><sat><sun>"};

// "one" counts rather than stands for a person or thing when one of these words
// comes before it (more than one, at least one) ...
inline constexpr LexiconList oneCountsAfterList{"<than><least><most><exactly><just><nearly><almost><per>"};
// ... and is the pronoun after a determiner or a word that qualifies it (the
// one, every one, the old one, no one).
inline constexpr LexiconList onePronounAfterList{
    "<the><this><that><every><no><any><each><which><another><such><my><your><his><her><our><their><its>"
    "<old><new><other><same><last><next><first><second><right><wrong><little><big><fair><holy><recent><specified>"};
// Words after "one" that make it the pronoun or an idiom (one must, one another,
// one day, one way or another); a singular noun after it makes it a count.
inline constexpr LexiconList oneNotCountingBeforeList{
    "<another><day><night><evening><morning><time><times><point><way><thing><bit><hand><side><more><less>"
    "<must><can><cannot><could><may><might><shall><should><will><would><ought><need><dare>"
    "<is><was><were><are><be><been><being><has><had><have><does><did><do><gets><got><goes><went>"
    "<said><saw><says><knows><knew><thought><made><makes><took><takes><came><comes><found><finds>"
    "<that><which><who><whom><whose><what><where><when><why><how><if><then><than><so><too><as>"
    "<to><for><in><on><at><by><with><from><into><onto><upon><about><after><before><over><under>"
    "<and><or><nor><but><not><yet><the><a><an><his><her><its><my><your><our><their><him><them>"
    "<it><he><she><we><they><you><i><me><us><this><these><those><there><here><also><only><just>"
    "<never><always><often><still><even><ever><else><day's><another's><way's><self>"};
// Words after "one" that count it all the same when it has no noun after it:
// one of them, one per line, one each, one or more.
inline constexpr LexiconList oneCountsBeforeList{"<of><per><each>"};

// Determiners before "first" when it is the ordinal (the first release, its
// first argument); without one, "first" is the adverb (first converted, First,
// the server ...).
inline constexpr LexiconList firstOrdinalAfterList{
    "<the><a><an><its><his><her><their><our><my><your><whose><this><that><every><each>"};
// Words after "first" that make it no ordinal: the first few, a first name,
// the first 35 lines (前35行).
inline constexpr LexiconList firstIdiomBeforeList{"<few><name><names><half>"};

// Words after which "second" is the unit of time (1 second, per second).
inline constexpr LexiconList secondUnitAfterList{"<per><every><each><split>"};

// Signs of a clock time around a number that may be one (ten to five, at
// five): a word before it (at ten to five) that makes it a time when the
// sentence ends after it, and words after it that make it one anyway (ten to
// five p.m., at five sharp, at nine in the morning). Without them "ten to
// one" are odds, "two of three" a count and "after three days" no time.
inline constexpr LexiconList clockEvidenceBeforeList{"<at><by><until><till><before><after><around><about>"};
inline constexpr LexiconList clockEvidenceAfterList{
    "<o'clock><a.m.><p.m.><am><pm><sharp><tonight><today><tomorrow><yesterday>"};
inline constexpr LexiconList partOfDayList{"<morning><afternoon><evening><night>"};

// Idioms written with a number word and a hyphen, which the rule that splits
// a number word off its hyphenated noun leaves whole (a two-bit company).
inline constexpr LexiconList numberHyphenIdiomList{"<two-bit><one-shot><one-time><one-way><one-off><one-liner>"};

// The curly quotes of UTF-8 text, which the extended rules read as punctuation
// at the edges of a word (‘Million’, “20”).
inline constexpr std::string_view curlyQuotes[] = {"\xE2\x80\x98", "\xE2\x80\x99", "\xE2\x80\x9C", "\xE2\x80\x9D"};

// Unit suffixes glued to digits (83MiB, 5km): the number is the digits.
inline constexpr LexiconList gluedUnitList{
    "<kb><mb><gb><tb><pb><kib><mib><gib><tib><pib><bit><bits><byte><bytes><km><cm><mm><nm>"
    "<kg><mg><ms><us><ns><hz><khz><mhz><ghz><px><pt><in><ft><lb><lbs><oz><kw><w><v><ma><mah><dpi><bpp>"};
// Letter multipliers glued to digits (10k, 1.2b) with the scale word they stand for.
inline constexpr TaggedMap letterMultiplierMap{"<k>(thousand)<bn>(billion)<b>(billion)"};

// Plural and collective words that make a count of their own (a dozen, dozens
// of) and their values; "score" is twenty (threescore and ten).
inline constexpr std::string_view dozenWord = "dozen";
inline constexpr std::string_view decadeWord = "decade";
inline constexpr std::string_view dozensWord = "dozens";
inline constexpr std::string_view scoreWord = "score";
inline constexpr std::string_view halfWord = "half";
inline constexpr std::string_view quarterWord = "quarter";
inline constexpr std::string_view quartersWord = "quarters";
inline constexpr std::string_view aQuarterWords = "a quarter";
inline constexpr std::string_view oneQuarterWords = "one quarter";
// The sign of a negative glued to its digits: -5.
inline constexpr std::string_view minusSign = "-";

// Words glued by a hyphen before a year (mid-1993, early-2002).
inline constexpr LexiconList yearPrefixList{"<mid><early><late><pre><post>"};

// Times of day named by a word, and their Chinese.
inline constexpr TaggedMap clockWordMap{"<midnight>(午夜)<noon>(中午)"};

// Words for zero the classic number map lacks.
inline constexpr LexiconList zeroWordList{"<nought><naught>"};

// Ordinal words the classic lists lack, with the cardinal words they are
// counted with (Nineth is a common misspelling of ninth).
inline constexpr TaggedMap extendedOrdinalMap{
    "<nineth>(nine)<millionth>(million)<billionth>(billion)<trillionth>(trillion)"};

// Old multiples of twenty, as the words they stand for.
inline constexpr TaggedMap scoreWordMap{"<twoscore>(forty)<threescore>(sixty)<fourscore>(eighty)"};

// Scale words beyond the classic magnitudes.
inline constexpr std::string_view trillionWord = "trillion";

// Signs of a negative number in words.
inline constexpr LexiconList negativeWordList{"<minus><negative>"};

// Words joining the two numbers of a range or approximation (two or three,
// 0 through 15).
inline constexpr std::string_view orWord = "or";
inline constexpr std::string_view throughWord = "through";
inline constexpr std::string_view moreWord = "more";
inline constexpr std::string_view outWord = "out";
inline constexpr std::string_view overWord = "over";
inline constexpr std::string_view perWord = "per";
inline constexpr std::string_view centWord = "cent";

// Chinese of the extended renderings.
namespace zhExtended {
inline constexpr std::string_view negative = "负";
inline constexpr std::string_view mixedAnd = "又";          // one and a half = 一又二分之一
inline constexpr std::string_view half = "一半";             // the other half
inline constexpr std::string_view halfOf = "半";             // half an hour
inline constexpr std::string_view oneHalf = "二分之一";      // a half
inline constexpr std::string_view quarterDenominator = "四";  // three quarters = 四分之三
inline constexpr std::string_view dozens = "几十";           // dozens of
inline constexpr std::string_view rangeOr = "或";            // two or four
inline constexpr std::string_view rangeTo = "到";            // 7月2日到5日
inline constexpr std::string_view two = "两";               // two or three = 两三
inline constexpr std::string_view decade = "年代";           // the 1990s = 20世纪90年代
inline constexpr std::string_view century = "世纪";
inline constexpr std::string_view month = "月";
}  // namespace zhExtended

}  // namespace vestrilo
