// Clock translation: the period of the day, the hour with 点 and the minutes with
// 分; 半 for half past, 一刻 for a quarter, 差 for the minutes short of the hour.
// half past five = 五点 半, ten to five = 差 十分 五点, seven fifteen p.m. =
// 下午 七点 十五分, 10:30 p.m. = 下午 10:30.
//
// A time whose hour or minutes are no number has no rendering: the result is
// empty.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

// Bytes of s from `from` to `to`, clamped to s.
std::string cut(const std::string& s, std::size_t from, std::size_t to = npos) {
  if (from >= s.size() || to <= from) return {};
  return s.substr(from, to == npos ? npos : to - from);
}

// Takes the period markers (a.m., p.m.) off the text, with the blank before
// each, and returns the period's word; with both, the later one stands.
std::string takePeriod(std::string& text) {
  std::string period;
  for (const MarkerWord& m : periodMarkers) {
    const std::size_t p = text.find(m.marker);
    if (p == npos) continue;
    period = m.chinese;
    const std::size_t from = p > 0 ? p - 1 : 0;
    text.erase(from, p + m.marker.size() - from);
  }
  return period;
}

bool hasJoiningWord(std::string_view words) {
  for (std::string_view w : clockShortOfWords)
    if (words.find(w) != npos) return true;
  for (std::string_view w : clockPastWords)
    if (words.find(w) != npos) return true;
  return false;
}

}  // namespace

std::string EnglishSentence::translateClock(std::string text, RuleSet rules) {
  if (rules == RuleSet::Extended) {
    if (const std::string_view word = clockWordMap.lookup(text); !word.empty()) return std::string(word);
  }
  std::string out = translateClock(std::move(text));
  if (rules == RuleSet::Classic) return out;
  // The extended rules write no blanks around a time: " 十八点 " is 十八点.
  const std::size_t b = out.find_first_not_of(' ');
  if (b == npos) return {};
  return out.substr(b, out.find_last_not_of(' ') + 1 - b);
}

std::string EnglishSentence::translateClock(std::string text) {
  const std::string period = takePeriod(text);
  const std::string hourUnit(zhWord::hour), minuteUnit(zhWord::minute);

  // "ten o'clock" is the hour alone; in "five past ten o'clock" the phrase tells
  // the time and "o'clock" adds nothing.
  if (const std::size_t p = text.find(oclockWord); p != npos) {
    const std::string before = cut(text, 0, p == 0 ? 0 : p - 1);
    if (!hasJoiningWord(before)) {
      const std::string hour = translateNumber(before);
      return hour.empty() ? std::string() : period + hour + hourUnit;
    }
    const std::size_t from = p > 0 && text[p - 1] == ' ' ? p - 1 : p;
    text.erase(from, p + oclockWord.size() - from);
  }

  if (const std::size_t p = text.find(" - "); p != npos) text.replace(p, 3, "-");

  // Half and quarter: the hour follows the phrase.
  for (const MarkerWord& phrase : clockHourPhrases) {
    if (const std::size_t p = text.find(phrase.marker); p != npos) {
      const std::string hour = translateNumber(cut(text, p + phrase.marker.size()));
      return hour.empty() ? std::string() : period + hour + std::string(phrase.chinese);
    }
  }

  // Minutes, a joining word, the hour.
  for (std::string_view w : clockShortOfWords) {
    if (const std::size_t p = text.find(w); p != npos) {
      const std::string minutes = translateNumber(cut(text, 0, p));
      const std::string hour = translateNumber(cut(text, p + w.size()));
      if (minutes.empty() || hour.empty()) return {};
      return period + std::string(zhWord::shortOf) + minutes + minuteUnit + " " + hour + hourUnit;
    }
  }
  for (std::string_view w : clockPastWords) {
    if (const std::size_t p = text.find(w); p != npos) {
      const std::string minutes = translateNumber(cut(text, 0, p));
      const std::string hour = translateNumber(cut(text, p + w.size()));
      if (minutes.empty() || hour.empty()) return {};
      return period + hour + hourUnit + " " + minutes + minuteUnit;
    }
  }

  // Digits stand as written: 10:30.
  if (!text.empty() && ascii::isDigit(text[0])) return period + " " + text;

  // The hour word, then the minutes: "seven fifteen", "seven twenty-five",
  // "ten o five".
  const std::size_t firstSpace = text.find(' ');
  const std::string hour = translateNumber(cut(text, 0, firstSpace));
  if (hour.empty()) return {};
  std::string minutes;
  if (firstSpace != npos) {
    if (text.find('-', firstSpace) != npos) {
      minutes = translateNumber(cut(text, firstSpace + 1));
      if (minutes.empty()) return {};
      minutes += minuteUnit;
    } else {
      const std::string w2 = cut(text, firstSpace + 1, text.find(' ', firstSpace + 1));
      if (englishUnitsList.hasWord(w2) || englishTensList.hasWord(w2)) {
        minutes = translateNumber(w2);
        if (minutes.empty()) return {};
        minutes += minuteUnit;
      }
    }
    const std::size_t secondSpace = text.find(' ', firstSpace + 1);
    if (secondSpace != npos && cut(text, firstSpace + 1, secondSpace) == enWord::zeroLetter) {
      const std::string w3 = cut(text, secondSpace + 1, text.find(' ', secondSpace + 1));
      if (englishUnitsList.hasWord(w3)) minutes = translateFigure(std::string(enWord::zeroLetter) + " " + w3) + minuteUnit;
    }
  }
  return period + " " + hour + hourUnit + " " + minutes;
}

}  // namespace vestrilo
