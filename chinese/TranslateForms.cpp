// The forms the extended rules read around numbers, translated from the parts
// the records hold: signs (负三十二 "minus thirty-two"), ranges (512 到 4096),
// approximations (十多万, 二十几), bounds (两个 以上), a few (几条), dates
// with hyphens, percentage points, fractions with digits (１６分之5, 3/4,
// 百分之3.2) and mixed numbers (三又五分之一).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

using Kind = ChineseEntityKind;
constexpr std::size_t npos = std::string_view::npos;

// The length of the sign a negative number starts with (- or 负), 0 for none.
std::size_t signLength(std::string_view text) {
  if (gbk::startsWith(text, asciiMinus)) return asciiMinus.size();
  if (gbk::startsWith(text, negativeWord)) return negativeWord.size();
  return 0;
}

// Where the first character of list stands in text (on character boundaries),
// npos for none.
std::size_t charOfListAt(std::string_view text, const LexiconList& list) {
  for (std::size_t i = 0; i + 1 < text.size(); i += gbk::isLeadByte(text[i]) ? 2 : 1)
    if (gbk::isLeadByte(text[i]) && list.hasWord(text.substr(i, 2))) return i;
  return npos;
}

// The part of record e from offset `from` of its text, `length` bytes long,
// without the blanks around it, read as kind.
ChineseEntity partOf(std::string_view text, const ChineseEntity& e, std::size_t from, std::size_t length,
                     Kind kind) {
  while (length > 0 && text[from] == ' ') ++from, --length;
  while (length > 0 && text[from + length - 1] == ' ') --length;
  return ChineseEntity{e.start + static_cast<std::int32_t>(from), static_cast<std::int32_t>(length), kind};
}

// Where the word of an approximation stands in a numeral's text, right after a
// magnitude (十多万, 二十几), npos for none.
std::size_t approximationAt(std::string_view text) {
  for (std::size_t i = 2; i + 1 < text.size() && gbk::isLeadByte(text[i]); i += 2)
    if ((chinese_char::classAt(text, i - 2) & chinese_char::Magnitude) && approximationMap.hasKey(text.substr(i, 2)))
      return i;
  return npos;
}

// Whether t is ASCII from a digit on (3.2, 12.56, 30%).
bool isDigitText(std::string_view t) {
  if (t.empty() || !ascii::isDigit(t[0])) return false;
  for (const char c : t)
    if (gbk::isLeadByte(c)) return false;
  return true;
}

// A fraction's text with each run of ASCII digits written as a Chinese numeral
// (１６分之5 as 十六分之五); empty when a run is no integer of four digits.
std::string withChineseNumerals(std::string_view t) {
  std::string out;
  for (std::size_t i = 0; i < t.size();) {
    if (!ascii::isDigit(t[i])) {
      const std::size_t n = gbk::isLeadByte(t[i]) ? 2 : 1;
      out += t.substr(i, n);
      i += n;
      continue;
    }
    std::size_t end = i;
    while (end < t.size() && ascii::isDigit(t[end])) ++end;
    const std::string numeral = ChineseSentence::arabicToChineseNumeral(t.substr(i, end - i));
    if (numeral.empty()) return {};
    out += numeral;
    i = end;
  }
  return out;
}

std::string fractionWithDigits(std::string_view t) {
  // 百分之3.2: the percentage in digits.
  if (gbk::startsWith(t, percentMarker) && isDigitText(t.substr(percentMarker.size())))
    return std::string(t.substr(percentMarker.size())) + "%";
  // 3/4: the fraction 四分之三.
  const std::size_t slash = t.find(fractionSlash);
  if (slash != npos) {
    const std::string numerator = ChineseSentence::arabicToChineseNumeral(t.substr(0, slash));
    const std::string denominator = ChineseSentence::arabicToChineseNumeral(t.substr(slash + 1));
    if (numerator.empty() || denominator.empty()) return {};
    return ChineseSentence::translateFractional(denominator + std::string(fractionMarker) + numerator);
  }
  const std::string chinese = withChineseNumerals(t);
  return chinese.empty() ? std::string() : ChineseSentence::translateFractional(chinese);
}

// The digit of a numeral character (5 for 半 after tenths), -1 for none.
int digitOf(std::string_view c) {
  if (c == numeralHalf) return 5;
  const std::string_view d = numeralDigitMap.lookup(c);
  return d.empty() ? -1 : d.front() - '0';
}

