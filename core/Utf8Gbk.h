// UTF-8 and GBK at the byte level: the conversion tables, UTF-8 decoding, and
// the conversions the UTF-8 mode is built on.
//
// The tables are made once, on first use, with the C library's iconv: for every
// character of the Basic Multilingual Plane its two-byte GBK form, and for every
// two-byte GBK code its character. They are never changed afterwards, so any
// thread may read them. Converting a line is then a table look-up per
// character, with no call into iconv.
//
// The rules read GBK as "a byte of 0x80 or more and the byte after it are one
// character" (core/Bytes.h). So a UTF-8 character becomes GBK only when it has
// a two-byte form: iconv also writes the euro sign as the single byte 0x80,
// which the rules would read as the first half of a character, and such a
// character counts as one without a GBK form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vestrilo::utf8 {

// What a character without a GBK form, or a piece of ill-formed UTF-8, becomes
// in the GBK text the rules read: 〓 (U+3013, GBK A1 FE), the mark CJK
// typesetting puts where a character is missing. No rule reads it as a
// numeral, a unit word or punctuation, so it stays inside a Plain record.
inline constexpr std::string_view standIn = "〓";
inline constexpr char32_t standInCharacter = 0x3013;

// U+FFFD, written where text cannot be converted to UTF-8.
inline constexpr std::string_view replacement = u8"\uFFFD";

// The UTF-8 byte-order mark.
inline constexpr std::string_view byteOrderMark = u8"\uFEFF";

// One step of UTF-8 decoding at the start of `text`: a well-formed character
// (its code point and byte length), or, when the bytes there are not
// well-formed UTF-8, the maximal ill-formed subpart (at least one byte) with
// `valid` false. Overlong forms, surrogates and values past U+10FFFF are
// ill-formed. The empty text gives length 0.
struct Decoded {
  char32_t character = 0;
  std::size_t length = 0;
  bool valid = false;
};
Decoded decode(std::string_view text);

// Whether every byte is below 0x80 (such text reads the same in both encodings).
bool isAscii(std::string_view text);

// Appends the UTF-8 form of a code point (which must be a Unicode scalar value).
void appendCharacter(std::string& out, char32_t character);

// The two-byte GBK form of a character, lead byte in the high half; 0 when it
// has none (ASCII characters included: they are one byte in both encodings).
std::uint16_t gbkCode(char32_t character);

// The character of a two-byte GBK code; 0 when the pair is no character.
char32_t gbkCharacter(unsigned char lead, unsigned char trail);

// UTF-8 text as the GBK text the rules read, and the way back to its bytes.
// ASCII bytes stay as they are; a character with a two-byte GBK form becomes
// that form; anything else (a character without one, each maximal ill-formed
// subpart) becomes standIn. The text is converted up to the length the rules
// read (INT32_MAX bytes of GBK), so every offset fits 32 bits.
//
// `positions` gets one entry per GBK byte and one more: the offset in `utf8` of
// the character the byte belongs to (both bytes of a character map to its
// first byte), and at the end the length of the converted UTF-8. A span
// [b, e) of the GBK text is the UTF-8 bytes [positions[b], positions[e]).
void toGbk(std::string_view utf8, std::string& gbk, std::vector<std::uint32_t>& positions);

// Appends GBK text as UTF-8, reading it as the rules do. A pair that is no GBK
// character gives U+FFFD for its first byte, and reading goes on at the second
// (the single byte 0x80 gives the euro sign, as iconv reads it); so does a
// last byte of 0x80 or more.
void appendGbkAsUtf8(std::string& out, std::string_view gbk);
std::string gbkToUtf8(std::string_view gbk);

// Appends text that should be UTF-8, each maximal ill-formed subpart replaced
// by U+FFFD: the result is always well-formed.
void appendWellFormed(std::string& out, std::string_view text);

// Whether the conversion tables could be made (false when the C library has no
// GBK converter: then only ASCII converts, every other character is the stand-in
// or U+FFFD).
bool tablesAvailable();

}  // namespace vestrilo::utf8
