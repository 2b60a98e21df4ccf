// Fraction and percentage translation: two thirds = 三分之二 (the denominator
// first), five percent = 百分之五, 5 percent = 5%.
//
// Text that fits none of these forms (one half, one thirds) has no rendering:
// the result is empty.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
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

}  // namespace

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