// 八 "20% off", 八五 or 85 "15% off": the percentage taken off the price.
std::string discountTranslation(std::string_view count) {
  int percent = -1;
  if (ascii::isDigits(count)) {
    percent = static_cast<int>(count.size() == 1 ? (count[0] - '0') * 10 : (count[0] - '0') * 10 + (count[1] - '0'));
  } else if (count.size() == 2 || count.size() == 4) {
    const int tens = digitOf(count.substr(0, 2)), ones = count.size() == 4 ? digitOf(count.substr(2)) : 0;
    if (tens >= 0 && ones >= 0) percent = tens * 10 + ones;
  }
  if (percent <= 0 || percent >= 100) return {};
  return std::to_string(100 - percent) + std::string(percentOffEnglish);
}

// 七成 and 六: seventy-six percent.
std::string tenthsWithDigit(std::string_view tenths, std::string_view digit) {
  const int tens = digitOf(tenths), ones = digitOf(digit);
  if (tens <= 0 || ones < 0) return {};
  const std::string words = ChineseSentence::digitsToEnglish(std::to_string(tens * 10 + ones));
  return words.empty() ? std::string() : words + std::string(enWord::percent);
}

}  // namespace

std::string ChineseSentence::partTranslation(const ChineseEntity& part) const {
  const std::string_view t = text(part);
  // Digits in a form are written as they are read (- 1, 3.9%).
  if (isDigitText(t)) return translatorInput(t);
  return translationByKind(part);
}

