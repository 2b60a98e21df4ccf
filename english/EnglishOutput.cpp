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

  const RuleSet r = rules;
  std::string text = translatorInput(workingText(e));
  std::string out;
  switch (e.kind) {
    case EnglishEntityKind::Ordinal:
      out = translateOrdinal(std::move(text), r);
      break;
    case EnglishEntityKind::Clock:
      out = translateClock(std::move(text), r);
      break;
    case EnglishEntityKind::MonthDate:
      out = translateMonthDate(std::move(text), r);
      break;
    case EnglishEntityKind::Week:
      out = translateWeek(std::move(text), r);
      break;
    case EnglishEntityKind::Units:
    case EnglishEntityKind::Tens:
    case EnglishEntityKind::WordNumber:
      out = translateNumber(std::move(text), r);
      break;
    case EnglishEntityKind::Figure:
      out = translateFigure(std::move(text), r);
      break;
    case EnglishEntityKind::Fraction:
      out = translateFraction(std::move(text), r);
      break;
    case EnglishEntityKind::ArabicMagnitude:
      out = translateArabicMagnitude(std::move(text), r);
      break;
    case EnglishEntityKind::DayDate:
      out = translateDayDate(std::move(text), r);
      break;
    case EnglishEntityKind::FigureOrClock:
      if (candidate) *candidate = translateClock(text, r);
      out = translateFigure(std::move(text), r);
      break;
    case EnglishEntityKind::ClockOrNumber:
      if (candidate) *candidate = translateNumber(text, r);
      out = translateClock(std::move(text), r);
      break;
    default:
      break;
  }
  return out;
}

}  // namespace vestrilo
