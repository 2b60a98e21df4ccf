// Alternative renderings of the Chinese translation output: the whole sentence
// with each entity and its translation framed by tags (plain or HTML), and the
// new pairs of the sentence as coloured HTML lines.
#include <cstddef>
#include <vector>

#include "core/Admission.h"
#include "chinese/ChineseSentence.h"
#include "chinese/ChineseMarkupTags.h"

namespace vestrilo {

namespace {

enum class Form { Tagged, Html };

// The whole sentence, record by record: a translated entity as opening, source,
// " | ", translation and closing; an Arabic record as opening, its punctuation
// converted, and closing; any other record as its text and a blank. Bytes between
// records are not copied.
std::string wholeSentence(const ChineseSentence& s, Form form, InputPieces* pieces) {
  std::string out;
  const bool html = form == Form::Html;
  auto put = [&](std::string_view text) { appendText(out, text, html); };
  auto putSource = [&](std::string_view source) { appendSentenceText(out, s.sentence, source, html, pieces); };
  for (const ChineseEntity& e : s.entities) {
    const std::string_view source = s.text(e);
    const ChineseMarkupRow* row = ChineseSentence::isTranslated(e.kind) ? chineseMarkupRow(e.kind) : nullptr;
    if (!row) {
      putSource(source);
      out += ' ';
      continue;
    }
    out += html ? row->htmlOpening : row->tagOpening;
    if (e.kind == ChineseEntityKind::Arabic) {
      put(ChineseSentence::convertPunctuation(std::string(source)));
    } else {
      putSource(source);
      out += " | ";
      put(s.translationOf(e));
    }
    out += row->closing;
    if (html) out += "</b>";
  }
  return out;
}

}  // namespace

std::string ChineseSentence::translationLineHtml(InputPieces* pieces) const {
  return wholeSentence(*this, Form::Html, pieces);
}

std::string ChineseSentence::translationLineTagged(InputPieces* pieces) const {
  return wholeSentence(*this, Form::Tagged, pieces);
}

// The pairs of translationLine, through the same registry, each written as a
// coloured line "source ||| translation</b><br/>".
std::string ChineseSentence::translationLineHtmlPairs(EmittedPairs& registry,
                                                      const std::vector<TranslationPair>* shown) const {
  std::vector<TranslationPair> pairs;
  translationPairs(pairs);

  // The colour of each pair is that of the record it comes from: pairs follow
  // the translated records in order, so each is matched to the next translated
  // record with the same source text.
  std::vector<const ChineseMarkupRow*> rows(pairs.size(), nullptr);
  std::size_t next = 0;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    for (std::size_t i = next; i < entities.size(); ++i) {
      const ChineseEntity& e = entities[i];
      if (isTranslated(e.kind) && text(e) == pairs[k].source) {
        rows[k] = chineseMarkupRow(e.kind);
        next = i + 1;
        break;
      }
    }
  }

  // The pairs shown stand for the sentence's own pairs one by one.
  const std::vector<TranslationPair>& written = shown && shown->size() == pairs.size() ? *shown : pairs;
  std::string out;
  admitPairs(registry, written.data(), written.data() + written.size(), [&](const TranslationPair& p) {
    const std::size_t k = static_cast<std::size_t>(&p - written.data());
    const ChineseMarkupRow* row = k < rows.size() ? rows[k] : nullptr;
    appendHtmlPair(out, row ? row->colourPrefix : std::string_view("<b>"), p.source, p.translation, "");
  });
  return out;
}

}  // namespace vestrilo
