// How the English-to-Chinese direction shows its records, as data (see
// core/KindStyle.h): the markup's upper-case tag words ("ARBIAL" for digits,
// the plain figure tags in mixed case) with closings ending in a blank, the
// translated renderings' mixed-case tag words with closings without one, "|||"
// (" ||| " in HTML) between source and translation, and the line's own bytes
// between records. The two kinds with two readings add the second in
// parentheses after the first.
#pragma once

#include "core/KindStyle.h"
#include "english/EnglishSentence.h"

namespace vestrilo {

inline constexpr KindStyle<EnglishEntityKind> englishMarkupStyles[] = {
    {EnglishEntityKind::Ordinal, Shown::SourceAndTranslation,
     {"<ORDINAL>", "<\\ORDINAL> "}, {"<b style=\"color:red\">&#60ORDINAL>", "<\\ORDINAL> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Clock, Shown::SourceAndTranslation,
     {"<CLOCK>", "<\\CLOCK> "}, {"<b style=\"color:navy\">&#60CLOCK>", "<\\CLOCK> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::MonthDate, Shown::SourceAndTranslation,
     {"<DATE>", "<\\DATE> "}, {"<b style=\"color:green\">&#60DATE>", "<\\DATE> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::DayDate, Shown::SourceAndTranslation,
     {"<DATE>", "<\\DATE> "}, {"<b style=\"color:green\">&#60DATE>", "<\\DATE> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Week, Shown::SourceAndTranslation,
     {"<WEEK>", "<\\WEEK> "}, {"<b style=\"color:blue\">&#60WEEK>", "<\\WEEK> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Units, Shown::SourceAndTranslation,
     {"<NUMBER>", "<\\NUMBER> "}, {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Tens, Shown::SourceAndTranslation,
     {"<NUMBER>", "<\\NUMBER> "}, {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::WordNumber, Shown::SourceAndTranslation,
     {"<NUMBER>", "<\\NUMBER> "}, {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Fraction, Shown::SourceAndTranslation,
     {"<NUMBER>", "<\\NUMBER> "}, {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::ArabicMagnitude, Shown::SourceAndTranslation,
     {"<NUMBER>", "<\\NUMBER> "}, {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Arabic, Shown::Source,
     {"<ARBIAL>", "<\\ARBIAL> "}, {"<b style=\"color:teal\">&#60ARBIAL>", "<\\ARBIAL> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::Figure, Shown::SourceAndTranslation,
     {"<Figure>", "<\\Figure> "}, {"<b style=\"color:maroon\">&#60FIGURE>", "<\\FIGURE> </b>"}, {}, {}, {}, {}},
    {EnglishEntityKind::FigureOrClock, Shown::SourceAndTranslation,
     {"<Figure>", "<\\Figure> "}, {"<b style=\"color:maroon\">&#60FIGURE>", "<\\FIGURE> </b>"},
     {"(候选: <CLOCK>", "<\\CLOCK> )"}, {"(候选: <b style=\"color:navy\">&#60CLOCK>", "<\\CLOCK> </b>)"}, {}, {}},
    {EnglishEntityKind::ClockOrNumber, Shown::SourceAndTranslation,
     {"<CLOCK>", "<\\CLOCK> "}, {"<b style=\"color:navy\">&#60CLOCK>", "<\\CLOCK> </b>"},
     {"(候选: <NUMBER>", "<\\NUMBER> )"}, {"(候选: <b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>)"}, {}, {}},
};

inline constexpr KindStyle<EnglishEntityKind> englishRenderingStyles[] = {
    {EnglishEntityKind::Ordinal, Shown::SourceAndTranslation,
     {"<Ordinal>", "<\\Ordinal>"}, {"<b style=\"color:red\">&#60Ordinal>", "<\\Ordinal></b>"}, {}, {},
     "<b style=\"color:red\">", {}},
    {EnglishEntityKind::Clock, Shown::SourceAndTranslation,
     {"<Clock>", "<\\Clock>"}, {"<b style=\"color:navy\">&#60Clock>", "<\\Clock></b>"}, {}, {},
     "<b style=\"color:navy\">", {}},
    {EnglishEntityKind::MonthDate, Shown::SourceAndTranslation,
     {"<Date>", "<\\Date>"}, {"<b style=\"color:green\">&#60Date>", "<\\Date></b>"}, {}, {},
     "<b style=\"color:green\">", {}},
    {EnglishEntityKind::DayDate, Shown::SourceAndTranslation,
     {"<Date>", "<\\Date>"}, {"<b style=\"color:green\">&#60Date>", "<\\Date></b>"}, {}, {},
     "<b style=\"color:green\">", {}},
    {EnglishEntityKind::Week, Shown::SourceAndTranslation,
     {"<Week>", "<\\Week>"}, {"<b style=\"color:blue\">&#60Week>", "<\\Week></b>"}, {}, {},
     "<b style=\"color:blue\">", {}},
    {EnglishEntityKind::Units, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number>"}, {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"}, {}, {},
     "<b style=\"color:olive\">", {}},
    {EnglishEntityKind::Tens, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number>"}, {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"}, {}, {},
     "<b style=\"color:olive\">", {}},
    {EnglishEntityKind::WordNumber, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number>"}, {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"}, {}, {},
     "<b style=\"color:olive\">", {}},
    {EnglishEntityKind::Fraction, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number>"}, {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"}, {}, {},
     "<b style=\"color:olive\">", {}},
    {EnglishEntityKind::ArabicMagnitude, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number>"}, {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"}, {}, {},
     "<b style=\"color:olive\">", {}},
    {EnglishEntityKind::Figure, Shown::SourceAndTranslation,
     {"<Figure>", "<\\Figure>"}, {"<b style=\"color:maroon\">&#60Figure>", "<\\Figure></b>"}, {}, {},
     "<b style=\"color:maroon\">", {}},
    {EnglishEntityKind::Arabic, Shown::Source,
     {"<Arabic>", "<\\Arabic>"}, {"<b style=\"color:teal\">&#60Arabic>", "<\\Arabic></b>"}, {}, {},
     "<b style=\"color:teal\">", {}},
    {EnglishEntityKind::FigureOrClock, Shown::SourceAndTranslation,
     {"<Figure>", "<\\Figure>"}, {"<b style=\"color:maroon\">&#60Figure>", "<\\Figure></b>"},
     {"(候选: <Clock>", "<\\Clock>)"}, {"(候选: <b style=\"color:navy\">&#60Clock>", "<\\Clock></b>)"},
     "<b style=\"color:maroon\">", "<b style=\"color:navy\">"},
    {EnglishEntityKind::ClockOrNumber, Shown::SourceAndTranslation,
     {"<Clock>", "<\\Clock>"}, {"<b style=\"color:navy\">&#60Clock>", "<\\Clock></b>"},
     {"(候选: <Number>", "<\\Number>)"}, {"(候选: <b style=\"color:olive\">&#60Number>", "<\\Number></b>)"},
     "<b style=\"color:navy\">", "<b style=\"color:olive\">"},
};

using EnglishKindTable = KindTable<EnglishEntityKind, -2, 0x1010>;

inline constexpr LanguageStyle<EnglishEntityKind, -2, 0x1010> englishStyle{
    EnglishKindTable(englishMarkupStyles),
    EnglishKindTable(englishRenderingStyles),
    "|||",
    " ||| ",
    Gaps::AsInInput,
    "\n",
    nullptr,
};

inline const auto& styleOf(const EnglishSentence&) { return englishStyle; }

}  // namespace vestrilo
