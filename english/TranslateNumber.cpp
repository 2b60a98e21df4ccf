// Number translation: numbers in words become Chinese numerals (one hundred and
// five = 一百零五), decimals in words become Arabic digits (two point five = 2.5),
// and a decimal or an Arabic number before a scale word becomes the Chinese
// numeral of the scaled value (two point five million = 二百五十万).
//
// Text outside these forms (a "point" with nothing before or after it, more
// digits than fit the sixteen places) has no rendering: the result is empty.
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "english/NumericShapes.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishNumberMaps.h"
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

// The words of text, split at single spaces.
std::vector<std::string> wordsOf(const std::string& text) {
  std::vector<std::string> words;
  for (std::size_t b = 0; b <= text.size();) {
    std::size_t e = text.find(' ', b);
    if (e == npos) e = text.size();
    if (e > b) words.push_back(text.substr(b, e - b));
    b = e + 1;
  }
  return words;
}

std::string joined(const std::vector<std::string>& words, std::size_t from = 0) {
  std::string out;
  for (std::size_t i = from; i < words.size(); ++i) {
    if (!out.empty()) out += ' ';
    out += words[i];
  }
  return out;
}

// The sixteen-digit value string of n (n below 10^16).
std::string valueString(std::uint64_t n) {
  std::string v(valueWidth, '0');
  for (std::size_t i = valueWidth; i-- > 0 && n > 0; n /= 10) v[i] = static_cast<char>('0' + n % 10);
  return v;
}

bool isDigitWord(std::string_view w) { return englishUnitsList.wordPosition(w) < unitsDigitWordsEnd && w != enWord::zero; }

// Rewrites the old and the extended ways of saying a number in words into the
// words the classic conversion reads: nought = zero, an hundred = a hundred,
// threescore = sixty, two and twenty = twenty-two, twenty and eight =
// twenty-eight.
std::vector<std::string> plainNumberWords(std::vector<std::string> w) {
  for (std::string& word : w) {
    if (isListedWord(zeroWordList, word)) word = std::string(enWord::zero);
    if (const std::string_view tens = scoreWordMap.lookup(word); !tens.empty()) word = std::string(tens);
  }
  if (!w.empty() && w[0] == "an") w[0] = std::string(enWord::a);
  for (std::size_t i = 0; i + 2 < w.size(); ++i) {
    if (w[i + 1] != enWord::andWord) continue;
    const std::string &x = w[i], &y = w[i + 2];
    std::string compound;
    if (isDigitWord(x) && englishTensList.hasWord(y)) compound = y + "-" + x;
    if (englishTensList.hasWord(x) && isDigitWord(y)) compound = x + "-" + y;
    if (compound.empty() || (i > 0 && w[i - 1] == englishHundredWord && isDigitWord(x))) continue;
    w[i] = compound;
    w.erase(w.begin() + static_cast<std::ptrdiff_t>(i + 1), w.begin() + static_cast<std::ptrdiff_t>(i + 3));
  }
  return w;
}

// Digits below one thousand in words (321 = three hundred twenty-one), or
// empty: the number-word map read backwards.
std::string wordsForDigits(std::string_view digits) {
  if (!ascii::isDigits(digits) || digits.size() > 3) return {};
  const int n = ascii::saturatingAtoi(digits);
  auto below100 = [](int v) -> std::string {
    const char two[] = {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10), 0};
    const std::string_view map = numberWordMap.text();
    const std::size_t p = map.find("(" + std::string(two) + ")");
    if (p == npos) return {};
    const std::size_t open = map.rfind('<', p), close = map.rfind('>', p);
    std::string word(map.substr(open + 1, close - open - 1));
    return word == enWord::a ? std::string(enWord::one) : word;
  };
  if (n < 100) return below100(n);
  std::string out = below100(n / 100) + " " + std::string(englishHundredWord);
  if (n % 100 != 0) out += " " + below100(n % 100);
  return out;
}

}  // namespace

std::string EnglishSentence::translateNumber(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateNumber(std::move(text));
  joinHyphens(text);
  std::vector<std::string> w = wordsOf(text);
  if (w.empty()) return {};

  // minus five = 负五, negative 3 = 负3.
  if (w.size() >= 2 && isListedWord(negativeWordList, w[0])) {
    const std::string rest = joined(w, 1);
    const std::string n = ascii::isDigit(rest[0]) ? rest : translateNumber(rest, rules);
    return n.empty() ? std::string() : std::string(zhExtended::negative) + n;
  }
  w = plainNumberWords(std::move(w));
  const std::string& last = w.back();

  // A scale word alone is one of it, said without the one: million = 百万.
  if (w.size() == 1 && (englishMagnitudeList.hasWord(last) || last == trillionWord)) {
    const std::string n = translateNumber(std::string(enWord::one) + " " + last);
    const std::string_view one = chineseDigitMap.lookup("1");
    return n.compare(0, one.size(), one) == 0 ? n.substr(one.size()) : n;
  }
  // Dozens: a dozen = 十二, two dozen = 二十四, dozens (of) = 几十.
  if (last == dozensWord && w.size() == 1) return std::string(zhExtended::dozens);
  if (last == dozenWord) {
    std::int32_t count = 1;
    if (w.size() >= 2) {
      if (w.size() == 3 && w[0] == halfWord) {
        count = 0;  // half a dozen
      } else {
        const std::string n = joined(std::vector<std::string>(w.begin(), w.end() - 1));
        count = n == enWord::a ? 1 : wordsValue(n);
      }
    }
    if (count < 0 || count > 999999) return {};
    return sixteenDigitsToChinese(valueString(count == 0 ? 6 : static_cast<std::uint64_t>(count) * 12));
  }
  // a decade = 十年.
  if (w.size() == 2 && w[0] == enWord::a && w[1] == decadeWord)
    return translateNumber("ten") + std::string(zhWord::year);
  // half a million = 五十万.
  if (w.size() == 3 && w[0] == halfWord && (w[1] == enWord::a || w[1] == "an") &&
      (englishMagnitudeList.hasWord(w[2]) || w[2] == trillionWord))
    return translateArabicMagnitude("0.5 " + w[2]);
  return translateNumber(joined(w));
}

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

std::string EnglishSentence::translateArabicMagnitude(std::string text, RuleSet rules) {
  if (rules == RuleSet::Classic) return translateArabicMagnitude(std::move(text));
  // 10k = 一万, 1.2b = 十二亿.
  std::string_view number, scale;
  if (shapes::readLetterMultiplier(text, &number, &scale))
    return translateArabicMagnitude(std::string(number) + " " + std::string(scale));
  // 3 hundred and 21 = 三百二十一: small whole numbers read as their words.
  if (text.find(" and ") != npos) {
    std::vector<std::string> w = wordsOf(text);
    for (std::string& word : w) {
      if (!ascii::isDigit(word[0])) continue;
      word = wordsForDigits(word);
      if (word.empty()) return {};
    }
    return translateNumber(joined(w), rules);
  }
  return translateArabicMagnitude(std::move(text));
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
