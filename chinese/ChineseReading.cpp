// The line as the extended rules read it. Text written with traditional or
// financial numerals, or with full-width digits, says what the rules know in
// other characters: 兩萬 is 两万, 肆佰陸拾 is 四百六十, ２００８ is 2008. Rather
// than every list and translator knowing each spelling, the stages read the line
// with those characters replaced (the reading), and every record is a span of
// the reading; what is written as a record's source is the line's own bytes
// for that span.
//
// Characters replaced:
// - wherever they stand: the characters of readingVariantMap (traditional forms,
//   the financial numerals that are nothing else, 〇, full-width digits);
// - beside a numeral: the financial numerals of financialNumeralMap, which are
//   ordinary characters too (參數, 队伍, 收拾, 登陆); the numeral may be on the
//   other side of a 点 (伍拾壹点肆);
// - beside digits: the full-width signs (the percent sign after a digit, the
//   point and the slash between digits, the minus before a digit).
// A line with none of them is read as it is, without a copy.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"

namespace vestrilo {

namespace {

constexpr std::uint16_t kAnyVariant =
    chinese_char::Variant | chinese_char::NumeralVariant | chinese_char::SignVariant;

// The line character by character: a byte of 0x80 or more and the byte after
// it are one character (one byte at the very end), any other byte is one.
class Characters {
 public:
  explicit Characters(std::string_view line) : line_(line) {}

  std::size_t lengthAt(std::size_t i) const { return gbk::charLength(line_, i); }
  std::string_view at(std::size_t i) const { return line_.substr(i, lengthAt(i)); }
  std::uint16_t classAt(std::size_t i) const {
    return i < line_.size() && gbk::isLeadByte(line_[i]) ? chinese_char::classAt(line_, i) : 0;
  }
  std::size_t after(std::size_t i) const { return i + lengthAt(i); }

  // A digit: ASCII or full-width.
  bool isDigit(std::size_t i) const {
    if (i >= line_.size()) return false;
    if (ascii::isDigit(line_[i])) return true;
    return (classAt(i) & chinese_char::Variant) && ascii::isDigits(readingVariantMap.lookup(at(i)));
  }
  // A numeral or magnitude character, in any of its spellings.
  bool isNumeral(std::size_t i) const {
    const std::uint16_t c = classAt(i);
    if (c & (chinese_char::Numeral | chinese_char::Magnitude | chinese_char::NumeralVariant)) return true;
    if (!(c & chinese_char::Variant)) return false;
    const std::string_view read = readingVariantMap.lookup(at(i));
    return read.size() == 2 && (chinese_char::classAt(read, 0) & (chinese_char::Numeral | chinese_char::Magnitude));
  }
  bool isPoint(std::size_t i) const {
    if (i >= line_.size()) return false;
    const std::string_view c = at(i);
    return c == decimalPoint || readingVariantMap.lookup(c) == decimalPoint;
  }
  // A numeral at the character j, or a point there with a numeral at k beyond it.
  bool numeralBeside(std::size_t j, std::size_t k) const {
    if (j >= line_.size()) return false;
    return isNumeral(j) || (isPoint(j) && k < line_.size() && isNumeral(k));
  }

