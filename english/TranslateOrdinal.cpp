// Ordinal and weekday translation: third = 第三, twenty-first = 第二十一,
// 21st = 第21, monday = 星期一.
//
// An ordinal whose last word is no ordinal (quarter, half), digits without an
// ordinal suffix, and a word that names no weekday have no rendering: the
// result is empty.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
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

std::string EnglishSentence::translateWeek(std::string text) { return weekdayMap.value(text); }

}  // namespace vestrilo
