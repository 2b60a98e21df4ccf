// Date translation, day before month before year: 二零零八年八月八日 "eighth
// August 2008", 2008年8月8日 "8th August 2008", 8月5号6号7号 "5th , 6th and 7th
// August", 公元前221年 "  221 B.C.". The single space between the day part and
// the month is always written, so a date without a day starts with a space.
#include <algorithm>

#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

std::string ordinalDay(std::string_view dayText) {
  return ChineseSentence::translateOrdinal("第" + std::string(dayText));
}

// The days ending in `marker` (日 or 号): the first day starts at dayStart, each
// later one right after the previous marker. The last is joined by " and ", the
// others by " , ". Empty when some day has no ordinal.
std::string dayList(std::string_view text, std::size_t dayStart, std::size_t first, std::string_view marker) {
  std::string words = ordinalDay(text.substr(dayStart, first - dayStart));
  if (words.empty()) return {};
  std::size_t current = first;
  while (current + marker.size() < text.size()) {
    const std::size_t from = current + marker.size();
    const std::size_t next = gbk::find(text, marker, from);
    if (next == npos) break;
    const std::string day = ordinalDay(text.substr(from, next - from));
    if (day.empty()) return {};
    words += next + marker.size() == text.size() ? " and " : " , ";
    words += day;
    current = next;
  }
  return words;
}

// Where a day's text starts: right after the latest of the given markers that
// precedes the day's own marker, or at the start of the text.
std::size_t dayStartBefore(std::size_t dayMarker, std::initializer_list<std::size_t> markers) {
  std::size_t start = 0;
  for (std::size_t m : markers)
    if (m != npos && m < dayMarker) start = std::max(start, m + 2);
  return start;
}

}  // namespace

std::string ChineseSentence::translateDate(std::string text) {
  std::string era;
  const std::size_t gongyuan = gbk::find(text, "公元");
  const std::size_t qian = gbk::find(text, "前");
  if (gongyuan != npos && qian != npos) {
    era = " B.C.";
    text.erase(0, qian + 2);
  } else if (gongyuan != npos) {
    era = " A.D.";
    text.erase(0, gongyuan + 4);
  }

  const std::size_t nian = gbk::find(text, "年");
  const std::size_t yue = gbk::find(text, "月");
  const std::size_t ri = gbk::find(text, "日");
  const std::size_t hao = gbk::find(text, "号");

  std::string yearText, yearDigits;
  if (nian != npos) {
    yearText = text.substr(0, nian);
    yearDigits = !yearText.empty() && ascii::isDigit(yearText[0]) ? yearText : chineseDigitsToArabic(yearText);
    // A year is written in ASCII: a year text that mixes in Chinese (a month
    // before it, 5月2008年) has no rendering.
    if (yearDigits.empty()) return {};
    for (char c : yearDigits)
      if (gbk::isLeadByte(c)) return {};
  }

  std::string monthWord;
  if (yue != npos) {
    const std::size_t from = nian != npos && nian < yue ? nian + 2 : 0;
    monthWord = monthNameMap.value(std::string_view(text).substr(from, yue - from));
    // A month that is no month (十三月, 0月) has no rendering.
    if (monthWord.empty()) return {};
  }

  // Days before 日, then days before 号; the 号 days replace the 日 days.
  std::string dayWords;
  bool hasDay = false;
  if (ri != npos) {
    dayWords = dayList(text, dayStartBefore(ri, {nian, yue}), ri, "日");
    hasDay = ri > dayStartBefore(ri, {nian, yue});
  }
  if (hao != npos) {
    dayWords = dayList(text, dayStartBefore(hao, {nian, yue, ri}), hao, "号");
    hasDay = hasDay || hao > dayStartBefore(hao, {nian, yue, ri});
  }
  // 五月十五: a day written without 日 or 号 is read only when it holds 十.
  if (yue != npos && ri == npos && hao == npos && gbk::find(text, "十", yue) != npos) {
    const std::string_view dayText = std::string_view(text).substr(yue + 2);
    dayWords = ordinalDay(dayText);
    hasDay = !dayText.empty();
  }
  if (hasDay && dayWords.empty()) return {};

  std::string result = hasDay ? dayWords : std::string();
  result += ' ';
  result += monthWord;
  if (!yearText.empty()) {
    result += ' ';
    result += yearDigits;
  }
  result += era;
  if (result.find_first_not_of(' ') == npos) return {};
  return result;
}

}  // namespace vestrilo
