// Fraction and percentage translation: two thirds = 三分之二 (the denominator
// first), five percent = 百分之五, 5 percent = 5%.
//
// Text that fits none of these forms (one half, one thirds) has no rendering:
// the result is empty.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

std::string trimmed(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && ascii::isSpace(s[b])) ++b;
  while (e > b && ascii::isSpace(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

// A number in Arabic digits with "." and ",": 5, 2.5, 1,000, .5.
bool isArabicNumber(std::string_view s) {
  bool digit = false;
  for (char c : s) {
    if (ascii::isDigit(c))
      digit = true;
    else if (c != '.' && c != ',')
      return false;
  }
  return digit;
}

// The denominator's numeral: the ordinal's rendering without its 第.
std::string denominator(const std::string& ordinal) {
  const std::string o = EnglishSentence::translateOrdinal(ordinal);
  if (o.size() <= zhWord::ordinalPrefix.size() || o.compare(0, zhWord::ordinalPrefix.size(), zhWord::ordinalPrefix) != 0)
    return {};
  return o.substr(zhWord::ordinalPrefix.size());
}

std::string percentage(const std::string& number) {
  // Digits keep their digits and take the sign.
  if (isArabicNumber(number)) return number + "%";
  const std::string n = EnglishSentence::translateNumber(number);
  if (n.empty()) return {};
  // A decimal in words comes out in digits and so takes the sign too.
  if (number.find(enWord::point) != npos) return n + "%";
  return std::string(zhWord::percentPrefix) + n;
}

// A number of the extended rules, digits kept.
std::string numberOf(const std::string& words) {
  if (isArabicNumber(words)) return words;
  return EnglishSentence::translateNumber(words, RuleSet::Extended);
}

}  // namespace

std::string EnglishSentence::translateFraction(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateFraction(std::move(text));
  // 3 per cent = 3%.
  if (const std::size_t p = text.find(" per cent"); p != npos) text.replace(p, 9, enWord::percent);
  if (text.find(enWord::percent) != npos) return translateFraction(std::move(text));
  static constexpr std::string_view spacedHyphens[] = {" - ", " -", "- "};
  for (std::string_view form : spacedHyphens)
    for (std::size_t h = text.find(form); h != npos; h = text.find(form)) text.replace(h, form.size(), "-");

  // Mixed numbers: one and a half = 一又二分之一, twenty and three fifths = 二十又五分之三.
  if (const std::size_t a = text.rfind(" and "); a != npos) {
    const std::string whole = numberOf(text.substr(0, a));
    const std::string part = translateFraction(text.substr(a + 5), rules);
    if (whole.empty() || part.empty()) return {};
    return whole + std::string(zhExtended::mixedAnd) + part;
  }
  // one out of three, one over three = 三分之一.
  for (std::string_view join : {std::string_view(" out of "), std::string_view(" over ")}) {
    if (const std::size_t p = text.find(join); p != npos) {
      const std::string n = numberOf(text.substr(0, p)), d = numberOf(text.substr(p + join.size()));
      if (n.empty() || d.empty()) return {};
      return d + std::string(zhWord::fractionOf) + n;
    }
  }
  if (text == halfWord) return std::string(zhExtended::half);
  if (text == "half a" || text == "half an") return std::string(zhExtended::halfOf);
  std::size_t split = text.rfind(' ');
  if (split == npos) split = text.rfind('-');
  if (split == npos) return {};
  std::string numerator = text.substr(0, split);
  std::string denominatorWord = text.substr(split + 1);
  if (numerator == enWord::a || numerator == "an") numerator = std::string(enWord::one);
  // a half, one half = 二分之一; three quarters = 四分之三.
  if (denominatorWord == halfWord && numerator == enWord::one) return std::string(zhExtended::oneHalf);
  if (denominatorWord == quarterWord || denominatorWord == quartersWord) {
    const std::string n = numberOf(numerator);
    if (n.empty()) return {};
    return std::string(zhExtended::quarterDenominator) + std::string(zhWord::fractionOf) + n;
  }
  // A singular ordinal after a number other than one is the ordinal itself:
  // two hundredth = 第二百.
  if (numerator != enWord::one && !denominatorWord.empty() && denominatorWord.back() != enWord::pluralSuffix)
    return translateOrdinal(std::move(text), rules);
  return translateFraction(numerator + " " + denominatorWord);
}

std::string EnglishSentence::translateFraction(std::string text) {
  if (const std::size_t p = text.find(enWord::percent); p != npos) return percentage(trimmed(text.substr(0, p)));

  // The hyphen of "one - third" joins numerator and denominator; a numerator
  // may be hyphenated itself (twenty-three fifths). Split at the last space,
  // or at the last hyphen when there is no space.
  static constexpr std::string_view spacedHyphens[] = {" - ", " -", "- "};
  for (std::string_view form : spacedHyphens)
    for (std::size_t h = text.find(form); h != npos; h = text.find(form)) text.replace(h, form.size(), "-");
  std::size_t split = text.rfind(' ');
  if (split == npos) split = text.rfind('-');
  if (split == npos) return {};
  const std::string numerator = text.substr(0, split);
  std::string denominatorWord = text.substr(split + 1);

  if (numerator == enWord::one && englishOrdinalList.hasText(denominatorWord)) {
    const std::string d = denominator(denominatorWord);
    return d.empty() ? std::string() : d + std::string(zhWord::fractionOfOne);
  }
  if (numerator != enWord::one && !denominatorWord.empty() && denominatorWord.back() == enWord::pluralSuffix) {
    denominatorWord.pop_back();
    const std::string d = denominator(denominatorWord);
    const std::string n = translateNumber(numerator);
    if (d.empty() || n.empty()) return {};
    return d + std::string(zhWord::fractionOf) + n;
  }
  return {};
}

}  // namespace vestrilo
