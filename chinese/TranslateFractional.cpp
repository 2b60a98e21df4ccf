// Fractional translation: fractions (三分之二 "two thirds"), percentages
// (百分之五十 "50%"), proportions in tenths (三成 "thirty percent") and
// Chinese decimals (三点五 "3.5", 三点五万 "thirty-five thousand").
#include "chinese/ChineseSentence.h"
#include "chinese/EnglishText.h"
#include "core/Bytes.h"
#include "lexicon/ChineseNumeralMaps.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

constexpr std::size_t npos = std::string::npos;

// A sixteen-digit value without its leading zeros ("" for zero).
std::string stripLeadingZeros(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == npos ? std::string() : digits.substr(first);
}

std::string integerDigits(const std::string& numeral) {
  return stripLeadingZeros(ChineseSentence::chineseNumeralToArabic(numeral));
}

// integer.fraction, with "0" for a zero integer; empty without fraction digits.
std::string decimalDigits(const std::string& integerText, const std::string& fractionText) {
  const std::string fraction = ChineseSentence::chineseDigitsToArabic(fractionText);
  if (fraction.empty()) return {};
  std::string integer = integerDigits(integerText);
  if (integer.empty()) integer = "0";
  return integer + "." + fraction;
}

std::string translateDecimal(const std::string& text, const std::string& magnitude) {
  const std::size_t point = gbk::find(text, decimalPoint);
  std::string integerText = text.substr(0, point);
  const std::string fractionText = text.substr(point + decimalPoint.size());

  if (gbk::startsWith(integerText, percentMarker)) {
    const std::string digits = decimalDigits(integerText.substr(percentMarker.size()), fractionText);
    return digits.empty() ? std::string() : digits + "%";
  }
  if (gbk::contains(integerText, fractionMarker)) return {};
  std::string digits = decimalDigits(integerText, fractionText);
  if (digits.empty() || magnitude.empty()) return digits;
  return ChineseSentence::translateUnitNumber(digits + magnitude);
}

std::string translateFraction(const std::string& text) {
  const std::size_t mark = gbk::find(text, fractionMarker);
  std::string denominator = text.substr(0, mark);
  const std::string numerator = text.substr(mark + fractionMarker.size());

  for (const NamedFraction& f : namedFractions)
    if (numerator == f.numerator && denominator == f.denominator) return std::string(f.english);
  if (denominator == magnitudeHundred) {
    if (numerator == magnitudeHundred) return std::string(wholePercentWords);
    std::string digits = integerDigits(numerator);
    if (digits.empty()) digits = "0";
    return digits + "%";
  }

  const std::string numeratorWords = ChineseSentence::translateNumber(numerator);
  if (numeratorWords.empty()) return {};
  if (denominator.size() >= 4 && numerator.size() >= 4) {
    const std::string denominatorWords = ChineseSentence::translateNumber(denominator);
    if (denominatorWords.empty()) return {};
    std::string result = numeratorWords;
    english_text::appendJoiningWord(result, enWord::over);
    return result + denominatorWords;
  }

  // An ordinal denominator: 十分之一 "one tenth", 千分之五 "five thousandths".
  if (unitList.hasWord(gbk::firstChar(denominator))) denominator.insert(0, numeralOne);
  std::string denominatorWords = ChineseSentence::translateOrdinal(std::string(ordinalMarker) + denominator);
  // "one tenth" is "tenth" after the numerator.
  if (denominatorWords.size() > enWord::one.size() && gbk::startsWith(denominatorWords, enWord::one) &&
      denominatorWords[enWord::one.size()] == ' ')
    denominatorWords.erase(0, enWord::one.size() + 1);
  if (denominatorWords.empty()) return {};
  std::string result = numeratorWords + " " + denominatorWords;
  if (numerator != numeralOne) result += enWord::pluralSuffix;
  return result;
}

std::string translateProportion(const std::string& text) {
  const std::string before = text.substr(0, gbk::find(text, proportionWord));
  if (before.empty()) return {};
  if (before.size() == 1) {
    if (before[0] < '0' || before[0] > '9') return {};
    return before + "0%";
  }
  // Tenths as a percentage: 三成 is 三十 percent, 十成 一百 and 半成 五.
  const std::string_view percent = proportionPercentMap.lookup(before);
  std::string words =
      ChineseSentence::translateNumber(percent.empty() ? before + std::string(magnitudeTen) : std::string(percent));
  if (!words.empty()) words += enWord::percent;
  return words;
}

}  // namespace

std::string ChineseSentence::translateFractional(std::string text) {
  // A decimal with a magnitude (三点五万): the magnitude is set aside and read
  // with the digits of the decimal.
  std::string magnitude;
  if (gbk::contains(text, decimalPoint)) {
    std::size_t cut = gbk::find(text, magnitudeTenThousand);
    if (cut == npos) cut = gbk::find(text, magnitudeHundredMillion);
    if (cut != npos) {
      magnitude = text.substr(cut);
      text.erase(cut);
    }
  }
  if (gbk::contains(text, decimalPoint)) return translateDecimal(text, magnitude);
  if (gbk::contains(text, fractionMarker)) return translateFraction(text);
  if (gbk::contains(text, proportionWord)) return translateProportion(text);
  return {};
}

}  // namespace vestrilo
