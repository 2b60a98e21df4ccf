// Date translation, day before month before year: 二零零八年八月八日 "eighth
// August 2008", 2008年8月8日 "8th August 2008", 8月5号6号7号 "5th , 6th and 7th
// August", 公元前221年 "  221 B.C.". The single space between the day part and
// the month is always written, so a date without a day starts with a space.
#include <algorithm>

#include "chinese/ChineseSentence.h"
#include "chinese/EnglishText.h"
#include "core/Bytes.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

// A month or day number written in ASCII digits is read without its leading
// zeros (03 is 3, software writes 2005年03月03日); a lone 0 stays 0, and 00 is 0.
std::string_view withoutLeadingZeros(std::string_view text) {
  if (!ascii::isDigits(text)) return text;
  const std::size_t first = std::min(text.find_first_not_of('0'), text.size() - 1);
  return text.substr(first);
}

std::string ordinalDay(std::string_view dayText) {
  std::string ordinal(ordinalMarker);
  ordinal += withoutLeadingZeros(dayText);
  return ChineseSentence::translateOrdinal(std::move(ordinal));
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
    if (next + marker.size() == text.size())
      english_text::appendJoiningWord(words, enWord::andWord);
    else
      words += " , ";
    words += day;
    current = next;
  }
  return words;
}

// Where a day's text starts: right after the latest of the given words that
// ends before the day's own marker, or at the start of the text. Each word is
// given by the offset just past it (npos when the text has none).
std::size_t dayStartBefore(std::size_t dayMarker, std::initializer_list<std::size_t> wordEnds) {
  std::size_t start = 0;
  for (std::size_t end : wordEnds)
    if (end != npos && end <= dayMarker) start = std::max(start, end);
  return start;
}

// The offset just past a one-character marker at `at`, or npos without one.
std::size_t pastMarker(std::size_t at) { return at == npos ? npos : at + 2; }

}  // namespace

std::string ChineseSentence::translateDate(std::string text) {
  std::string era;
  const std::size_t gongyuan = gbk::find(text, eraWord);
  const std::size_t qian = gbk::find(text, eraBeforeWord);
  if (gongyuan != npos && qian != npos) {
    english_text::appendWord(era, eraBeforeEnglish);
    text.erase(0, qian + eraBeforeWord.size());
  } else if (gongyuan != npos) {
    english_text::appendWord(era, eraEnglish);
    text.erase(0, gongyuan + eraWord.size());
  }

  const std::size_t nian = gbk::find(text, yearUnit);
  const std::size_t yue = gbk::find(text, monthUnit);
  const std::size_t ri = gbk::find(text, dayUnit);
  const std::size_t hao = gbk::find(text, dayNumberUnit);

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
  // The month word ends after 月, or after 月份 (八月份11日: the day follows 份).
  std::size_t monthEnd = pastMarker(yue);
  if (yue != npos) {
    const std::size_t from = nian != npos && nian < yue ? nian + 2 : 0;
    monthWord = monthNameMap.value(withoutLeadingZeros(std::string_view(text).substr(from, yue - from)));
    // A month that is no month (十三月, 0月) has no rendering.
    if (monthWord.empty()) return {};
    if (gbk::startsWith(gbk::slice(text, monthEnd), monthWordSuffix)) monthEnd += monthWordSuffix.size();
  }

  // Days before 日, then days before 号; the 号 days replace the 日 days.
  std::string dayWords;
  bool hasDay = false;
  if (ri != npos) {
    const std::size_t from = dayStartBefore(ri, {pastMarker(nian), monthEnd});
    dayWords = dayList(text, from, ri, dayUnit);
    hasDay = ri > from;
  }
  if (hao != npos) {
    const std::size_t from = dayStartBefore(hao, {pastMarker(nian), monthEnd, pastMarker(ri)});
    dayWords = dayList(text, from, hao, dayNumberUnit);
    hasDay = hasDay || hao > from;
  }
  // 五月十五: a day written without 日 or 号 is read only when it holds 十.
  if (yue != npos && ri == npos && hao == npos && gbk::find(text, magnitudeTen, yue) != npos) {
    const std::string_view dayText = gbk::slice(text, monthEnd);
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
