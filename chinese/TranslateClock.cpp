// Clock translation: 三点 "three o'clock", 三点二十分 "three twenty",
// 三点零五分 "five past three", 三点一刻 "three fifteen". Hours and minutes in
// ASCII digits are read as numbers (3点20分 "three twenty").
#include "chinese/ChineseSentence.h"
#include "chinese/EnglishText.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
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

// The extended rules' readings of a clock time beyond the classic ones.
std::string extendedClock(std::string text);

}  // namespace

std::string ChineseSentence::translateClock(std::string text, RuleSet rules) {
  if (rules == RuleSet::Extended) return extendedClock(std::move(text));
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

namespace {

// The hour of a clock text (before its 点 or 时) as a number, or -1.
int hourValue(std::string_view hour) {
  if (ascii::isDigits(hour)) return hour.size() <= 2 ? std::stoi(std::string(hour)) : -1;
  const std::string digits = ChineseSentence::chineseNumeralToArabic(std::string(hour));
  return hour.empty() ? -1 : std::stoi(digits.substr(digits.size() - 4));
}

// A time in digits, 23时05分 or 23时05分25秒, as 23:05 or 23:05:25; empty for
// any other text.
std::string digitalTime(std::string_view hour, std::string_view rest) {
  const std::size_t fen = gbk::find(rest, minuteUnit);
  if (!ascii::isDigits(hour) || fen == npos || fen != 2 || !ascii::isDigits(rest.substr(0, 2))) return {};
  std::string out = std::string(hour) + ":" + std::string(rest.substr(0, 2));
  const std::string_view seconds = rest.substr(fen + minuteUnit.size());
  if (seconds.empty()) return out;
  if (seconds.size() != 2 + secondUnit.size() || !ascii::isDigits(seconds.substr(0, 2)) ||
      seconds.substr(2) != secondUnit)
    return {};
  return out + ":" + std::string(seconds.substr(0, 2));
}

std::string extendedClock(std::string text) {
  // The part of the day before the time (下午 4 点).
  char half = 0;
  forEachBracketedWord(dayPartMap.text(), [&](std::string_view word, std::size_t) {
    if (!gbk::startsWith(text, word)) return true;
    half = dayPartMap.lookup(word).front();
    text.erase(0, word.size());
    return false;
  });
  std::size_t marker = gbk::find(text, hourUnit);
  if (marker == npos) marker = gbk::find(text, hourUnitAlt);
  if (marker == npos) return {};
  const std::string hourText = text.substr(0, marker);
  // 两点二刻: two quarters are half past (两点半).
  if (const std::string_view half = twoQuartersMap.lookup(std::string_view(text).substr(marker + 2)); !half.empty())
    text.replace(marker + 2, npos, half);
  const std::string rest = text.substr(marker + 2);
  const int hour = hourValue(hourText);
  std::string words = digitalTime(hourText, rest);
  const bool whole = words.empty() && (rest.empty() || rest == clockBellSuffix);
  if (words.empty()) {
    if (gbk::endsWithChar(text, secondUnit)) return {};
    words = ChineseSentence::translateClock(text);
  }
  if (words.empty() || hour < 0) return words;
  if (whole && (hour == 0 || hour == 24)) return std::string(midnightWord);
  if (!half || hour > 12) return words;
  const bool twelve = hour == 12;
  std::string_view suffix;
  switch (half) {
    case 'a': suffix = twelve ? noonWord : amSuffix; break;
    case 'p': suffix = twelve ? noonWord : pmSuffix; break;
    case 'n': suffix = twelve ? midnightWord : hour <= 5 ? amSuffix : pmSuffix; break;
    default: suffix = twelve ? noonWord : hour <= 5 ? pmSuffix : amSuffix; break;
  }
  if (suffix == noonWord || suffix == midnightWord) {
    if (whole) return std::string(suffix);
    suffix = suffix == noonWord ? pmSuffix : amSuffix;
  }
  const std::string oclock = std::string(" ") + std::string(oclockWord);
  if (whole && words.size() > oclock.size() && words.compare(words.size() - oclock.size(), npos, oclock) == 0)
    words.erase(words.size() - oclock.size());
  english_text::appendWord(words, suffix);
  return words;
}

}  // namespace

}  // namespace vestrilo
