// Fractional translation: fractions (三分之二 "two thirds"), percentages
// (百分之五十 "50%"), proportions in tenths (三成 "thirty percent") and
// Chinese decimals (三点五 "3.5", 三点五万 "thirty-five thousand").
#include "chinese/ChineseSentence.h"
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
  const std::size_t point = gbk::find(text, "点");
  std::string integerText = text.substr(0, point);
  const std::string fractionText = text.substr(point + 2);

  if (gbk::startsWith(integerText, "百分之")) {
    const std::string digits = decimalDigits(integerText.substr(6), fractionText);
    return digits.empty() ? std::string() : digits + "%";
  }
  if (gbk::contains(integerText, "分之")) return {};
  std::string digits = decimalDigits(integerText, fractionText);
  if (digits.empty() || magnitude.empty()) return digits;
  return ChineseSentence::translateUnitNumber(digits + magnitude);
}

std::string translateFraction(const std::string& text) {
  const std::size_t mark = gbk::find(text, "分之");
  std::string denominator = text.substr(0, mark);
  const std::string numerator = text.substr(mark + 4);

  if (numerator == "一" && denominator == "二") return "one half";
  if (numerator == "一" && denominator == "四") return "one quarter";
  if (numerator == "三" && denominator == "四") return "three quarters";
  if (denominator == "百") {
    if (numerator == "百") return "one hundred percent";
    std::string digits = integerDigits(numerator);
    if (digits.empty()) digits = "0";
    return digits + "%";
  }

  const std::string numeratorWords = ChineseSentence::translateNumber(numerator);
  if (numeratorWords.empty()) return {};
  if (denominator.size() >= 4 && numerator.size() >= 4) {
    const std::string denominatorWords = ChineseSentence::translateNumber(denominator);
    if (denominatorWords.empty()) return {};
    return numeratorWords + " over " + denominatorWords;
  }

  // An ordinal denominator: 十分之一 "one tenth", 千分之五 "five thousandths".
  if (unitList.hasWord(gbk::firstChar(denominator))) denominator.insert(0, "一");
  std::string denominatorWords = ChineseSentence::translateOrdinal("第" + denominator);
  if (gbk::startsWith(denominatorWords, "one ")) denominatorWords.erase(0, 4);
  if (denominatorWords.empty()) return {};
  std::string result = numeratorWords + " " + denominatorWords;
  if (numerator != "一") result += 's';
  return result;
}

std::string translateProportion(const std::string& text) {
  const std::string before = text.substr(0, gbk::find(text, "成"));
  if (before.empty()) return {};
  if (before.size() == 1) {
    if (before[0] < '0' || before[0] > '9') return {};
    return before + "0%";
  }
  // Tenths as a percentage: 三成 is 三十 percent, 十成 一百 and 半成 五.
  const std::string_view percent = proportionPercentMap.lookup(before);
  const std::string words = ChineseSentence::translateNumber(percent.empty() ? before + "十" : std::string(percent));
  return words.empty() ? std::string() : words + " percent";
}

}  // namespace

std::string ChineseSentence::translateFractional(std::string text) {
  // A decimal with a magnitude (三点五万): the magnitude is set aside and read
  // with the digits of the decimal.
  std::string magnitude;
  if (gbk::contains(text, "点")) {
    std::size_t cut = gbk::find(text, "万");
    if (cut == npos) cut = gbk::find(text, "亿");
    if (cut != npos) {
      magnitude = text.substr(cut);
      text.erase(cut);
    }
  }
  if (gbk::contains(text, "点")) return translateDecimal(text, magnitude);
  if (gbk::contains(text, "分之")) return translateFraction(text);
  if (gbk::contains(text, "成")) return translateProportion(text);
  return {};
}

}  // namespace vestrilo
