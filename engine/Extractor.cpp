// The library behind the public header: an extractor runs each line through
// the sentence class of its direction and keeps the registry of what it gave.
#include "vestrilo/vestrilo.h"

#include <utility>

#include "chinese/ChineseSentence.h"
#include "chinese/ChineseStyle.h"
#include "core/Admission.h"
#include "core/SentenceOutput.h"
#include "core/TranslationCache.h"
#include "core/Utf8Gbk.h"
#include "engine/Utf8Line.h"
#include "english/EnglishSentence.h"
#include "english/EnglishStyle.h"

namespace vestrilo {

const char* version() { return VESTRILO_VERSION; }

std::string toUtf8(std::string_view text, Encoding encoding) {
  std::string out;
  if (encoding == Encoding::GBK)
    utf8::appendGbkAsUtf8(out, text);
  else
    utf8::appendWellFormed(out, text);
  return out;
}

bool encodingNamed(std::string_view name, Encoding& encoding) {
  auto is = [name](std::string_view candidate) {
    if (name.size() != candidate.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
      const char c = name[i] >= 'a' && name[i] <= 'z' ? static_cast<char>(name[i] - 'a' + 'A') : name[i];
      if (c != candidate[i]) return false;
    }
    return true;
  };
  if (is("GBK")) {
    encoding = Encoding::GBK;
    return true;
  }
  if (is("UTF-8")) {
    encoding = Encoding::UTF8;
    return true;
  }
  return false;
}

bool operator==(const Pair& a, const Pair& b) {
  return a.source == b.source && a.translation == b.translation && a.candidate == b.candidate;
}

// ---------------------------------------------------------------- Registry

struct Registry::State {
  EmittedPairs pairs;
};

Registry::Registry() : state_(std::make_unique<State>()) {}
Registry::~Registry() = default;
Registry::Registry(Registry&&) noexcept = default;
Registry& Registry::operator=(Registry&&) noexcept = default;

void Registry::admit(const Pair* first, const Pair* last, std::vector<Pair>& written) {
  admitPairs(state_->pairs, first, last, [&written](const Pair& p) { written.push_back(p); });
}

void Registry::admit(const std::vector<Pair>& found, std::vector<Pair>& written) {
  admit(found.data(), found.data() + found.size(), written);
}

void Registry::admitLines(const Pair* first, const Pair* last, std::string& lines) {
  admitPairs(state_->pairs, first, last,
             [&lines](const Pair& p) { appendPairLine(lines, p.source, p.translation); });
}

bool Registry::contains(std::string_view source, std::string_view translation) const {
  return state_->pairs.contains(source, translation);
}

std::size_t Registry::size() const { return state_->pairs.size(); }

void Registry::clear() { state_->pairs.clear(); }

void Registry::reduce(const std::vector<Pair>& found, std::vector<Pair>& reduced) {
  reducePairs(found.data(), found.data() + found.size(), reduced);
}

// ---------------------------------------------------------------- Extractor

struct Extractor::State {
  State(Direction d, const Options& o) : direction(d), options(o) {}

  Direction direction;
  Options options;
  ChineseSentence chinese;  // the sentence objects are reused from line to line
  EnglishSentence english;
  TranslationCache cache;
  Registry registry;
  Utf8Line utf8;  // UTF-8 mode: the line and the text the sentence reads

  bool isChinese() const { return direction == Direction::ChineseToEnglish; }
  bool isUtf8() const { return options.encoding == Encoding::UTF8; }

  // The text the rules read: the line itself, or in UTF-8 mode its conversion.
  std::string_view read(std::string_view line) { return isUtf8() ? utf8.read(line, isChinese()) : line; }

  void run(std::string_view line) { runStages(read(line)); }

  void runStages(std::string_view text) {
    if (isChinese()) {
      chinese.assign(text);
      chinese.runStages();
    } else {
      english.assign(text);
      english.runStages();
    }
  }

