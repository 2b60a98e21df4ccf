// What a sentence gives once its stages have run, written once for both
// directions over the sentence class S and its style (styleOf(s), found by
// argument-dependent lookup beside S; see core/KindStyle.h):
// - the recognition markup: the records, each entity framed by its kind's tags;
// - the whole-sentence renderings: each entity with its translation in frames;
// - the pairs: each translated entity's source and translation (and second
//   reading), and the HTML lines of the pairs a registry admits.
//
// S provides `sentence`, `entities`, sourceText(e) (the line's bytes of a
// record), workingText(e) (the text its translation depends on),
// translationOf(e, second) (the translation, and the second reading into
// *second when that is given) and ownTranslation(e) (the translation of a
// kind that is its own translation).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Admission.h"
#include "core/EmittedPairs.h"
#include "core/KindStyle.h"
#include "core/Markup.h"
#include "core/TranslationCache.h"

namespace vestrilo {

enum class MarkupForm { Tags, Html };

// The frame's opening, what fill() puts, and the frame's closing.
template <class Fill>
void putFramed(std::string& out, const MarkupFrame& frame, Fill&& fill) {
  out += frame.opening;
  fill();
  out += frame.closing;
}

// The recognition markup. Only the records are copied, each followed by one
// blank (an entity's closing frame ends with it); bytes between records are not.
// The places where the markup shows the line's own text go into *pieces when
// that is given (see InputPiece).
template <class S>
std::string markup(const S& s, MarkupForm form, InputPieces* pieces = nullptr) {
  const auto& style = styleOf(s);
  const bool html = form == MarkupForm::Html;
  std::string out;
  auto put = [&](std::string_view text) { appendSentenceText(out, s.sentence, text, html, pieces); };
  for (const auto& e : s.entities) {
    const std::string_view text = s.sourceText(e);
    const auto* row = style.markup.find(e.kind);
    if (!row) {
      put(text);
      out += ' ';
      continue;
    }
    putFramed(out, html ? row->html : row->tags, [&] { put(text); });
    const MarkupFrame& second = html ? row->secondHtml : row->secondTags;
    if (!second.opening.empty()) putFramed(out, second, [&] { put(text); });
  }
  return out;
}

// The whole sentence, record by record: an entity as its frame around its
// source, the separator and its translation (and, for a kind with a second
// reading, the second frame around the source and that reading); an entity
// that is its own translation as its frame around its source alone (or its
// converted form); any other record as its text. The style's Gaps say what
// follows each record. Pieces as for markup.
template <class S>
std::string wholeSentence(const S& s, MarkupForm form, InputPieces* pieces = nullptr) {
  const auto& style = styleOf(s);
  const bool html = form == MarkupForm::Html;
  const bool gapsAsInInput = style.gaps == Gaps::AsInInput;
  const std::string_view separator = html ? style.htmlSeparator : style.taggedSeparator;
  std::string out;
  auto put = [&](std::string_view text) { appendText(out, text, html); };
  auto putSource = [&](std::string_view source) { appendSentenceText(out, s.sentence, source, html, pieces); };
  const std::size_t n = s.entities.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto& e = s.entities[i];
    const std::string_view source = s.sourceText(e);
    if (gapsAsInInput && source.empty()) continue;
    const auto* row = style.renderings.find(e.kind);
    if (!row) {
      putSource(source);
      if (!gapsAsInInput) out += ' ';
    } else {
      const MarkupFrame& frame = html ? row->html : row->tags;
      if (row->shown == Shown::Converted) {
        putFramed(out, frame, [&] { put(style.convert(std::string(source))); });
      } else if (row->shown == Shown::Source) {
        putFramed(out, frame, [&] { putSource(source); });
      } else {
        std::string second;
        const std::string translation = s.translationOf(e, row->hasSecondReading() ? &second : nullptr);
        auto reading = [&](const std::string& text) {
          putSource(source);
          out += separator;
          put(text);
        };
        putFramed(out, frame, [&] { reading(translation); });
        const MarkupFrame& secondFrame = html ? row->secondHtml : row->secondTags;
        if (!secondFrame.opening.empty()) putFramed(out, secondFrame, [&] { reading(second); });
      }
    }
    if (gapsAsInInput && i + 1 < n) {
      const std::string_view next = s.sourceText(s.entities[i + 1]);
      const char* end = source.data() + source.size();
      if (next.data() > end) putSource(std::string_view(end, static_cast<std::size_t>(next.data() - end)));
    }
  }
  return out;
}