bool ChineseSentence::formTranslation(const ChineseEntity& e, std::string& out) const {
  if (e.kind == Kind::Arabic) return false;
  const std::string_view source = text(e);
  out.clear();
  // -1, -3.9%, minus thirty-two: the sign in the style of the number.
  if (const std::size_t sign = signLength(source)) {
    const std::string number = partTranslation(partOf(source, e, sign, source.size() - sign, e.kind));
    if (!number.empty())
      out = (ascii::isDigit(number[0]) ? std::string(asciiMinus) : std::string(minusEnglish)) + number;
    return true;
  }
  if (e.kind == Kind::ArabicWithUnit) {
    // 3万4000 "thirty-four thousand", 1千零1 "one thousand and one".
    const std::string input = translatorInput(source);
    std::size_t digitRuns = 0;
    for (std::size_t i = 0; i < input.size(); ++i)
      digitRuns += ascii::isDigit(input[i]) && (i == 0 || !ascii::isDigit(input[i - 1]));
    if (digitRuns < 2) return false;
    const std::string chinese = withChineseNumerals(input);
    if (!chinese.empty()) out = translateNumber(chinese, rules);
    return true;
  }
  if (e.kind == Kind::Date) {
    // 80 年代 "the 80s", 九十年代 "the nineties".
    const std::string input = translatorInput(source);
    if (input.size() > decadeChineseWord.size() && input.substr(input.size() - decadeChineseWord.size()) == decadeChineseWord) {
      const std::string_view count = std::string_view(input).substr(0, input.size() - decadeChineseWord.size());
      out = std::string(decadeEnglish) +
            (ascii::isDigits(count) ? std::string(count) + "s" : decadeNameMap.value(count));
      return true;
    }
    // 纪元前221年: read as 公元前221年.
    if (const std::string_view era = eraAliasMap.lookup(std::string_view(input).substr(0, 4)); !era.empty()) {
      out = translateDate(std::string(era) + input.substr(4));
      return true;
    }
    // 2013 - 03 - 03: a date with hyphens is written as it stands.
    if (!isDigitText(source) || source.find(dateHyphen) == npos) return false;
    out = translatorInput(source);
    return true;
  }
  if (e.kind == Kind::Fractional) {
    // 三又五分之一 "three and one fifth".
    const std::size_t mixed = gbk::find(source, mixedNumberWord);
    if (mixed != npos) {
      const std::string whole = partTranslation(partOf(source, e, 0, mixed, Kind::Number));
      const std::string part =
          partTranslation(partOf(source, e, mixed + 2, source.size() - mixed - 2, Kind::Fractional));
      if (!whole.empty() && !part.empty()) out = whole + std::string(andEnglish) + part;
      return true;
    }
    if (source.size() > discountWord.size() && source.substr(source.size() - discountWord.size()) == discountWord) {
      out = discountTranslation(translatorInput(source.substr(0, source.size() - discountWord.size())));
      return true;
    }
    const std::size_t tenths = gbk::find(source, proportionWord);
    if (tenths != npos && tenths + proportionWord.size() < source.size()) {
      out = tenthsWithDigit(source.substr(0, tenths), source.substr(tenths + proportionWord.size()));
      return true;
    }
    // 四万点六 "40000.6": a decimal whose whole part ends in 万 or 亿.
    const std::string input = translatorInput(source);
    const std::size_t point = gbk::find(input, decimalPoint);
    if (point != npos && point >= 2 && point + decimalPoint.size() < input.size() &&
        (input.compare(point - 2, 2, magnitudeTenThousand) == 0 ||
         input.compare(point - 2, 2, magnitudeHundredMillion) == 0)) {
      const std::string whole = chineseNumeralToArabic(input.substr(0, point));
      const std::string fraction = chineseDigitsToArabic(input.substr(point + decimalPoint.size()));
      const std::size_t first = whole.find_first_not_of('0');
      if (first != npos && !fraction.empty() && fraction.size() * 2 == input.size() - point - decimalPoint.size())
        out = whole.substr(first) + "." + fraction;
      return true;
    }
    bool digits = false;
    for (const char c : source) digits = digits || ascii::isDigit(c);
    if (!digits) return false;
    out = fractionWithDigits(translatorInput(source));
    return true;
  }
  if (e.kind != Kind::Number) return false;

  // 512 到 4096: "512 to 4096".
  const std::size_t at = charOfListAt(source, rangeWordList);
  if (at != npos) {
    const std::string low = partTranslation(partOf(source, e, 0, at, e.kind));
    const std::string high = partTranslation(partOf(source, e, at + 2, source.size() - at - 2, e.kind));
    if (!low.empty() && !high.empty()) out = low + std::string(rangeEnglish) + high;
    return true;
  }
  // 六个百分点 "six percentage points", 12.56个百分点.
  for (const std::string_view word : {countedPercentagePointWord, percentagePointWord}) {
    if (source.size() <= word.size() || source.substr(source.size() - word.size()) != word) continue;
    const std::string number = partTranslation(partOf(source, e, 0, source.size() - word.size(), e.kind));
    if (!number.empty())
      out = number + std::string(number == enWord::one || number == "1" ? percentagePointEnglish
                                                                         : percentagePointsEnglish);
    return true;
  }
  // 半百 "fifty", 一打 "a dozen".
  if (const std::string_view numeral = abbreviatedNumeralMap.lookup(source); !numeral.empty()) {
    out = translateNumber(std::string(numeral), rules);
    return true;
  }
  // 百三 "one hundred and thirty": read as 一百三.
  if (source.size() == 4 && leadingMagnitudeList.hasWord(source.substr(0, 2))) {
    out = translateNumber(std::string(numeralOne) + std::string(source), rules);
    return true;
  }
  if (source == aDozenWord) {
    out = aDozenEnglish;
    return true;
  }
  // 几条 "a few", 好几个 "several".
  for (const std::string_view head : {source.substr(0, 4), source.substr(0, 2)})
    if (severalWordMap.hasKey(head)) {
      out = severalWordMap.value(head);
      return true;
    }
  // 两个 以上 "two or more", 多于 一个 "more than one".
  if (source.size() > 4) {
    const std::string_view after = boundAfterMap.lookup(source.substr(source.size() - 4));
    const std::string_view before = boundBeforeMap.lookup(source.substr(0, 4));
    if (!after.empty() || !before.empty()) {
      const std::size_t from = before.empty() ? 0 : 4;
      const std::string number =
          partTranslation(partOf(source, e, from, source.size() - from - (after.empty() ? 0 : 4), e.kind));
      if (!number.empty()) out = std::string(before) + number + std::string(after);
      return true;
    }
  }
  // 十多万 "more than one hundred thousand", 二十几 "twenty-odd", 十来个 "about ten".
  const std::size_t approximation = approximationAt(source);
  if (approximation != npos) {
    std::string exact(source.substr(0, approximation));
    exact += source.substr(approximation + 2);
    const std::string number = translateNumber(countedNumber(translatorInput(exact)), rules);
    if (number.empty()) return true;
    const char how = approximationMap.lookup(source.substr(approximation, 2)).front();
    const bool magnitudeAfter = approximation + 3 < source.size() &&
                                (chinese_char::classAt(source, approximation + 2) & chinese_char::Magnitude);
    if (how == 'a')
      out = std::string(aboutEnglish) + number;
    else if (how == 'o' && !magnitudeAfter)
      out = number + std::string(oddEnglish);
    else
      out = std::string(moreThanEnglish) + number;
    return true;
  }
  return false;
}

}  // namespace vestrilo
