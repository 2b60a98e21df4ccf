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
const char* digitSuffix(std::string_view number) {
  const char last = number.back();
  const bool teen = number.size() >= 2 && number[number.size() - 2] == '1';
  if (teen) return "th";
  switch (last) {
    case '1': return "st";
    case '2': return "nd";
    case '3': return "rd";
    default: return "th";
  }
}

}  // namespace

std::string ChineseSentence::translateOrdinal(std::string text) {
  const std::size_t mark = gbk::find(text, "第");
  std::string number = mark == std::string::npos ? text : text.substr(mark + 2);

  if (!number.empty() && ascii::isDigit(number[0])) {
    // Digits with Chinese text inside, or ending in a sign (25%), are no
    // number to put a suffix on.
    for (char c : number)
      if (gbk::isLeadByte(c)) return {};
    if (!ascii::isDigit(number.back())) return {};
    return number + digitSuffix(number);
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
  if (const std::size_t p = gbk::find(text, "星期"); p != std::string::npos)
    day = text.substr(p + 4);
  else if (const std::size_t q = gbk::find(text, "周"); q != std::string::npos)
    day = text.substr(q + 2);

  std::string result = day.empty() ? std::string() : weekdayNameMap.value(day);
  if (result.empty()) return {};
  if (gbk::startsWith(text, "每")) result.insert(0, "every ");
  return result;
}

std::string ChineseSentence::convertPunctuation(std::string text) {
  // Only one of the two is converted: a text holding both keeps its colons.
  const char* from = gbk::contains(text, "，") ? "，" : gbk::contains(text, "：") ? "：" : nullptr;
  if (!from) return text;
  const char to = std::string_view(from) == "，" ? ',' : ':';
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
