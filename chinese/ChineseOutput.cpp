// The translation of a Chinese record into English, by kind.
#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"

namespace vestrilo {

namespace {

// What a translator reads: the source without any ASCII white space, so that
// 三 百 reads as 三百.
std::string translatorInput(std::string_view source) {
  std::string out;
  out.reserve(source.size());
  for (char c : source)
    if (!ascii::isSpace(c)) out += c;
  return out;
}

// A rendering without the blanks around it (" August", "  2008", "first "):
// the extended rules write none.
std::string trimmed(std::string text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  std::size_t begin = 0;
  while (begin < end && text[begin] == ' ') ++begin;
  return text.substr(begin, end - begin);
}

// The number a fused word counts (三个, 一个包, 之一, 第一代 after its 第): its
// first run of numeral and magnitude characters, or of ASCII digits; the text
// itself when it starts with neither. A magnitude that starts it counts one
// (百尺 "a hundred feet" counts 一百).
std::string countedNumber(const std::string& text) {
  std::size_t from = gbk::startsWith(text, oneOfMarker) ? oneOfMarker.size() : 0;
  std::size_t end = from;
  if (end < text.size() && ascii::isDigit(text[end])) {
    while (end < text.size() && ascii::isDigit(text[end])) ++end;
    return end < text.size() ? text.substr(from, end - from) : text;
  }
  while (end + 1 < text.size() && gbk::isLeadByte(text[end]) &&
         (chinese_char::classAt(text, end) & (chinese_char::Numeral | chinese_char::Magnitude)))
    end += 2;
  if (end == from || (from == 0 && end == text.size())) return text;
  std::string number = text.substr(from, end - from);
  if ((chinese_char::classAt(number, 0) & (chinese_char::Magnitude | chinese_char::Ten)) == chinese_char::Magnitude)
    number.insert(0, numeralOne);
  return number;
}

std::string countedOrdinal(const std::string& text) {
  if (!gbk::startsWith(text, ordinalMarker)) return text;
  return std::string(ordinalMarker) + countedNumber(text.substr(ordinalMarker.size()));
}

// The length of the sign a negative number starts with (- or 负), 0 for none.
std::size_t signLength(std::string_view text) {
  if (gbk::startsWith(text, asciiMinus)) return asciiMinus.size();
  if (gbk::startsWith(text, negativeWord)) return negativeWord.size();
  return 0;
}

// Where the word of a range stands in a record's text (512 到 4096), npos for none.
std::size_t rangeWordAt(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); i += gbk::isLeadByte(text[i]) ? 2 : 1)
    if (gbk::isLeadByte(text[i]) && rangeWordList.hasWord(text.substr(i, 2))) return i;
  return std::string_view::npos;
}

// The part of record e from offset `from` of its text, `length` bytes long,
// without the blanks around it.
ChineseEntity partOf(std::string_view text, const ChineseEntity& e, std::size_t from, std::size_t length) {
  while (length > 0 && text[from] == ' ') ++from, --length;
  while (length > 0 && text[from + length - 1] == ' ') --length;
  return ChineseEntity{e.start + static_cast<std::int32_t>(from), static_cast<std::int32_t>(length), e.kind};
}

// Where the word of an approximation stands in a numeral's text, right after a
// magnitude (十多万, 二十几), npos for none.
std::size_t approximationAt(std::string_view text) {
  for (std::size_t i = 2; i + 1 < text.size() && gbk::isLeadByte(text[i]); i += 2)
    if ((chinese_char::classAt(text, i - 2) & chinese_char::Magnitude) && approximationMap.hasKey(text.substr(i, 2)))
      return i;
  return std::string_view::npos;
}

}  // namespace

// A number in ASCII digits within a sign or a range is written as it is read.
std::string ChineseSentence::partTranslation(const ChineseEntity& part) const {
  const std::string_view t = text(part);
  bool digits = !t.empty() && ascii::isDigit(t[0]);
  for (const char c : t) digits = digits && !gbk::isLeadByte(c);
  if (digits) return translatorInput(t);
  return translationByKind(part);
}

std::string ChineseSentence::translationOf(const ChineseEntity& e, std::string* second) const {
  if (second) second->clear();
  std::string translation = translationByKind(e);
  return extended() ? trimmed(std::move(translation)) : translation;
}

