// The registry of translation pairs written during a run, and the rule that
// filters a sentence's pairs through it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vestrilo {

// One rendering of one entity: "source ||| translation".
// A candidate is the second reading of a two-candidate entity (English side):
// it is written right after its main pair, only when the main pair was written,
// and it is registered without being tested against the registry.
struct TranslationPair {
  std::string source;
  std::string translation;
  bool candidate = false;
};

class EmittedPairs {
 public:
  bool contains(std::string_view source, std::string_view translation) const;
  // Registers the pair; true when it was not registered before.
  bool insert(std::string_view source, std::string_view translation);
  std::size_t size() const { return keys_.size(); }
  void clear() { keys_.clear(); }

  // Runs a sentence's pairs, in order, through the registry and calls
  // write(pair) for each one that is to be written, registering it:
  // - a pair with an empty translation is neither written nor registered;
  // - a pair already registered is skipped, and so is the candidate after it;
  // - a candidate after a written pair is written and registered untested;
  // - a candidate whose main pair had an empty translation stands on its own
  //   (tested like any other pair).
  // A candidate only ever follows its main pair, so the pairs of several whole
  // sentences may be given in one call. Pair is any type with the members
  // source, translation and candidate.
  template <class Pair, class Write>
  void admit(const Pair* first, const Pair* last, Write&& write) {
    enum class Last { Written, Skipped, Empty } previous = Last::Skipped;
    for (; first != last; ++first) {
      const Pair& p = *first;
      if (p.translation.empty()) {
        if (!p.candidate) previous = Last::Empty;
        continue;
      }
      bool take;
      if (p.candidate && previous == Last::Written)
        take = true;
      else if (p.candidate && previous == Last::Skipped)
        take = false;
      else
        take = !contains(p.source, p.translation);
      if (!p.candidate) previous = take ? Last::Written : Last::Skipped;
      if (take) {
        insert(p.source, p.translation);
        write(p);
      }
    }
  }
  template <class Pair, class Write>
  void admit(const std::vector<Pair>& pairs, Write&& write) {
    admit(pairs.data(), pairs.data() + pairs.size(), write);
  }

  // Appends the pair line "source ||| translation\n" of each pair admitted.
  template <class Pair>
  void admitLines(const Pair* first, const Pair* last, std::string& out) {
    admit(first, last, [&out](const Pair& p) { appendPairLine(out, p.source, p.translation); });
  }
  template <class Pair>
  std::string admitLines(const std::vector<Pair>& pairs) {
    std::string out;
    admitLines(pairs.data(), pairs.data() + pairs.size(), out);
    return out;
  }

  static void appendPairLine(std::string& out, std::string_view source, std::string_view translation);

 private:
  const std::string& key(std::string_view source, std::string_view translation) const;
  std::unordered_set<std::string> keys_;
  mutable std::string scratch_;  // the registry is used by one thread at a time
};

}  // namespace vestrilo
