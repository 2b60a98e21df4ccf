// How a direction shows its records, as data: for each kind of entity the
// frames of the markup and of the translated renderings, the colours of the
// HTML pair lines and whether it has a second reading; for the direction the
// separators and the way the text between records is shown. The renderings
// themselves are written once, over these tables (core/SentenceOutput.h).
//
// The strings are written out whole, as the renderings emit them:
// - an HTML opening is a coloured bold element followed by "&#60" (a "<" for the
//   browser, without the semicolon) and the tag word;
// - a closing tag has a backslash after its "<", so that a browser shows it as
//   typed instead of reading it as markup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Markup.h"

namespace vestrilo {

// What a translated rendering shows inside an entity's frame.
enum class Shown : std::uint8_t {
  SourceAndTranslation,  // the source, the separator and the translation
  Source,                // the source alone: the entity is its own translation
  Converted,             // the same, in the direction's converted form (not input text)
};

// The style of one kind of entity.
template <class Kind>
struct KindStyle {
  Kind kind;
  Shown shown;
  MarkupFrame tags;        // the plain-text frame
  MarkupFrame html;        // the HTML frame
  MarkupFrame secondTags;  // the second reading's frames; empty for kinds with one reading
  MarkupFrame secondHtml;
  std::string_view colour;        // the bold element that opens an HTML pair line
  std::string_view secondColour;  // the same for the second reading (empty: plain "<b>")

  constexpr bool hasSecondReading() const { return !secondTags.opening.empty(); }
  // An entity shown without a translation gives its own text as its translation.
  constexpr bool isOwnTranslation() const { return shown != Shown::SourceAndTranslation; }
};

// The rows of a table found by kind in one step: Kind's values lie in [First, Last].
template <class Kind, int First, int Last>
class KindTable {
 public:
  template <std::size_t N>
  constexpr explicit KindTable(const KindStyle<Kind> (&rows)[N]) : rows_(rows), index_{} {
    for (std::int16_t& i : index_) i = -1;
    for (std::size_t r = 0; r < N; ++r) index_[static_cast<std::size_t>(static_cast<int>(rows[r].kind) - First)] = static_cast<std::int16_t>(r);
  }

  // The row of a kind, or nullptr for a kind without one.
  constexpr const KindStyle<Kind>* find(Kind kind) const {
    const int v = static_cast<int>(kind);
    if (v < First || v > Last) return nullptr;
    const std::int16_t i = index_[static_cast<std::size_t>(v - First)];
    return i < 0 ? nullptr : rows_ + i;
  }

 private:
  const KindStyle<Kind>* rows_;
  std::array<std::int16_t, static_cast<std::size_t>(Last - First + 1)> index_;
};

// How the whole-sentence renderings show the records that are not entities and
// the bytes between records.
enum class Gaps : std::uint8_t {
  OneBlank,   // each record that is no entity is followed by one blank; the bytes between records are dropped
  AsInInput,  // each record is followed by the line's own bytes up to the next one; empty records are dropped
};

// The style of a direction. The kinds with a row in `renderings` are the kinds
// that are translated (and give pairs); `markup` frames the recognition markup.
template <class Kind, int First, int Last>
struct LanguageStyle {
  KindTable<Kind, First, Last> markup;
  KindTable<Kind, First, Last> renderings;
  std::string_view taggedSeparator;  // between source and translation
  std::string_view htmlSeparator;
  Gaps gaps;
  std::string_view pairLineEnd;  // after each HTML pair line
  std::string (*convert)(std::string);  // the converted form of Shown::Converted
};

}  // namespace vestrilo