std::string ChineseSentence::translationByKind(const ChineseEntity& e) const {
  const std::string_view source = text(e);
  if (extended() && e.kind != ChineseEntityKind::Arabic) {
    // -1, -3.9%, minus thirty-two: the sign in the style of the number.
    if (const std::size_t sign = signLength(source)) {
      const std::string number = partTranslation(partOf(source, e, sign, source.size() - sign));
      if (number.empty()) return {};
      return (ascii::isDigit(number[0]) ? std::string(asciiMinus) : std::string(minusEnglish)) + number;
    }
    // 512 到 4096: "512 to 4096".
    const std::size_t at = e.kind == ChineseEntityKind::Number ? rangeWordAt(source) : std::string_view::npos;
    if (at != std::string_view::npos) {
      const std::string low = partTranslation(partOf(source, e, 0, at));
      const std::string high = partTranslation(partOf(source, e, at + 2, source.size() - at - 2));
      if (low.empty() || high.empty()) return {};
      return low + std::string(rangeEnglish) + high;
    }
    // 几条 "a few", 好几个 "several".
    if (e.kind == ChineseEntityKind::Number)
      for (const std::string_view head : {source.substr(0, 4), source.substr(0, 2)})
        if (severalWordMap.hasKey(head)) return severalWordMap.value(head);
    // 2013 - 03 - 03: a date with hyphens is written as it stands.
    if (e.kind == ChineseEntityKind::Date && !source.empty() && ascii::isDigit(source[0]) &&
        source.find(dateHyphen) != std::string_view::npos)
      return translatorInput(source);
    // 两个 以上 "two or more", 多于 一个 "more than one".
    if (e.kind == ChineseEntityKind::Number && source.size() > 4) {
      const std::string_view after = boundAfterMap.lookup(source.substr(source.size() - 4));
      const std::string_view before = boundBeforeMap.lookup(source.substr(0, 4));
      if (!after.empty() || !before.empty()) {
        const std::size_t from = before.empty() ? 0 : 4;
        const std::string number =
            partTranslation(partOf(source, e, from, source.size() - from - (after.empty() ? 0 : 4)));
        return number.empty() ? std::string() : std::string(before) + number + std::string(after);
      }
    }
    // 十多万 "more than one hundred thousand", 二十几 "twenty-odd", 十来个 "about ten".
    const std::size_t approximation = e.kind == ChineseEntityKind::Number ? approximationAt(source) : std::string_view::npos;
    if (approximation != std::string_view::npos) {
      std::string exact(source.substr(0, approximation));
      exact += source.substr(approximation + 2);
      const std::string number = translateNumber(countedNumber(translatorInput(exact)), rules);
      if (number.empty()) return {};
      const char how = approximationMap.lookup(source.substr(approximation, 2)).front();
      const bool magnitudeAfter = approximation + 3 < source.size() &&
                                  (chinese_char::classAt(source, approximation + 2) & chinese_char::Magnitude);
      if (how == 'a') return std::string(aboutEnglish) + number;
      if (how == 'o' && !magnitudeAfter) return number + std::string(oddEnglish);
      return std::string(moreThanEnglish) + number;
    }
  }
  switch (e.kind) {
    case ChineseEntityKind::Number:
      if (extended()) return translateNumber(countedNumber(translatorInput(source)), rules);
      return translateNumber(translatorInput(source));
    case ChineseEntityKind::Ordinal:
      if (extended()) return translateOrdinal(countedOrdinal(translatorInput(source)));
      return translateOrdinal(translatorInput(source));
    case ChineseEntityKind::Figure: return translateFigure(translatorInput(source), rules);
    case ChineseEntityKind::Week: return translateWeek(translatorInput(source));
    case ChineseEntityKind::Date: return translateDate(translatorInput(source));
    case ChineseEntityKind::Clock: return translateClock(translatorInput(source), rules);
    case ChineseEntityKind::ArabicWithUnit: return translateUnitNumber(translatorInput(source));
    case ChineseEntityKind::Fractional: return translateFractional(translatorInput(source));
    // An Arabic number is its own translation.
    case ChineseEntityKind::Arabic: return std::string(sourceText(e));
    default: return {};
  }
}

}  // namespace vestrilo
