// The translation of a Chinese record into English, by kind.
#include "chinese/ChineseCharClasses.h"
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"
#include "lexicon/ChineseExtendedWords.h"
#include "lexicon/ChineseNumeralMaps.h"

namespace vestrilo {

namespace {

// A rendering without the blanks around it (" August", "  2008", "first "):
// the extended rules write none.
std::string trimmed(std::string text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  std::size_t begin = 0;
  while (begin < end && text[begin] == ' ') ++begin;
  return text.substr(begin, end - begin);
}

std::string countedOrdinal(const std::string& text) {
  if (!gbk::startsWith(text, ordinalMarker)) return text;
  return std::string(ordinalMarker) + ChineseSentence::countedNumber(text.substr(ordinalMarker.size()));
}

}  // namespace

std::string ChineseSentence::translatorInput(std::string_view source) {
  std::string out;
  out.reserve(source.size());
  for (char c : source)
    if (!ascii::isSpace(c)) out += c;
  return out;
}

std::string ChineseSentence::countedNumber(const std::string& text) {
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

std::string ChineseSentence::translationOf(const ChineseEntity& e, std::string* second) const {
  if (second) second->clear();
  std::string translation = translationByKind(e);
  return extended() ? trimmed(std::move(translation)) : translation;
}

std::string ChineseSentence::translationByKind(const ChineseEntity& e) const {
  if (extended()) {
    std::string form;
    if (formTranslation(e, form)) return form;
  }
  const std::string_view source = text(e);
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
    case ChineseEntityKind::Arabic: return std::string(ownTranslation(e));
    default: return {};
  }
}

}  // namespace vestrilo
