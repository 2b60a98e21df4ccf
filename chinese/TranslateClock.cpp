// Clock translation: 三点 "three o'clock", 三点二十分 "three twenty",
// 三点零五分 "five past three", 三点一刻 "three fifteen". Hours and minutes in
// ASCII digits are read as numbers (3点20分 "three twenty").
#include "chinese/ChineseSentence.h"
#include "chinese/EnglishText.h"
#include "core/Bytes.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

// The words of a number text: digits are read as a number, anything else as a
// Chinese numeral.
std::string numberWords(const std::string& text) {
  if (!text.empty() && ascii::isDigit(text[0])) return ChineseSentence::digitsToEnglish(text);
  return ChineseSentence::translateNumber(text);
}

// The words of an hour; hour 0 in digits is "zero", as 零点 is.
std::string hourWords(const std::string& text) {
  std::string words = numberWords(text);
  if (words.empty() && !text.empty() && text.find_first_not_of('0') == npos) words = enWord::zero;
  return words;
}

}  // namespace

std::string ChineseSentence::translateClock(std::string text) {
  // 三点零五分: the closing 分 goes, so the minutes are read by the 零 rule.
  if (gbk::contains(text, minuteUnit) && gbk::contains(text, numeralZero)) {
    text.erase(gbk::lastCharOffset(text));
    while (!text.empty() && ascii::isSpace(text.back())) text.pop_back();
  }

  // Whole hours: the first hour word, in the list's order, whose first place
  // in the text ends it decides.
  bool wholeHours = false;
  std::string whole;
  forEachBracketedWord(hourUnitList.text(), [&](std::string_view marker, std::size_t) {
    const std::size_t at = gbk::find(text, marker);
    if (at == npos || at + marker.size() != text.size()) return true;
    wholeHours = true;
    whole = hourWords(text.substr(0, at));
    if (!whole.empty()) english_text::appendWord(whole, oclockWord);
    return false;
  });
  if (wholeHours) return whole;

  std::size_t marker = gbk::find(text, hourUnit);
  if (marker == npos) marker = gbk::find(text, hourUnitAlt);
  if (marker == npos) return {};
  const std::string hour = hourWords(text.substr(0, marker));
  if (hour.empty()) return {};
  const std::size_t after = marker + 2;
  std::string minuteText = text.substr(after);
  std::string minuteWords;

  if (const std::size_t fen = gbk::find(text, minuteUnit, after); fen != npos) {
    minuteText = text.substr(after, fen - after);
    minuteWords = numberWords(minuteText);
  } else if (!minuteText.empty() && ascii::isDigit(minuteText[0])) {
    minuteWords = numberWords(minuteText);
  } else {
    if (gbk::contains(minuteText, magnitudeTen)) minuteWords = numberWords(minuteText);
    if (gbk::contains(minuteText, numeralZero)) {
      minuteWords = numberWords(minuteText);
      if (minuteWords.empty()) return {};
      english_text::appendJoiningWord(minuteWords, enWord::past);
      return minuteWords + hour;
    }
    for (const ClockMinuteWord& m : clockMinuteWords)
      if (gbk::contains(minuteText, m.word)) minuteWords = twoDigitWordMap.value(m.minutes);
  }

  if (minuteWords.empty()) return hour;
  return hour + " " + minuteWords;
}

}  // namespace vestrilo
