// The tags and colours that frame English entities in the markup and the
// alternative renderings, as data.
//
// The strings are written out whole, as the renderings emit them:
// - an HTML opening is a coloured bold element followed by "&#60" (a "<" for the
//   browser, without the semicolon) and the tag word;
// - a closing tag has a backslash after its "<", so that a browser shows it as
//   typed instead of reading it as markup.
#pragma once

#include <string_view>

#include "core/Markup.h"
#include "english/EnglishSentence.h"

namespace vestrilo {

// English side, recognition markup: upper-case tag words ("ARBIAL" for digits,
// the plain figure tags in mixed case), closings ending with a blank. The two
// candidate kinds add a second reading in parentheses after the first.

struct EnglishMarkupRow {
  EnglishEntityKind kind;
  MarkupFrame tags;
  MarkupFrame html;
  MarkupFrame candidateTags;  // empty for kinds with one reading
  MarkupFrame candidateHtml;
};

inline constexpr EnglishMarkupRow englishMarkupRows[] = {
    {EnglishEntityKind::Ordinal,
     {"<ORDINAL>", "<\\ORDINAL> "},
     {"<b style=\"color:red\">&#60ORDINAL>", "<\\ORDINAL> </b>"},
     {},
     {}},
    {EnglishEntityKind::Clock,
     {"<CLOCK>", "<\\CLOCK> "},
     {"<b style=\"color:navy\">&#60CLOCK>", "<\\CLOCK> </b>"},
     {},
     {}},
    {EnglishEntityKind::MonthDate,
     {"<DATE>", "<\\DATE> "},
     {"<b style=\"color:green\">&#60DATE>", "<\\DATE> </b>"},
     {},
     {}},
    {EnglishEntityKind::DayDate,
     {"<DATE>", "<\\DATE> "},
     {"<b style=\"color:green\">&#60DATE>", "<\\DATE> </b>"},
     {},
     {}},
    {EnglishEntityKind::Week,
     {"<WEEK>", "<\\WEEK> "},
     {"<b style=\"color:blue\">&#60WEEK>", "<\\WEEK> </b>"},
     {},
     {}},
    {EnglishEntityKind::Units,
     {"<NUMBER>", "<\\NUMBER> "},
     {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"},
     {},
     {}},
    {EnglishEntityKind::Tens,
     {"<NUMBER>", "<\\NUMBER> "},
     {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"},
     {},
     {}},
    {EnglishEntityKind::WordNumber,
     {"<NUMBER>", "<\\NUMBER> "},
     {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"},
     {},
     {}},
    {EnglishEntityKind::Fraction,
     {"<NUMBER>", "<\\NUMBER> "},
     {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"},
     {},
     {}},
    {EnglishEntityKind::ArabicMagnitude,
     {"<NUMBER>", "<\\NUMBER> "},
     {"<b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>"},
     {},
     {}},
    {EnglishEntityKind::Arabic,
     {"<ARBIAL>", "<\\ARBIAL> "},
     {"<b style=\"color:teal\">&#60ARBIAL>", "<\\ARBIAL> </b>"},
     {},
     {}},
    {EnglishEntityKind::Figure,
     {"<Figure>", "<\\Figure> "},
     {"<b style=\"color:maroon\">&#60FIGURE>", "<\\FIGURE> </b>"},
     {},
     {}},
    {EnglishEntityKind::FigureOrClock,
     {"<Figure>", "<\\Figure> "},
     {"<b style=\"color:maroon\">&#60FIGURE>", "<\\FIGURE> </b>"},
     {"(候选: <CLOCK>", "<\\CLOCK> )"},
     {"(候选: <b style=\"color:navy\">&#60CLOCK>", "<\\CLOCK> </b>)"}},
    {EnglishEntityKind::ClockOrNumber,
     {"<CLOCK>", "<\\CLOCK> "},
     {"<b style=\"color:navy\">&#60CLOCK>", "<\\CLOCK> </b>"},
     {"(候选: <NUMBER>", "<\\NUMBER> )"},
     {"(候选: <b style=\"color:olive\">&#60NUMBER>", "<\\NUMBER> </b>)"}},
};

// The row of a kind, or nullptr for records that are not entities (Plain, Magnitude).
inline const EnglishMarkupRow* englishMarkupRow(EnglishEntityKind kind) {
  for (const EnglishMarkupRow& row : englishMarkupRows)
    if (row.kind == kind) return &row;
  return nullptr;
}

// English side, translation renderings: mixed-case tag words, closings without
// a blank (the whole-sentence renderings keep the input's own separators).

struct EnglishRenderingRow {
  EnglishEntityKind kind;
  MarkupFrame tagged;
  MarkupFrame html;
  std::string_view colourPrefix;  // HTML pair lines
  MarkupFrame candidateTagged;    // empty for kinds with one reading
  MarkupFrame candidateHtml;
  std::string_view candidateColourPrefix;
};

inline constexpr EnglishRenderingRow englishRenderingRows[] = {
    {EnglishEntityKind::Ordinal,
     {"<Ordinal>", "<\\Ordinal>"},
     {"<b style=\"color:red\">&#60Ordinal>", "<\\Ordinal></b>"},
     "<b style=\"color:red\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Clock,
     {"<Clock>", "<\\Clock>"},
     {"<b style=\"color:navy\">&#60Clock>", "<\\Clock></b>"},
     "<b style=\"color:navy\">",
     {},
     {},
     {}},
    {EnglishEntityKind::MonthDate,
     {"<Date>", "<\\Date>"},
     {"<b style=\"color:green\">&#60Date>", "<\\Date></b>"},
     "<b style=\"color:green\">",
     {},
     {},
     {}},
    {EnglishEntityKind::DayDate,
     {"<Date>", "<\\Date>"},
     {"<b style=\"color:green\">&#60Date>", "<\\Date></b>"},
     "<b style=\"color:green\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Week,
     {"<Week>", "<\\Week>"},
     {"<b style=\"color:blue\">&#60Week>", "<\\Week></b>"},
     "<b style=\"color:blue\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Units,
     {"<Number>", "<\\Number>"},
     {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"},
     "<b style=\"color:olive\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Tens,
     {"<Number>", "<\\Number>"},
     {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"},
     "<b style=\"color:olive\">",
     {},
     {},
     {}},
    {EnglishEntityKind::WordNumber,
     {"<Number>", "<\\Number>"},
     {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"},
     "<b style=\"color:olive\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Fraction,
     {"<Number>", "<\\Number>"},
     {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"},
     "<b style=\"color:olive\">",
     {},
     {},
     {}},
    {EnglishEntityKind::ArabicMagnitude,
     {"<Number>", "<\\Number>"},
     {"<b style=\"color:olive\">&#60Number>", "<\\Number></b>"},
     "<b style=\"color:olive\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Figure,
     {"<Figure>", "<\\Figure>"},
     {"<b style=\"color:maroon\">&#60Figure>", "<\\Figure></b>"},
     "<b style=\"color:maroon\">",
     {},
     {},
     {}},
    {EnglishEntityKind::Arabic,
     {"<Arabic>", "<\\Arabic>"},
     {"<b style=\"color:teal\">&#60Arabic>", "<\\Arabic></b>"},
     "<b style=\"color:teal\">",
     {},
     {},
     {}},
    {EnglishEntityKind::FigureOrClock,
     {"<Figure>", "<\\Figure>"},
     {"<b style=\"color:maroon\">&#60Figure>", "<\\Figure></b>"},
     "<b style=\"color:maroon\">",
     {"(候选: <Clock>", "<\\Clock>)"},
     {"(候选: <b style=\"color:navy\">&#60Clock>", "<\\Clock></b>)"},
     "<b style=\"color:navy\">"},
    {EnglishEntityKind::ClockOrNumber,
     {"<Clock>", "<\\Clock>"},
     {"<b style=\"color:navy\">&#60Clock>", "<\\Clock></b>"},
     "<b style=\"color:navy\">",
     {"(候选: <Number>", "<\\Number>)"},
     {"(候选: <b style=\"color:olive\">&#60Number>", "<\\Number></b>)"},
     "<b style=\"color:olive\">"},
};

// The row of a kind, or nullptr for records that are not rendered (Plain, Magnitude).
inline const EnglishRenderingRow* englishRenderingRow(EnglishEntityKind kind) {
  for (const EnglishRenderingRow& row : englishRenderingRows)
    if (row.kind == kind) return &row;
  return nullptr;
}

}  // namespace vestrilo
