// The library behind the public header: an extractor runs each line through
// the sentence class of its direction and keeps the registry of what it gave.
#include "vestrilo/vestrilo.h"

#include <utility>

#include "chinese/ChineseSentence.h"
#include "core/EmittedPairs.h"
#include "core/TranslationCache.h"
#include "english/EnglishSentence.h"

namespace vestrilo {

const char* version() { return VESTRILO_VERSION; }

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
  state_->pairs.admit(first, last, [&written](const Pair& p) { written.push_back(p); });
}

void Registry::admit(const std::vector<Pair>& found, std::vector<Pair>& written) {
  admit(found.data(), found.data() + found.size(), written);
}

void Registry::admitLines(const Pair* first, const Pair* last, std::string& lines) {
  state_->pairs.admitLines(first, last, lines);
}

bool Registry::contains(std::string_view source, std::string_view translation) const {
  return state_->pairs.contains(source, translation);
}

std::size_t Registry::size() const { return state_->pairs.size(); }

void Registry::clear() { state_->pairs.clear(); }

// ---------------------------------------------------------------- Extractor

struct Extractor::State {
  State(Direction d, const Options& o) : direction(d), options(o) {}

  Direction direction;
  Options options;
  ChineseSentence chinese;  // the sentence objects are reused from line to line
  EnglishSentence english;
  TranslationCache cache;
  Registry registry;

  bool isChinese() const { return direction == Direction::ChineseToEnglish; }

  void run(std::string_view line) {
    if (isChinese()) {
      chinese.assign(line);
      chinese.runStages();
    } else {
      english.assign(line);
      english.runStages();
    }
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
  // A line that the quick scan clears gives no pair: its stages are skipped.
  if (!(s.isChinese() ? ChineseSentence::mayHoldEntity(line) : EnglishSentence::mayHoldEntity(line))) return;
  s.run(line);
  auto add = [&found](std::string_view source, std::string_view translation, bool candidate) {
    Pair& p = found.emplace_back();
    p.source.assign(source.data(), source.size());
    p.translation.assign(translation.data(), translation.size());
    p.candidate = candidate;
  };
  if (s.isChinese())
    s.chinese.forEachPair(s.cache, add);
  else
    s.english.forEachPair(s.cache, add);
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
      if (!ChineseSentence::isTranslated(e.kind)) continue;
      Entity entity = entityOf(s.chinese, e, s.chinese.text(e));
      entity.translation = s.chinese.translationOf(e);
      out.push_back(std::move(entity));
    }
  } else {
    for (const EnglishEntity& e : s.english.entities) {
      if (!EnglishSentence::isRendered(e.kind)) continue;
      Entity entity = entityOf(s.english, e, s.english.sourceText(e));
      const bool twoReadings =
          e.kind == EnglishEntityKind::FigureOrClock || e.kind == EnglishEntityKind::ClockOrNumber;
      std::string candidate;
      entity.translation = s.english.translationOf(e, twoReadings ? &candidate : nullptr);
      if (twoReadings) entity.candidate = std::move(candidate);
      out.push_back(std::move(entity));
    }
  }
  return out;
}

std::string Extractor::render(std::string_view line, Rendering rendering) {
  State& s = *state_;
  s.run(line);
  EmittedPairs& registry = s.registry.state_->pairs;
  auto renderOne = [&](const auto& sentence) -> std::string {
    switch (rendering) {
      case Rendering::Tags: return sentence.markupTags();
      case Rendering::Html: return sentence.markupHtml();
      case Rendering::TranslatedTags: return sentence.translationLineTagged();
      case Rendering::TranslatedHtml: return sentence.translationLineHtml();
      case Rendering::PairsHtml: return sentence.translationLineHtmlPairs(registry);
    }
    return {};
  };
  return s.isChinese() ? renderOne(s.chinese) : renderOne(s.english);
}

Registry& Extractor::registry() { return state_->registry; }
const Registry& Extractor::registry() const { return state_->registry; }
void Extractor::reset() { state_->registry.clear(); }

}  // namespace vestrilo
