// The rule that decides which of a run's pairs are written, and the two uses
// made of it: admission through a run's registry, and the reduction of a block
// of lines to the pairs that can still be written when the block is admitted
// after any earlier ones (the cluster mode reduces blocks apart and admits them
// in input order).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/EmittedPairs.h"

namespace vestrilo {

// The rule, over any pair type with the members source, translation and
// candidate (a second reading, which follows its entity's first pair):
// - a pair with an empty translation is skipped;
// - a first pair is tested: test(p) says whether it is written;
// - a second reading after a written pair is written without a test, after a
//   skipped one it is skipped, and after a pair with an empty translation it
//   stands on its own and is tested like a first pair.
// write(p, tested) is called for every pair written, in order. A second reading
// only ever follows its first pair within a line, so the pairs of several whole
// lines may go through one call.
template <class Pair, class Test, class Write>
void applyAdmissionRule(const Pair* first, const Pair* last, Test&& test, Write&& write) {
  enum class Previous { Written, Skipped, Empty } previous = Previous::Skipped;
  for (; first != last; ++first) {
    const Pair& p = *first;
    if (p.translation.empty()) {
      if (!p.candidate) previous = Previous::Empty;
      continue;
    }
    const bool tested = !p.candidate || previous == Previous::Empty;
    const bool take = tested ? test(p) : previous == Previous::Written;
    if (!p.candidate) previous = take ? Previous::Written : Previous::Skipped;
    if (take) write(p, tested);
  }
}

// Admission through a run's registry: a pair is written when the registry did
// not hold it, and every pair written is registered. write(p) is called for each,
// and added(p) for each that the registry did not hold before (a second reading
// written without a test may have been registered already).
struct NoPairAdded {
  template <class Pair>
  void operator()(const Pair&) const {}
};

template <class Pair, class Write, class Added = NoPairAdded>
void admitPairs(EmittedPairs& registry, const Pair* first, const Pair* last, Write&& write, Added&& added = Added()) {
  applyAdmissionRule(
      first, last,
      [&registry](const Pair& p) { return registry.insert(p.source, p.translation); },
      [&registry, &write, &added](const Pair& p, bool tested) {
        if (tested || registry.insert(p.source, p.translation)) added(p);
        write(p);
      });
}

// The reduction of the pairs of a block of whole lines. Whatever was registered
// before the block, a pair tested earlier in the block is registered by the time
// it comes again and is never written there; every other pair may be. So the
// rule runs with a test that is true exactly for the first test of each pair in
// the block, and keeps what it writes; a second reading that stands on its own
// keeps the empty first pair before it. Admitting the reduced pairs after any
// registry writes what admitting the block's pairs writes.
template <class Pair>
void reducePairs(const Pair* first, const Pair* last, std::vector<Pair>& reduced) {
  EmittedPairs tested;
  applyAdmissionRule(
      first, last, [&tested](const Pair& p) { return tested.insert(p.source, p.translation); },
      [&reduced](const Pair& p, bool wasTested) {
        if (p.candidate && wasTested) reduced.push_back(Pair{p.source, {}, false});
        reduced.push_back(p);
      });
}

// One line of the listing the command line writes: "source ||| translation\n".
void appendPairLine(std::string& out, std::string_view source, std::string_view translation);

}  // namespace vestrilo
