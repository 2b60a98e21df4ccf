// Byte classes shared by every stage of both directions: ASCII digits, letters,
// white space and punctuation, and reading GBK text character by character.
// Bytes of 0x80 and above are in none of the ASCII classes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace vestrilo {

namespace ascii {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// The printable ASCII bytes that are neither letters, digits nor space.
constexpr bool isPunct(char c) {
  return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
         (c >= 0x7B && c <= 0x7E);
}

// The number that atoi reads from the front of text (leading white space, an
// optional sign, digits), saturating at the int32 limits instead of overflowing.
// Reads nothing beyond the view.
inline std::int32_t saturatingAtoi(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit + 1) value = limit + 1;  // enough to know it saturates either way
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value > limit ? limit : value);
}

// Whether every byte of t is an ASCII digit (true for the empty text).
constexpr bool allDigits(std::string_view t) {
  for (char c : t)
    if (!isDigit(c)) return false;
  return true;
}
// A number in ASCII digits: at least one digit and nothing else.
constexpr bool isDigits(std::string_view t) { return !t.empty() && allDigits(t); }

}  // namespace ascii

// Reading GBK text: a byte of 0x80 or more starts a two-byte character, any
// other byte is one ASCII character. Searching a translator's text for a
// Chinese word must only match at character boundaries, or the second byte of
// one character and the first byte of the next could pass for a third.
namespace gbk {

// t.substr(pos, n) with pos clamped to the text: never throws.
constexpr std::string_view slice(std::string_view t, std::size_t pos, std::size_t n = std::string_view::npos) {
  return pos >= t.size() ? std::string_view() : t.substr(pos, n);
}

constexpr bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Byte length of the character at i, clamped to the text (a lead byte at the
// very end is a character of one byte).
constexpr std::size_t charLength(std::string_view t, std::size_t i) {
  if (i >= t.size()) return 0;
  return isLeadByte(t[i]) && i + 1 < t.size() ? 2 : 1;
}

// Offset of the first occurrence of piece that starts on a character boundary
// at or after the boundary `from`, or npos. The empty piece is never found.
constexpr std::size_t find(std::string_view t, std::string_view piece, std::size_t from = 0) {
  if (piece.empty()) return std::string_view::npos;
  for (std::size_t i = from; i < t.size(); i += charLength(t, i)) {
    if (t.compare(i, piece.size(), piece) == 0 && i + piece.size() <= t.size()) return i;
  }
  return std::string_view::npos;
}

constexpr bool contains(std::string_view t, std::string_view piece) {
  return find(t, piece) != std::string_view::npos;
}

constexpr bool startsWith(std::string_view t, std::string_view piece) {
  return t.substr(0, piece.size()) == piece;
}

// The first character of t (empty for the empty text).
constexpr std::string_view firstChar(std::string_view t) { return t.substr(0, charLength(t, 0)); }

// Offset of the last character of t (0 for the empty text).
constexpr std::size_t lastCharOffset(std::string_view t) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < t.size(); i += charLength(t, i)) last = i;
  return last;
}

constexpr bool endsWithChar(std::string_view t, std::string_view ch) {
  return !t.empty() && t.substr(lastCharOffset(t)) == ch;
}

}  // namespace gbk

// A set of byte values, for a first test of a text against a few words: a text
// can equal a word only when its first byte is the word's first byte.
class ByteSet {
 public:
  constexpr ByteSet() = default;
  // The first bytes of the words of a word list "<w1><w2>...".
  constexpr ByteSet& addFirstBytesOfList(std::string_view list) {
    for (std::size_t p = 0; p + 1 < list.size(); ++p)
      if (list[p] == '<') add(list[p + 1]);
    return *this;
  }
  constexpr ByteSet& addFirstByte(std::string_view word) {
    if (!word.empty()) add(word[0]);
    return *this;
  }
  constexpr void add(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    bits_[b >> 6] |= std::uint64_t{1} << (b & 63);
  }
  constexpr bool has(unsigned char b) const { return (bits_[b >> 6] >> (b & 63)) & 1; }

 private:
  std::uint64_t bits_[4] = {};
};

}  // namespace vestrilo
