// Ordinal and weekday translation: third = 第三, twenty-first = 第二十一,
// 21st = 第21, monday = 星期一.
//
// An ordinal whose last word is no ordinal (quarter, half), digits without an
// ordinal suffix, and a word that names no weekday have no rendering: the
// result is empty.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishNumberMaps.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

bool hasOrdinalSuffix(std::string_view s) {
  if (s.size() < 2) return false;
  for (std::string_view suffix : ordinalSuffixes)
    if (s.substr(s.size() - 2) == suffix) return true;
  return false;
}

// The ordinal word of a cardinal word (one = first), or empty.
std::string_view ordinalWordOf(std::string_view cardinal) {
  const std::string_view map = ordinalCardinalMap.text();
  const std::size_t p = map.find("(" + std::string(cardinal) + ")");
  if (p == npos) return {};
  const std::size_t close = map.rfind('>', p), open = map.rfind('<', p);
  if (close == npos || open == npos || open > close) return {};
  return map.substr(open + 1, close - open - 1);
}

}  // namespace

std::string EnglishSentence::translateOrdinal(std::string text) {
  if (!text.empty() && ascii::isDigit(text[0])) {
    // Digits keep their digits: 21st = 第21.
    if (!hasOrdinalSuffix(text)) return {};
    return std::string(zhWord::ordinalPrefix) + text.substr(0, text.size() - 2);
  }
  if (text.compare(0, enWord::the.size(), enWord::the) == 0) text.erase(0, enWord::the.size());

  // The ordinal word is the last word, or the part of it after a hyphen:
  // "one hundred and twenty-first" ends in "first".
  std::size_t begin;
  const std::size_t lastSpace = text.rfind(' ');
  if (lastSpace != npos) {
    const std::size_t hyphen = text.find('-', lastSpace);
    begin = (hyphen != npos ? hyphen : lastSpace) + 1;
  } else {
    const std::size_t hyphen = text.find('-');
    begin = hyphen != npos ? hyphen + 1 : 0;
  }
  const std::string_view cardinal = ordinalCardinalMap.lookup(std::string_view(text).substr(begin));
  if (cardinal.empty()) return {};
  text.replace(begin, npos, cardinal);

  const std::string number = translateNumber(text);
  if (number.empty()) return {};
  return std::string(zhWord::ordinalPrefix) + number;
}

std::string EnglishSentence::translateOrdinal(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateOrdinal(std::move(text));
  // The archaic "one and twentieth" is twenty-first.
  if (const std::size_t a = text.find(" and "); a != npos) {
    const std::string units = text.substr(0, a);
    const std::string rest = text.substr(a + 5);
    const std::string_view tens = ordinalCardinalMap.lookup(rest);
    const std::string_view unitsOrdinal = ordinalWordOf(units);
    if (englishUnitsList.wordPosition(units) < unitsDigitWordsEnd && !unitsOrdinal.empty() &&
        englishTensList.hasWord(tens))
      text = std::string(tens) + "-" + std::string(unitsOrdinal);
  }
  // The ordinals the classic map lacks: nineth, millionth, trillionth.
  const std::size_t space = text.rfind(' ');
  const std::size_t begin = space == npos ? 0 : space + 1;
  if (const std::string_view cardinal = extendedOrdinalMap.lookup(std::string_view(text).substr(begin));
      !cardinal.empty()) {
    text.replace(begin, npos, cardinal);
    // A scale word alone counts one of it (trillionth = 第一万亿).
    if (begin == 0 && (cardinal == trillionWord || englishMagnitudeList.hasWord(cardinal)))
      text = std::string(enWord::one) + " " + text;
    const std::string number = translateNumber(text, rules);
    return number.empty() ? std::string() : std::string(zhWord::ordinalPrefix) + number;
  }
  return translateOrdinal(std::move(text));
}

std::string EnglishSentence::translateWeek(std::string text) { return weekdayMap.value(text); }

std::string EnglishSentence::translateWeek(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateWeek(std::move(text));
  std::string_view day = weekdayMap.lookup(text);
  if (day.empty()) day = weekdayAbbreviationMap.lookup(text);
  return std::string(day);
}

}  // namespace vestrilo
