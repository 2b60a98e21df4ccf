// English recognition markup: the sentence record by record, each entity framed
// by the tag of its kind (and the candidate kinds followed by their second
// reading), without translations.
#include "english/EnglishSentence.h"
#include "english/EnglishMarkupTags.h"

namespace vestrilo {

namespace {

enum class Form { Tags, Html };

// Each record's text is cut from `sentence` (input letter case, inner separators
// kept); every piece ends with one blank, except that a second reading ends with
// its closing parenthesis. Bytes between records are not copied.
std::string markup(const EnglishSentence& s, Form form, InputPieces* pieces) {
  std::string out;
  const bool html = form == Form::Html;
  auto put = [&](std::string_view text) { appendSentenceText(out, s.sentence, text, html, pieces); };
  for (const EnglishEntity& e : s.entities) {
    const std::string_view text = s.sourceText(e);
    const EnglishMarkupRow* row = englishMarkupRow(e.kind);
    if (!row) {
      put(text);
      out += ' ';
      continue;
    }
    const MarkupFrame& first = html ? row->html : row->tags;
    out += first.opening;
    put(text);
    out += first.closing;
    const MarkupFrame& second = html ? row->candidateHtml : row->candidateTags;
    if (!second.opening.empty()) {
      out += second.opening;
      put(text);
      out += second.closing;
    }
  }
  return out;
}

}  // namespace

std::string EnglishSentence::markupHtml(InputPieces* pieces) const { return markup(*this, Form::Html, pieces); }

std::string EnglishSentence::markupTags(InputPieces* pieces) const { return markup(*this, Form::Tags, pieces); }

}  // namespace vestrilo
