// Number translation: numbers in words become Chinese numerals (one hundred and
// five = 一百零五), decimals in words become Arabic digits (two point five = 2.5),
// and a decimal or an Arabic number before a scale word becomes the Chinese
// numeral of the scaled value (two point five million = 二百五十万).
//
// Text outside these forms (a "point" with nothing before or after it, more
// digits than fit the sixteen places) has no rendering: the result is empty.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::size_t valueWidth = 16;

std::string trimmed(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && ascii::isSpace(s[b])) ++b;
  while (e > b && ascii::isSpace(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

// Bytes of s from `from` to `to`, clamped to s.
std::string cut(const std::string& s, std::size_t from, std::size_t to = npos) {
  if (from >= s.size() || to <= from) return {};
  return s.substr(from, to == npos ? npos : to - from);
}

// Hyphens written with blanks around them join their words: "twenty - five",
// "twenty -five" and "twenty- five" all become "twenty-five".
void joinHyphens(std::string& s) {
  static constexpr std::string_view spaced[] = {" - ", " -", "- "};
  for (std::string_view form : spaced)
    for (std::size_t p = s.find(form); p != npos; p = s.find(form)) s.replace(p, form.size(), "-");
}

// The sixteen-digit value of a number in words, or empty when the words have
// none. Words outside the number words value as zero, so a zero value is only
// taken from the word zero itself: "half" or "10:30" is no number.
std::string valueOf(const std::string& words) {
  if (words.empty()) return {};
  std::string v = EnglishSentence::wordsToArabic(words);
  if (v.size() != valueWidth || !ascii::allDigits(v)) return {};
  if (v.find_first_not_of('0') == npos && words != enWord::zero) return {};
  return v;
}

// The digits of a number in words, without leading zeros ("0" for zero), or
// empty when the words have no value.
std::string integerDigits(const std::string& words) {
  const std::string v = valueOf(words);
  if (v.empty()) return {};
  const std::size_t first = v.find_first_not_of('0');
  return first == npos ? "0" : v.substr(first);
}

// The digits one word (or words) after "point" contributes: its value without
// leading or trailing zeros ("0" for zero).
std::string fractionDigits(const std::string& words) {
  std::string d = integerDigits(words);
  if (d.empty() || d == "0") return d;
  d.erase(d.find_last_not_of('0') + 1);
  return d;
}

}  // namespace

std::string EnglishSentence::translateNumber(std::string text) {
  if (text.empty()) return {};
  joinHyphens(text);

  const std::size_t p = text.find(enWord::point);
  if (p == npos) return sixteenDigitsToChinese(valueOf(text));

  // A scale word after the decimal scales it: "two point five million".
  std::string scale;
  const std::size_t lastSpace = text.rfind(' ');
  if (lastSpace != npos && lastSpace > p) {
    const std::string lastWord = cut(text, lastSpace + 1);
    if (englishMagnitudeList.hasWord(lastWord)) {
      scale = lastWord;
      text.erase(lastSpace + 1);
    }
  }

  if (p == 0) return {};
  const std::string integer = integerDigits(trimmed(cut(text, 0, p - 1)));
  const std::string fractionWords = trimmed(cut(text, p + enWord::point.size() + 1));
  if (integer.empty() || fractionWords.empty()) return {};

  std::string fraction;
  if (fractionWords.find(' ') == npos) {
    fraction = fractionDigits(fractionWords);
    if (fraction.empty()) return {};
  } else {
    // Digit by digit: "three point one four" = 3.14, "point zero five" = .05.
    for (std::size_t b = 0; b <= fractionWords.size();) {
      std::size_t e = fractionWords.find(' ', b);
      if (e == npos) e = fractionWords.size();
      if (e > b) {
        const std::string digits = fractionDigits(fractionWords.substr(b, e - b));
        if (digits.empty()) return {};
        fraction += digits;
      }
      b = e + 1;
    }
  }

  std::string result = integer + "." + fraction;
  if (!scale.empty()) result = translateArabicMagnitude(result + " " + scale);
  return result;
}

std::string EnglishSentence::translateArabicMagnitude(std::string text) {
  // One thousands separator is allowed: 1,200 million.
  if (const std::size_t comma = text.find(','); comma != npos) text.erase(comma, 1);

  const std::size_t lastSpace = text.rfind(' ');
  if (lastSpace == npos) return {};
  const std::string scale = cut(text, lastSpace + 1);

  // The value of one of the scale fixes the place of the number's last
  // integer digit: 13 for hundred, 12 for thousand, 9 for million...
  std::string v = wordsToArabic(std::string(enWord::one) + ' ' + scale);
  if (v.size() != valueWidth || !ascii::allDigits(v)) return {};
  const std::size_t o = v.find('1');
  if (o == npos || o + 1 >= valueWidth) return {};

  const std::string number = cut(text, 0, lastSpace);
  const std::size_t t = number.find('.');
  const std::size_t integerLength = t == npos ? number.size() : t;
  const std::string digits = t == npos ? number : number.substr(0, t) + cut(number, t + 1);
  if (digits.empty() || !ascii::allDigits(digits)) return {};
  // The digits must fit the sixteen places around the scale's position.
  if (integerLength > o + 1 || o + 1 - integerLength + digits.size() > valueWidth) return {};

  v[o] = '0';  // ".5 million" has no integer digit to write over the scale's 1
  v.replace(o + 1 - integerLength, digits.size(), digits);
  return sixteenDigitsToChinese(v);
}

}  // namespace vestrilo