 private:
  std::string_view line_;
};

// Where a character stands: its start and the starts of the two characters
// before it (npos where there is none). GBK cannot be read backwards (a trail
// byte may be any byte from 0x40), so the walk keeps them.
struct Place {
  std::size_t at, before, twoBefore;
};

// What the character at p.at is read as: the replacement, or empty to keep it.
std::string_view readAs(const Characters& line, const Place& p, std::uint16_t cls) {
  const std::string_view c = line.at(p.at);
  if (cls & chinese_char::Variant) return readingVariantMap.lookup(c);
  const std::size_t next = line.after(p.at);
  if (cls & chinese_char::NumeralVariant) {
    if (line.numeralBeside(p.before, p.twoBefore) || line.numeralBeside(next, line.after(next)))
      return financialNumeralMap.lookup(c);
    return {};
  }
  if (cls & chinese_char::SignVariant) {
    const bool digitBefore = line.isDigit(p.before);
    const bool digitAfter = line.isDigit(next);
    const bool reads = c == fullWidthPercent ? digitBefore : c == fullWidthMinus ? digitAfter : digitBefore && digitAfter;
    return reads ? fullWidthSignMap.lookup(c) : std::string_view();
  }
  return {};
}

}  // namespace

void ChineseSentence::makeReading() {
  readingIsLine_ = true;
  if (!extended()) return;
  const std::string_view line(sentence);
  const Characters chars(line);
  // Most lines hold no variant: the first one is looked for in a tight walk (a
  // last lead byte reads with a trail byte of 0, as classAt reads it).
  const std::size_t n = line.size();
  std::size_t first = 0;
  while (first < n) {
    const unsigned char b = static_cast<unsigned char>(line[first]);
    if (b < 0x80) {
      ++first;
      continue;
    }
    const unsigned char trail = first + 1 < n ? static_cast<unsigned char>(line[first + 1]) : 0;
    if (chinese_char::table.of(b, trail) & kAnyVariant) break;
    first += 2;
  }
  if (first >= n) return;

  // Records are 32-bit spans, as the tokenizer keeps them: the offsets fit.
  // A character is read as one of no more bytes, so the buffers are sized to
  // the line once, filled by index and cut to the reading at the end.
  reading_.resize(n);
  lineOffsets_.resize(n + 1);
  std::copy(line.data(), line.data() + first, reading_.data());
  for (std::size_t k = 0; k < first; ++k) lineOffsets_[k] = static_cast<std::uint32_t>(k);
  std::size_t w = first;
  bool changed = false;
  // The characters before the first variant, for its neighbours.
  Place place{0, std::string_view::npos, std::string_view::npos};
  while (place.at < first) place = Place{chars.after(place.at), place.at, place.before};
  std::size_t before = place.before, twoBefore = place.twoBefore;
  for (std::size_t i = first; i < n;) {
    // The run of characters up to the next variant, copied as it stands.
    std::size_t j = i;
    std::uint16_t cls = 0;
    while (j < n) {
      if (gbk::isLeadByte(line[j])) {
        cls = chinese_char::classAt(line, j);
        if (cls & kAnyVariant) break;
      }
      twoBefore = before;
      before = j;
      j += chars.lengthAt(j);
    }
    std::copy(line.data() + i, line.data() + j, reading_.data() + w);
    for (std::size_t k = i; k < j; ++k) lineOffsets_[w + k - i] = static_cast<std::uint32_t>(k);
    w += j - i;
    if (j >= n) break;
    // The variant at j, read as another character or kept.
    const std::size_t length = chars.lengthAt(j);
    const std::string_view as = readAs(chars, Place{j, before, twoBefore}, cls);
    const bool read = !as.empty();
    const std::string_view put = read ? as : line.substr(j, length);
    if (w + put.size() > reading_.size()) {
      reading_.resize(w + put.size() + n);
      lineOffsets_.resize(w + put.size() + n + 1);
    }
    for (std::size_t k = 0; k < put.size(); ++k) {
      reading_[w + k] = put[k];
      lineOffsets_[w + k] = static_cast<std::uint32_t>(j + (read ? 0 : k));
    }
    w += put.size();
    changed = changed || read;
    twoBefore = before;
    before = j;
    i = j + length;
  }
  reading_.resize(w);
  lineOffsets_.resize(w + 1);
  lineOffsets_[w] = static_cast<std::uint32_t>(n);
  readingIsLine_ = !changed;
}

std::string_view ChineseSentence::sourceText(const ChineseEntity& e) const {
  if (readingIsLine_) return LineRecords::sourceText(e);
  // The record's span of the reading, clamped to it, then the line's bytes from
  // the character its first byte was read from to the one after its last.
  const std::string_view span = recordText(reading_, e);
  const std::size_t begin = static_cast<std::size_t>(span.data() - reading_.data());
  const std::size_t end = begin + span.size();
  const std::size_t from = lineOffsets_[begin];
  const std::size_t to = end < lineOffsets_.size() ? lineOffsets_[end] : sentence.size();
  return from < to ? std::string_view(sentence).substr(from, to - from) : std::string_view(sentence).substr(from, 0);
}

}  // namespace vestrilo
