#include "english/NumericShapes.h"

#include <cstddef>

#include "core/Bytes.h"
#include "lexicon/EnglishExtendedWords.h"

namespace vestrilo {

namespace shapes {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The value of a run of one to four digits (the runs here are short).
int valueOf(std::string_view digits) {
  int v = 0;
  for (char c : digits) v = v * 10 + (c - '0');
  return v;
}

// Splits t at every `sep` into at most three runs of digits; false when a
// piece is empty, holds a non-digit or is longer than four digits.
int digitRuns(std::string_view t, char sep, std::string_view runs[3]) {
  int n = 0;
  std::size_t b = 0;
  for (;;) {
    if (n == 3) return 0;
    const std::size_t e = t.find(sep, b);
    const std::string_view piece = t.substr(b, e == npos ? npos : e - b);
    if (piece.empty() || piece.size() > 4 || !ascii::allDigits(piece)) return 0;
    runs[n++] = piece;
    if (e == npos) return n;
    b = e + 1;
  }
}

bool isMonth(int m) { return m >= 1 && m <= 12; }
bool isDay(int d) { return d >= 1 && d <= 31; }

}  // namespace

bool readNumericDate(std::string_view t, NumericDate& date) {
  if (t.size() < 4 || t.size() > 10 || !ascii::isDigit(t.front()) || !ascii::isDigit(t.back())) return false;
  const char sep = t.find('-') != npos ? '-' : '/';
  std::string_view r[3];
  const int n = digitRuns(t, sep, r);
  if (n == 3) {
    const int a = valueOf(r[0]), b = valueOf(r[1]), c = valueOf(r[2]);
    // Year first: 2016-12-14, 2016/12/14, 88/08/01.
    if ((r[0].size() == 4 || (r[0].size() == 2 && a > 31)) && r[1].size() <= 2 && r[2].size() <= 2 && isMonth(b) &&
        isDay(c)) {
      date = {r[0], b, c};
      return true;
    }
    // Year last, in slashes only (08-29-2001 is rare and 0-262-01 an ISBN).
    if (sep != '/' || r[0].size() > 2 || r[1].size() > 2 || (r[2].size() != 2 && r[2].size() != 4)) return false;
    if (isMonth(a) && isDay(b)) {
      date = {r[2], a, b};
      return true;
    }
    if (isDay(a) && isMonth(b)) {  // the first number cannot be a month: 29/08/2001
      date = {r[2], b, a};
      return true;
    }
    return false;
  }
  if (n != 2) return false;
  const int a = valueOf(r[0]), b = valueOf(r[1]);
  // Year and month: 2008-12.
  if (sep == '-' && r[0].size() == 4 && r[1].size() == 2 && a >= 1000 && a <= 2999 && isMonth(b)) {
    date = {r[0], b, 0};
    return true;
  }
  // Month and day with two digits each, one with a leading zero: 08/29.
  if (sep == '/' && r[0].size() == 2 && r[1].size() == 2 && (r[0][0] == '0' || r[1][0] == '0') && isMonth(a) &&
      isDay(b)) {
    date = {std::string_view(), a, b};
    return true;
  }
  return false;
}

bool isClockWithSeconds(std::string_view t) {
  std::string_view r[3];
  if (t.size() < 7 || t.size() > 8 || digitRuns(t, ':', r) != 3) return false;
  return r[0].size() <= 2 && r[1].size() == 2 && r[2].size() == 2 && valueOf(r[0]) <= 23 && valueOf(r[1]) <= 59 &&
         valueOf(r[2]) <= 59;
}

bool readDecade(std::string_view t, std::string_view* century, std::string_view* years) {
  std::size_t n = t.size();
  if (n < 3 || t[n - 1] != 's') return false;
  --n;
  if (t[n - 1] == '\'') --n;
  const std::string_view digits = t.substr(0, n);
  if (!ascii::isDigits(digits) || digits.back() != '0') return false;
  if (digits.size() == 4 && digits[0] != '0') {
    *century = digits.substr(0, 2);
    *years = digits.substr(2);
    return true;
  }
  if (digits.size() == 2) {
    *century = std::string_view();
    *years = digits;
    return true;
  }
  return false;
}

std::size_t numberPrefix(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && (ascii::isDigit(t[i]) || t[i] == '.' || t[i] == ',')) ++i;
  return i;
}

bool readLetterMultiplier(std::string_view t, std::string_view* number, std::string_view* scale) {
  const std::size_t p = numberPrefix(t);
  if (p == 0 || p == t.size() || !ascii::isDigit(t[0]) || !ascii::isDigit(t[p - 1])) return false;
  const std::string_view letters = t.substr(p);
  const std::string_view word = letterMultiplierMap.lookup(letters);
  if (word.empty()) return false;
  const std::string_view n = t.substr(0, p);
  // A bare "b" after a whole number is more often bytes (512b) than billions.
  // (and 1003.1b is a standard's name).
  if (letters == "b" && (n.find('.') == npos || n.find('.') > 3)) return false;
  if (n.find(',') != npos) return false;
  *number = n;
  *scale = word;
  return true;
}

bool isJoinedDigits(std::string_view t) {
  static constexpr std::string_view joiners = "-:x^_";
  std::size_t i = 0;
  while (i < t.size() && ascii::isDigit(t[i])) ++i;
  if (i == 0 || i == t.size() || joiners.find(t[i]) == npos) return false;
  if (t[i] == 'x' && t[0] == '0') return false;  // 0x1f is hexadecimal
  std::size_t j = i + 1;
  if (t[i] == '^' && j < t.size() && t[j] == '-') ++j;  // 10^-9
  if (j == t.size()) return false;
  for (std::size_t k = j; k < t.size(); ++k)
    if (!ascii::isDigit(t[k]) && !(t[i] == '_' && t[k] == '_')) return false;
  return true;
}

bool isVersionOrCode(std::string_view t) {
  std::size_t dots = 0;
  for (char c : t) dots += c == '.';
  if (dots >= 2) return true;
  return t.size() >= 3 && t[0] == '0' && ascii::allDigits(t);
}

}  // namespace shapes

}  // namespace vestrilo
