// The library behind the public header: an extractor runs each line through a
// workspace of its direction and keeps the registry of what it gave.
#include "vestrilo/vestrilo.h"

#include <mutex>
#include <utility>

#include "core/Admission.h"
#include "core/Utf8Gbk.h"
#include "engine/Workspace.h"

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

std::string_view kindName(EntityKind kind) {
  static constexpr std::string_view names[kEntityKinds] = {
      "Number", "Figure",  "Ordinal", "Week",  "Date",       "Clock",    "Arabic",          "ArabicWithUnit", "Fractional",
      "MonthDate", "DayDate", "Units", "Tens", "WordNumber", "Fraction", "ArabicMagnitude", "FigureOrClock",  "ClockOrNumber",
  };
  const int k = static_cast<int>(kind);
  return k >= 0 && k < kEntityKinds ? names[k] : std::string_view();
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
  State(Direction d, const Options& o) : direction(d), options(o), workspaces(workspaceMaker(d), o.encoding) {}

  Direction direction;
  Options options;
  // The workspaces of the calls: each call takes one for its duration, so the
  // memos they fill stay inside the extractor and calls from several threads
  // do not share one.
  mutable WorkspacePool workspaces;
  std::mutex registryMutex;  // held while pairs() admits a line's pairs
  Registry registry;
};

Extractor::Extractor(Direction direction, Options options)
    : state_(std::make_unique<State>(direction, options)) {}
Extractor::~Extractor() = default;
Extractor::Extractor(Extractor&&) noexcept = default;
Extractor& Extractor::operator=(Extractor&&) noexcept = default;

Direction Extractor::direction() const { return state_->direction; }
const Options& Extractor::options() const { return state_->options; }

void Extractor::collect(std::string_view line, std::vector<Pair>& found) const {
  state_->workspaces.take()->collect(line, found);
}

void Extractor::pairs(std::string_view line, std::vector<Pair>& written) {
  std::vector<Pair> found;
  collect(line, found);
  if (found.empty()) return;
  std::lock_guard<std::mutex> lock(state_->registryMutex);
  state_->registry.admit(found, written);
}

std::vector<Pair> Extractor::pairs(std::string_view line) {
  std::vector<Pair> written;
  pairs(line, written);
  return written;
}

std::vector<Entity> Extractor::entities(std::string_view line) const {
  std::vector<Entity> out;
  state_->workspaces.take()->entities(line, out);
  return out;
}

std::string Extractor::render(std::string_view line, Rendering rendering, Registry& registry) const {
  return state_->workspaces.take()->render(line, rendering, registry.state_->pairs);
}

std::string Extractor::render(std::string_view line, Rendering rendering) const {
  Registry fresh;
  return render(line, rendering, fresh);
}

Registry& Extractor::registry() { return state_->registry; }
const Registry& Extractor::registry() const { return state_->registry; }

void Extractor::reset() {
  std::lock_guard<std::mutex> lock(state_->registryMutex);
  state_->registry.clear();
}

}  // namespace vestrilo
