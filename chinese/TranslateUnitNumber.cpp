// Arabic numbers with Chinese magnitudes: 3万 "thirty thousand", 3.5万
// "thirty-five thousand", 3千5百亿 "three hundred and fifty billion", and
// ranges such as 3-5万 "thirty thousand to fifty thousand".
//
// The digits are placed into the sixteen-digit layout that the magnitude has
// as a Chinese numeral (万 is 一万, "0000000000010000"): the last integer digit
// of the number in front of a magnitude lands where that layout has its "1".
// A magnitude that governs several groups (3千5百亿: both 3千 and 5百 count in
// 亿) is first written out after each of them (3千亿5百亿).
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseToEnglishMaps.h"

namespace vestrilo {

namespace {

// Writes `scale` after each of `magnitudes` in text[from, upTo), skipping the
// character that follows each inserted one, then the scale word that stood
// at upTo unless a Chinese character precedes it (an inserted one already
// stands there). `start` becomes the offset where that scale word stood.
std::string spreadScale(std::string_view text, std::size_t from, std::size_t upTo, std::string_view scale,
                        std::initializer_list<std::string_view> magnitudes, std::size_t& start) {
  std::string out(text.substr(0, from));
  bool chineseBefore = from > 0 && gbk::isLeadByte(text[gbk::lastCharOffset(text.substr(0, from))]);
  for (std::size_t i = from; i < upTo;) {
    const std::size_t len = gbk::charLength(text, i);
    const std::string_view ch = text.substr(i, len);
    out += ch;
    i += len;
    chineseBefore = len == 2;
    bool isMagnitude = false;
    for (std::string_view m : magnitudes) isMagnitude = isMagnitude || ch == m;
    if (!isMagnitude) continue;
    out += scale;
    if (i < upTo) {
      const std::size_t skip = gbk::charLength(text, i);
      out += text.substr(i, skip);
      chineseBefore = skip == 2;
      i += skip;
    }
  }
  start = out.size();
  if (!chineseBefore) out += scale;
  out += text.substr(upTo + scale.size());
  return out;
}

// Overwrites digits so that the last integer digit of number lands on p and
// its fraction digits (when a point is allowed) follow to the right. False
// when the number is not a plain decimal or does not fit the layout.
bool placeNumber(std::string& digits, std::string_view number, std::size_t p, bool allowPoint) {
  if (number.empty()) return true;
  std::string integer(number), fraction;
  if (allowPoint) {
    if (const std::size_t point = number.find('.'); point != std::string_view::npos) {
      integer = std::string(number.substr(0, point));
      fraction = std::string(number.substr(point + 1));
      if (integer.empty()) integer = "0";
    }
  }
  if (!ascii::allDigits(integer) || !ascii::allDigits(fraction)) return false;
  if (integer.size() > p + 1) return false;
  const std::size_t at = p + 1 - integer.size();
  const std::string placed = integer + fraction;
  if (at + placed.size() > digits.size()) return false;
  digits.replace(at, placed.size(), placed);
  return true;
}

}  // namespace

std::string ChineseSentence::translateUnitNumber(std::string text) {
  // A range: the left side borrows the magnitudes of the right (3-5万 is 3万 to 5万).
  std::string left;
  if (const std::size_t dash = text.find('-'); dash != std::string::npos) {
    std::string right = text.substr(dash + 1);
    std::string leftText = text.substr(0, dash);
    for (std::size_t i = 0; i < right.size(); ++i) {
      if (gbk::isLeadByte(right[i])) {
        leftText += right.substr(i);
        break;
      }
    }
    left = translateUnitNumber(std::move(leftText));
    if (left.empty()) return {};
    text = std::move(right);
  }

  // Thousands separators, full-width or ASCII.
  {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t len = gbk::charLength(text, i);
      const std::string_view ch = std::string_view(text).substr(i, len);
      if (ch != fullWidthComma && ch != ",") plain += ch;
      i += len;
    }
    text = std::move(plain);
  }

  std::size_t start = 0;
  if (const std::size_t yi = gbk::find(text, magnitudeHundredMillion); yi != std::string::npos)
    text = spreadScale(text, 0, yi, magnitudeHundredMillion,
                       {magnitudeTenThousand, magnitudeThousand, magnitudeHundred, magnitudeTen}, start);
  if (const std::size_t wan = gbk::find(text, magnitudeTenThousand, start); wan != std::string::npos) {
    std::size_t unused = 0;
    text = spreadScale(text, start, wan, magnitudeTenThousand, {magnitudeHundred, magnitudeThousand, magnitudeTen},
                       unused);
  }

  std::string accumulated;
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (!gbk::isLeadByte(text[i])) {
      ++i;
      continue;
    }
    // A magnitude is one character, or two when another follows (千万, 百亿).
    std::size_t magnitudeLength = gbk::charLength(text, i);
    if (i + magnitudeLength < text.size() && gbk::isLeadByte(text[i + magnitudeLength]))
      magnitudeLength += gbk::charLength(text, i + magnitudeLength);
    const std::string_view magnitude = std::string_view(text).substr(i, magnitudeLength);
    std::string groupDigits = chineseNumeralToArabic(std::string(numeralOne) + std::string(magnitude));
    const std::size_t p = groupDigits.find('1');
    const std::string_view number = std::string_view(text).substr(runStart, i - runStart);
    // A character that is no magnitude has no place in the layout.
    if (p != std::string::npos) {
      if (accumulated.empty()) {
        if (!placeNumber(groupDigits, number, p, true)) return {};
        accumulated = std::move(groupDigits);
      } else if (!placeNumber(accumulated, number, p, false)) {
        return {};
      }
    }
    i += magnitudeLength;
    runStart = i;
  }

  std::string result = digitsToEnglish(accumulated);
  if (left.empty()) return result;
  if (result.empty()) return {};
  left += enWord::rangeTo;
  return left + result;
}

}  // namespace vestrilo
