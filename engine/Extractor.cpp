// The library behind the public header: an extractor runs each line through a
// workspace of its direction and keeps the registry of what it gave.
#include "vestrilo/vestrilo.h"

#include <mutex>
#include <utility>

#include "core/Admission.h"
#include "core/Utf8Gbk.h"
#include "engine/MovedFrom.h"
#include "engine/Workspace.h"

namespace vestrilo {

// ---------------------------------------------------------------- Registry

struct Registry::State {
  EmittedPairs pairs;
};

Registry::Registry() : state_(std::make_unique<State>()) {}
Registry::~Registry() = default;
Registry::Registry(Registry&&) noexcept = default;
Registry& Registry::operator=(Registry&&) noexcept = default;

void Registry::admit(const Pair* first, const Pair* last, std::vector<Pair>& written) {
  if (!notMovedFrom(state_.get())) return;
  admitPairs(state_->pairs, first, last, [&written](const Pair& p) { written.push_back(p); });
}

void Registry::admit(const std::vector<Pair>& found, std::vector<Pair>& written) {
  admit(found.data(), found.data() + found.size(), written);
}

void Registry::admitLines(const Pair* first, const Pair* last, std::string& lines) {
  if (!notMovedFrom(state_.get())) return;
  admitPairs(state_->pairs, first, last,
             [&lines](const Pair& p) { appendPairLine(lines, p.source, p.translation); });
}

bool Registry::contains(std::string_view source, std::string_view translation) const {
  return notMovedFrom(state_.get()) && state_->pairs.contains(source, translation);
}

std::size_t Registry::size() const {
  return notMovedFrom(state_.get()) ? state_->pairs.size() : 0;
}

void Registry::clear() {
  if (notMovedFrom(state_.get())) state_->pairs.clear();
}

void Registry::reduce(const std::vector<Pair>& found, std::vector<Pair>& reduced) {
  reducePairs(found.data(), found.data() + found.size(), reduced);
}

// ---------------------------------------------------------------- Extractor

struct Extractor::State {
  State(Direction d, const Options& o) : direction(d), options(o), workspaces(workspaceMaker(d), o) {
    if (o.encoding == Encoding::UTF8 && !utf8::tablesAvailable())
      status = Status(StatusCode::NoConverter, "the C library's iconv has no GBK converter, which UTF-8 needs");
  }

  Direction direction;
  Options options;
  Status status;
  // The workspaces of the calls: each call takes one for its duration, so the
  // memos they fill stay inside the extractor and calls from several threads
  // do not share one.
  mutable WorkspacePool workspaces;
  std::mutex registryMutex;  // held while pairs() admits
  Registry registry;
};

Extractor::Extractor(Direction direction, Options options)
    : state_(std::make_unique<State>(direction, options)) {}
Extractor::~Extractor() = default;
Extractor::Extractor(Extractor&&) noexcept = default;
Extractor& Extractor::operator=(Extractor&&) noexcept = default;

// The state when the extractor can work; null for one that cannot (and for a
// moved-from one, which is a caller's error).
const Extractor::State* Extractor::usable() const {
  return notMovedFrom(state_.get()) && state_->status.ok() ? state_.get() : nullptr;
}

bool Extractor::ok() const { return usable() != nullptr; }

const Status& Extractor::status() const {
  return notMovedFrom(state_.get()) ? state_->status : movedFromStatus();
}

Direction Extractor::direction() const {
  return notMovedFrom(state_.get()) ? state_->direction : Direction::ChineseToEnglish;
}

const Options& Extractor::options() const {
  static const Options none;
  return notMovedFrom(state_.get()) ? state_->options : none;
}

void Extractor::collect(std::string_view line, std::vector<Pair>& found) const {
  const State* s = usable();
  if (!s || line.size() > kMaxLineBytes) return;
  s->workspaces.take()->collect(line, found);
}

void Extractor::collect(const std::vector<std::string_view>& lines, std::vector<Pair>& found,
                        std::vector<std::size_t>& ends) const {
  const State* s = usable();
  if (!s) {
    ends.insert(ends.end(), lines.size(), found.size());
    return;
  }
  const WorkspacePool::Lease workspace = s->workspaces.take();
  for (std::string_view line : lines) {
    if (line.size() <= kMaxLineBytes) workspace->collect(line, found);
    ends.push_back(found.size());
  }
}

void Extractor::pairs(std::string_view line, std::vector<Pair>& written) {
  std::vector<std::size_t> ends;
  pairs(std::vector<std::string_view>{line}, written, ends);
}

std::vector<Pair> Extractor::pairs(std::string_view line) {
  std::vector<Pair> written;
  pairs(line, written);
  return written;
}

void Extractor::pairs(const std::vector<std::string_view>& lines, std::vector<Pair>& written,
                      std::vector<std::size_t>& ends) {
  admitLines(lines, written, ends, nullptr);
}

void Extractor::pairs(const std::vector<std::string_view>& lines, std::vector<Pair>& written,
                      std::vector<std::size_t>& ends, std::vector<Pair>& added) {
  admitLines(lines, written, ends, &added);
}

void Extractor::admitLines(const std::vector<std::string_view>& lines, std::vector<Pair>& written,
                           std::vector<std::size_t>& ends, std::vector<Pair>* added) {
  const State* s = usable();
  if (!s) {
    ends.insert(ends.end(), lines.size(), written.size());
    return;
  }
  // Each line is collected and then admitted at once, while its pairs are
  // still in the cache; the lock is held for the admission alone.
  const WorkspacePool::Lease workspace = s->workspaces.take();
  std::vector<Pair> found;
  for (std::string_view line : lines) {
    found.clear();
    if (line.size() <= kMaxLineBytes) workspace->collect(line, found);
    if (!found.empty()) {
      std::lock_guard<std::mutex> lock(state_->registryMutex);
      const auto write = [&written](const Pair& p) { written.push_back(p); };
      if (added)
        admitPairs(state_->registry.state_->pairs, found.data(), found.data() + found.size(), write,
                   [added](const Pair& p) { added->push_back(p); });
      else
        admitPairs(state_->registry.state_->pairs, found.data(), found.data() + found.size(), write);
    }
    ends.push_back(written.size());
  }
}

void Extractor::forget(const std::vector<Pair>& pairs) {
  if (!notMovedFrom(state_.get())) return;
  std::lock_guard<std::mutex> lock(state_->registryMutex);
  for (const Pair& p : pairs) state_->registry.state_->pairs.erase(p.source, p.translation);
}

std::vector<Entity> Extractor::entities(std::string_view line) const {
  std::vector<Entity> out;
  const State* s = usable();
  if (s && line.size() <= kMaxLineBytes) s->workspaces.take()->entities(line, out);
  return out;
}

std::string Extractor::render(std::string_view line, Rendering rendering, Registry& registry) const {
  const State* s = usable();
  if (!s || !notMovedFrom(registry.state_.get()) || line.size() > kMaxLineBytes) return {};
  return s->workspaces.take()->render(line, rendering, registry.state_->pairs);
}

std::string Extractor::render(std::string_view line, Rendering rendering) const {
  Registry fresh;
  return render(line, rendering, fresh);
}

Registry& Extractor::registry() {
  static Registry none;
  return notMovedFrom(state_.get()) ? state_->registry : none;
}

const Registry& Extractor::registry() const {
  static const Registry none;
  return notMovedFrom(state_.get()) ? state_->registry : none;
}

void Extractor::reset() {
  if (!notMovedFrom(state_.get())) return;
  std::lock_guard<std::mutex> lock(state_->registryMutex);
  state_->registry.clear();
}

}  // namespace vestrilo
