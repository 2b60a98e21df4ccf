// Digit strings to Chinese numerals in the grouped reading: 十, 百, 千 inside a
// group of four digits, 万 between the two groups of eight, 亿 between the two
// halves of sixteen, and 零 for a gap.
//
// The writers take strings of exactly their width made of the digits 0-9; any
// other input has no numeral and gives the empty string.
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "lexicon/EnglishToChineseMaps.h"

namespace vestrilo {

namespace {

bool isDigitString(std::string_view s, std::size_t width) {
  if (s.size() != width) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

bool endsWith(std::string_view s, std::string_view p) {
  return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

}  // namespace

std::string EnglishSentence::fourDigitsToChinese(std::string digits) {
  if (!isDigitString(digits, 4)) return {};
  static constexpr std::string_view units[] = {zhWord::thousand, zhWord::hundred, zhWord::ten};
  std::string out;
  bool zeroPending = false;
  for (std::size_t i = 0; i < 3; ++i) {
    const char d = digits[i];
    if (d != '0') {
      out += chineseDigitMap.lookup(std::string_view(&d, 1));
      out += units[i];
      zeroPending = false;
    } else {
      // One zero for a run of zeros. The thousands place always says its zero,
      // so that a caller can put the group after a higher unit.
      if (!zeroPending) out += zhWord::zero;
      zeroPending = true;
    }
  }
  if (digits[3] != '0') out += chineseDigitMap.lookup(std::string_view(&digits[3], 1));

  if (endsWith(out, zhWord::zero)) out.erase(out.size() - zhWord::zero.size());
  if (digits == "0000") out = std::string(zhWord::zero);
  // Ten alone after the leading zero: 零一十五 reads 零十五.
  const std::string_view one = chineseDigitMap.lookup("1");
  if (startsWith(out, zhWord::zero) && startsWith(std::string_view(out).substr(zhWord::zero.size()), one) &&
      startsWith(std::string_view(out).substr(zhWord::zero.size() + one.size()), zhWord::ten))
    out.erase(zhWord::zero.size(), one.size());
  return out;
}

std::string EnglishSentence::eightDigitsToChinese(std::string digits) {
  if (!isDigitString(digits, 8)) return {};
  std::string low = fourDigitsToChinese(digits.substr(4, 4));
  std::string high = fourDigitsToChinese(digits.substr(0, 4));
  if (high == zhWord::zero) return low;
  return high + std::string(zhWord::tenThousand) + low;
}

std::string EnglishSentence::sixteenDigitsToChinese(std::string digits) {
  if (!isDigitString(digits, 16)) return {};
  std::string low = eightDigitsToChinese(digits.substr(8, 8));
  std::string high = eightDigitsToChinese(digits.substr(0, 8));
  std::string e = high == zhWord::zero ? low : high + std::string(zhWord::hundredMillion) + low;

  // A zero just before 亿 says nothing: 一千万零亿 reads 一千万亿.
  std::string scanned;
  scanned.reserve(e.size());
  for (std::size_t i = 0; i < e.size();) {
    const std::string_view rest = std::string_view(e).substr(i);
    if (startsWith(rest, zhWord::zero) && startsWith(rest.substr(zhWord::zero.size()), zhWord::hundredMillion)) {
      scanned += zhWord::hundredMillion;
      i += zhWord::zero.size() + zhWord::hundredMillion.size();
      continue;
    }
    const std::size_t w = gbk::charLength(e, i);
    scanned.append(e, i, w);
    i += w;
  }
  e.swap(scanned);

  if (e != zhWord::zero && startsWith(e, zhWord::zero)) e.erase(0, zhWord::zero.size());
  if (e != zhWord::zero && endsWith(e, zhWord::zero)) e.erase(e.size() - zhWord::zero.size());
  return e;
}

}  // namespace vestrilo
