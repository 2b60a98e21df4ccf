// The workspace of a direction, written once over its sentence class S (see
// engine/Workspace.h and core/SentenceOutput.h). S provides, besides what
// core/SentenceOutput.h asks for, assign(text), runStages(), the quick scans
// mayHoldEntity(line, rules) and mayHoldEntityUtf8(line, rules), and readsGbk (whether its
// rules read a UTF-8 line converted to GBK); the public kinds of its records
// come from entityKind (engine/Directions.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Admission.h"
#include "core/SentenceOutput.h"
#include "core/TranslationCache.h"
#include "engine/Directions.h"
#include "engine/Utf8Line.h"
#include "engine/Workspace.h"

namespace vestrilo {

template <class S>
class SentenceWorkspace final : public Workspace {
 public:
  explicit SentenceWorkspace(const Options& options) : utf8Mode_(options.encoding == Encoding::UTF8) {
    sentence_.rules = options.rules == Rules::Extended ? RuleSet::Extended : RuleSet::Classic;
  }

  void collect(std::string_view line, std::vector<Pair>& found) override {
    // A line that the quick scan clears gives no pair: its stages are skipped
    // (a UTF-8 line is scanned before it is converted).
    if (!(utf8Mode_ ? S::mayHoldEntityUtf8(line, sentence_.rules) : S::mayHoldEntity(line, sentence_.rules))) return;
    run(line);
    forEachPair(sentence_, cache_, [&](std::string_view source, std::string_view translation, bool second,
                                       std::string_view) {
      Pair& p = found.emplace_back();
      p.candidate = second;
      putInForm(source, translation, p);
    });
  }

  void entities(std::string_view line, std::vector<Entity>& out) override {
    run(line);
    const auto& style = styleOf(sentence_);
    const std::size_t first = out.size();
    for (const auto& e : sentence_.entities) {
      const auto* row = style.renderings.find(e.kind);
      if (!row) continue;
      const std::string_view text = sentence_.sourceText(e);
      Entity& entity = out.emplace_back();
      entity.start = static_cast<std::size_t>(text.data() - sentence_.sentence.data());
      entity.end = entity.start + text.size();
      entity.kind = entityKind(e.kind).value_or(EntityKind::Number);
      entity.text = std::string(text);
      if (row->hasSecondReading()) {
        std::string second;
        entity.translation = sentence_.translationOf(e, &second);
        entity.candidate = std::move(second);
      } else {
        entity.translation = sentence_.translationOf(e);
      }
    }
    if (utf8Mode_)
      for (std::size_t i = first; i < out.size(); ++i) utf8_.putInForm(out[i]);
  }

  std::string render(std::string_view line, Rendering rendering, EmittedPairs& registry) override {
    run(line);
    // The pair lines are made of the pairs as written and ASCII markup only.
    if (rendering == Rendering::PairsHtml)
      return htmlPairLines<Pair>(sentence_, cache_, registry,
                                 [this](std::string_view source, std::string_view translation, Pair& p) {
                                   putInForm(source, translation, p);
                                 });
    // In UTF-8 mode the renderings say where they show the text read.
    InputPieces pieces;
    InputPieces* where = utf8Mode_ ? &pieces : nullptr;
    const bool html = rendering == Rendering::Html || rendering == Rendering::TranslatedHtml;
    const MarkupForm form = html ? MarkupForm::Html : MarkupForm::Tags;
    const bool translated = rendering == Rendering::TranslatedTags || rendering == Rendering::TranslatedHtml;
    std::string out = translated ? wholeSentence(sentence_, form, where) : markup(sentence_, form, where);
    return utf8Mode_ ? utf8_.rendering(out, pieces, html) : out;
  }

 private:
  // Runs the stages on the text the rules read: the line itself, or in UTF-8
  // mode its conversion.
  void run(std::string_view line) {
    sentence_.assign(utf8Mode_ ? utf8_.read(line, S::readsGbk) : line);
    sentence_.runStages();
  }

  // A pair of the sentence just run in the form written (UTF-8 mode: the
  // line's own bytes and UTF-8 translations).
  void putInForm(std::string_view source, std::string_view translation, Pair& p) const {
    if (utf8Mode_) {
      utf8_.formPair(sentence_.sentence, source, translation, p.source, p.translation);
    } else {
      p.source.assign(source.data(), source.size());
      p.translation.assign(translation.data(), translation.size());
    }
  }

  bool utf8Mode_;
  S sentence_;
  TranslationCache cache_;
  Utf8Line utf8_;
};

}  // namespace vestrilo
