// Chinese numerals to digit strings.
//
// A numeral written with the magnitude characters 十 百 千 万 亿 is read into a
// fixed-width string of ASCII digits: four digits for a group below ten thousand,
// eight below 10^8 (the 万 group, then the units group) and sixteen below 10^16
// (the 亿 group of eight, then the lower eight). Texts are walked two bytes at a
// time from their first byte; a last odd byte is a character of its own that
// matches nothing. Nothing here reads outside its text.
//
// A 两 that ends a numeral right after 百, 千, 万 or 亿 is the measure word
// (三百两, three hundred taels) and no part of the value; 万万 is 亿.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"

namespace vestrilo {

namespace {

// The character at byte i of a text walked in pairs (one byte at the very end).
std::string_view charAt(std::string_view text, std::size_t i) { return text.substr(i, 2); }

// The digit of a numeral character of numeralDigitMap, or 0 for any other text.
char numeralDigit(std::string_view c) {
  if (c.size() != 2) return 0;
  const std::string_view d = numeralDigitMap.lookup(c);
  return d.empty() ? 0 : d.front();
}

// Byte offset of the first character c in the text's two-byte walk, or npos. The
// search keeps to character boundaries, so the second byte of one character and
// the first byte of the next never make up a false 万 or 亿.
std::size_t findChar(std::string_view text, std::string_view c) {
  for (std::size_t i = 0; i < text.size(); i += 2) {
    if (charAt(text, i) == c) return i;
  }
  return std::string_view::npos;
}

// The digit of a text that is exactly one numeral other than 零, or 0.
char loneNumeralDigit(std::string_view text) {
  if (text == numeralZero) return 0;
  return numeralDigit(text);
}

// Four digits (thousands, hundreds, tens, units) of a numeral below ten thousand.
//   - 千, 百, 十 take the digit of the numeral right before them;
//   - a 十 with no numeral before it, or after 零, counts one ten (十五, 一百十, 一千零十);
//   - a last numeral is the units digit, except that a last numeral other than 零
//     right after 千 or 百 is the abbreviated next lower place (三千五, 一百二).
void readDigits4(std::string_view text, char* out) {
  std::fill(out, out + 4, '0');
  std::string_view prev;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const std::string_view c = charAt(text, i);
    const char prevDigit = numeralDigit(prev);
    if (c == magnitudeThousand) {
      if (prevDigit) out[0] = prevDigit;
    } else if (c == magnitudeHundred) {
      if (prevDigit) out[1] = prevDigit;
    } else if (c == magnitudeTen) {
      out[2] = (prevDigit && prev != numeralZero) ? prevDigit : '1';
    } else if (i + 2 >= text.size()) {
      if (const char d = numeralDigit(c)) {
        if (c != numeralZero && prev == magnitudeThousand) {
          out[1] = d;
        } else if (c != numeralZero && prev == magnitudeHundred) {
          out[2] = d;
        } else {
          out[3] = d;
        }
      }
    }
    prev = c;
  }
}

// Eight digits of a numeral below 10^8: the group before the first 万 and the
// group after it. A single numeral after 万 is spoken for its thousands (两万三 is
// 23000).
void readDigits8(std::string_view text, char* out) {
  const std::size_t wan = findChar(text, magnitudeTenThousand);
  if (wan == std::string_view::npos) {
    std::fill(out, out + 4, '0');
    readDigits4(text, out + 4);
    return;
  }
  readDigits4(text.substr(0, wan), out);
  const std::string_view after = text.substr(wan + magnitudeTenThousand.size());
  if (const char d = loneNumeralDigit(after)) {
    std::fill(out + 4, out + 8, '0');
    out[4] = d;
  } else {
    readDigits4(after, out + 4);
  }
}

// The numeral of a text without the measure word 两 that may end it (三百两 is
// read as 三百).
std::string_view withoutTael(std::string_view text) {
  const std::size_t n = text.size();
  if (n >= 4 && n % 2 == 0 && chinese_char::isTaelAfter(charAt(text, n - 4), charAt(text, n - 2)))
    return text.substr(0, n - 2);
  return text;
}

// Writes each 万万 of the two-byte walk as 亿.
void tenThousandTwiceAsHundredMillion(std::string& text) {
  const std::size_t size = magnitudeTenThousandTwice.size();
  for (std::size_t i = 0; i + size <= text.size(); i += 2) {
    if (std::string_view(text).substr(i, size) == magnitudeTenThousandTwice)
      text.replace(i, size, magnitudeHundredMillion);
  }
}

}  // namespace

std::string ChineseSentence::chineseNumeralToDigits4(std::string text) {
  std::string out(4, '0');
  readDigits4(withoutTael(text), out.data());
  return out;
}

std::string ChineseSentence::chineseNumeralToDigits8(std::string text) {
  std::string out(8, '0');
  readDigits8(withoutTael(text), out.data());
  return out;
}

// Sixteen digits of a numeral below 10^16. White space is removed first (the
// tokenizer keeps spaces inside a numeral run: 三 亿 五), and 万万 is read as 亿
// (四万万 is 400000000). 万 before 亿 multiplies within the 亿 group; a single
// numeral after 亿 is spoken for its ten millions (三亿五 is 350000000).
std::string ChineseSentence::chineseNumeralToArabic(std::string text) {
  text.erase(std::remove_if(text.begin(), text.end(), ascii::isSpace), text.end());
  tenThousandTwiceAsHundredMillion(text);
  const std::string_view view = withoutTael(text);
  std::string out(16, '0');
  const std::size_t yi = findChar(view, magnitudeHundredMillion);
  if (yi == std::string_view::npos) {
    readDigits8(view, out.data() + 8);
    return out;
  }
  readDigits8(view.substr(0, yi), out.data());
  const std::string_view after = view.substr(yi + magnitudeHundredMillion.size());
  if (const char d = loneNumeralDigit(after)) {
    out[8] = d;
  } else {
    readDigits8(after, out.data() + 8);
  }
  return out;
}

// One digit per numeral character, read one by one (二零零八 is 2008, 两零零八 too:
// 两 is two here as in any numeral); any other character adds nothing.
std::string ChineseSentence::chineseDigitsToArabic(std::string text) {
  std::string out;
  const std::string_view view(text);
  for (std::size_t i = 0; i < view.size(); i += 2) {
    if (const char d = numeralDigit(charAt(view, i))) out += d;
  }
  return out;
}

// Up to four ASCII digits as a Chinese numeral (16 is 十六, 105 一百零五, 2
// 二); empty for any other text. Fractions written with digits are read with
// it by the translators of Chinese fractions.
std::string ChineseSentence::arabicToChineseNumeral(std::string_view digits) {
  while (digits.size() > 1 && digits[0] == '0') digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 4 || !ascii::isDigits(digits)) return {};
  static constexpr std::string_view names[] = {magnitudeThousand, magnitudeHundred, magnitudeTen};
  const auto digitName = [](char d) { return numeralByDigit.substr(static_cast<std::size_t>(d - '0') * 2, 2); };
  if (digits == "0") return std::string(numeralZero);
  std::string out;
  bool zero = false;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const char d = digits[i];
    const std::size_t place = digits.size() - 1 - i;  // 3 thousands .. 0 ones
    if (d == '0') {
      zero = !out.empty();
      continue;
    }
    if (zero) out += numeralZero;
    zero = false;
    // 十六, not 一十六, at the start.
    if (!(place == 1 && d == '1' && out.empty())) out += digitName(d);
    if (place > 0) out += names[3 - place];
  }
  return out;
}

}  // namespace vestrilo
