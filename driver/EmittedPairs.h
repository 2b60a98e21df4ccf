// The registry of translation pairs written during a run, shared by both
// directions, and the rule that filters a sentence's pairs through it.
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

  // Runs the sentence's pairs, in order, through the registry and calls
  // write(pair) for each one that is to be written, registering it:
  // - a pair with an empty translation is neither written nor registered;
  // - a pair already registered is skipped, and so is the candidate after it;
  // - a candidate after a written pair is written and registered untested;
  // - a candidate whose main pair had an empty translation stands on its own
  //   (tested like any other pair).
  template <class Write>
  void admit(const std::vector<TranslationPair>& pairs, Write&& write) {
    admit(pairs.data(), pairs.data() + pairs.size(), write);
  }
  template <class Write>
  void admit(const TranslationPair* first, const TranslationPair* last, Write&& write) {
    enum class Last { Written, Skipped, Empty } previous = Last::Skipped;
    for (; first != last; ++first) {
      const TranslationPair& p = *first;
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

  // The pair lines "source ||| translation\n" of the pairs admitted.
  std::string admitLines(const std::vector<TranslationPair>& pairs);
  // The same, appended to out, for the pairs [first, last).
  void admitLines(const TranslationPair* first, const TranslationPair* last, std::string& out);

 private:
  const std::string& key(std::string_view source, std::string_view translation) const;
  std::unordered_set<std::string> keys_;
  mutable std::string scratch_;  // the registry is used by one thread at a time
};

// The program-wide registry: never cleared during a run, so a pair written for
// one line is suppressed on every later line, in either direction.
extern EmittedPairs emittedPairs;

}  // namespace vestrilo
