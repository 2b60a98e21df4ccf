// English tokenizer: lower-cases the working copy, splits the line into words
// and runs of punctuation, and gives every token its first kind from its shape
// or from the English word lists.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <iterator>
#include <string_view>

#include "core/Bytes.h"
#include "english/EnglishSentence.h"
#include "english/EnglishWordClasses.h"
#include "english/NumericShapes.h"
#include "lexicon/EnglishExtendedWords.h"
#include "lexicon/EnglishNumberMaps.h"
#include "lexicon/Lexicon.h"

namespace vestrilo {

namespace {

using Kind = EnglishEntityKind;

// ASCII classes on single bytes; bytes of 0x80 and above are in none of them.

// Digits followed by "th", "st", "nd" or "rd" ("1st", "22nd"); the suffix need
// not agree with the number. A token that ends in such a suffix holds letters,
// so the kind it has here is Plain: only a token that starts with a digit can
// become something else.
Kind digitOrdinalShape(std::string_view t, Kind kind) {
  if (t.size() < 3 || !ascii::isDigit(t[0]) || !digitOrdinalSuffixList.hasWord(t.substr(t.size() - 2))) return kind;
  for (const char ch : t.substr(0, t.size() - 2)) {
    if (!ascii::isDigit(ch)) return Kind::Plain;
    kind = Kind::Ordinal;
  }
  return kind;
}

// "10:30" or "9:45"; the digits are not range-checked.
bool isClockShape(std::string_view t) {
  auto digitAt = [&](std::size_t i) { return ascii::isDigit(t[i]); };
  if (t.size() == 5) return t[2] == ':' && digitAt(0) && digitAt(1) && digitAt(3) && digitAt(4);
  if (t.size() == 4) return t[1] == ':' && digitAt(0) && digitAt(2) && digitAt(3);
  return false;
}

// "twenty-five" is a units word and "twenty-first" an ordinal. h is the
// position of the first "-" in t.
Kind hyphenCompound(std::string_view t, std::size_t h, Kind kind) {
  if (h == std::string_view::npos) return kind;
  const std::string_view tens = t.substr(0, h);
  const std::string_view rest = t.substr(h + 1);
  if (!englishTensList.hasWord(tens)) return kind;
  if (englishUnitsList.hasWord(rest)) return Kind::Units;
  if (englishOrdinalList.hasWord(rest)) return Kind::Ordinal;
  return kind;
}

// The kind each class list gives a token, in the order of
// english_word::classLists, which is the order they are tried: the first list
// holding the token gives its class.
constexpr Kind classKinds[] = {Kind::Units, Kind::Tens, Kind::Magnitude, Kind::Ordinal, Kind::Week, Kind::MonthDate};
static_assert(std::size(classKinds) == std::size(english_word::classLists));

// The class of the first list holding t, else kind. A token holding "<" or ">"
// (which the word test may match across two words of a list) is tried list by
// list; any other token is looked up once in the table of all six lists.
Kind wordClass(const WordTable& words, std::string_view t, bool bracket, Kind kind) {
  if (bracket) {
    for (std::size_t k = 0; k < std::size(classKinds); ++k)
      if (english_word::classLists[k].list->hasWord(t)) return classKinds[k];
    return kind;
  }
  const std::uint32_t bits = words.bitsOf(t);
  if (bits == 0) return kind;
  for (std::size_t k = 0; k < std::size(classKinds); ++k)
    if (bits & english_word::classLists[k].bits) return classKinds[k];
  return kind;
}

// What the tokenizer asks of a byte, read from one table built from the byte
// classes of core/Bytes.h.
enum : std::uint8_t {
  kSpace = 1,
  kPunct = 2,
  kDigit = 4,
  kArabicByte = 8,  // a digit, "." or ","
  kHyphen = 16,
  kBracket = 32,    // "<" or ">"
};

struct ByteClasses {
  std::uint8_t of[256] = {};
  constexpr ByteClasses() {
    for (int b = 0; b < 256; ++b) {
      const char c = static_cast<char>(b);
      std::uint8_t bits = 0;
      if (ascii::isSpace(c)) bits |= kSpace;
      if (ascii::isPunct(c)) bits |= kPunct;
      if (ascii::isDigit(c)) bits |= kDigit | kArabicByte;
      if (c == '.' || c == ',') bits |= kArabicByte;
      if (c == '-') bits |= kHyphen;
      if (c == '<' || c == '>') bits |= kBracket;
      of[b] = bits;
    }
  }
  std::uint8_t operator()(char c) const { return of[static_cast<unsigned char>(c)]; }
};
constexpr ByteClasses byteClass;

Kind classify(const WordTable& words, std::string_view t) {
  // One walk gathers what the tests below look for.
  std::uint8_t any = 0, all = 0xFF;
  for (const char ch : t) {
    const std::uint8_t c = byteClass(ch);
    any |= c;
    all &= c;
  }
  const bool digit = any & kDigit;
  // Digits with "." and ",", at least one digit ("." and "," alone have none).
  Kind kind = (all & kArabicByte) && digit ? Kind::Arabic : Kind::Plain;
  if (digit) {
    kind = digitOrdinalShape(t, kind);
    if (isClockShape(t)) kind = Kind::Clock;
  }
  if (any & kHyphen) kind = hyphenCompound(t, t.find('-'), kind);
  return wordClass(words, t, any & kBracket, kind);
}

// firsts, thirds, fifths: an ordinal word with the plural s.
bool isOrdinalPlural(std::string_view w) {
  return w.size() > 1 && w.back() == enWord::pluralSuffix && englishOrdinalList.hasWord(w.substr(0, w.size() - 1));
}

// The extended rules: where a word core holds a number glued to its noun by a
// hyphen (64-bit, sixteen-bit, Ninety-Ninety) or a unit glued to digits
// (83MiB), the number is a token of its own. Returns the length of the first
// piece and sets *hyphen when a hyphen follows it; 0 when the core stays whole.
std::size_t numberPiece(const WordTable& words, std::string_view t, bool* hyphen) {
  *hyphen = false;
  const std::size_t digits = shapes::numberPrefix(t);
  if (digits > 0) {
    if (!ascii::isDigit(t[0]) || !ascii::isDigit(t[digits - 1]) || digits == t.size()) return 0;
    const std::string_view rest = t.substr(digits);
    if (rest.size() >= 2 && (rest[0] == '-' || rest[0] == '+')) {
      for (const char c : rest.substr(1))
        if (!ascii::isLetter(c)) return 0;
      *hyphen = true;
      return digits;
    }
    return isListedWord(gluedUnitList, rest) ? digits : 0;
  }
  const std::size_t h = t.find('-');
  if (h == std::string_view::npos || h + 1 >= t.size() || isListedWord(numberHyphenIdiomList, t)) return 0;
  const std::string_view number = t.substr(0, h), rest = t.substr(h + 1);
  // mid-1993: the prefix, the hyphen and the year.
  if (isListedWord(yearPrefixList, number) && rest.size() == 4 && ascii::isDigits(rest)) {
    *hyphen = true;
    return h;
  }
  const std::uint32_t bits = words.bitsOf(number);
  if (!(bits & (english_word::Units | english_word::Tens)) || number == enWord::one) return 0;
  // twenty-five, twenty-first and twenty-firsts are one word.
  if ((bits & english_word::Tens) && (englishUnitsList.hasWord(rest) || englishOrdinalList.hasWord(rest) ||
                                      isOrdinalPlural(rest)))
    return 0;
  for (const char c : rest)
    if (!ascii::isLetter(c) && c != '-') return 0;
  *hyphen = true;
  return h;
}

// The kind the extended rules give a token beyond its classic one. t is its
// working text; capital() tells whether its text as written starts with a
// capital letter (asked only where the case matters).
template <class Capital>
Kind extendedKind(std::string_view t, Capital capital, Kind kind) {
  switch (kind) {
    case Kind::Arabic:
      return shapes::isVersionOrCode(t) ? Kind::Plain : kind;
    case Kind::MonthDate:
      return isListedWord(lowerCaseNonMonthList, t) && !capital() ? Kind::Plain : kind;
    case Kind::Plain:
      break;
    default:
      return kind;
  }
  if (t.empty()) return kind;
  if (ascii::isDigit(t[0])) {
    shapes::NumericDate date;
    std::string_view a, b;
    if (shapes::readNumericDate(t, date) || shapes::readDecade(t, &a, &b)) return Kind::MonthDate;
    if (shapes::isClockWithSeconds(t)) return Kind::Clock;
    if (shapes::readLetterMultiplier(t, &a, &b)) return Kind::ArabicMagnitude;
    if (shapes::isJoinedDigits(t)) return Kind::Arabic;
    return kind;
  }
  const std::uint32_t bits = english_word::extendedClassesOf(t);
  if ((bits & english_word::WeekdayAbbreviation) && capital()) return Kind::Week;
  // twenty-firsts, the denominator of three twenty-firsts.
  if (const std::size_t h = t.find('-');
      h != std::string_view::npos && englishTensList.hasWord(t.substr(0, h)) && isOrdinalPlural(t.substr(h + 1)))
    return Kind::Ordinal;
  if (bits & english_word::Zero) return Kind::Units;
  if (bits & english_word::Trillion) return Kind::Magnitude;
  if (bits & english_word::Score) return Kind::Tens;
  if ((bits & english_word::ClockWord) && !capital()) return Kind::Clock;
  if (bits & english_word::ExtendedOrdinal) return Kind::Ordinal;
  return kind;
}

// Whether the three bytes at p are a curly quote in UTF-8.
bool isListedQuote(const char* p) {
  for (const std::string_view q : curlyQuotes)
    if (q.compare(0, 3, std::string_view(p, 3)) == 0) return true;
  return false;
}

}  // namespace

void EnglishSentence::tokenize() {
  for (char& ch : lowered) {
    const unsigned char b = static_cast<unsigned char>(ch);
    ch = static_cast<char>(b + (static_cast<unsigned char>(b - 'A') < 26 ? 'a' - 'A' : 0));
  }

  // Records hold int32 offsets: bytes beyond the int32 range are not tokenized.
  const std::size_t length =
      std::min<std::size_t>(sentence.size(), static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()));
  const std::size_t loweredLength = std::min(length, lowered.size());
  const char* const line = sentence.data();
  const char* const low = lowered.data();
  auto space = [&](std::size_t i) { return i < length && (byteClass(line[i]) & kSpace); };
  const bool ext = extended();
  // The extended rules take the curly quotes of UTF-8 text (‘ ’ “ ”) for
  // punctuation too, so that a quoted number is a word of its own.
  auto quote = [&](std::size_t i) {
    for (std::size_t k = 0; k < 3; ++k) {
      if (i < k) break;
      const std::size_t b = i - k;
      if (b + 2 < loweredLength && isListedQuote(low + b)) return true;
    }
    return false;
  };
  auto punct = [&](std::size_t i) {
    return i < loweredLength &&
           ((byteClass(low[i]) & kPunct) || (ext && static_cast<unsigned char>(low[i]) >= 0x80 && quote(i)));
  };
  auto append = [&](std::size_t start, std::size_t size) {
    entities.push_back({static_cast<std::int32_t>(start), static_cast<std::int32_t>(size), Kind::Plain});
  };
  const WordTable& words = english_word::table();
  // A word core; the extended rules split a number off it (see numberPiece).
  auto appendWord = [&](std::size_t start, std::size_t size) {
    bool hyphen = false;
    const std::size_t first = ext ? numberPiece(words, std::string_view(lowered).substr(start, size), &hyphen) : 0;
    if (first == 0) return append(start, size);
    append(start, first);
    if (hyphen) append(start + first, 1);
    const std::size_t rest = first + (hyphen ? 1 : 0);
    if (rest < size) append(start + rest, size - rest);
  };

  std::size_t s = 0;
  while (space(s)) ++s;
  while (s < length) {
    std::size_t c = s;
    while (punct(c)) ++c;
    if (c > s) {
      append(s, c - s);
      s = c;
    }
    while (space(c)) s = ++c;
    while (c < length && !(byteClass(line[c]) & kSpace)) ++c;
    if (c == s) break;
    const std::size_t e = c - 1;
    while (c > s && punct(c - 1)) --c;
    if (c > s) appendWord(s, c - s);
    if (c <= e) append(c, e - c + 1);
    c = e + 1;
    while (space(c)) ++c;
    s = c;
  }

  for (EnglishEntity& token : entities) {
    const std::string_view t = workingText(token);
    token.kind = classify(words, t);
    if (ext) {
      auto capital = [&] {
        const std::string_view source = sourceText(token);
        return !source.empty() && source[0] >= 'A' && source[0] <= 'Z';
      };
      token.kind = extendedKind(t, capital, token.kind);
    }
  }
}

}  // namespace vestrilo
