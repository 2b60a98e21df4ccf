// Alternative renderings of the English translation output: the whole sentence
// with each entity and its translation framed by tags (plain or HTML), and the
// new pairs of the sentence as coloured HTML lines.
#include <cstddef>
#include <vector>

#include "core/Admission.h"
#include "english/EnglishSentence.h"
#include "english/EnglishMarkupTags.h"

namespace vestrilo {

namespace {

enum class Form { Tagged, Html };

// Offset of a record's first byte and one past its last, clamped to the line.
std::size_t beginOf(const EnglishSentence& s, const EnglishEntity& e) {
  return static_cast<std::size_t>(s.sourceText(e).data() - s.sentence.data());
}
std::size_t endOf(const EnglishSentence& s, const EnglishEntity& e) {
  return beginOf(s, e) + s.sourceText(e).size();
}

// The whole sentence, record by record, each piece followed by the input's own
// text up to the next record (nothing after the last one). A rendered entity is
// opening, source, bars, translation and closing, and a candidate kind adds its
// second reading in parentheses; an Arabic record is framed without a
// translation; any other record is its source text.
std::string wholeSentence(const EnglishSentence& s, Form form, InputPieces* pieces) {
  std::string out;
  const bool html = form == Form::Html;
  const std::string_view bars = html ? " ||| " : "|||";
  auto put = [&](std::string_view text) { appendText(out, text, html); };
  auto putSource = [&](std::string_view source) { appendSentenceText(out, s.sentence, source, html, pieces); };
  const std::size_t n = s.entities.size();
  for (std::size_t i = 0; i < n; ++i) {
    const EnglishEntity& e = s.entities[i];
    const std::string_view source = s.sourceText(e);
    if (source.empty()) continue;
    std::string_view gap;
    if (i + 1 < n) {
      const std::size_t end = endOf(s, e), nextBegin = beginOf(s, s.entities[i + 1]);
      if (nextBegin > end) gap = std::string_view(s.sentence).substr(end, nextBegin - end);
    }

    const EnglishRenderingRow* row = EnglishSentence::isRendered(e.kind) ? englishRenderingRow(e.kind) : nullptr;
    if (!row) {
      putSource(source);
    } else if (e.kind == EnglishEntityKind::Arabic) {
      const MarkupFrame& frame = html ? row->html : row->tagged;
      out += frame.opening;
      putSource(source);
      out += frame.closing;
    } else {
      std::string candidate;
      const std::string translation = s.translationOf(e, &candidate);
      const MarkupFrame& first = html ? row->html : row->tagged;
      out += first.opening;
      putSource(source);
      out += bars;
      put(translation);
      out += first.closing;
      const MarkupFrame& second = html ? row->candidateHtml : row->candidateTagged;
      if (!second.opening.empty()) {
        out += second.opening;
        putSource(source);
        out += bars;
        put(candidate);
        out += second.closing;
      }
    }
    putSource(gap);
  }
  return out;
}

}  // namespace

std::string EnglishSentence::translationLineHtml(InputPieces* pieces) const {
  return wholeSentence(*this, Form::Html, pieces);
}

std::string EnglishSentence::translationLineTagged(InputPieces* pieces) const {
  return wholeSentence(*this, Form::Tagged, pieces);
}

// The pairs of translationLine, through the same registry, each written as a
// coloured line "source ||| translation</b><br/>" and a line feed; a candidate
// takes the colour of its own reading.
std::string EnglishSentence::translationLineHtmlPairs(EmittedPairs& registry,
                                                      const std::vector<TranslationPair>* shown) const {
  std::vector<TranslationPair> pairs;
  translationPairs(pairs);

  // Pairs follow the rendered records in order: a main pair is matched to the
  // next rendered record with the same source text, a candidate to the record
  // of the main pair before it.
  std::vector<std::string_view> prefixes(pairs.size(), "<b>");
  const EnglishRenderingRow* current = nullptr;
  std::size_t next = 0;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    if (pairs[k].candidate) {
      if (current && !current->candidateColourPrefix.empty()) prefixes[k] = current->candidateColourPrefix;
      continue;
    }
    current = nullptr;
    for (std::size_t i = next; i < entities.size(); ++i) {
      const EnglishEntity& e = entities[i];
      if (isRendered(e.kind) && sourceText(e) == pairs[k].source) {
        current = englishRenderingRow(e.kind);
        next = i + 1;
        break;
      }
    }
    if (current) prefixes[k] = current->colourPrefix;
  }

  // The pairs shown stand for the sentence's own pairs one by one.
  const std::vector<TranslationPair>& written = shown && shown->size() == pairs.size() ? *shown : pairs;
  std::string out;
  admitPairs(registry, written.data(), written.data() + written.size(), [&](const TranslationPair& p) {
    const std::size_t k = static_cast<std::size_t>(&p - written.data());
    appendHtmlPair(out, k < prefixes.size() ? prefixes[k] : std::string_view("<b>"), p.source, p.translation, "\n");
  });
  return out;
}

}  // namespace vestrilo
