// How the Chinese-to-English direction shows its records, as data (see
// core/KindStyle.h): the tags and colours of each kind, " | " between source
// and translation, and one blank after each record in place of the bytes
// between records. Markup and translated renderings share the frames; an
// Arabic number, its own translation, shows its punctuation made ASCII.
#pragma once

#include "chinese/ChineseSentence.h"
#include "core/KindStyle.h"

namespace vestrilo {

inline constexpr KindStyle<ChineseEntityKind> chineseKindStyles[] = {
    {ChineseEntityKind::Ordinal, Shown::SourceAndTranslation,
     {"<Ordinal>", "<\\Ordinal> "}, {"<b style = \"color:red\">&#60Ordinal>", "<\\Ordinal> </b>"}, {}, {},
     "<b style = \"color:red\">", {}},
    {ChineseEntityKind::Clock, Shown::SourceAndTranslation,
     {"<Clock>", "<\\Clock> "}, {"<b style = \"color:navy\">&#60Clock>", "<\\Clock> </b>"}, {}, {},
     "<b style = \"color:navy\">", {}},
    {ChineseEntityKind::Date, Shown::SourceAndTranslation,
     {"<Date>", "<\\Date> "}, {"<b style = \"color:green\">&#60Date>", "<\\Date> </b>"}, {}, {},
     "<b style = \"color:green\">", {}},
    {ChineseEntityKind::Week, Shown::SourceAndTranslation,
     {"<Week>", "<\\Week> "}, {"<b style = \"color:blue\">&#60Week>", "<\\Week> </b>"}, {}, {},
     "<b style = \"color:blue\">", {}},
    {ChineseEntityKind::Number, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number> "}, {"<b style = \"color:olive\">&#60Number>", "<\\Number> </b>"}, {}, {},
     "<b style = \"color:olive\">", {}},
    {ChineseEntityKind::ArabicWithUnit, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number> "}, {"<b style = \"color:olive\">&#60Number>", "<\\Number> </b>"}, {}, {},
     "<b style = \"color:olive\">", {}},
    {ChineseEntityKind::Fractional, Shown::SourceAndTranslation,
     {"<Number>", "<\\Number> "}, {"<b style = \"color:olive\">&#60Number>", "<\\Number> </b>"}, {}, {},
     "<b style = \"color:olive\">", {}},
    {ChineseEntityKind::Figure, Shown::SourceAndTranslation,
     {"<Figure>", "<\\Figure> "}, {"<b style = \"color:maroon\">&#60Figure>", "<\\Figure> </b>"}, {}, {},
     "<b style = \"color:maroon\">", {}},
    {ChineseEntityKind::Arabic, Shown::Converted,
     {"<Arabic>", "<\\Arabic> "}, {"<b style = \"color:teal\">&#60Arabic>", "<\\Arabic> </b>"}, {}, {},
     "<b style = \"color:teal\">", {}},
};

using ChineseKindTable = KindTable<ChineseEntityKind, -1, 10>;

inline constexpr LanguageStyle<ChineseEntityKind, -1, 10> chineseStyle{
    ChineseKindTable(chineseKindStyles),
    ChineseKindTable(chineseKindStyles),
    " | ",
    " | ",
    Gaps::OneBlank,
    "",
    &ChineseSentence::convertPunctuation,
};

inline const auto& styleOf(const ChineseSentence&) { return chineseStyle; }

}  // namespace vestrilo