  // Appends the pairs of the line just run, unfiltered, in the form written
  // (UTF-8 mode). P is Pair or TranslationPair.
  template <class P>
  void appendPairsInForm(std::vector<P>& out) {
    const std::string& read = isChinese() ? chinese.sentence : english.sentence;
    auto add = [&](std::string_view source, std::string_view translation, bool candidate, std::string_view) {
      P& p = out.emplace_back();
      p.candidate = candidate;
      utf8.formPair(read, source, translation, p.source, p.translation);
    };
    if (isChinese())
      forEachPair(chinese, cache, add);
    else
      forEachPair(english, cache, add);
  }
};

Extractor::Extractor(Direction direction, Options options)
    : state_(std::make_unique<State>(direction, options)) {}
Extractor::~Extractor() = default;
Extractor::Extractor(Extractor&&) noexcept = default;
Extractor& Extractor::operator=(Extractor&&) noexcept = default;

Direction Extractor::direction() const { return state_->direction; }
const Options& Extractor::options() const { return state_->options; }

void Extractor::collect(std::string_view line, std::vector<Pair>& found) {
  State& s = *state_;
  // A line that the quick scan clears gives no pair: its stages are skipped (a
  // UTF-8 Chinese line is scanned before it is converted).
  if (s.isChinese() ? !(s.isUtf8() ? ChineseSentence::mayHoldEntityUtf8(line) : ChineseSentence::mayHoldEntity(line))
                    : !EnglishSentence::mayHoldEntity(line))
    return;
  s.runStages(s.read(line));
  if (s.isUtf8()) return s.appendPairsInForm(found);
  auto add = [&found](std::string_view source, std::string_view translation, bool candidate, std::string_view) {
    Pair& p = found.emplace_back();
    p.source.assign(source.data(), source.size());
    p.translation.assign(translation.data(), translation.size());
    p.candidate = candidate;
  };
  if (s.isChinese())
    forEachPair(s.chinese, s.cache, add);
  else
    forEachPair(s.english, s.cache, add);
}

std::vector<Pair> Extractor::pairs(std::string_view line) {
  std::vector<Pair> found, written;
  collect(line, found);
  state_->registry.admit(found, written);
  return written;
}

namespace {

template <class Sentence, class Record>
Entity entityOf(const Sentence& s, const Record& e, std::string_view text) {
  Entity out;
  out.start = static_cast<std::size_t>(text.data() - s.sentence.data());
  out.end = out.start + text.size();
  out.kind = std::string(Sentence::kindName(e.kind));
  out.text = std::string(text);
  return out;
}

}  // namespace

std::vector<Entity> Extractor::entities(std::string_view line) {
  State& s = *state_;
  s.run(line);
  std::vector<Entity> out;
  if (s.isChinese()) {
    for (const ChineseEntity& e : s.chinese.entities) {
      if (!chineseStyle.renderings.find(e.kind)) continue;
      Entity entity = entityOf(s.chinese, e, s.chinese.text(e));
      entity.translation = s.chinese.translationOf(e);
      out.push_back(std::move(entity));
    }
  } else {
    for (const EnglishEntity& e : s.english.entities) {
      if (!englishStyle.renderings.find(e.kind)) continue;
      Entity entity = entityOf(s.english, e, s.english.sourceText(e));
      const bool twoReadings =
          e.kind == EnglishEntityKind::FigureOrClock || e.kind == EnglishEntityKind::ClockOrNumber;
      std::string candidate;
      entity.translation = s.english.translationOf(e, twoReadings ? &candidate : nullptr);
      if (twoReadings) entity.candidate = std::move(candidate);
      out.push_back(std::move(entity));
    }
  }
  if (s.isUtf8())
    for (Entity& e : out) s.utf8.putInForm(e);
  return out;
}

std::string Extractor::render(std::string_view line, Rendering rendering) {
  State& s = *state_;
  s.run(line);
  EmittedPairs& registry = s.registry.state_->pairs;
  // In UTF-8 mode the renderings say where they show the text read, and the
  // pair lines show and register the pairs as written.
  InputPieces pieces;
  InputPieces* where = s.isUtf8() ? &pieces : nullptr;
  auto renderOne = [&](const auto& sentence) -> std::string {
    switch (rendering) {
      case Rendering::Tags: return markup(sentence, MarkupForm::Tags, where);
      case Rendering::Html: return markup(sentence, MarkupForm::Html, where);
      case Rendering::TranslatedTags: return wholeSentence(sentence, MarkupForm::Tags, where);
      case Rendering::TranslatedHtml: return wholeSentence(sentence, MarkupForm::Html, where);
      case Rendering::PairsHtml:
        return htmlPairLines<Pair>(sentence, s.cache, registry,
                                   [&](std::string_view source, std::string_view translation, Pair& p) {
                                     if (s.isUtf8()) {
                                       s.utf8.formPair(sentence.sentence, source, translation, p.source, p.translation);
                                     } else {
                                       p.source.assign(source.data(), source.size());
                                       p.translation.assign(translation.data(), translation.size());
                                     }
                                   });
    }
    return {};
  };
  std::string out = s.isChinese() ? renderOne(s.chinese) : renderOne(s.english);
  // The pair lines are made of the written pairs and ASCII markup only.
  if (!s.isUtf8() || rendering == Rendering::PairsHtml) return out;
  const bool html = rendering == Rendering::Html || rendering == Rendering::TranslatedHtml;
  return s.utf8.rendering(out, pieces, html);
}

Registry& Extractor::registry() { return state_->registry; }
const Registry& Extractor::registry() const { return state_->registry; }
void Extractor::reset() { state_->registry.clear(); }

}  // namespace vestrilo
