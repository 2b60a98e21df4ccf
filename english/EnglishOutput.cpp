// The translation of an English record into Chinese, by kind.
#include "core/Bytes.h"
#include "english/EnglishSentence.h"

namespace vestrilo {

namespace {

// The text a translator is given: each run of blanks (of any kind) is one space,
// so "ten  past  five" renders like "ten past five".
std::string translatorInput(std::string_view working) {
  std::string out;
  out.reserve(working.size());
  for (std::size_t i = 0; i < working.size();) {
    if (ascii::isSpace(working[i])) {
      out += ' ';
      while (i < working.size() && ascii::isSpace(working[i])) ++i;
    } else {
      out += working[i++];
    }
  }
  return out;
}

}  // namespace

std::string EnglishSentence::translationOf(const EnglishEntity& e, std::string* candidate) const {
  if (candidate) candidate->clear();
  if (e.kind == EnglishEntityKind::Arabic) return std::string(sourceText(e));

  std::string text = translatorInput(workingText(e));
  switch (e.kind) {
    case EnglishEntityKind::Ordinal:
      return translateOrdinal(std::move(text));
    case EnglishEntityKind::Clock:
      return translateClock(std::move(text));
    case EnglishEntityKind::MonthDate:
      return translateMonthDate(std::move(text));
    case EnglishEntityKind::Week:
      return translateWeek(std::move(text));
    case EnglishEntityKind::Units:
    case EnglishEntityKind::Tens:
    case EnglishEntityKind::WordNumber:
      return translateNumber(std::move(text));
    case EnglishEntityKind::Figure:
      return translateFigure(std::move(text));
    case EnglishEntityKind::Fraction:
      return translateFraction(std::move(text));
    case EnglishEntityKind::ArabicMagnitude:
      return translateArabicMagnitude(std::move(text));
    case EnglishEntityKind::DayDate:
      return translateDayDate(std::move(text));
    case EnglishEntityKind::FigureOrClock:
      if (candidate) *candidate = translateClock(text);
      return translateFigure(std::move(text));
    case EnglishEntityKind::ClockOrNumber:
      if (candidate) *candidate = translateNumber(text);
      return translateClock(std::move(text));
    default:
      return {};
  }
}

}  // namespace vestrilo