// Hands each pair of the sentence, in order, to emit(source, translation,
// second, colour): one per translated entity, and after it its second reading
// (second true) for a kind that has one. The texts are views valid during the
// call; colour is the bold element that opens the pair's HTML line.
// Translations are looked up in (and added to) a memo, by kind and working text.
template <class S, class Emit>
void forEachPair(const S& s, TranslationCache& cache, Emit&& emit) {
  const auto& style = styleOf(s);
  for (const auto& e : s.entities) {
    const auto* row = style.renderings.find(e.kind);
    if (!row) continue;
    const std::string_view source = s.sourceText(e);
    if (row->isOwnTranslation()) {
      emit(source, s.ownTranslation(e), false, row->colour);
      continue;
    }
    const bool second = row->hasSecondReading();
    const TranslationCache::Translation r =
        cache.get(static_cast<std::int32_t>(e.kind), s.workingText(e), [&] {
          CachedTranslation fresh;
          fresh.translation = s.translationOf(e, second ? &fresh.candidate : nullptr);
          return fresh;
        });
    emit(source, r.translation, false, row->colour);
    if (second)
      emit(source, r.candidate, true, row->secondColour.empty() ? std::string_view("<b>") : row->secondColour);
  }
}

// The same pairs appended to `out` (any pair type with source, translation and
// candidate), not filtered.
template <class S, class Pair>
void translationPairs(const S& s, std::vector<Pair>& out) {
  TranslationCache cache;
  forEachPair(s, cache, [&out](std::string_view source, std::string_view translation, bool second, std::string_view) {
    out.push_back(Pair{std::string(source), std::string(translation), second});
  });
}

// The sentence's pairs through a run's registry, as the listing lines the
// command line writes.
template <class Pair, class S>
std::string translationLine(const S& s, EmittedPairs& registry) {
  std::vector<Pair> pairs;
  translationPairs(s, pairs);
  std::string lines;
  admitPairs(registry, pairs.data(), pairs.data() + pairs.size(),
             [&lines](const Pair& p) { appendPairLine(lines, p.source, p.translation); });
  return lines;
}

// The sentence's pairs through a run's registry, each written pair as a
// coloured HTML line "source ||| translation</b><br/>" and the style's line
// end. inForm(source, translation, pair) fills a pair's two texts in the form
// the caller writes and registers (its encoding).
template <class Pair, class S, class InForm>
std::string htmlPairLines(const S& s, TranslationCache& cache, EmittedPairs& registry, InForm&& inForm) {
  std::vector<Pair> pairs;
  std::vector<std::string_view> colours;
  forEachPair(s, cache, [&](std::string_view source, std::string_view translation, bool second, std::string_view colour) {
    Pair& p = pairs.emplace_back();
    p.candidate = second;
    inForm(source, translation, p);
    colours.push_back(colour);
  });
  std::string out;
  admitPairs(registry, pairs.data(), pairs.data() + pairs.size(), [&](const Pair& p) {
    appendHtmlPair(out, colours[static_cast<std::size_t>(&p - pairs.data())], p.source, p.translation,
                   styleOf(s).pairLineEnd);
  });
  return out;
}

// The same with the pairs as the sentence reads them.
template <class Pair, class S>
std::string htmlPairLines(const S& s, EmittedPairs& registry) {
  TranslationCache cache;
  return htmlPairLines<Pair>(s, cache, registry, [](std::string_view source, std::string_view translation, Pair& p) {
    p.source.assign(source.data(), source.size());
    p.translation.assign(translation.data(), translation.size());
  });
}

}  // namespace vestrilo
