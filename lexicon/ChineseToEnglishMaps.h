// Word knowledge of the Chinese-to-English translators: the tagged maps that
// turn digits, Chinese numerals, months, weekdays and cardinal words into
// English, the Chinese words they look for beyond the characters of
// lexicon/ChineseNumeralMaps.h, and the English words they write beyond the
// shared ones of lexicon/Lexicon.h.
//
// Every map is a TaggedMap text ("<key>(value)..."), looked up by substring
// search. The texts are part of the behaviour: translateFigure reads the byte
// positions of figureWordMap's entries, and translateNumber tests the first
// letters of its words against the values of onesWordMap and tensWordMap.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

// ASCII digit -> English word.
inline constexpr TaggedMap unitWordMap{
    "<0>(zero)<1>(one)<2>(two)<3>(three)<4>(four)<5>(five)<6>(six)<7>(seven)<8>(eight)<9>(nine)"};

namespace detail {

inline constexpr std::string_view kBelowTwenty[20] = {
    "",        "one",     "two",       "three",    "four",    "five",    "six",
    "seven",   "eight",   "nine",      "ten",      "eleven",  "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen",  "seventeen", "eighteen", "nineteen"};
inline constexpr std::string_view kTens[10] = {"",      "",      "twenty",  "thirty", "forty",
                                                "fifty", "sixty", "seventy", "eighty", "ninety"};

// The English words of 1..99: the word below twenty, the tens word, or the
// tens word, a hyphen and the units word.
constexpr std::size_t twoDigitValueLength(int n) {
  if (n < 20) return kBelowTwenty[n].size();
  if (n % 10 == 0) return kTens[n / 10].size();
  return kTens[n / 10].size() + 1 + kBelowTwenty[n % 10].size();
}

// Each entry is "<dd>(words)": six bytes of frame around the words.
constexpr std::size_t twoDigitMapLength() {
  std::size_t total = 0;
  for (int n = 1; n <= 99; ++n) total += 6 + twoDigitValueLength(n);
  return total;
}

template <std::size_t N>
struct MapText {
  std::array<char, N> bytes{};
  constexpr std::string_view view() const { return std::string_view(bytes.data(), N); }
};

template <std::size_t N>
constexpr std::size_t putText(MapText<N>& m, std::size_t at, std::string_view s) {
  for (char c : s) m.bytes[at++] = c;
  return at;
}

constexpr MapText<twoDigitMapLength()> buildTwoDigitWordMap() {
  MapText<twoDigitMapLength()> m{};
  std::size_t k = 0;
  for (int n = 1; n <= 99; ++n) {
    const char key[2] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    k = putText(m, k, "<");
    k = putText(m, k, std::string_view(key, 2));
    k = putText(m, k, ">(");
    if (n < 20) {
      k = putText(m, k, kBelowTwenty[n]);
    } else {
      k = putText(m, k, kTens[n / 10]);
      if (n % 10 != 0) {
        k = putText(m, k, "-");
        k = putText(m, k, kBelowTwenty[n % 10]);
      }
    }
    k = putText(m, k, ")");
  }
  return m;
}

inline constexpr auto kTwoDigitWordMapText = buildTwoDigitWordMap();

}  // namespace detail

// "01" .. "99" -> English words ("21" -> "twenty-one"); there is no key "00".
// The text is built at compile time from the words below twenty and the tens,
// in key order with nothing between entries.
inline constexpr TaggedMap twoDigitWordMap{detail::kTwoDigitWordMapText.view()};

// Scale word of each three-digit group, counted from the right.
inline constexpr std::string_view scaleWords[] = {"", "thousand", "million", "billion", "trillion",
                                                  "quadrillion"};
inline constexpr std::size_t scaleWordCount = sizeof(scaleWords) / sizeof(scaleWords[0]);

// Chinese numeral -> units word, and -> tens word (for the approximate pairs).
inline constexpr TaggedMap onesWordMap{
    "<一>(one)<二>(two)<两>(two)<三>(three)<四>(four)<五>(five)<六>(six)<七>(seven)<八>(eight)"
    "<九>(nine)"};
