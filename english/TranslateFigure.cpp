// Figure translation: numbers said digit by digit (nine one one = 九 一 一,
// double o seven = 零 零 七) and ranges (ten to twelve = 十 到 十二).
//
// A figure with a word that has no numeral, or a "double" with no word after
// it, has no rendering: the result is empty.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

// "double five" = "five five", "triple seven" = "seven seven seven". False when
// a repeat word has no word after it.
bool expandRepeats(std::string& text) {
  for (const RepeatWord& r : figureRepeatWords) {
    for (std::size_t from = 0, b; (b = text.find(r.word, from)) != npos;) {
      const std::size_t space = text.find(' ', b + 1);
      if (space == npos) return false;
      const std::size_t wordEnd = std::min(text.find(' ', space + 1), text.size());
      const std::string word = text.substr(space + 1, wordEnd - space - 1);
      if (word.empty()) return false;
      // The repeat word becomes the copies the word after it does not supply.
      std::string copies = word;
      for (int i = 2; i < r.times; ++i) copies += " " + word;
      text.replace(b, r.word.size(), copies);
      from = b + copies.size();
    }
  }
  return true;
}

// One spoken digit word (or a whole number) as a numeral; "o" is zero.
std::string numeral(const std::string& word) {
  return word == enWord::zeroLetter ? std::string(zhWord::zero) : EnglishSentence::translateNumber(word);
}

// One side of a range under the extended rules: digits stay digits.
std::string side(const std::string& text, RuleSet rules) {
  if (!text.empty() && ascii::isDigit(text[0])) return ascii::isDigits(text) ? text : std::string();
  return EnglishSentence::translateNumber(text, rules);
}

}  // namespace

std::string EnglishSentence::translateFigure(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateFigure(std::move(text));
  // 0 through 15 is 0 to 15.
  const std::string through = " " + std::string(throughWord) + " ";
  if (const std::size_t p = text.find(through); p != npos) text.replace(p, through.size(), enWord::rangeTo);
  // two or three = 两三, one or two = 一两 (two is 两 in an approximation);
  // numbers further apart are one or the other: 二或四.
  const std::string orJoin = " " + std::string(orWord) + " ";
  if (const std::size_t p = text.find(orJoin); p != npos) {
    const std::string a = text.substr(0, p), b = text.substr(p + orJoin.size());
    const std::int32_t va = wordsValue(a), vb = wordsValue(b);
    const std::string na = translateNumber(a, rules), nb = translateNumber(b, rules);
    if (na.empty() || nb.empty()) return {};
    if (vb == va + 1 && va >= 1 && vb <= 10)
      return (va == 2 ? std::string(zhExtended::two) : na) + (vb == 2 ? std::string(zhExtended::two) : nb);
    return na + std::string(zhExtended::rangeOr) + nb;
  }
  if (const std::size_t p = text.find(enWord::rangeTo); p != npos) {
    const std::string from = side(text.substr(0, p), rules);
    const std::string to = side(text.substr(p + enWord::rangeTo.size()), rules);
    if (from.empty() || to.empty()) return {};
    return from + std::string(zhWord::rangeTo) + to;
  }
  return translateFigure(std::move(text));
}

std::string EnglishSentence::translateFigure(std::string text) {
  if (!expandRepeats(text)) return {};

  // "five-five-five" is three digit words; a single hyphen belongs to its
  // number ("twenty-five").
  if (std::count(text.begin(), text.end(), '-') >= 2)
    std::replace(text.begin() + 1, text.end(), '-', ' ');

  // A range: each side is one number.
  if (const std::size_t p = text.find(enWord::rangeTo); p != npos) {
    const std::string from = translateNumber(text.substr(0, p));
    const std::string to = translateNumber(text.substr(p + enWord::rangeTo.size()));
    if (from.empty() || to.empty()) return {};
    return from + std::string(zhWord::rangeTo) + to;
  }

  if (text.find(' ') == npos) return numeral(text);

  // Word by word, the numerals separated by single spaces.
  std::string result;
  for (std::size_t b = 0; b <= text.size();) {
    std::size_t e = text.find(' ', b);
    if (e == npos) e = text.size();
    if (e > b) {
      const std::string n = numeral(text.substr(b, e - b));
      if (n.empty()) return {};
      if (!result.empty()) result += ' ';
      result += n;
    }
    b = e + 1;
  }
  return result;
}

}  // namespace vestrilo
