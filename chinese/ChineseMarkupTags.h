// The tags and colours that frame Chinese entities in the markup and the
// alternative renderings, as data.
//
// The strings are written out whole, as the renderings emit them:
// - an HTML opening is a coloured bold element followed by "&#60" (a "<" for the
//   browser, without the semicolon) and the tag word;
// - a closing tag has a backslash after its "<", so that a browser shows it as
//   typed instead of reading it as markup.
#pragma once

#include <string_view>

#include "chinese/ChineseSentence.h"
#include "core/Markup.h"

namespace vestrilo {

// Chinese side. Markup and whole-sentence renderings share the frames; the
// closing ends with a blank, and the HTML forms add "</b>" after it.

struct ChineseMarkupRow {
  ChineseEntityKind kind;
  std::string_view colourPrefix;  // the bold element alone (HTML pair lines)
  std::string_view htmlOpening;
  std::string_view tagOpening;
  std::string_view closing;
};

inline constexpr ChineseMarkupRow chineseMarkupRows[] = {
    {ChineseEntityKind::Ordinal, "<b style = \"color:red\">", "<b style = \"color:red\">&#60Ordinal>", "<Ordinal>",
     "<\\Ordinal> "},
    {ChineseEntityKind::Clock, "<b style = \"color:navy\">", "<b style = \"color:navy\">&#60Clock>", "<Clock>",
     "<\\Clock> "},
    {ChineseEntityKind::Date, "<b style = \"color:green\">", "<b style = \"color:green\">&#60Date>", "<Date>",
     "<\\Date> "},
    {ChineseEntityKind::Week, "<b style = \"color:blue\">", "<b style = \"color:blue\">&#60Week>", "<Week>",
     "<\\Week> "},
    {ChineseEntityKind::Number, "<b style = \"color:olive\">", "<b style = \"color:olive\">&#60Number>", "<Number>",
     "<\\Number> "},
    {ChineseEntityKind::ArabicWithUnit, "<b style = \"color:olive\">", "<b style = \"color:olive\">&#60Number>",
     "<Number>", "<\\Number> "},
    {ChineseEntityKind::Fractional, "<b style = \"color:olive\">", "<b style = \"color:olive\">&#60Number>",
     "<Number>", "<\\Number> "},
    {ChineseEntityKind::Figure, "<b style = \"color:maroon\">", "<b style = \"color:maroon\">&#60Figure>",
     "<Figure>", "<\\Figure> "},
    {ChineseEntityKind::Arabic, "<b style = \"color:teal\">", "<b style = \"color:teal\">&#60Arabic>", "<Arabic>",
     "<\\Arabic> "},
};

// The row of a kind, or nullptr for records that are not entities (Plain, Latin).
inline const ChineseMarkupRow* chineseMarkupRow(ChineseEntityKind kind) {
  for (const ChineseMarkupRow& row : chineseMarkupRows)
    if (row.kind == kind) return &row;
  return nullptr;
}

}  // namespace vestrilo