inline constexpr TaggedMap tensWordMap{
    "<一>(ten)<二>(twenty)<两>(twenty)<三>(thirty)<四>(forty)<五>(fifty)<六>(sixty)<七>(seventy)"
    "<八>(eighty)<九>(ninety)"};

// Chinese digit -> English digit word. The entry order and the three spaces
// after "(zero)" are deliberate: a two-character figure is an approximate pair
// ("three or four") exactly when its second character's entry starts at most
// 11 bytes after its first character's entry, which holds for neighbouring
// digits from 一两 to 八九 (and 二零) but not for 二三, 一二 or 零一.
inline constexpr TaggedMap figureWordMap{
    "<二>(two)<零>(zero)   <一>(one)<两>(two)<三>(three)<四>(four)<五>(five)<六>(six)<七>(seven)"
    "<八>(eight)<九>(nine)"};

// Month in Chinese numerals or ASCII digits -> English month name.
inline constexpr TaggedMap monthNameMap{
    "<一>(January)<二>(February)<三>(March)<四>(April)<五>(May)<六>(June)<七>(July)<八>(August)"
    "<九>(September)<十>(October)<十一>(November)<十二>(December)<1>(January)<2>(February)"
    "<3>(March)<4>(April)<5>(May)<6>(June)<7>(July)<8>(August)<9>(September)<10>(October)"
    "<11>(November)<12>(December)"};

// Cardinal word -> ordinal word, for the last word of a number.
inline constexpr TaggedMap ordinalWordMap{
    "<one>(first)<two>(second)<three>(third)<four>(fourth)<five>(fifth)<six>(sixth)"
    "<seven>(seventh)<eight>(eighth)<nine>(ninth)<ten>(tenth)<eleven>(eleventh)<twelve>(twelfth)"
    "<thirteen>(thirteenth)<fourteen>(fourteenth)<fifteen>(fifteenth)<sixteen>(sixteenth)"
    "<seventeen>(seventeenth)<eighteen>(eighteenth)<nineteen>(nineteenth)<twenty>(twentieth)"
    "<thirty>(thirtieth)<forty>(fortieth)<fifty>(fiftieth)<sixty>(sixtieth)<seventy>(seventieth)"
    "<eighty>(eightieth)<ninety>(ninetieth)<hundred>(hundredth)<thousand>(thousandth)"
    "<million>(millionth)<billion>(billionth)"};

// Week words: 星期五, 周五, 每周五 (every Friday).
inline constexpr std::string_view weekWord{"星期"};
inline constexpr std::string_view weekWordShort{"周"};
inline constexpr std::string_view everyMarker{"每"};

// The 份 of 月份 (八月份: the month of August).
inline constexpr std::string_view monthWordSuffix{"份"};

// 一半, read "half".
inline constexpr std::string_view halfOfOneWord{"一半"};

// Minutes that a clock time says in words after its hour, with their number in
// digits: 半 (half past) is 30, 一刻 (a quarter past) 15, 三刻 45. When the
// minutes hold several, the last entry that they hold stands.
struct ClockMinuteWord {
  std::string_view word;
  std::string_view minutes;
};
inline constexpr ClockMinuteWord clockMinuteWords[] = {{numeralHalf, "30"}, {"一刻", "15"}, {"三刻", "45"}};

// Fractions with English names of their own.
struct NamedFraction {
  std::string_view numerator;
  std::string_view denominator;
  std::string_view english;
};
inline constexpr NamedFraction namedFractions[] = {
    {numeralOne, "二", "one half"}, {numeralOne, "四", "one quarter"}, {"三", "四", "three quarters"}};
// 百分之百.
inline constexpr std::string_view wholePercentWords{"one hundred percent"};

// The English eras after a year: before the common era (公元前) and in it (公元).
inline constexpr std::string_view eraBeforeEnglish{"B.C."};
inline constexpr std::string_view eraEnglish{"A.D."};

// Day character after 周 or 星期 -> English weekday.
inline constexpr TaggedMap weekdayNameMap{
    "<一>(Monday)<二>(Tuesday)<三>(Wednesday)<四>(Thursday)<五>(Friday)<六>(Saturday)<日>(Sunday)"
    "<天>(Sunday)"};

}  // namespace vestrilo
