// Chinese recognition markup: the sentence record by record, each entity framed
// by the tag of its kind, without translations.
#include "chinese/ChineseSentence.h"
#include "chinese/ChineseMarkupTags.h"

namespace vestrilo {

// Only the records are copied, each followed by one blank (entities end with the
// blank of their closing tag); bytes between records are not.

std::string ChineseSentence::markupHtml(InputPieces* pieces) const {
  std::string out;
  for (const ChineseEntity& e : entities) {
    const std::string_view s = text(e);
    if (const ChineseMarkupRow* row = chineseMarkupRow(e.kind)) {
      out += row->htmlOpening;
      appendSentenceText(out, sentence, s, true, pieces);
      out += row->closing;
      out += "</b>";
    } else {
      appendSentenceText(out, sentence, s, true, pieces);
      out += ' ';
    }
  }
  return out;
}

std::string ChineseSentence::markupTags(InputPieces* pieces) const {
  std::string out;
  for (const ChineseEntity& e : entities) {
    const std::string_view s = text(e);
    if (const ChineseMarkupRow* row = chineseMarkupRow(e.kind)) {
      out += row->tagOpening;
      appendSentenceText(out, sentence, s, false, pieces);
      out += row->closing;
    } else {
      appendSentenceText(out, sentence, s, false, pieces);
      out += ' ';
    }
  }
  return out;
}

}  // namespace vestrilo
