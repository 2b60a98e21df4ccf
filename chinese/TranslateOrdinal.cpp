// Ordinal, week and punctuation translation: 第二十一 "twenty-first", 第3
// "3rd", 每周五 "every Friday", and the full-width comma or colon of an Arabic
// number made ASCII.
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

// English suffix of a number written in digits: 1st 2nd 3rd 4th, 11th 12th
// 13th, 21st 22nd 23rd, 100th.
std::string_view digitSuffix(std::string_view number) {
  const char last = number.back();
  const bool teen = number.size() >= 2 && number[number.size() - 2] == '1';
  if (!teen && last >= '1' && last <= '3') return ordinalSuffixes[last - '0'];
  return ordinalSuffixes[0];
}

}  // namespace

std::string ChineseSentence::translateOrdinal(std::string text) {
  const std::size_t mark = gbk::find(text, ordinalMarker);
  std::string number = mark == std::string::npos ? text : text.substr(mark + ordinalMarker.size());

  if (!number.empty() && ascii::isDigit(number[0])) {
    // Digits with Chinese text inside, or ending in a sign (25%), are no
    // number to put a suffix on.
    for (char c : number)
      if (gbk::isLeadByte(c)) return {};
    if (!ascii::isDigit(number.back())) return {};
    number += digitSuffix(number);
    return number;
  }

  // Only the last word of the cardinal changes: "twenty-one" -> "twenty-first",
  // "one thousand one" -> "one thousand first".
  std::string words = translateNumber(number);
  const std::size_t space = words.rfind(' ');
  std::size_t lastWord = space == std::string::npos ? 0 : space + 1;
  const std::size_t hyphen = words.find('-', lastWord);
  if (hyphen != std::string::npos) lastWord = hyphen + 1;

  // A last word without an ordinal form ("zero", "half", "trillion") gives no
  // rendering rather than a broken one.
  const std::string_view ordinal = ordinalWordMap.lookup(std::string_view(words).substr(lastWord));
  if (ordinal.empty()) return {};
  words.replace(lastWord, std::string::npos, ordinal);
  return words;
}

std::string ChineseSentence::translateWeek(std::string text) {
  std::string day;
  if (const std::size_t p = gbk::find(text, weekWord); p != std::string::npos)
    day = text.substr(p + weekWord.size());
  else if (const std::size_t q = gbk::find(text, weekWordShort); q != std::string::npos)
    day = text.substr(q + weekWordShort.size());

  std::string result = day.empty() ? std::string() : weekdayNameMap.value(day);
  if (result.empty()) return {};
  if (gbk::startsWith(text, everyMarker)) {
    result.insert(0, 1, ' ');
    result.insert(0, enWord::every);
  }
  return result;
}

std::string ChineseSentence::convertPunctuation(std::string text) {
  // Only one of the two is converted: a text holding both keeps its colons.
  const bool comma = gbk::contains(text, fullWidthComma);
  if (!comma && !gbk::contains(text, fullWidthColon)) return text;
  const std::string_view from = comma ? fullWidthComma : fullWidthColon;
  const char to = comma ? ',' : ':';
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = gbk::charLength(text, i);
    if (text.compare(i, len, from) == 0) {
      out += to;
    } else {
      out.append(text, i, len);
    }
    i += len;
  }
  return out;
}

}  // namespace vestrilo
