// The registry of translation pairs written during a run, and the rule that
// filters a sentence's pairs through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <memory>
#include <vector>

#include "core/HashTable.h"

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

// The set of (source, translation) pairs registered in a run, with exact
// membership. A run may register millions of pairs, so they are stored
// compactly: the bytes of every pair (two lengths of a byte or two, then the two
// texts) go one after the other into blocks of up to 1 MiB, and a hash table of
// 64-bit slots (a piece of the hash and the pair's place) finds them; no pair
// has an allocation or an index entry of its own.
class EmittedPairs {
 public:
  EmittedPairs() = default;
  EmittedPairs(EmittedPairs&&) noexcept = default;
  EmittedPairs& operator=(EmittedPairs&&) noexcept = default;

  bool contains(std::string_view source, std::string_view translation) const;
  // Registers the pair; true when it was not registered before.
  bool insert(std::string_view source, std::string_view translation);
  std::size_t size() const { return slots_.size(); }
  void clear();
  // Bytes held (blocks, table and index), for tests of the growth.
  std::size_t memoryUse() const;

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
        take = insert(p.source, p.translation);  // registers it when new
      if (!p.candidate) previous = take ? Last::Written : Last::Skipped;
      if (take) {
        if (p.candidate) insert(p.source, p.translation);
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
  // A slot: 0 when free, else the top kTagBits bits of the pair's hash above
  // its location (block number << kOffsetBits | offset in the block).
  static constexpr unsigned kOffsetBits = 20;
  static constexpr std::size_t kBlock = std::size_t(1) << kOffsetBits;
  static constexpr unsigned kLocationBits = 40;
  static constexpr unsigned kTagBits = 64 - kLocationBits;
  static constexpr std::uint64_t kLocationMask = (std::uint64_t{1} << kLocationBits) - 1;
  using Slots = HashTable<NumberSlots<std::uint64_t, SlotStorage::Growing, 1024>>;

  static std::uint64_t hash(std::string_view source, std::string_view translation);
  // The probe for the pair whose hash is h.
  Slots::Probe find(std::uint64_t h, std::string_view source, std::string_view translation) const;
  // The hash of the pair a slot holds (the slot keeps only a piece of it).
  std::uint64_t hashOf(std::uint64_t slot) const;
  // The pair stored at a location: its two texts.
  void read(std::uint64_t location, std::string_view& source, std::string_view& translation) const;
  // Copies the pair into the blocks (both lengths, then both texts); returns its location.
  std::uint64_t store(std::string_view source, std::string_view translation);

  Slots slots_;
  std::vector<std::unique_ptr<char[]>> blocks_;  // a pair longer than a block gets one of its own
  static constexpr std::size_t kFirstBlock = 4096;
  std::size_t blockSize_ = 0;       // bytes of the last block
  std::size_t blockUsed_ = 0;       // bytes used in the last block
  std::size_t blockBytes_ = 0;      // bytes allocated in all blocks
};

}  // namespace vestrilo
