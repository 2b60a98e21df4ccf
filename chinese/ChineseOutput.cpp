// The translation of a Chinese record into English, by kind.
#include "chinese/ChineseSentence.h"
#include "core/Bytes.h"

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

}  // namespace

std::string ChineseSentence::translationOf(const ChineseEntity& e, std::string* second) const {
  if (second) second->clear();
  std::string translation = translationByKind(e);
  return extended() ? trimmed(std::move(translation)) : translation;
}

std::string ChineseSentence::translationByKind(const ChineseEntity& e) const {
  const std::string_view source = text(e);
  switch (e.kind) {
    case ChineseEntityKind::Number: return translateNumber(translatorInput(source));
    case ChineseEntityKind::Figure: return translateFigure(translatorInput(source));
    case ChineseEntityKind::Ordinal: return translateOrdinal(translatorInput(source));
    case ChineseEntityKind::Week: return translateWeek(translatorInput(source));
    case ChineseEntityKind::Date: return translateDate(translatorInput(source));
    case ChineseEntityKind::Clock: return translateClock(translatorInput(source));
    case ChineseEntityKind::ArabicWithUnit: return translateUnitNumber(translatorInput(source));
    case ChineseEntityKind::Fractional: return translateFractional(translatorInput(source));
    // An Arabic number is its own translation.
    case ChineseEntityKind::Arabic: return std::string(sourceText(e));
    default: return {};
  }
}

}  // namespace vestrilo
